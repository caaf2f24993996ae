// SPDX-License-Identifier: GPL-3.0-or-later
// word-times-eval: how near the import's estimated word times come to the truth. Each aya of a set is
// spoken by espeak-ng in the voice the import aligns with (the rendering), and again in other voices and
// speeds, whose exact word times espeak-ng tells; the estimate for each other recording is read against
// its exact times. Prints the median and 90th percentile error of word starts and ends, by word
// position (first, middle, last), and how many recordings were refused as too unlike.
//
//   word-times-eval --set tuning|heldout [--text DIR]
// The tuning set's suras and voices are the ones the estimate's settings were chosen on; the held-out
// set's were not looked at until the settings were fixed.
#include "aya_sources.h"
#include "percentile.h"
#include "speech.h"
#include "word_times.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <map>

namespace
{

struct Set {
    int firstSura, lastSura;
    std::vector<listen::SpeechVoice> voices;
};

// The rendering the import aligns with is the default SpeechVoice (espeak-ng "ar", 135 words a minute).
const std::map<std::string, Set> kSets = {
    {"tuning",
     {78, 95, {{"ar+m3", 165, 60}, {"ar+f2", 110, 40}, {"ar+Annie", 95, 50}, {"ar+Gene", 100, 50}}}},
    {"heldout", {96, 114, {{"ar+m7", 150, 25}, {"ar+f4", 120, 70}, {"ar+Andy", 95, 50}}}},
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString setName = args.value(args.indexOf("--set") + 1, "tuning");
    const QString text = args.contains("--text") ? args.value(args.indexOf("--text") + 1)
                                                 : QString("build/npm/node_modules/quran-json");
    if (!kSets.count(setName.toStdString())) {
        std::fprintf(stderr, "usage: word-times-eval --set tuning|heldout [--text DIR]\n");
        return 2;
    }
    const Set& set = kSets.at(setName.toStdString());
    demo::Source source;
    QString error;
    if (!demo::ReadSource(text, &source, &error)) {
        std::fprintf(stderr, "word-times-eval: %s\n", qPrintable(error));
        return 1;
    }
    const char* positions[] = {"first", "middle", "last"};
    std::map<std::string, std::vector<double>> errors; // "first start" -> ms
    int refused = 0, recordings = 0, words = 0, strangers = 0, strangersTimed = 0;
    std::map<std::string, int> refusedBy;
    // The rendering of the aya before, against which each recording is another aya's.
    listen::Analysis before;
    std::vector<listen::WordTime> beforeTimes;
    for (int s = set.firstSura; s <= set.lastSura; ++s)
        for (const demo::Verse& verse : source.suras[size_t(s - 1)]) {
            const std::vector<std::string> spokenWords = demo::SpokenWords(verse.arabic);
            sound::Pcm pcm;
            std::vector<listen::WordTime> renderingTimes;
            std::string problem;
            if (!listen::Speak(spokenWords, listen::SpeechVoice(), &pcm, &renderingTimes, &problem)) {
                std::fprintf(stderr, "word-times-eval: %s\n", problem.c_str());
                return 1;
            }
            const listen::Analysis rendering = listen::AnalyseForWords(pcm);
            for (const listen::SpeechVoice& voice : set.voices) {
                std::vector<listen::WordTime> truth, estimate;
                if (!listen::Speak(spokenWords, voice, &pcm, &truth, &problem)) {
                    std::fprintf(stderr, "word-times-eval: %s\n", problem.c_str());
                    return 1;
                }
                ++recordings;
                const listen::Analysis recorded = listen::AnalyseForWords(pcm);
                if (before.Count() > 0) {
                    ++strangers;
                    strangersTimed +=
                        listen::EstimateWordTimes(before, beforeTimes, recorded, &estimate, &problem);
                }
                if (!listen::EstimateWordTimes(rendering, renderingTimes, recorded, &estimate, &problem)) {
                    ++refused;
                    ++refusedBy[voice.name];
                    continue;
                }
                for (size_t w = 0; w < truth.size() && w < estimate.size(); ++w, ++words) {
                    const std::string where = positions[w == 0 ? 0 : w + 1 == truth.size() ? 2 : 1];
                    errors[where + " start"].push_back(std::abs(estimate[w].startMs - truth[w].startMs));
                    errors[where + " end"].push_back(std::abs(estimate[w].endMs - truth[w].endMs));
                    errors["all"].push_back(std::abs(estimate[w].startMs - truth[w].startMs));
                    errors["all"].push_back(std::abs(estimate[w].endMs - truth[w].endMs));
                }
            }
            before = rendering;
            beforeTimes = renderingTimes;
        }
    std::printf("set %s: suras %d-%d, %d recordings in %zu voices, %d words; %d refused as too unlike\n",
                qPrintable(setName), set.firstSura, set.lastSura, recordings, set.voices.size(), words,
                refused);
    for (const auto& [name, count] : refusedBy)
        std::printf("  refused in %s: %d\n", name.c_str(), count);
    std::printf("recordings of another aya (the one after) given times all the same: %d of %d\n",
                strangersTimed, strangers);
    std::printf("%-14s %8s %8s %6s\n", "boundary", "median", "p90", "count");
    for (const char* where :
         {"first start", "first end", "middle start", "middle end", "last start", "last end", "all"}) {
        const std::vector<double>& e = errors[where];
        std::printf("%-14s %6.0f ms %6.0f ms %6zu\n", where, Percentile(e, 0.5), Percentile(e, 0.9),
                    e.size());
    }
    return 0;
}
