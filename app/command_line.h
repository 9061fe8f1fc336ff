// The local settings file name from the command line. Pure logic: no windows.h.
#pragma once
#include <string>

// The command-line text after the program name names the local settings file; "mox.ini" when
// it is empty. Surrounding blanks and one pair of surrounding double quotes (a path with
// blanks, as a shortcut passes it) are not part of the name.
std::string LocalSettingsNameFrom(const std::string& commandLine);

// The local settings file of a PC whose shortcut names none.
extern const char kDefaultLocalSettingsName[];  // "mox.ini"
