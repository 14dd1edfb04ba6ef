#pragma once

#include <string>
#include <vector>

namespace ferrovane::platform {

// Where the program finds the files that come with it. An installation keeps them in
// PREFIX/share/ferrovane beside PREFIX/bin; a build tree has them beside the program
// or in the sources it was built from.
struct ProgramPlaces {
    std::string ProgramDir;                           // the folder the program runs from
    std::string InstalledData = "../share/ferrovane"; // the data folder, from ProgramDir
    std::string SourceCatalogues; // a build tree's data/catalogues; empty when installed
    std::string BuildDocs;        // a build tree's generated documents; empty when installed
};

// PATH joined to DIR and tidied ("/usr/bin" + "../share" is "/usr/share"); PATH alone
// when it is absolute.
std::string JoinPath(const std::string& dir, const std::string& path);

// The folders the bundled catalogues may be in, in the order they are looked for:
// beside the program, the installation's data folder, the sources.
std::vector<std::string> CatalogueDirCandidates(const ProgramPlaces& places);

// The folders that may hold the user's guide (see UserGuide.h), in the same order.
std::vector<std::string> UserGuideDirCandidates(const ProgramPlaces& places);

// The first of DIRS that is a folder; the first of them when none is, so a dialog still
// starts where the files ought to be. Empty for no DIRS.
std::string FirstExistingDir(const std::vector<std::string>& dirs);

} // namespace ferrovane::platform
