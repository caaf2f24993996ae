// SPDX-License-Identifier: GPL-3.0-or-later
// The centre of the window: the chooser row (a sura, or a passage of the mushaf), the title, the aya's
// picture above its text panel, the aya slider, the single-aya bar, the transport and the status line.
// Each part builds its controls and writes their words in Retranslate(), again at each change of
// language; the classes that drive them (DrillControls, PassageControls, PracticeAids) and the window
// reach them through these parts.
#pragma once

#include "transport.h"

#include <QWidget>
#include <vector>

class Aya;
class DragLabel;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QSplitter;
class QTextBrowser;

class ChooserRow : public QWidget
{
    Q_OBJECT
  public:
    explicit ChooserRow(QWidget* parent);
    void Retranslate();
    // Lists the suras by name in the interface's language, the last chosen.
    void ShowSuras(const std::vector<int>& suras);
    // The sura of chooser entry index; 0 for none.
    int SuraAt(int index) const;
    // The chooser entry of sura; -1 when it is not listed.
    int IndexOf(int sura) const;

    // Built by the constructor, owned by the row. The chooser's entries are the window's (sura names).
    QComboBox* chooser;
    // A passage beside the sura chooser: its kind (Page, Juz, Hizb, Quarter), its number, and Play.
    QComboBox* passageKind;
    QSpinBox* passageNumber;
    QPushButton* passagePlay;
    DragLabel* dragLabel;
    QLabel* bismillah;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QLabel *chooseLabel_, *orLabel_;
};

class CentralArea : public QWidget
{
    Q_OBJECT
  public:
    explicit CentralArea(QWidget* parent);
    void Retranslate();

    // Built by the constructor, owned by the area.
    ChooserRow* top;
    DragLabel* title; // drags the passage shown to the heart
    QSplitter* innerSplitter;
    Aya* ayaView;
    QTextBrowser* textPanel;
    QSlider* ayaSlider;
    SingleBar* singleBar;
    Transport* transport;
    QLabel* statusLine;

  protected:
    void changeEvent(QEvent* event) override;
};
