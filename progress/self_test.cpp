// SPDX-License-Identifier: GPL-3.0-or-later
#include "self_test.h"

#include <sstream>

void SelfTest::SetHideAya(bool on)
{
    hideAya_ = on;
    revealed_ = 0;
}

void SelfTest::SetHideTranslation(bool on)
{
    hideTranslation_ = on;
    revealed_ = 0;
}

void SelfTest::SetTestMe(bool on)
{
    testMe_ = on;
    inPause_ = false;
}

void SelfTest::Reveal()
{
    if (revealed_ < steps_)
        ++revealed_;
}

void SelfTest::PauseStarted()
{
    if (!testMe_)
        return;
    inPause_ = true;
    revealed_ = 0;
}

void SelfTest::PauseEnded()
{
    if (!testMe_ || !inPause_)
        return;
    inPause_ = false;
    RevealAll();
}

double SelfTest::PictureHidden() const
{
    if (!Hiding())
        return 0;
    return 1.0 - double(revealed_) / steps_;
}

bool SelfTest::TranslationHidden() const
{
    return (hideTranslation_ || (testMe_ && inPause_)) && revealed_ < steps_;
}

std::string SelfTest::Serialize() const
{
    return std::string(kVersionLine) + "\nhide-aya " + (hideAya_ ? "1" : "0") + "\nhide-translation " +
           (hideTranslation_ ? "1" : "0") + "\ntest-me " + (testMe_ ? "1" : "0") + "\n";
}

bool SelfTest::Parse(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kVersionLine)
        return false;
    std::string name;
    int value = 0;
    while (in >> name >> value) {
        if (value != 0 && value != 1)
            return false;
        if (name == "hide-aya")
            hideAya_ = value;
        else if (name == "hide-translation")
            hideTranslation_ = value;
        else if (name == "test-me")
            testMe_ = value;
    }
    return in.eof();
}
