#include "shell/window_classes.h"

#include "res/resource.h"
#include "shell/window_names.h"

namespace {

constexpr UINT kRedraw = CS_HREDRAW | CS_VREDRAW;

HWND g_handles[kSubWindowCount] = {};

}  // namespace

const SubWindowClass kSubWindowClasses[kSubWindowCount] = {
    {SubWindow::kChat, "MoxChat", kRedraw, IDI_CHAT, 600, 400, 0},
    {SubWindow::kMemo, "MoxMemo", kRedraw, IDI_MEMO, 600, 400, 0},
    {SubWindow::kBbs, "MoxBbs", kRedraw, IDI_BBS, 600, 400, 0},
    {SubWindow::kRcvList, "MoxRcvList", kRedraw, IDI_LIST, 500, 300, 0},
    {SubWindow::kSndList, "MoxSndList", kRedraw, IDI_LIST, 500, 300, 0},
    {SubWindow::kBord, "MoxBord", kRedraw, IDI_BORD, 600, 400, 0},
    {SubWindow::kCale, "MoxCale", kRedraw | CS_DBLCLKS, IDI_LIST, 500, 300, 0},
    // The calendar's month view is a child that the calendar window creates itself.
    {SubWindow::kCaleMonth, "MoxCaleMonth", kRedraw | CS_DBLCLKS, 0, 0, 0, 4},
    {SubWindow::kMsg, "MoxMsg", kRedraw, IDI_MSG, 400, 400, 0},
};

const SubWindowClass& SubWindowClassOf(SubWindow which) {
    return kSubWindowClasses[static_cast<int>(which)];
}

HWND& SubWindowHandle(SubWindow which) { return g_handles[static_cast<int>(which)]; }

bool RegisterMainWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_MOX));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszMenuName = MAKEINTRESOURCEA(IDM_MAIN);
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassA(&wc) != 0;
}

bool RegisterSubWindowClasses(HINSTANCE instance, WNDPROC (*procedureFor)(SubWindow)) {
    for (const SubWindowClass& c : kSubWindowClasses) {
        WNDPROC procedure = procedureFor ? procedureFor(c.which) : nullptr;
        if (!procedure) continue;
        WNDCLASSA wc = {};
        wc.style = c.style;
        wc.lpfnWndProc = procedure;
        wc.cbWndExtra = c.extraBytes;
        wc.hInstance = instance;
        wc.hIcon = c.iconId ? LoadIconA(instance, MAKEINTRESOURCEA(c.iconId)) : nullptr;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
        wc.lpszClassName = c.className;
        if (!RegisterClassA(&wc)) return false;
    }
    return true;
}

HWND CreateSubWindow(HINSTANCE instance, SubWindow which) {
    const SubWindowClass& c = SubWindowClassOf(which);
    HWND window = CreateWindowExA(0, c.className, kCaption, WS_POPUP | WS_OVERLAPPEDWINDOW, 0, 0,
                                  c.width, c.height, nullptr, nullptr, instance, nullptr);
    SubWindowHandle(which) = window;
    if (window) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }
    return window;
}
