// SPDX-License-Identifier: GPL-3.0-or-later
// gap-recorder: what Varnel plays across aya and repetition boundaries, for scripts/compare-gaps. It
// writes two tone ayas of distinct pitch (440 and 660 Hz, 500 ms) as WAV files for another player, and
// records through OpenAL Soft's wave driver what whole-sura playback of them, each repeated twice with
// no pause, sounds like.
//
//   gap-recorder DIR      writes DIR/aya1.wav, DIR/aya2.wav and DIR/varnel.wav
#include "fixtures.h"
#include "whole.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <cmath>
#include <cstdlib>
#include <iostream>

namespace
{

QByteArray Tone(double hz, int ms, bool wav)
{
    sound::Pcm pcm;
    pcm.rate = 44100;
    pcm.channels = 1;
    for (int i = 0; i < pcm.rate * ms / 1000; ++i)
        pcm.samples.push_back(float(0.5 * std::sin(2 * M_PI * hz * i / pcm.rate)));
    std::vector<char> out;
    if (wav)
        sound::EncodeWav(pcm, &out);
    else
        sound::EncodeOggVorbis(pcm, 0.6, &out);
    return QByteArray(out.data(), qsizetype(out.size()));
}

bool Put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: gap-recorder DIR [SPEED]\n";
        return 2;
    }
    const double speed = argc == 3 ? std::atof(argv[2]) : 1.0;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString conf = dir + "/alsoft.conf";
    if (!Put(conf, QString("[general]\ndrivers = wave\nfrequency = 44100\nchannels = mono\n[wave]\nfile = "
                           "%1/varnel.wav\n")
                       .arg(dir)
                       .toUtf8()))
        return 1;
    qputenv("ALSOFT_CONF", conf.toUtf8());
    qputenv("ALSOFT_DRIVERS", "wave");
    QCoreApplication app(argc, argv);
    if (!Put(dir + "/aya1.wav", Tone(440, 500, true)) || !Put(dir + "/aya2.wav", Tone(660, 500, true)))
        return 1;
    std::map<std::string, QByteArray> items{{"001.001.ogg", Tone(440, 500, true)},
                                            {"001.002.ogg", Tone(660, 500, true)}};
    if (!fixtures::WriteArchive(dir + "/tones.dat", items))
        return 1;
    {
        Whole drill;
        drill.SetRes(fixtures::OpenArchive(dir + "/tones.dat"));
        drill.Player()->SetRepeat(2);
        drill.Player()->SetSpeed(speed);
        drill.GenerateWhole("001", 1, 2);
        QSignalSpy done(&drill, &Whole::WholeDone);
        fixtures::Idle(300);
        drill.Play();
        fixtures::WaitFor([&] { return done.count() > 0; }, 10000);
        fixtures::Idle(300);
    }
    std::cout << "wrote " << (dir + "/varnel.wav").toStdString() << "\n";
    return 0;
}
