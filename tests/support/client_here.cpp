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

int RunSubWindowHere(SubWindow which, WNDPROC procedure) {
    static SubWindow wanted;
    static WNDPROC wantedProcedure;
    wanted = which;
    wantedProcedure = procedure;
    RegisterSubWindowClasses(GetModuleHandleA(nullptr), [](SubWindow w) -> WNDPROC {
        return w == wanted ? wantedProcedure : nullptr;
    });
    HWND window = CreateSubWindow(GetModuleHandleA(nullptr), which);
    while (IsWindow(window)) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
    }
    return window ? 1 : 0;
}
