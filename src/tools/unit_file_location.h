// Where the unit converter's "data.ini" lives.
//
// The program ships its own data.ini beside itself. Where the program may write there, that
// file is the one used and extended. Where it may not (installed in a system folder), the
// user's copy in the user's data folder is used instead: made from the shipped file the
// first time, and kept from then on, so the units a user added survive an update of the
// program. The environment variable QELVO_DATA_INI names another file for both programs.
#pragma once

#include <filesystem>
#include <string>

namespace qelvo::tools {

inline const char* kUnitFileVariable = "QELVO_DATA_INI";

struct UnitFilePlaces {
    std::filesystem::path programDir;  // the program's folder, with the shipped data.ini
    std::filesystem::path userDir;     // the user's data folder for the program
};

// Whether the program may keep its data.ini in this folder: an existing data.ini there can
// be opened for appending, or, where there is none yet, the folder takes new files.
bool canWriteUnitFileIn(const std::filesystem::path& dir);

struct UnitFileChoice {
    std::filesystem::path path;
    std::string error;  // the user's copy could not be made from the shipped file
};

// Beside the program when it may write there, else the user's copy, made from the shipped
// file (written to a temporary name, then renamed) when there is none yet.
UnitFileChoice chooseUnitFile(const UnitFilePlaces& places, bool besideProgramWritable);
UnitFileChoice chooseUnitFile(const UnitFilePlaces& places);

// The places as the command line finds them without Qt: the folder of the running program
// (or the installed data folder, where the shipped file lies there: common/shipped_files.h),
// and $XDG_DATA_HOME (or ~/.local/share) + "/Qelvo/Qelvo", the folder Qt gives the desktop
// program (organisation and application "Qelvo") on Linux.
UnitFilePlaces standardUnitFilePlaces();

// QELVO_DATA_INI when it is set, else chooseUnitFile(places).
UnitFileChoice locateUnitFile(const UnitFilePlaces& places);

}  // namespace qelvo::tools
