#include "heart.h"

#include "kelres.h"
#include "naming.h"
#include "profile_file.h"
#include "sura.h"

#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <set>

namespace {

std::string FirstPiece(const std::string& key) { return key.substr(0, key.find('.')); }

// Aya counts by the sura key as written ("036"); 0 for anything else. One table for every heart.
int SuraLength(const std::string& suraKey)
{
    static const std::map<std::string, int> counts = Sura().AyaCounts();
    const auto it = counts.find(suraKey);
    return it == counts.end() ? 0 : it->second;
}

std::vector<std::string> Pieces(const std::string& text)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t dot = text.find('.', start);
        const std::string piece = text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (!piece.empty())
            pieces.push_back(piece);
        if (dot == std::string::npos)
            break;
        start = dot + 1;
    }
    return pieces;
}

} // namespace

Heart::Heart(QWidget* parent) : QTreeWidget(parent)
{
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setColumnCount(1);
    setHeaderLabels(QStringList() << "Memorized Suras by Heart");
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setSectionsClickable(false);
    setRootIsDecorated(true);
    setSortingEnabled(true);
    sortByColumn(0, Qt::AscendingOrder);
    header()->setSortIndicatorShown(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        Pop(itemAt(pos), viewport()->mapToGlobal(pos), 0);
    });
}

Heart::Kind Heart::KindOf(const QString& text)
{
    if (text.contains("heart", Qt::CaseInsensitive))
        return Kind::Root;
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n != 0 ? Kind::Sura : Kind::Aya;
}

std::string Heart::HeartPicture(int count, int ayasInSura)
{
    if (ayasInSura <= 0)
        return "heart1.png";
    const float f = float(count) / float(ayasInSura);
    if (f <= 0.2f)
        return "heart1.png";
    if (f <= 0.4f)
        return "heart2.png";
    if (f <= 0.6f)
        return "heart3.png";
    if (f <= 0.8f)
        return "heart4.png";
    if (f <= 0.98f)
        return "heart5.png";
    return "heart6.png";
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

std::vector<std::string> Heart::GetAyas() const
{
    std::vector<std::string> ayas;
    for (QTreeWidgetItemIterator it(const_cast<Heart*>(this)); *it; ++it) {
        const QString text = (*it)->text(0);
        if (KindOf(text) == Kind::Aya)
            ayas.push_back(text.toStdString());
    }
    return ayas;
}

void Heart::UpdatePicture(QTreeWidgetItem* suraItem)
{
    const int ayas = SuraLength(suraItem->text(0).toStdString());
    const std::string picture = HeartPicture(suraItem->childCount(), ayas);
    suraItem->setIcon(0, QIcon(PixmapFromResource(picture)));
    suraItem->setData(0, kPictureRole, QString::fromStdString(picture));
}

bool Heart::AddKey(const std::string& key, bool picture)
{
    if (ayaSet_[key] == 1 || !root_)
        return false;
    const std::string sura = FirstPiece(key);
    QTreeWidgetItem* suraItem = nullptr;
    if (suraSet_[sura] == 1 && suraItems_.count(sura)) {
        suraItem = suraItems_[sura];
        new QTreeWidgetItem(suraItem, QStringList() << QString::fromStdString(key));
    } else {
        suraItem = new QTreeWidgetItem(root_, QStringList() << QString::fromStdString(sura));
        suraItems_[sura] = suraItem;
        suraSet_[sura] = 1;
        new QTreeWidgetItem(suraItem, QStringList() << QString::fromStdString(key));
        suraItem->setExpanded(true);
    }
    if (picture)
        UpdatePicture(suraItem);
    ayaSet_[key] = 1;
    ++count_;
    return true;
}

void Heart::Announce()
{
    if (root_)
        root_->setExpanded(true);
    emit HeartUpdate(count_);
    CloseComplete(closeMode_);
}

void Heart::LoadSuras(const std::vector<std::string>& keys, bool clear)
{
    if (clear) {
        ayaSet_.clear();
        suraSet_.clear();
        suraItems_.clear();
        count_ = 0;
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
    if (text.contains("all", Qt::CaseInsensitive)) {
        const std::vector<std::string> pieces = Pieces(t);
        if (pieces.size() < 2 || !IsSuraNumber(pieces[1]))
            return false;
        Sura table;
        const int n = table.AyaCount(pieces[1]);
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
    if (!item || KindOf(item->text(0)) == Kind::Root)
        return;
    current_ = item;
    QMenu menu(this);
    const bool aya = KindOf(item->text(0)) == Kind::Aya;
    menu.addAction("Remove", this, aya ? &Heart::RemoveItem : &Heart::RemoveSura);
    menu.exec(globalPos);
}

void Heart::RemoveItem()
{
    if (!current_ || KindOf(current_->text(0)) != Kind::Aya)
        return;
    const std::string key = current_->text(0).toStdString();
    delete current_;
    current_ = nullptr;
    const std::string sura = FirstPiece(key);
    QTreeWidgetItem* suraItem = SuraItem(sura);
    --count_;
    ayaSet_[key] = 0;
    if (suraItem && suraItem->childCount() > 0) {
        UpdatePicture(suraItem);
    } else if (suraItem) {
        suraSet_[sura] = 0;
        suraItems_.erase(sura);
        delete suraItem;
    }
    emit HeartUpdate(count_);
    CloseComplete(closeMode_);
}

void Heart::RemoveSura()
{
    if (!current_ || KindOf(current_->text(0)) != Kind::Sura)
        return;
    const std::string sura = current_->text(0).toStdString();
    Sura table;
    const int n = table.AyaCount(sura);
    suraItems_.erase(sura);
    suraSet_[sura] = 0;
    for (int i = 1; i <= n; ++i) {
        const std::string key = PadSura(sura) + "." + PadSura(IntToString(i));
        auto it = ayaSet_.find(key);
        if (it != ayaSet_.end() && it->second == 1) {
            it->second = 0;
            --count_;
        }
    }
    delete current_;
    current_ = nullptr;
    emit HeartUpdate(count_);
}

void Heart::CloseComplete(int mode)
{
    std::vector<std::string> order;
    std::map<std::string, int> counts;
    for (const std::string& key : GetAyas()) {
        const std::string sura = FirstPiece(key);
        if (counts[sura]++ == 0)
            order.push_back(sura);
    }
    closeMode_ = mode;
    for (const std::string& sura : order) {
        if (counts[sura] != SuraLength(PadSura(sura)))
            continue;
        const auto found = findItems(QString::fromStdString(sura), Qt::MatchExactly | Qt::MatchCaseSensitive | Qt::MatchRecursive);
        for (QTreeWidgetItem* item : found) {
            if (mode == 2)
                item->setExpanded(false);
            else if (mode == 0)
                item->setExpanded(true);
        }
    }
}
