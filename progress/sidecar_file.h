// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's files beside the profile: "profiles/NAME.review", "profiles/NAME.aids" and any later
// one. Each is named from the profile's path, read whole up to a cap no real learner reaches, and
// written whole; one that cannot be read is kept as NAME.EXT.bak and reported once, in words the window
// shows, and the learner's data start again from what could be kept.
#pragma once

#include <QByteArray>
#include <string>

struct SidecarText {
    enum class Status { Missing, Ok, Damaged };
    Status status = Status::Missing;
    QByteArray bytes;    // the whole file, when Ok
    std::string problem; // why it is Damaged
};

// The file beside profilePath ("profiles/Amina.varn") with extension ("review"): "profiles/Amina.review".
std::string SidecarPath(const std::string& profilePath, const std::string& extension);

// Reads path whole. Missing when there is no such file (a fresh start); Damaged when it is no readable
// regular file, is larger than maxBytes, comes out shorter than its size (cut while read: never a
// silent truncation), or its first line is not versionLine (another program's file, or a later
// version's).
SidecarText ReadSidecar(const std::string& path, qint64 maxBytes, const char* versionLine);

// Keeps the damaged file as path.bak and returns the words for the learner: what could not be read, why,
// where the copy is, and what happens now (consequence: "Your heart is kept; its suras start review
// again."). The words are rich text in the interface's language (what and consequence are English
// texts marked for translation where they are written), names escaped.
std::string DamageReport(const std::string& what, const std::string& path, const std::string& problem,
                         const std::string& consequence);
