// SPDX-License-Identifier: GPL-3.0-or-later
// Heart shows the memorised ayas of a learner's record as a tree: a root item naming the learner, one
// item per sura with a heart picture that fills as the sura is learnt, and one item per aya. What the
// learner asks of it (drops, Remove) it sends to the record as requests; it shows the record again
// when the record says the heart changed, touching only the rows that changed. Ayas arrive by drops:
// one aya key ("036.012"), "all." and a sura number for a whole sura, or a passage of the mushaf
// ("page 602", "juz 30") for all its ayas.
#pragma once

#include "heart_data.h"

#include "aya_ref.h"

#include <QTreeWidget>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class LearnerRecord;

class Heart : public QTreeWidget
{
    Q_OBJECT
  public:
    enum class Kind { Root, Sura, Aya };
    // The item data role that names a sura item's heart picture ("heart3.png").
    static constexpr int kPictureRole = Qt::UserRole + 1;
    // The item data role that holds what an item stands for, as the record knows it: a sura's key ("112")
    // or an aya's ("112.001"). The text shown is never read back.
    static constexpr int kKeyRole = Qt::UserRole + 2;

    explicit Heart(QWidget* parent = nullptr);
    ~Heart() override;

    // An item's kind by its place: the top item is the root, whatever its name in the learner's
    // language; its children the suras, theirs the ayas.
    static Kind KindOf(const QTreeWidgetItem* item);
    // The aya an aya item stands for; not Valid() for another item.
    static AyaRef AyaOf(const QTreeWidgetItem* item);
    // The picture of a sura item holding count of the sura's ayas ("heart1.png" to "heart6.png").
    static std::string HeartPicture(int count, int ayasInSura)
    {
        return HeartData::PictureFor(count, ayasInSura);
    }

    // Clears the list and makes a fresh root item, opened.
    QTreeWidgetItem* MakeRoot(const QString& text, const QPixmap& icon);
    QTreeWidgetItem* Root() const { return root_; }
    // The record the tree shows and sends requests to; until one is given, a record of its own.
    void SetRecord(LearnerRecord* record);
    LearnerRecord* Record() const { return record_; }
    int Count() const { return Data().Count(); }
    const HeartData& Data() const;
    int CloseMode() const { return closeMode_; }
    QTreeWidgetItem* SuraItem(const std::string& sura) const;
    // The item the context menu acts on.
    void SetCurrent(QTreeWidgetItem* item) { current_ = item; }
    // Every aya of the heart, in the tree's order.
    std::vector<std::string> GetAyas() const { return Data().Keys(); }
    // Marks the rows of these suras as due for review: a small mark at the row's end.
    void SetDueSuras(const std::set<int>& suras);
    bool DueMarked(int sura) const { return due_.count(sura) != 0; }
    // Marks the rows of these ayas ("036.012") as recorded by the learner: a ring at the row's end, filled
    // where the recording's last check matched the reciter (matched), said to screen readers too.
    void SetRecorded(const std::set<std::string>& keys, const std::set<std::string>& matched = {});
    bool RecordedMarked(const std::string& key) const { return recorded_.count(key) != 0; }
    bool MatchMarked(const std::string& key) const { return matched_.count(key) != 0; }
    // Handles a dropped text as a drop on the list does: the ayas it names are asked of the record;
    // false when it names none.
    bool DropText(const QString& text);

  public slots:
    void Pop(QTreeWidgetItem* item, const QPoint& globalPos, int column);
    void RemoveItem();
    void RemoveSura();
    void CloseComplete(int mode);
    // Asks the record for these ayas: in place of the heart's (clear), or beside them.
    void LoadSuras(const std::vector<std::string>& keys, bool clear);
    // Shows the record's heart: rows added and removed as it differs from what is shown.
    void Refresh();

  protected:
    // A new language: the header, the due marks and the recorded marks in its words.
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void UpdatePicture(QTreeWidgetItem* suraItem);
    // The mark of an aya's row, for the eye (painted) and in words (tool tip, screen readers).
    void DescribeRecorded(QTreeWidgetItem* item, const std::string& key);

    std::unique_ptr<LearnerRecord> own_;
    LearnerRecord* record_ = nullptr;
    QMetaObject::Connection watching_;
    std::map<std::string, QTreeWidgetItem*> ayaItems_;
    std::set<int> due_;
    std::set<std::string> recorded_, matched_;
    QTreeWidgetItem* root_ = nullptr;
    QTreeWidgetItem* current_ = nullptr;
    int closeMode_ = 2;
    std::map<std::string, QTreeWidgetItem*> suraItems_;
};
