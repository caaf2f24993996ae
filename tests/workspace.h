// SPDX-License-Identifier: GPL-3.0-or-later
// A working folder for the main window: img.vnl from the build, sura packs made of short tones and small
// pictures, and the program's messages and drags caught instead of shown.
#pragma once

#include "drag.h"
#include "fixtures.h"
#include "messages.h"
#include "naming.h"
#include "sura.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

class Workspace
{
public:
    Workspace()
    {
        previous_ = QDir::currentPath();
        QFile::copy(qEnvironmentVariable("VARNEL_BIN") + "/img.vnl", dir_.filePath("img.vnl"));
        QDir::setCurrent(dir_.path());
        SetMessagePresenter([this](const QString& title, const QString& text) { messages << title + "|" + text; });
        SetDragRunner([this](QWidget*, const TextDrag& drag) {
            drags.push_back(drag);
            return dropsTaken; // false: let go where it began, a click
        });
    }
    ~Workspace()
    {
        SetMessagePresenter({});
        SetDragRunner({});
        QDir::setCurrent(previous_);
    }

    QString Path(const QString& rel) const { return dir_.filePath(rel); }

    // A pack covering suras first..last: per aya a tone of toneMs (or the recording given), a picture,
    // ".eng" and ".lit" texts, and the words item given.
    void Pack(const QString& relPath, int first, int last, int toneMs = 150, const QByteArray& recording = {},
              const QByteArray& words = {})
    {
        static std::map<int, QByteArray> tones;
        if (!tones.count(toneMs))
            tones[toneMs] = fixtures::ToneOgg(toneMs);
        const QByteArray picture = fixtures::Png(300, 60);
        Sura table;
        std::map<std::string, QByteArray> items;
        for (int s = first; s <= last; ++s)
            for (int a = 1; a <= table.AyaCount(IntToString(s)); ++a) {
                const std::string key = AyaKey(IntToString(s), a);
                items[SoundName(key)] = recording.isEmpty() ? tones[toneMs] : recording;
                items[PictureName(key)] = picture;
                items[TranslationName(key)] = QByteArray("Translation of ") + key.c_str();
                items[TransliterationName(key)] = QByteArray("Transliteration of ") + key.c_str();
                if (!words.isEmpty())
                    items[WordsName(key)] = words;
            }
        QVERIFY(fixtures::WriteArchive(Path(relPath), items));
    }

    void Write(const QString& rel, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(Path(rel)).path());
        QFile f(Path(rel));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray Read(const QString& rel) const
    {
        QFile f(Path(rel));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QStringList messages;
    std::vector<TextDrag> drags;
    bool dropsTaken = true;

private:
    QTemporaryDir dir_;
    QString previous_;
};
