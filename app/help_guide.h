// The About text and the built-in user guide, shown when no "varnel.chm" can be opened.
#pragma once

#include <QString>

class QWidget;

QString AboutText();
QString UserGuideHtml();
// A window (no parent) that shows the user guide.
QWidget* CreateUserGuide();
