// SPDX-License-Identifier: GPL-3.0-or-later
#include "heart.h"

#include "kelres.h"
#include "naming.h"
#include "passage.h"
#include "profile_file.h"
#include "sura.h"

#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidgetItemIterator>
#include <set>

namespace
{

std::string FirstPiece(const std::string& key) { return key.substr(0, key.find('.')); }

std::vector<std::string> Pieces(const std::string& text)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t dot = text.find('.', start);
        const std::string piece =
            text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (!piece.empty())
            pieces.push_back(piece);
        if (dot == std::string::npos)
            break;
        start = dot + 1;
    }
    return pieces;
}

// Draws a row as usual, with a small mark at its end: a dot on a sura due for review, a ring on an aya
// the learner recorded, filled when its last check matched the reciter.
class DueMarkDelegate : public QStyledItemDelegate
{
  public:
    DueMarkDelegate(const Heart* heart) : QStyledItemDelegate(const_cast<Heart*>(heart)), heart_(heart) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (index.parent().isValid() && index.parent().parent().isValid()) {
            const std::string key = index.data().toString().toStdString();
            if (heart_->RecordedMarked(key))
                PaintMark(painter, option.rect, false, heart_->MatchMarked(key));
            return;
        }
        bool ok = false;
        const int sura = index.data().toString().toInt(&ok);
        if (!ok || !index.parent().isValid() || index.parent().parent().isValid() || !heart_->DueMarked(sura))
            return;
        PaintMark(painter, option.rect, true);
    }

    static void PaintMark(QPainter* painter, const QRect& row, bool due, bool filled = false)
    {
        const int d = std::max(6, row.height() / 3);
        const QRect mark(row.right() - d - 4, row.center().y() - d / 2, d, d);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (due) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(QColor(0xe0, 0x8a, 0x00));
        } else {
            painter->setPen(QPen(QColor(0x1f, 0x7a, 0x5a), 2));
            painter->setBrush(filled ? QBrush(QColor(0x1f, 0x7a, 0x5a)) : QBrush(Qt::NoBrush));
        }
        painter->drawEllipse(mark);
        painter->restore();
    }

  private:
    const Heart* heart_;
};

} // namespace

Heart::Heart(QWidget* parent) : QTreeWidget(parent)
{
    setItemDelegate(new DueMarkDelegate(this));
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setColumnCount(1);
    setHeaderLabels(QStringList() << tr("Memorized Suras by Heart"));
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setSectionsClickable(false);
    setRootIsDecorated(true);
    setSortingEnabled(true);
    sortByColumn(0, Qt::AscendingOrder);
    header()->setSortIndicatorShown(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { Pop(itemAt(pos), viewport()->mapToGlobal(pos), 0); });
}

Heart::Kind Heart::KindOf(const QString& text)
{
    if (text.contains("heart", Qt::CaseInsensitive))
        return Kind::Root;
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n != 0 ? Kind::Sura : Kind::Aya;
}

Heart::Kind Heart::KindOf(const QTreeWidgetItem* item)
{
    return item->parent() ? KindOf(item->text(0)) : Kind::Root;
}

QTreeWidgetItem* Heart::MakeRoot(const QString& text, const QPixmap& icon)
{
    clear();
    current_ = nullptr;
    root_ = new QTreeWidgetItem(this, QStringList() << text);
    if (!icon.isNull())
        root_->setIcon(0, QIcon(icon));
    root_->setExpanded(true);
    return root_;
}

QTreeWidgetItem* Heart::SuraItem(const std::string& sura) const
{
    const auto it = suraItems_.find(sura);
    return it == suraItems_.end() ? nullptr : it->second;
}

void Heart::UpdatePicture(QTreeWidgetItem* suraItem)
{
    const std::string picture = data_->PictureOf(suraItem->text(0).toStdString());
    suraItem->setIcon(0, QIcon(PixmapFromResource(picture)));
    suraItem->setData(0, kPictureRole, QString::fromStdString(picture));
}

bool Heart::AddKey(const std::string& key, bool picture)
{
    if (!root_ || !data_->Add(key))
        return false;
    const std::string sura = FirstPiece(key);
    QTreeWidgetItem*& suraItem = suraItems_[sura];
    if (!suraItem) {
        suraItem = new QTreeWidgetItem(root_, QStringList() << QString::fromStdString(sura));
        suraItem->setExpanded(true);
    }
    new QTreeWidgetItem(suraItem, QStringList() << QString::fromStdString(key));
    if (picture)
        UpdatePicture(suraItem);
    return true;
}

void Heart::Announce()
{
    if (root_)
        root_->setExpanded(true);
    emit HeartUpdate(data_->Count());
    CloseComplete(closeMode_);
}

void Heart::LoadSuras(const std::vector<std::string>& keys, bool clear)
{
    if (clear) {
        data_->Clear();
        suraItems_.clear();
    }
    // Pictures are drawn once per sura touched, when all its ayas are in.
    std::set<std::string> touched;
    for (const std::string& key : keys) {
        // Keys enter normalised, so every sura item can be matched by its padded key.
        const std::string normal = NormalAyaKey(key);
        if (!normal.empty() && AddKey(normal, false))
            touched.insert(FirstPiece(normal));
    }
    for (const std::string& sura : touched)
        UpdatePicture(suraItems_[sura]);
    Announce();
}

bool Heart::DropText(const QString& text)
{
    const std::string t = text.toLatin1().toStdString();
    // A passage of the mushaf ("page 602"): all its ayas, across its suras.
    const Passage passage = Passage::Parse(t);
    if (!passage.Empty()) {
        LoadSuras(passage.Ayas(), false);
        return true;
    }
    if (text.contains("all", Qt::CaseInsensitive)) {
        const std::vector<std::string> pieces = Pieces(t);
        if (pieces.size() < 2 || !IsSuraNumber(pieces[1]))
            return false;
        const int n = SuraTable().AyaCount(pieces[1]);
        std::vector<std::string> keys;
        for (int i = 1; i <= n; ++i)
            keys.push_back(PadSura(pieces[1]) + "." + PadSura(IntToString(i)));
        LoadSuras(keys, false);
        return true;
    }
    const std::vector<std::string> pieces = Pieces(t);
    if (pieces.size() < 2)
        return false;
    const std::string key = NormalAyaKey(pieces[0] + "." + pieces[1]);
    if (key.empty() || !AddKey(key))
        return false;
    Announce();
    return true;
}

void Heart::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
    else
        event->ignore();
}

void Heart::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
    else
        event->ignore();
}

void Heart::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    DropText(event->mimeData()->text());
}

void Heart::Pop(QTreeWidgetItem* item, const QPoint& globalPos, int)
{
    if (!item || KindOf(item) == Kind::Root)
        return;
    current_ = item;
    QMenu menu(this);
    const bool aya = KindOf(item) == Kind::Aya;
    menu.addAction(tr("Remove"), this, aya ? &Heart::RemoveItem : &Heart::RemoveSura);
    menu.exec(globalPos);
}

void Heart::RemoveItem()
{
    if (!current_ || KindOf(current_) != Kind::Aya)
        return;
    const std::string key = current_->text(0).toStdString();
    delete current_;
    current_ = nullptr;
    data_->Remove(key);
    const std::string sura = FirstPiece(key);
    if (QTreeWidgetItem* suraItem = SuraItem(sura)) {
        if (data_->CountOf(sura) > 0) {
            UpdatePicture(suraItem);
        } else {
            suraItems_.erase(sura);
            delete suraItem;
        }
    }
    emit HeartUpdate(data_->Count());
    CloseComplete(closeMode_);
}

void Heart::RemoveSura()
{
    if (!current_ || KindOf(current_) != Kind::Sura)
        return;
    const std::string sura = current_->text(0).toStdString();
    data_->RemoveSura(sura);
    suraItems_.erase(sura);
    delete current_;
    current_ = nullptr;
    emit HeartUpdate(data_->Count());
}

void Heart::CloseComplete(int mode)
{
    closeMode_ = mode;
    for (const std::string& sura : data_->CompleteSuras()) {
        QTreeWidgetItem* item = SuraItem(sura);
        if (item && mode == 2)
            item->setExpanded(false);
        else if (item && mode == 0)
            item->setExpanded(true);
    }
}

void Heart::SetRecorded(const std::set<std::string>& keys, const std::set<std::string>& matched)
{
    recorded_ = keys;
    matched_ = matched;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        QTreeWidgetItem* item = *it;
        if (KindOf(item) != Kind::Aya)
            continue;
        const std::string key = item->text(0).toStdString();
        const bool recorded = recorded_.count(key) != 0, match = recorded && matched_.count(key) != 0;
        item->setToolTip(0, match      ? tr("You recorded this aya, and its last check matched the reciter")
                            : recorded ? tr("You recorded this aya")
                                       : QString());
        item->setData(0, Qt::AccessibleDescriptionRole,
                      match ? tr("recorded, checked: match") : recorded ? tr("recorded") : QString());
    }
    viewport()->update();
}

void Heart::SetDueSuras(const std::set<int>& suras)
{
    due_ = suras;
    for (const auto& [sura, item] : suraItems_)
        item->setToolTip(0, due_.count(std::stoi(sura)) ? tr("Due for review") : QString());
    viewport()->update();
}
