// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a learner's recitation against the reciter's, on speech made by espeak-ng: the same
// recording, a slower copy, a cut, another aya, and recordings that hold no recitation at all.
#include "aubio_library.h"
#include "pitch.h"
#include "recitation_check.h"
#include "similar_ayas.h"

#include "fixtures.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <limits>
#include <sys/resource.h>

namespace
{

const char* const kAya = "قل هو الله أحد الله الصمد لم يلد ولم يولد ولم يكن له كفوا أحد";
const char* const kOtherAya = "إنا أعطيناك الكوثر فصل لربك وانحر إن شانئك هو الأبتر";

std::vector<char> Wav(const sound::Pcm& pcm)
{
    std::vector<char> bytes;
    sound::EncodeWav(pcm, &bytes);
    return bytes;
}

sound::Pcm Decoded(const std::vector<char>& bytes)
{
    sound::Pcm pcm;
    sound::DecodeAll(bytes.data(), bytes.size(), &pcm);
    return pcm;
}

listen::CheckResult Checked(const std::vector<char>& reference, const std::vector<char>& learner)
{
    listen::CheckResult result;
    std::string error;
    if (!listen::Check(reference, learner, &result, &error))
        qWarning("%s", error.c_str());
    return result;
}

QString Describe(const listen::CheckResult& r) { return QString::fromStdString(listen::ToJson(r)); }

} // namespace

class TestCheck : public QObject
{
    Q_OBJECT
    std::vector<char> reference_;

  private slots:
    void initTestCase()
    {
        reference_ = fixtures::Spoken(QString::fromUtf8(kAya), {"-v", "ar", "-s", "135", "-p", "45"});
        if (reference_.empty())
            QSKIP("espeak-ng is not installed");
    }

    // The reciter's own recording matches itself wholly; so does the aya said by another voice, faster
    // or slower.
    void theSameAyaMatches_data()
    {
        QTest::addColumn<QStringList>("voice");
        QTest::newRow("itself") << QStringList();
        QTest::newRow("another voice, faster") << QStringList{"-v", "ar+m3", "-s", "170", "-p", "35"};
        QTest::newRow("another voice, slower") << QStringList{"-v", "ar+m1", "-s", "95", "-p", "40"};
    }
    void theSameAyaMatches()
    {
        QFETCH(QStringList, voice);
        const std::vector<char> take =
            voice.isEmpty() ? reference_ : fixtures::Spoken(QString::fromUtf8(kAya), voice);
        const listen::CheckResult r = Checked(reference_, take);
        QVERIFY2(r.verdict == listen::Verdict::Match, qPrintable(Describe(r)));
        QVERIFY2(r.missing.empty() && r.extra.empty(), qPrintable(Describe(r)));
        QVERIFY2(r.score >= 80, qPrintable(Describe(r)));
        if (voice.isEmpty())
            QCOMPARE(r.score, 100);
        // The alignment runs from the start of both voices to their ends, in order.
        QVERIFY(!r.path.empty());
        for (size_t k = 1; k < r.path.size(); ++k)
            QVERIFY(r.path[k].first >= r.path[k - 1].first && r.path[k].second >= r.path[k - 1].second);
    }

    // Half a second cut out of the middle of the reciter's recording is missing there, and nothing else.
    void aCutIsFoundWhereItIs()
    {
        const sound::Pcm whole = Decoded(reference_);
        const double length = double(whole.Frames()) / whole.rate;
        const double from = length * 0.45, to = from + 0.5;
        sound::Pcm cut = whole;
        const size_t a = size_t(from * whole.rate) * size_t(whole.channels),
                     b = size_t(to * whole.rate) * size_t(whole.channels);
        cut.samples.erase(cut.samples.begin() + long(a), cut.samples.begin() + long(b));
        const listen::CheckResult r = Checked(reference_, Wav(cut));
        QVERIFY2(r.verdict != listen::Verdict::Match, qPrintable(Describe(r)));
        QVERIFY2(!r.missing.empty(), qPrintable(Describe(r)));
        bool near = false;
        for (const listen::Span& s : r.missing)
            near = near || (s.start <= to + 0.3 && s.end >= from - 0.3);
        QVERIFY2(near, qPrintable(QString("cut %1-%2 s; ").arg(from).arg(to) + Describe(r)));
        QVERIFY2(r.extra.empty(), qPrintable(Describe(r)));
    }

    // Another aya of about the same length, in the same voice or another, is "different".
    void anotherAyaIsDifferent()
    {
        for (const QStringList& voice : {QStringList{"-v", "ar", "-s", "135", "-p", "45"},
                                         QStringList{"-v", "ar+f2", "-s", "150", "-p", "60"}}) {
            const listen::CheckResult r =
                Checked(reference_, fixtures::Spoken(QString::fromUtf8(kOtherAya), voice));
            QVERIFY2(r.verdict == listen::Verdict::Different,
                     qPrintable(voice.join(' ') + ": " + Describe(r)));
            QVERIFY2(r.score < 80, qPrintable(Describe(r)));
        }
    }

    // What holds no recitation gets a clear verdict or a clear reason, never a crash: silence and a click
    // as the learner's take are "different" with the whole aya missing; an empty or damaged file, on
    // either side, cannot be read.
    void noRecitation()
    {
        sound::Pcm silence{22050, 1, std::vector<float>(22050 * 2, 0.f)};
        sound::Pcm click = silence;
        for (int k = 0; k < 40; ++k)
            click.samples[11025 + size_t(k)] = k % 2 ? 0.9f : -0.9f;
        for (const sound::Pcm& take : {silence, click}) {
            const listen::CheckResult r = Checked(reference_, Wav(take));
            QCOMPARE(r.verdict, listen::Verdict::Different);
            QCOMPARE(r.score, 0);
            QVERIFY(!r.note.empty());
            QCOMPARE(r.missing.size(), size_t(1));
        }
        const std::vector<char> empty, damaged(reference_.begin(), reference_.begin() + 30);
        std::vector<char> noise(4000);
        for (size_t k = 0; k < noise.size(); ++k)
            noise[k] = char(k * 7919 % 251);
        listen::CheckResult r;
        std::string error;
        for (const std::vector<char>* bad :
             std::initializer_list<const std::vector<char>*>{&empty, &damaged, &noise}) {
            QVERIFY(!listen::Check(reference_, *bad, &r, &error));
            QVERIFY(error.find("learner") != std::string::npos);
            QVERIFY(!listen::Check(*bad, reference_, &r, &error));
            QVERIFY(error.find("reciter") != std::string::npos);
        }
        // A silent reference is no reference.
        QVERIFY(!listen::Check(Wav(silence), reference_, &r, &error));
        QVERIFY(error.find("no voice") != std::string::npos);
    }

    // What a learner's microphone records around the voice: room noise 20 dB under it, starting two
    // seconds before and going on one after. The voice is found against that noise, not taken for words:
    // the lead-in is measured, and the take matches.
    void voiceFoundAboveTheRoom()
    {
        sound::Pcm voice = Decoded(fixtures::Spoken(QString::fromUtf8(kAya), {"-v", "ar+m3", "-s", "150"}));
        double power = 0;
        for (float v : voice.samples)
            power += double(v) * v;
        power /= double(voice.samples.size());
        const size_t rate = size_t(voice.rate), lead = 2 * rate;
        sound::Pcm room{voice.rate, 1, std::vector<float>(lead + voice.samples.size() + rate, 0.f)};
        uint32_t seed = 7;
        const double sigma = std::sqrt(power / 100);
        for (size_t k = 0; k < room.samples.size(); ++k) {
            double sum = 0; // a sum of uniforms: near enough to normal noise
            for (int u = 0; u < 4; ++u)
                sum += double(seed = seed * 1664525u + 1013904223u) / 4294967296.0 - 0.5;
            room.samples[k] = float(sum * std::sqrt(3.0) * sigma) +
                              (k >= lead && k - lead < voice.samples.size() ? voice.samples[k - lead] : 0.f);
        }
        const listen::Analysis analysis = listen::Analyse(room);
        QVERIFY2(std::abs(analysis.lead - 2.0) < 0.15, qPrintable(QString::number(analysis.lead)));
        QVERIFY(analysis.floorDb > -60 && analysis.loudDb - analysis.floorDb > 15);
        const listen::CheckResult r = Checked(reference_, Wav(room));
        QVERIFY2(r.verdict == listen::Verdict::Match, qPrintable(Describe(r)));
        QVERIFY2(!r.path.empty() && r.path.front().second > 1.8,
                 qPrintable(QString::number(r.path.front().second)));
    }

    // The first half of the aya is a part of it, with the rest left out where it is; not another aya.
    void theFirstHalfIsPartial()
    {
        const QStringList words = QString::fromUtf8(kAya).split(' ');
        const std::vector<char> half = fixtures::Spoken(words.mid(0, words.size() / 2).join(' '),
                                                        {"-v", "ar+f2", "-s", "150", "-p", "60"});
        const listen::CheckResult r = Checked(reference_, half);
        QVERIFY2(r.verdict == listen::Verdict::Partial, qPrintable(Describe(r)));
        QVERIFY2(!r.missing.empty() && r.missing.back().end > r.path.back().first - 0.2,
                 qPrintable(Describe(r)));
        const double length = r.path.back().first;
        double left = 0;
        for (const listen::Span& s : r.missing)
            left += s.end - s.start;
        QVERIFY2(left > length * 0.3 && left < length * 0.7, qPrintable(Describe(r)));
    }

    // 113:1 and 114:1 differ in their last word. Recited for the other, the take is not a match: the word
    // is found said differently (or left out and added) near the end; offered the similar aya's
    // recitation, the check names it.
    void aSimilarAyaIsNamed()
    {
        const QStringList reciter{"-v", "ar", "-s", "135", "-p", "45"};
        const std::vector<char> falaq = fixtures::Spoken(QString::fromUtf8("قُلْ أَعُوذُ بِرَبِّ الْفَلَقِ"), reciter);
        const std::vector<char> nas = fixtures::Spoken(QString::fromUtf8("قُلْ أَعُوذُ بِرَبِّ النَّاسِ"), reciter);
        const std::vector<char> take = fixtures::Spoken(QString::fromUtf8("قُلْ أَعُوذُ بِرَبِّ النَّاسِ"),
                                                        {"-v", "ar+m3", "-s", "150", "-p", "35"});
        listen::CheckResult r = Checked(falaq, take);
        QVERIFY2(r.verdict != listen::Verdict::Match, qPrintable(Describe(r)));
        std::vector<listen::Span> found = r.changed;
        found.insert(found.end(), r.missing.begin(), r.missing.end());
        const double end = r.path.back().first;
        QVERIFY2(
            std::any_of(found.begin(), found.end(), [&](const listen::Span& s) { return s.end > end - 0.6; }),
            qPrintable(Describe(r)));
        std::string error;
        QVERIFY(listen::Check(falaq, take, &r, &error, {{"114:1", nas}}));
        QCOMPARE(r.soundsLike, std::string("114:1"));
        QCOMPARE(r.verdict, listen::Verdict::Different);
        // The aya itself, offered the same similar one, names none.
        QVERIFY(listen::Check(nas, take, &r, &error, {{"113:1", falaq}}));
        QVERIFY2(r.soundsLike.empty() && r.verdict == listen::Verdict::Match, qPrintable(Describe(r)));
        QCOMPARE(SimilarAyas(113, 1), (std::vector<std::pair<int, int>>{{114, 1}}));
        QVERIFY(SimilarAyas(114, 1) == (std::vector<std::pair<int, int>>{{113, 1}}));
        QVERIFY(SimilarAyas(0, 0).empty() && SimilarAyas(112, 1).empty());
    }

    // A sample that is no finite number passes every comparison, and would make anything "match": such a
    // recording is refused with a reason, on either side.
    void aSampleThatIsNoNumberIsRefused()
    {
        const sound::Pcm said = Decoded(reference_);
        const QByteArray wav = fixtures::FloatWav(said, said.samples.size() / 2);
        const std::vector<char> broken(wav.begin(), wav.end());
        listen::CheckResult r;
        std::string error;
        QVERIFY(!listen::Check(reference_, broken, &r, &error));
        QVERIFY2(error.find("not numbers") != std::string::npos, error.c_str());
        QVERIFY(!listen::Check(broken, reference_, &r, &error));
        QVERIFY2(error.find("reciter") != std::string::npos, error.c_str());
    }

    // Memory grows with the length, not with its square: a pair of three-minute recordings (an alignment
    // that kept every cell would hold 324 MB) is checked within a few tens of megabytes more.
    void longRecordingsInBoundedMemory()
    {
        const sound::Pcm one = Decoded(reference_);
        sound::Pcm longer{one.rate, one.channels, {}};
        while (longer.Frames() < size_t(one.rate) * 180)
            longer.samples.insert(longer.samples.end(), one.samples.begin(), one.samples.end());
        const std::vector<char> bytes = Wav(longer);
        rusage before{};
        ::getrusage(RUSAGE_SELF, &before);
        const listen::CheckResult r = Checked(bytes, bytes);
        rusage after{};
        ::getrusage(RUSAGE_SELF, &after);
        QCOMPARE(r.verdict, listen::Verdict::Match);
        const long grownMb = (after.ru_maxrss - before.ru_maxrss) / 1024;
        QVERIFY2(grownMb < 120, qPrintable(QString("%1 MB").arg(grownMb)));
    }

    // aubio is loaded when first needed: a library that is missing, or that is not aubio, is refused
    // with a reason a learner can act on; the real one loads, once, for every caller.
    void aubioLoadedWhenNeeded()
    {
        listen::AubioFunctions functions{};
        std::string problem;
        QVERIFY(!listen::LoadAubio("libvarnel-no-such-library.so.9", &functions, &problem));
        QVERIFY2(problem.find("aubio library (libvarnel-no-such-library.so.9)") != std::string::npos,
                 problem.c_str());
        QVERIFY(functions.newFvec == nullptr);
        problem.clear();
        QVERIFY(!listen::LoadAubio("libm.so.6", &functions, &problem));
        QVERIFY2(problem.find("has no new_fvec") != std::string::npos, problem.c_str());
        QVERIFY(functions.newFvec == nullptr);
        const listen::AubioFunctions* aubio = listen::Aubio(&problem);
        QVERIFY2(aubio != nullptr, problem.c_str());
        QCOMPARE(listen::Aubio(), aubio);
        fvec_t* v = aubio->newFvec(8);
        QVERIFY(v && v->length == 8);
        aubio->delFvec(v);
    }

    // The report for teachers: one JSON object with the score, the verdict and the spans in seconds.
    void json()
    {
        listen::CheckResult r;
        r.score = 62;
        r.verdict = listen::Verdict::Partial;
        r.missing = {{1.5, 2.25}};
        QCOMPARE(
            QString::fromStdString(listen::ToJson(r)),
            QString("{\"score\": 62, \"verdict\": \"partial\", \"missing\": [[1.50, 2.25]], \"extra\": [], "
                    "\"changed\": []}"));
        r.changed = {{3, 3.5}};
        r.soundsLike = "114:1";
        QVERIFY(QString::fromStdString(listen::ToJson(r))
                    .endsWith("\"changed\": [[3.00, 3.50]], \"sounds_like\": \"114:1\"}"));
    }

    // The melody: a voice held at one pitch and then another is followed at each, the step where it is;
    // silence has none to follow, and the aya said by espeak-ng has one in a speaking voice's range.
    void thePitchIsFollowed()
    {
        sound::Pcm steps;
        sound::DecodeLimits limits;
        limits.maxRate = 16000;
        const QByteArray tone = fixtures::ToneOgg(1600, {150.0, 225.0});
        QCOMPARE(sound::DecodeAll(tone.constData(), size_t(tone.size()), &steps, limits), sound::Ok);
        const std::vector<float> contour = listen::PitchContour(steps);
        QVERIFY(std::abs(int(contour.size()) - 160) <= 2);
        QVERIFY(listen::Followable(contour));
        auto near = [](float hz, float want) { return std::abs(hz - want) <= want * 0.03f; };
        for (size_t k = 10; k < 70; ++k)
            QVERIFY2(near(contour[k], 150), qPrintable(QString("%1: %2 Hz").arg(k).arg(contour[k])));
        for (size_t k = 90; k < 150; ++k)
            QVERIFY2(near(contour[k], 225), qPrintable(QString("%1: %2 Hz").arg(k).arg(contour[k])));
        // The step at 0.8 s is found within three hundredths of it.
        size_t step = 0;
        while (step < contour.size() && !(contour[step] > 190))
            ++step;
        QVERIFY2(std::abs(int(step) - 80) <= 3, qPrintable(QString::number(step)));

        sound::Pcm quiet;
        quiet.rate = 16000;
        quiet.channels = 1;
        quiet.samples.assign(16000, 0.0f);
        QVERIFY(!listen::Followable(listen::PitchContour(quiet)));
        QCOMPARE(listen::MedianPitch(listen::PitchContour(quiet)), 0.0f);
        QVERIFY(listen::PitchContour(sound::Pcm()).empty());

        const sound::Pcm said = Decoded(reference_);
        const std::vector<float> voice = listen::PitchContour(said);
        QVERIFY(listen::Followable(voice));
        const float median = listen::MedianPitch(voice);
        QVERIFY2(median > 70 && median < 300, qPrintable(QString::number(median)));
    }
};

QTEST_GUILESS_MAIN(TestCheck)
#include "test_check.moc"
