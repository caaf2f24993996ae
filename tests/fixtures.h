// SPDX-License-Identifier: GPL-3.0-or-later
// Test material made with the project's own code: tones encoded as Ogg Vorbis, small PNG pictures,
// archives written with KelRes, and a wait that keeps the event loop running.
#pragma once

#include "aya_ref.h"
#include "kelres.h"
#include "sound.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace fixtures
{

// espeak-ng's Arabic voice saying text with args, as WAV bytes; empty when espeak-ng is missing.
inline std::vector<char> Spoken(const QString& text, const QStringList& args)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("said.wav");
    QProcess espeak;
    espeak.start("espeak-ng", QStringList(args) << "-w" << path << text);
    if (!espeak.waitForFinished(60000) || espeak.exitCode() != 0)
        return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    return std::vector<char>(bytes.begin(), bytes.end());
}

// The whole of a file; empty when it cannot be read.
inline QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes bytes to path, making its folder first; false when it cannot.
inline bool PutFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A sine tone of ms milliseconds; with several frequencies, the tone steps through them in equal parts.
inline QByteArray ToneOgg(int ms, std::vector<double> frequencies = {440.0}, int rate = 22050)
{
    sound::Pcm pcm;
    pcm.rate = rate;
    pcm.channels = 1;
    const size_t frames = size_t(rate) * size_t(ms) / 1000;
    pcm.samples.resize(frames);
    for (size_t i = 0; i < frames; ++i) {
        const double f = frequencies[std::min(frequencies.size() - 1, i * frequencies.size() / frames)];
        pcm.samples[i] = float(0.5 * std::sin(2 * M_PI * f * double(i) / rate));
    }
    std::vector<char> ogg;
    sound::EncodeOggVorbis(pcm, 0.4, &ogg);
    return QByteArray(ogg.data(), int(ogg.size()));
}

// pcm as a 32-bit float WAV, written by hand (the project's encoder writes whole numbers only), with
// the sample at index poison set to NaN when it is within the samples.
inline QByteArray FloatWav(const sound::Pcm& pcm, size_t poison = size_t(-1))
{
    QByteArray wav;
    auto put32 = [&wav](uint32_t v) { wav.append(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&wav](uint16_t v) { wav.append(reinterpret_cast<const char*>(&v), 2); };
    const uint32_t bytes = uint32_t(pcm.samples.size() * 4);
    wav.append("RIFF");
    put32(36 + bytes);
    wav.append("WAVEfmt ");
    put32(16), put16(3), put16(uint16_t(pcm.channels)), put32(uint32_t(pcm.rate));
    put32(uint32_t(pcm.rate * pcm.channels * 4)), put16(uint16_t(pcm.channels * 4)), put16(32);
    wav.append("data");
    put32(bytes);
    std::vector<float> samples = pcm.samples;
    if (poison < samples.size())
        samples[poison] = std::numeric_limits<float>::quiet_NaN();
    wav.append(reinterpret_cast<const char*>(samples.data()), int(bytes));
    return wav;
}

inline QByteArray Png(int width, int height, QColor colour = Qt::darkGreen)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return bytes;
}

inline bool WriteArchive(const QString& path, const std::map<std::string, QByteArray>& items)
{
    QDir().mkpath(QFileInfo(path).path());
    KelRes res;
    for (const auto& [name, data] : items)
        if (!res.AddItem(name, data, nullptr))
            return false;
    return res.Save(path.toStdString());
}

inline KelRes OpenArchive(const QString& path)
{
    KelRes res;
    res.Open(path.toStdString());
    return res;
}

// Runs the event loop until done() holds or ms pass; returns done().
inline bool WaitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

struct ToolRun {
    int status = -1; // the exit code; -1 when the tool crashed or did not finish
    QByteArray out, err;
};

// Runs one of the project's programs from the build's bin folder and waits for it.
inline ToolRun RunTool(const QString& program, const QStringList& args, int timeoutMs = 300000)
{
    QProcess p;
    p.start(qEnvironmentVariable("VARNEL_BIN") + "/" + program, args);
    p.waitForFinished(timeoutMs);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// The aya keys a signal carried, in order (the first argument of each emission).
// The ayas a spy on an aya signal heard, as keys ("108.002").
inline QStringList Keys(const QSignalSpy& spy)
{
    QStringList keys;
    for (const auto& args : spy)
        keys << QString::fromStdString(args.at(0).value<AyaRef>().Key());
    return keys;
}

inline void Idle(int ms)
{
    WaitFor([] { return false; }, ms);
}

} // namespace fixtures
