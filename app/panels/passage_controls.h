// SPDX-License-Identifier: GPL-3.0-or-later
// Passages in the window: the kind and number beside the sura chooser and their Play button, the
// passage added to the heart in one action (View > Practice > Add Passage to Heart, or a drag of the
// title), and
// the heart's progress by juz. A passage whose suras are not all installed says which packs it needs
// and plays nothing; otherwise PassageChosen() hands it to the window. The learner's last passage is
// kept in their record.
#pragma once

#include "passage.h"

#include <QObject>
#include <QStringList>

class LearnerRecord;
class PackRegistry;
class QAction;
class QMenu;
class QWidget;
class RecitationSession;
class ChooserRow;
class HeartPanel;

class PassageControls : public QObject
{
    Q_OBJECT
  public:
    // Drives the passage boxes of row and the juz progress of heartPanel; addToHeart is the menu's item.
    PassageControls(QObject* parent, ChooserRow* row, HeartPanel* heartPanel, QAction* addToHeart,
                    RecitationSession* session, const PackRegistry& packs, LearnerRecord& record);
    void Connect();
    // The passage the boxes name.
    Passage Named() const;
    // The suras of passage without an installed pack, as "1. Al-Fatiha"; empty when all are there.
    QStringList Missing(const Passage& passage) const;
    // The learner's record was loaded: the boxes show their last passage.
    void ShowLearner();
    // The learner is in passage (or in a sura, for an empty one): kept in their record.
    void Remember(const Passage& passage);

  public slots:
    // The Play button: the passage named, when its packs are installed.
    void Play();
    // Adds every aya of the passage shown (or named) to the heart.
    void AddToHeart();
    void ShowHeart();

  signals:
    void PassageChosen(const Passage& passage);

  private:
    void FitNumber();

    ChooserRow* row_;
    HeartPanel* heartPanel_;
    QAction* addToHeart_;
    RecitationSession* session_;
    const PackRegistry& packs_;
    LearnerRecord& record_;
};
