// The windows and dialogs that the main window opens for the other parts of the client. Each
// part plugs its own in here (shell/main_plugins.cpp); until it does, its entry stays empty and
// the main window's command for it does nothing.
#pragma once
#include <windows.h>

#include <string>

#include "app/settings/local_user.h"
#include "shell/launcher_regions.h"
#include "shell/window_classes.h"

// A modal dialog owned by the main window; non-zero when the user confirmed it.
using DialogRunner = int (*)(HWND owner);
// A modal dialog that works on the launcher the main window shows (its regions, the rectangle
// dragged); non-zero when the user confirmed it.
using LauncherDialogRunner = int (*)(HWND owner, LauncherState& launcher);
// The in/out board entry for oneself (template 310), preset with the user's own name and
// number; non-zero when saved, with the destination entered.
using OwnEntryRunner = int (*)(HWND owner, const LocalUser& user, std::string* destination);

struct MainPlugins {
    DialogRunner environmentSettings = nullptr;       // command 102, template 220
    DialogRunner destinationList = nullptr;           // command 105, template 320
    DialogRunner phoneMemo = nullptr;                 // command 107, template 900
    DialogRunner mailCompose = nullptr;               // command 110, template 930
    LauncherDialogRunner menuSettings = nullptr;      // command 111, template 974
    DialogRunner message = nullptr;                   // command 112, template 950
    DialogRunner connectionList = nullptr;            // command 115, template 979
    DialogRunner chatEntry = nullptr;                 // command 119 before the chat window, 510
    LauncherDialogRunner regionSettings = nullptr;    // a rectangle dragged on the launcher, 978
    OwnEntryRunner ownDestinationEntry = nullptr;     // launcher function 0 and Rclk 0
    // The window procedure of each sub-window class, by SubWindow; a class without one is not
    // registered, and its window cannot be opened.
    WNDPROC windowProcedures[kSubWindowCount] = {};
};

const MainPlugins& Plugins();
