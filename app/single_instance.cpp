#include "app/single_instance.h"

#include <windows.h>

#include "shell/window_names.h"

bool HandOverToRunningCopy(int execCheck) {
    HWND running = FindWindowA(kMainWindowClass, nullptr);
    if (!running || execCheck == 0) return false;
    BringWindowToTop(running);
    SetForegroundWindow(running);
    if (IsIconic(running)) {
        // The running copy may be busy in a dialog of its own; it restores itself when it gets
        // to the request, and this start must not wait for it for long.
        DWORD_PTR ignored;
        SendMessageTimeoutA(running, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_ABORTIFHUNG, 5000,
                            &ignored);
    }
    return true;
}
