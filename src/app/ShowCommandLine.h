// What the command line does without a window or a display:
//   scenolux --check SCRIPT          exit 0: nothing wrong, 1: something is, 2: unreadable
//   scenolux --pack SCRIPT FOLDER    exit 0: packed, 1: packed with files missing, 2: not
//   scenolux --help, --version       the usage or the version on standard output, exit 0
#pragma once

#include <optional>

// The exit status when the arguments ask for a check, a pack, the usage or the version;
// nothing when they do not (the program then starts as usual). Runs before any application
// object exists.
std::optional<int> RunShowCommandLine(int argc, char** argv);
