#include "tests/support/office.h"

#include <windows.h>

#include "app/settings/local_user.h"
#include "app/settings/profile.h"
#include "app/settings/settings.h"
#include "store/names.h"
#include "store/store.h"
#include "users/registry.h"

TestOffice::TestOffice(const char* localName) : local(pc.Path(localName)) {
    char directory[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof directory, directory);
    previousDirectory_ = directory;
    SetLocalSettingsName(local);
    LocalSettings() = LocalSettingsValues();
    LocalSettings().netDir = store.Dir();
    UserSettings() = UserSettingsValues();
    CurrentUser() = LocalUser();
}

TestOffice::~TestOffice() {
    SetCurrentDirectoryA(previousDirectory_.c_str());
    SetLocalSettingsName("");
    LocalSettings() = LocalSettingsValues();
    UserSettings() = UserSettingsValues();
    CurrentUser() = LocalUser();
}

std::string TestOffice::Local(const char* key, const char* section) const {
    return IniString(local, section, key, "<none>", 255);
}

void TestOffice::SetLocal(const char* key, const std::string& value, const char* section) {
    WriteIniString(local, section, key, value);
}

std::string TestOffice::User(const std::string& folder, const char* key,
                             const char* section) const {
    return IniString(store.Path(folder + "\\" + PathFileName(local)), section, key, "<none>", 255);
}

void TestOffice::SetUser(const std::string& folder, const char* key, const std::string& value,
                         const char* section) {
    MakeStoreFolder(store.Path(folder));
    WriteIniString(store.Path(folder + "\\" + PathFileName(local)), section, key, value);
}

StoreContext TestOffice::Office() const { return StoreContext{LocalSettings().netDir, 0}; }

int TestOffice::Register(const std::string& name, const std::string& loginName) {
    return RegisterNewUser(Office(), name, loginName).number;
}

void TestOffice::PersonalPc(int number) {
    SetLocal("Version", "0.28");
    SetLocal("NetDir", store.Dir());
    SetLocal("NameNumber", std::to_string(number));
}
