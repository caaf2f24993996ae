// SPDX-License-Identifier: GPL-3.0-or-later
// The installed sura packs: the fixed table of pack files, the scan of quran/ and its add-on folders
// quran/extra/<NAME>/, the file "recite.ini" that chooses one copy of each pack file, and the
// registration that decides which pack serves which sura. All paths are relative to a root folder
// (the working directory in the program, a temporary folder in tests).
#pragma once

#include "kelres.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

struct PackRange {
    std::string name;
    int16_t first = 0;
    int16_t last = 0;
};

// One pack file: its name, the file to open (empty when none was found) and where it lies:
// "default" for quran/, or the name of its add-on folder.
struct PackRecord {
    std::string name;
    std::string path;
    std::string location;
};

using ReciteChoice = std::pair<std::string, std::string>; // pack file name, location

class PackRegistry
{
  public:
    // The folder under quran/ that holds the add-on recitations, one folder each.
    static constexpr const char* kAddonFolder = "extra";
    static constexpr const char* kDefaultLocation = "default";

    explicit PackRegistry(std::string root = ".");
    // Where an installation keeps packs for everybody (share/varnel, holding quran/): read in place,
    // after the learner's own quran/, whose copy of a pack file wins. Empty: none.
    void SetSharedRoot(std::string shared) { shared_ = std::move(shared); }
    const std::string& SharedRoot() const { return shared_; }

    // The 20 pack files and the suras each covers.
    static const std::map<std::string, PackRange>& Table();
    // True for a bare file or folder name: no separator, no drive colon, not "." or "..", no control
    // characters. Names from "recite.ini" and "langs.ini" must be such names to be used as paths.
    static bool IsPlainName(const std::string& name);
    // Whether name can be an add-on recitation's folder that the registry lists: a plain name without
    // spaces (recite.ini separates words by them), and neither "default" (the packs' own recitation) nor
    // "lang" (the translations).
    static bool IsRecitationName(const std::string& name);

    std::string QuranDir() const;
    std::string ReciteIniPath() const;
    // The default copy of a pack file: the learner's quran/NAME, else the shared one when it exists.
    std::string DefaultPath(const std::string& name) const;
    std::string AddonPath(const std::string& location, const std::string& name) const;
    // The learner's own folder of the add-on recitation: quran/extra/RECITATION.
    std::string RecitationDir(const std::string& recitation) const;

    // The recitation the pack file at path belongs to: the name of its add-on folder
    // (quran/extra/NAME/), or empty for the packs' own.
    static std::string RecitationOfPath(const std::string& path);
    // Whether path is a copy installed for everyone (under the shared root) rather than the learner's.
    bool IsShared(const std::string& path) const;
    // The recitation that the pack file at path, found at location, belongs to and that the learner may
    // remove: an add-on in their own quran/extra/; empty for the packs' own recitation and for copies
    // installed for everyone.
    std::string RemovableRecitation(const std::string& location, const std::string& path) const;
    // Removes the learner's add-on recitation, its folder and every pack in it. False, with what was
    // left, when it is not removable or some file could not be removed.
    bool RemoveRecitation(const std::string& recitation, std::string* error) const;

    // Every pack file on disk, in scan order: quran/ first, then the shared quran/ (as default copies),
    // then the add-on folders by name; each
    // record carries one location at which the file was found. With firstOnly, a name appears once
    // (the default copy hides add-on copies, and the first add-on folder in name order wins).
    std::vector<PackRecord> Scan(bool firstOnly = true) const;

    // The (name, location) pairs of "recite.ini", whitespace-separated words taken in pairs; a lone
    // last word is ignored. Empty when the file is missing or no readable regular file.
    std::vector<ReciteChoice> ReadReciteIni() const;
    bool ReciteIniExists() const;
    // Writes "recite.ini" whole or not at all: one line "name<TAB>location" per choice.
    bool WriteReciteIni(const std::vector<ReciteChoice>& choices, std::string* error) const;

    // The pairs of "recite.ini" as records, with the path filled only where the chosen file exists.
    std::vector<PackRecord> LoadReciteIni() const;
    // Brings "recite.ini" up to date with the disk: choices whose file still exists stay, in their
    // order; vanished ones go; packs new on disk are added with the location the scan found.
    bool ReconcileReciteIni(std::string* error) const;
    // Makes the recitation in quran/extra/NAME the one that serves each pack it holds, in "recite.ini"
    // (brought up to date with the disk first), as a learner who just imported it expects.
    bool ChooseRecitation(const std::string& recitation, std::string* error) const;
    // The records "recite.ini" chooses, for registration: an add-on choice whose file is gone falls
    // back to quran/; with neither, the path stays empty. Without a readable "recite.ini", the
    // scan of the disk.
    std::vector<PackRecord> ChosenRecords() const;

    // Registers records: sorted by name, each opened as an archive (a file opened before and unchanged
    // since is not read again); their suras are appended to the available suras. Replaces nothing else:
    // call Clear() first for a fresh registration.
    // A pack whose directory cannot be read (damaged, cut short, not an archive) serves nothing: its
    // healthy copy does, the installation's beside the learner's own or the default behind an add-on;
    // with none, its suras are not available.
    void Register(std::vector<PackRecord> records);
    void Clear();
    // The damaged pack files met by registrations since the last call, each path once a run.
    std::vector<std::string> TakeDamaged();
    // The path of the file that serves the registered pack name; empty when none does.
    std::string ServingPath(const std::string& name) const;

    // Every sura of every registered pack, in registration order; a sura that two packs cover appears
    // twice.
    const std::vector<int>& AvailableSuras() const { return available_; }
    // The available suras once each, in the order of their first appearance: the chooser's entries.
    std::vector<int> DistinctSuras() const;
    const std::vector<std::string>& RegisteredNames() const { return names_; }
    // The registered pack that serves sura n. Where packs overlap (s078_s114.dat and s104_s114.dat
    // both cover 104-114), a recitation chosen from an add-on folder serves before a default copy, and
    // among chosen add-ons the pack covering fewer suras; among default copies the first by name.
    // Null when none covers n.
    const KelRes* PackFor(int sura) const;
    // The pack to read an item ("108.002.ogg") from: the one serving its sura, unless that lacks it (an
    // add-on recitation of some ayas), then another pack of the sura that holds it, default copies
    // included. Null when no pack covers the sura.
    const KelRes* PackHolding(const std::string& item) const;

  private:
    std::string root_;
    std::string shared_;
    std::map<std::string, KelRes> packs_;
    std::map<std::string, bool> chosenAddon_; // registered from an add-on folder
    std::map<std::string, KelRes> fallbacks_; // the default copies behind chosen add-ons
    // Every pack file read, by path, with the size and time of change it had: kept across Clear().
    // Every pack file read, by path, with the size and time of change it had, and whether it could be
    // read: kept across Clear().
    struct OpenedPack {
        std::pair<qint64, qint64> stamp;
        KelRes pack;
        bool ok = false;
    };
    std::map<std::string, OpenedPack> opened_;
    // The archive at path; false when its directory cannot be read (reported once by TakeDamaged()).
    bool Opened(const std::string& path, KelRes* out);
    std::set<std::string> damagedTold_;
    std::vector<std::string> damaged_;
    std::vector<std::string> names_;
    std::vector<int> available_;
};
