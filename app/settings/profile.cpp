#include "app/settings/profile.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

#include "app/command_line.h"
#include "app/settings/local_user.h"
#include "store/names.h"
#include "store/sjis.h"
#include "store/store.h"

static std::string g_localName = kDefaultLocalSettingsName;

void SetLocalSettingsName(const std::string& commandLine) {
    g_localName = commandLine.empty() ? std::string(kDefaultLocalSettingsName) : commandLine;
}

const std::string& LocalSettingsName() { return g_localName; }

std::string UserSettingsPath() {
    // The whole command-line text appended below the user folder would give an impossible
    // path for d:\office.ini; its file name part names the same file on every PC.
    return UserStorePath(ClientStore(), CurrentUser().numberText, PathFileName(g_localName));
}

// A default that no file can hold tells an absent key from an empty one.
static const char kAbsent[] = "\x01\x02";

std::string IniString(const std::string& file, const char* section, const char* key,
                          const std::string& def, size_t maxBytes) {
    std::vector<char> buffer((maxBytes < sizeof kAbsent ? sizeof kAbsent : maxBytes) + 1, '\0');
    GetPrivateProfileStringA(section, key, kAbsent, buffer.data(),
                             static_cast<DWORD>(buffer.size()), file.c_str());
    std::string value(buffer.data());
    if (value == kAbsent) return def;
    return CutSjis(value, maxBytes);
}

int IniInt(const std::string& file, const char* section, const char* key, int def) {
    std::string text = IniString(file, section, key, kAbsent, 63);
    if (text == kAbsent) return def;
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

bool WriteIniString(const std::string& file, const char* section, const char* key,
                        const std::string& value) {
    return WritePrivateProfileStringA(section, key, value.c_str(), file.c_str()) != 0;
}

bool WriteIniInt(const std::string& file, const char* section, const char* key, int value) {
    return WriteIniString(file, section, key, std::to_string(value));
}

bool DeleteIniKey(const std::string& file, const char* section, const char* key) {
    return WritePrivateProfileStringA(section, key, nullptr, file.c_str()) != 0;
}

std::string LocalString(const char* section, const char* key, const std::string& def,
                        size_t maxBytes) {
    return IniString(g_localName, section, key, def, maxBytes);
}
int LocalInt(const char* section, const char* key, int def) {
    return IniInt(g_localName, section, key, def);
}
bool WriteLocalString(const char* section, const char* key, const std::string& value) {
    return WriteIniString(g_localName, section, key, value);
}
bool WriteLocalInt(const char* section, const char* key, int value) {
    return WriteIniInt(g_localName, section, key, value);
}
std::string UserString(const char* section, const char* key, const std::string& def,
                       size_t maxBytes) {
    return IniString(UserSettingsPath(), section, key, def, maxBytes);
}
int UserInt(const char* section, const char* key, int def) {
    return IniInt(UserSettingsPath(), section, key, def);
}
bool WriteUserString(const char* section, const char* key, const std::string& value) {
    return WriteIniString(UserSettingsPath(), section, key, value);
}
bool WriteUserInt(const char* section, const char* key, int value) {
    return WriteIniInt(UserSettingsPath(), section, key, value);
}
