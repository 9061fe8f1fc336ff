#include "tests/support/client_here.h"

#include <windows.h>

#include "shell/main_window.h"
#include "shell/window_classes.h"

int RunClientHere() {
    static bool registered = RegisterMainWindowClass(GetModuleHandleA(nullptr), MainWindowProc);
    if (!registered) return -2;
    HWND window = CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    if (!window) return -1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

