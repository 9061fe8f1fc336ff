// The two settings files, read and written through the platform's private-profile functions:
// the local settings file of this PC and the per-user settings file in the user folder.
#pragma once
#include <string>

// The local settings file name: the command-line text taken whole, "mox.ini" when empty.
// A bare name lives in the Windows directory; a path names any file.
void SetLocalSettingsName(const std::string& commandLine);
const std::string& LocalSettingsName();

// The per-user settings file: the local settings file's name (its last path component, so a
// command line such as d:\office.ini gives office.ini) below the signed-in user's folder.
std::string UserSettingsPath();

// Values from any initialisation file. An absent key yields the default; an integer value
// that is not a number reads as its leading digits, as the platform reads it.
std::string IniString(const std::string& file, const char* section, const char* key,
                          const std::string& def, size_t maxBytes);
int IniInt(const std::string& file, const char* section, const char* key, int def);
bool WriteIniString(const std::string& file, const char* section, const char* key,
                        const std::string& value);
bool WriteIniInt(const std::string& file, const char* section, const char* key, int value);
// Writing no value removes the key.
bool DeleteIniKey(const std::string& file, const char* section, const char* key);

// Shorthands for the local and the per-user file.
std::string LocalString(const char* section, const char* key, const std::string& def,
                        size_t maxBytes);
int LocalInt(const char* section, const char* key, int def);
bool WriteLocalString(const char* section, const char* key, const std::string& value);
bool WriteLocalInt(const char* section, const char* key, int value);
std::string UserString(const char* section, const char* key, const std::string& def,
                       size_t maxBytes);
int UserInt(const char* section, const char* key, int def);
bool WriteUserString(const char* section, const char* key, const std::string& value);
bool WriteUserInt(const char* section, const char* key, int value);
