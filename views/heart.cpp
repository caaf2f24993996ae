// SPDX-License-Identifier: GPL-3.0-or-later
#include "heart.h"

#include "kelres.h"
#include "learner_record.h"

#include <QDragEnterEvent>
#include <QEvent>
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
            const std::string key = index.data(Heart::kKeyRole).toString().toStdString();
            if (heart_->RecordedMarked(key))
                PaintMark(painter, option.rect, false, heart_->MatchMarked(key));
            return;
        }
        bool ok = false;
        const int sura = index.data(Heart::kKeyRole).toString().toInt(&ok);
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
    SetRecord(nullptr);
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

Heart::~Heart() = default;

void Heart::SetRecord(LearnerRecord* record)
{
    if (!record && !own_)
        own_ = std::make_unique<LearnerRecord>();
    record_ = record ? record : own_.get();
    disconnect(watching_);
    watching_ = connect(record_, &LearnerRecord::HeartChanged, this, &Heart::Refresh);
    Refresh();
}

const HeartData& Heart::Data() const { return record_->Heart(); }

Heart::Kind Heart::KindOf(const QTreeWidgetItem* item)
{
    return !item->parent() ? Kind::Root : !item->parent()->parent() ? Kind::Sura : Kind::Aya;
}

AyaRef Heart::AyaOf(const QTreeWidgetItem* item)
{
    return item && KindOf(item) == Kind::Aya
               ? AyaRef::FromKey(item->data(0, kKeyRole).toString().toStdString())
               : AyaRef();
}

QTreeWidgetItem* Heart::MakeRoot(const QString& text, const QPixmap& icon)
{
    clear();
    current_ = nullptr;
    suraItems_.clear();
    ayaItems_.clear();
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
    const std::string picture = Data().PictureOf(suraItem->data(0, kKeyRole).toString().toStdString());
    suraItem->setIcon(0, IconFromResource(picture));
    suraItem->setData(0, kPictureRole, QString::fromStdString(picture));
}

void Heart::Refresh()
{
    // Nothing to show rows under until MakeRoot(); a list cleared by hand lost the root with its rows.
    if (!root_ || topLevelItemCount() == 0 || topLevelItem(0) != root_)
        return;
    const HeartData& data = Data();
    // Sorted once at the end rather than at every row added.
    setSortingEnabled(false);
    std::set<std::string> touched;
    for (auto it = ayaItems_.begin(); it != ayaItems_.end();) {
        if (data.Contains(it->first)) {
            ++it;
            continue;
        }
        if (current_ == it->second)
            current_ = nullptr;
        touched.insert(FirstPiece(it->first));
        delete it->second;
        it = ayaItems_.erase(it);
    }
    for (const std::string& key : data.Keys()) {
        QTreeWidgetItem*& item = ayaItems_[key];
        if (item)
            continue;
        const std::string sura = FirstPiece(key);
        QTreeWidgetItem*& suraItem = suraItems_[sura];
        if (!suraItem) {
            suraItem = new QTreeWidgetItem(root_, QStringList() << QString::fromStdString(sura));
            suraItem->setData(0, kKeyRole, QString::fromStdString(sura));
            suraItem->setExpanded(true);
            if (due_.count(std::stoi(sura)))
                suraItem->setToolTip(0, tr("Due for review"));
        }
        item = new QTreeWidgetItem(suraItem, QStringList() << QString::fromStdString(key));
        item->setData(0, kKeyRole, QString::fromStdString(key));
        if (recorded_.count(key))
            DescribeRecorded(item, key);
        touched.insert(sura);
    }
    for (const std::string& sura : touched) {
        const auto it = suraItems_.find(sura);
        if (it == suraItems_.end())
            continue;
        if (data.CountOf(sura) > 0) {
            UpdatePicture(it->second);
            continue;
        }
        if (current_ == it->second)
            current_ = nullptr;
        delete it->second;
        suraItems_.erase(it);
    }
    setSortingEnabled(true);
    sortByColumn(0, Qt::AscendingOrder);
    root_->setExpanded(true);
    CloseComplete(closeMode_);
}

void Heart::LoadSuras(const std::vector<std::string>& keys, bool clear)
{
    if (clear)
        record_->SetHeart(keys);
    else
        record_->AddToHeart(keys);
}

bool Heart::DropText(const QString& text)
{
    const std::vector<std::string> keys = HeartData::KeysOfText(text.toLatin1().toStdString());
    if (keys.empty())
        return false;
    record_->AddToHeart(keys);
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
    if (current_ && KindOf(current_) == Kind::Aya)
        record_->RemoveFromHeart(current_->data(0, kKeyRole).toString().toStdString());
}

void Heart::RemoveSura()
{
    if (current_ && KindOf(current_) == Kind::Sura)
        record_->RemoveSuraFromHeart(current_->data(0, kKeyRole).toString().toStdString());
}

void Heart::CloseComplete(int mode)
{
    closeMode_ = mode;
    for (const std::string& sura : Data().CompleteSuras()) {
        QTreeWidgetItem* item = SuraItem(sura);
        if (item && mode == 2)
            item->setExpanded(false);
        else if (item && mode == 0)
            item->setExpanded(true);
    }
}

void Heart::SetRecorded(const std::set<std::string>& keys, const std::set<std::string>& matched)
{
    // Only the rows whose mark changes are told: a whole-Quran heart has thousands.
    std::set<std::string> changed;
    for (const std::set<std::string>* set : {&std::as_const(recorded_), &keys})
        for (const std::string& key : *set)
            if ((recorded_.count(key) != 0) != (keys.count(key) != 0) ||
                (matched_.count(key) != 0) != (matched.count(key) != 0))
                changed.insert(key);
    recorded_ = keys;
    matched_ = matched;
    for (const std::string& key : changed) {
        const auto it = ayaItems_.find(key);
        if (it != ayaItems_.end())
            DescribeRecorded(it->second, key);
    }
    if (!changed.empty())
        viewport()->update();
}

void Heart::DescribeRecorded(QTreeWidgetItem* item, const std::string& key)
{
    const bool recorded = recorded_.count(key) != 0, match = recorded && matched_.count(key) != 0;
    item->setToolTip(0, match      ? tr("You recorded this aya, and its last check matched the reciter")
                        : recorded ? tr("You recorded this aya")
                                   : QString());
    item->setData(0, Qt::AccessibleDescriptionRole,
                  match      ? tr("recorded, checked: match")
                  : recorded ? tr("recorded")
                             : QString());
}

void Heart::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setHeaderLabels(QStringList() << tr("Memorized Suras by Heart"));
        for (const auto& [sura, item] : suraItems_)
            item->setToolTip(0, due_.count(std::stoi(sura)) ? tr("Due for review") : QString());
        for (const auto& [key, item] : ayaItems_)
            DescribeRecorded(item, key);
    }
    QTreeWidget::changeEvent(event);
}

void Heart::SetDueSuras(const std::set<int>& suras)
{
    if (suras == due_)
        return;
    for (const auto& [sura, item] : suraItems_) {
        const int n = std::stoi(sura);
        const bool due = suras.count(n) != 0;
        if (due != (due_.count(n) != 0))
            item->setToolTip(0, due ? tr("Due for review") : QString());
    }
    due_ = suras;
    viewport()->update();
}
