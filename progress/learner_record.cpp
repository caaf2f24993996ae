// SPDX-License-Identifier: GPL-3.0-or-later
#include "learner_record.h"

#include "file_write.h"
#include "sidecar_file.h"

#include <QByteArray>
#include <cmath>
#include <sstream>

namespace
{

bool WriteSidecar(const std::string& path, const QByteArray& bytes, std::string* error)
{
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos && !MakeFolder(path.substr(0, slash), error))
        return false;
    return WriteFileWhole(path, bytes, error);
}

} // namespace

std::string DrillSettings::Serialize() const
{
    std::ostringstream out;
    out << kVersionLine << "\nrepeat " << repeat << "\npause " << pause << "\npause-unit " << pauseUnit
        << "\npause-factor " << pauseFactor << "\nloop " << (loop ? 1 : 0) << "\nstack " << (stack ? 1 : 0)
        << "\nspeed " << speed << "\n";
    return out.str();
}

bool DrillSettings::Parse(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kVersionLine)
        return false;
    DrillSettings read;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string name;
        double value = 0;
        if (!(words >> name))
            continue;
        if (!(words >> value) || !std::isfinite(value))
            return false;
        const bool whole = value == std::floor(value);
        if (name == "repeat" && whole && value >= 0 && value <= kMaxRepeat)
            read.repeat = int(value);
        else if (name == "pause" && whole && value >= 0 && value <= kMaxPause)
            read.pause = int(value);
        else if (name == "pause-unit" && (value == 0 || value == 1))
            read.pauseUnit = int(value);
        else if (name == "pause-factor" && value >= 0.5 && value <= 3.0)
            read.pauseFactor = value;
        else if (name == "loop" && (value == 0 || value == 1))
            read.loop = value == 1;
        else if (name == "stack" && (value == 0 || value == 1))
            read.stack = value == 1;
        else if (name == "speed" && value >= 0.5 && value <= 1.5)
            read.speed = value;
        else if (name == "repeat" || name == "pause" || name == "pause-unit" || name == "pause-factor" ||
                 name == "loop" || name == "stack" || name == "speed")
            return false; // ours, but out of range
    }
    *this = read;
    return true;
}

bool DrillSettings::operator==(const DrillSettings& o) const
{
    return repeat == o.repeat && pause == o.pause && pauseUnit == o.pauseUnit &&
           pauseFactor == o.pauseFactor && loop == o.loop && stack == o.stack && speed == o.speed;
}

void LearnerRecord::Load(const std::string& profilePath, const DrillSettings& drillDefaults)
{
    profilePath_ = profilePath;
    reviewPath_ = SidecarPath(profilePath, "review");
    aidsPath_ = SidecarPath(profilePath, "aids");
    drillPath_ = SidecarPath(profilePath, "drill");
    problems_.clear();

    review_.Clear();
    SidecarText text = ReadSidecar(reviewPath_, kMaxReviewBytes);
    std::string problem = text.problem;
    if (text.status != SidecarText::Status::Missing &&
        !(text.status == SidecarText::Status::Ok && review_.Parse(text.bytes, &problem)))
        problems_.push_back(DamageReport("The review record", reviewPath_, problem,
                                         "Your heart is kept; its suras start review again."));

    aids_ = SelfTest();
    text = ReadSidecar(aidsPath_, kMaxSmallBytes);
    if (text.status != SidecarText::Status::Missing &&
        !(text.status == SidecarText::Status::Ok && aids_.Parse(text.bytes.toStdString()))) {
        aids_ = SelfTest();
        problems_.push_back(
            DamageReport("Your practice settings", aidsPath_,
                         text.problem.empty() ? "it is not a practice-settings file" : text.problem,
                         "Hiding and Test me start switched off."));
    }

    drill_ = drillDefaults;
    text = ReadSidecar(drillPath_, kMaxSmallBytes);
    DrillSettings read;
    if (text.status == SidecarText::Status::Ok && read.Parse(text.bytes.toStdString()))
        drill_ = read;
    else if (text.status != SidecarText::Status::Missing)
        problems_.push_back(
            DamageReport("Your drill settings", drillPath_,
                         text.problem.empty() ? "it is not a drill-settings file" : text.problem,
                         "Repeat, pause, loop, stack and speed start from their defaults."));
    emit DrillChanged();
}

std::vector<std::string> LearnerRecord::TakeProblems()
{
    std::vector<std::string> taken;
    taken.swap(problems_);
    return taken;
}

bool LearnerRecord::SaveReview(std::string* error)
{
    return !Loaded() || WriteSidecar(reviewPath_, review_.Serialize(), error);
}

bool LearnerRecord::SaveAids(std::string* error)
{
    return !Loaded() || WriteSidecar(aidsPath_, QByteArray::fromStdString(aids_.Serialize()), error);
}

bool LearnerRecord::SetDrill(const DrillSettings& drill, std::string* error)
{
    if (drill == drill_)
        return true;
    drill_ = drill;
    emit DrillChanged();
    return !Loaded() || WriteSidecar(drillPath_, QByteArray::fromStdString(drill_.Serialize()), error);
}
