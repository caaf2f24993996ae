// SPDX-License-Identifier: GPL-3.0-or-later
// The folder Varnel works in, which holds img.vnl, the packs, the profiles and the settings.
#pragma once

#include <QString>
#include <QStringList>

// Chooses the working folder from the command line and makes it current:
//  - "--data DIR": DIR (made when missing);
//  - else the current folder when it holds img.vnl (a build's demo folder, a folder set up by hand);
//  - else the learner's data folder, ~/.local/share/varnel, made on first start.
// In a folder without img.vnl, the installed one is copied in. False, with the reason, when the folder
// cannot be made or entered.
bool EnterWorkingFolder(const QStringList& arguments, QString* error);
