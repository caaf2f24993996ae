// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare_aya.h"

#include "aubio_library.h"
#include "aya_sources.h"
#include "aya_words.h"
#include "speech.h"
#include "word_times.h"

#include "pack_import.h"

namespace import
{

QByteArray ImportedWords(const QString& arabic, const std::vector<QRect>& boxes, const QByteArray& recording,
                         QString* untimed)
{
    untimed->clear();
    const AyaWords untimedWords = demo::WordsOf(arabic, boxes);
    std::string why;
    // The voice is all the estimate needs of the recording: one channel at the estimate's rate.
    sound::DecodeLimits limits;
    limits.maxRate = listen::kWordsRate;
    limits.maxChannels = 1;
    sound::Pcm pcm;
    if (const sound::Result r =
            sound::DecodeAll(recording.constData(), size_t(recording.size()), &pcm, limits);
        r != sound::Ok) {
        *untimed = QString("the recording cannot be read for them: ") + sound::ErrorString(r);
        return FormatAyaWords(untimedWords);
    }
    if (!listen::Aubio(&why)) {
        *untimed = QString::fromStdString(why);
        return FormatAyaWords(untimedWords);
    }
    const listen::Analysis recorded = listen::AnalyseForWords(pcm);
    std::vector<listen::WordTime> spokenTimes, times;
    if (!listen::Speak(demo::SpokenWords(arabic), listen::SpeechVoice(), &pcm, &spokenTimes, &why) ||
        !listen::EstimateWordTimes(listen::AnalyseForWords(pcm), spokenTimes, recorded, &times, &why)) {
        *untimed = QString::fromStdString(why);
        return FormatAyaWords(untimedWords);
    }
    return FormatAyaWords(demo::WordsOf(arabic, boxes, times, WordTiming::Estimated));
}

void Prepare(Aya* aya, bool ogg)
{
    QByteArray bytes;
    QString error;
    if (!ReadWhole(aya->recording, &bytes, &error)) {
        aya->problem = error;
        return;
    }
    unsigned ms = 0;
    if (bytes.isEmpty() || sound::MeasureLength(bytes.constData(), size_t(bytes.size()), &ms) != sound::Ok) {
        aya->problem =
            "\"" + aya->recording + "\" is no recording that can be played (MP3, Ogg, FLAC or WAV)";
        return;
    }
    if (sound::HasNonFiniteSamples(bytes.constData(), size_t(bytes.size()))) {
        aya->problem = "\"" + aya->recording + "\" holds samples that are not numbers (damaged)";
        return;
    }
    if (ogg) {
        sound::Pcm pcm;
        std::vector<char> encoded;
        if (const sound::Result decoded = sound::DecodeAll(bytes.constData(), size_t(bytes.size()), &pcm);
            decoded != sound::Ok) {
            aya->problem = "\"" + aya->recording + "\" could not be re-encoded as Ogg Vorbis: " +
                           QString::fromUtf8(sound::ErrorString(decoded));
            return;
        }
        if (sound::EncodeOggVorbis(pcm, 0.4, &encoded) != sound::Ok) {
            aya->problem = "\"" + aya->recording + "\" could not be re-encoded as Ogg Vorbis";
            return;
        }
        bytes = QByteArray(encoded.data(), qsizetype(encoded.size()));
    }
    aya->sound = bytes;
    if (!aya->arabic.isEmpty()) {
        std::vector<QRect> boxes;
        aya->picture = demo::AyaPicturePng(aya->arabic, aya->aya, &boxes);
        aya->words = ImportedWords(aya->arabic, boxes, bytes, &aya->untimed);
    }
}

} // namespace import
