// SPDX-License-Identifier: GPL-3.0-or-later
// The self-test aids: hiding the aya's picture and its translation, revealing the picture step by
// step from the right (where an Arabic line begins), a word at a time where its words are known, and "Test
// me", which hides both during each pause so the learner recites from memory, and shows them again when the
// pause ends. Plain rules; the window shows what they say.
#pragma once

#include <string>

class SelfTest
{
  public:
    static constexpr int kRevealSteps = 5;

    bool HideAya() const { return hideAya_; }
    bool HideTranslation() const { return hideTranslation_; }
    bool TestMe() const { return testMe_; }
    void SetHideAya(bool on);
    void SetHideTranslation(bool on);
    void SetTestMe(bool on);

    // A new aya is shown: it starts hidden again, as the toggles say. Its picture is revealed a word at a
    // step when its words are known (words above 0), else in kRevealSteps steps.
    void NewAya(int words = 0)
    {
        revealed_ = 0;
        steps_ = words > 0 ? words : kRevealSteps;
    }
    // One more step of the picture uncovered; at the last step the translation too.
    void Reveal();
    void RevealAll() { revealed_ = steps_; }
    int Steps() const { return steps_; }
    // Test me: a pause after the aya began or ended.
    void PauseStarted();
    void PauseEnded();

    // The share of the picture covered, 0 to 1, from the left.
    double PictureHidden() const;
    bool TranslationHidden() const;
    // True when anything can be revealed now.
    bool Covered() const { return PictureHidden() > 0 || TranslationHidden(); }

    // The learner's toggles in the sidecar file profiles/NAME.aids: a version line, then "hide-aya",
    // "hide-translation" and "test-me", each with 0 or 1. Parse() keeps the toggles it cannot read.
    static constexpr const char* kVersionLine = "varnel-aids 1";
    std::string Serialize() const;
    bool Parse(const std::string& text);

  private:
    bool Hiding() const { return hideAya_ || (testMe_ && inPause_); }

    bool hideAya_ = false;
    bool hideTranslation_ = false;
    bool testMe_ = false;
    bool inPause_ = false;
    int revealed_ = 0;
    int steps_ = kRevealSteps;
};
