// SPDX-License-Identifier: GPL-3.0-or-later
// The About text and the built-in user guide, shown when no "varnel.chm" can be opened.
#pragma once

#include <QPixmap>
#include <QString>
#include <memory>

class QWidget;

QString AboutText();
QString UserGuideHtml();
// The words shown when no sura pack is installed: where packs go (folder) and how to get some.
QString NoPacksText(const QString& folder);
// A window (no parent) that shows the user guide.
QWidget* CreateUserGuide();
// The About box, with picture beside the text.
void ShowAbout(const QPixmap& picture);
// Opens "varnel.chm" with the desktop's viewer; where it is missing or nothing opens it, shows the
// built-in guide in guide (made on first use) instead.
void ShowHelp(std::unique_ptr<QWidget>& guide);
