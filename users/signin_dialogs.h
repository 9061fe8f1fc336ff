// The dialogs that choose this PC's network directory and user and check passwords. Each runs
// modally, is centred when it opens and hands back what the start-up sequence needs to go on;
// none changes the running client's settings or user on the way (the caller takes the result
// in). The local settings file is written by first-run setup and the user picker themselves.
#pragma once
#include <windows.h>

#include <string>

#include "store/context.h"
#include "users/registry_record.h"

// What first-run setup decided; the local settings file holds it already.
struct SetupChoice {
    bool done = false;      // false: cancelled
    std::string netDir;     // as typed
    bool sharedPc = false;  // every start asks who is working (AutoLogin 0)
    int number = 0;         // the user registered or claimed (0 on a shared PC)
    std::string name;
    std::string loginName;
};
// First-run setup (template 800), starting from netDir: network directory, then a name claimed
// from the import list, self-registration (210) or a shared PC.
SetupChoice RunFirstRunDialog(HWND owner, const std::string& netDir);
// Self-registration (template 210) in netDir, opened from first-run setup.
SetupChoice RunSelfRegistrationDialog(HWND owner, const std::string& netDir);

// Login (template 971) in netDir: the user for this run, whose password was entered.
struct LoginChoice {
    bool done = false;  // false: cancelled
    RegistryRecord user;
};
LoginChoice RunLoginDialog(HWND owner, const std::string& netDir);

// Password check (template 400) against the signed-in user's password. 1 correct, 0 cancelled.
int RunPasswordCheckDialog(HWND owner, const std::string& password);

// Password change (template 410) of the store's acting user, whose password is current now.
struct PasswordChoice {
    bool done = false;     // false: cancelled
    std::string password;  // the new password, written to the store
};
PasswordChoice RunPasswordChangeDialog(HWND owner, const StoreContext& store,
                                       const std::string& current);

// User picker (template 973) of the store's registry: writes the chosen NameNumber for the next
// start. Always 0.
int RunUserPickerDialog(HWND owner, const StoreContext& store);
