// SPDX-License-Identifier: GPL-3.0-or-later
// One aya of an import made ready for its pack: its recording read (and re-encoded), its picture drawn,
// and its words: each word's box from the picture, and its times estimated by aligning the recording
// with espeak-ng speaking the aya's text.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <string>
#include <vector>

namespace import
{

struct Aya {
    std::string key;
    int aya = 0;
    QString recording;
    QString arabic, translation, transliteration;
    QByteArray picture, sound, words;
    QString problem, untimed; // untimed: why the words have no times
};

// Reads (and with ogg re-encodes) the recording, draws the picture and finds the words of one aya; a
// problem that stops the import goes to aya->problem.
void Prepare(Aya* aya, bool ogg);

// The .wrd item of an aya. Its words carry estimated times, or none when the recording cannot be read
// for them, espeak-ng or aubio cannot be loaded, or the recording is too unlike the text spoken: then
// untimed receives why, and is left empty otherwise.
QByteArray ImportedWords(const QString& arabic, const std::vector<QRect>& boxes, const QByteArray& recording,
                         QString* untimed);

} // namespace import
