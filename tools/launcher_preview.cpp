// Shows the launcher as the main window will: the picture and regions beside the program, the
// name of the tile under the mouse on the status strip, left clicks named in the title, and
// right-button drags checked against the regions. For looking at a launcher picture before it
// ships.
//
// usage: launcher_preview.exe [SECONDS]   (closes itself after SECONDS when given)
#include <windows.h>
#include <windowsx.h>

#include <cstdlib>
#include <string>

#include "shell/launcher_bitmap.h"
#include "shell/launcher_files.h"
#include "shell/launcher_window.h"
#include "shell/window_names.h"
#include "store/message_sink.h"

namespace {

const char kClass[] = "MoxLauncherPreview";

void PreviewSink(const std::string& text) { MessageBoxA(nullptr, text.c_str(), kCaption, MB_OK); }

// The preview's one window keeps the launcher as the main window does in its state.
LauncherState g_launcher;

HMENU PreviewMenu() {
    struct Item {
        const char* popup;
        const char* first;
    };
    const Item items[] = {{"ｵﾌﾟｼｮﾝ(&O)", "接続名一覧(&C)..."}, {"送信(&S)", "メール(&M)..."},
                          {"受信(&R)", "受信簿(&L)..."},      {"お話し(&T)", "チャット(&C)..."},
                          {"掲示板(&B)", "掲示板(&O)..."},    {"ﾍﾙﾌﾟ(&H)", "バージョン情報(&A)..."}};
    HMENU bar = CreateMenu();
    for (const Item& item : items) {
        HMENU popup = CreatePopupMenu();
        AppendMenuA(popup, MF_STRING | MF_GRAYED, 0, item.first);
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), item.popup);
    }
    return bar;
}

// The label strip: the last 20 pixels of the client area from x = 30.
RECT LabelStrip(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    r.left = 30;
    r.top = r.bottom - 20;
    return r;
}

void OnMouseMove(HWND hwnd, int x, int y, UINT) {
    std::string label = RegionLabel(g_launcher.tables, RegionHitTest(g_launcher, x, y));
    RECT strip = LabelStrip(hwnd);
    InvalidateRect(hwnd, &strip, FALSE);
    UpdateWindow(hwnd);
    if (label.empty()) {
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        return;
    }
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    HDC dc = GetDC(hwnd);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    TextOutA(dc, strip.left, strip.top, label.c_str(), static_cast<int>(label.size()));
    ReleaseDC(hwnd, dc);
}

void OnLButtonUp(HWND hwnd, int x, int y, UINT) {
    const int region = RegionHitTest(g_launcher, x, y);
    std::string label = RegionLabel(g_launcher.tables, region);
    SetWindowTextA(hwnd, label.empty() ? kCaption : (std::string(kCaption) + " " + label).c_str());
    if (KindOfRegion(region) == RegionKind::kProgram) LaunchProgram(region);
}

void OnRButtonDown(HWND hwnd, BOOL, int x, int y, UINT) {
    DragRectangle(hwnd, g_launcher, x, y);
    const RegionRect rect = g_launcher.drag;
    if (!rect.IsEmpty() && !RegionIsFree(g_launcher, rect))
        ShowLauncherBox(hwnd, kMsgRegionTaken, kCaption, MB_OK);
    ClearDragRectangle(hwnd, g_launcher);
}

void OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    PaintLauncher(hwnd, dc, g_launcher);
    EndPaint(hwnd, &ps);
}

void OnSize(HWND hwnd, UINT, int, int) { UpdateScrollRanges(hwnd, g_launcher); }
void OnHScroll(HWND hwnd, HWND, UINT code, int pos) {
    ScrollLauncher(hwnd, g_launcher, SB_HORZ, code, pos);
}
void OnVScroll(HWND hwnd, HWND, UINT code, int pos) {
    ScrollLauncher(hwnd, g_launcher, SB_VERT, code, pos);
}
BOOL OnQueryNewPalette(HWND hwnd) { return LauncherQueryNewPalette(hwnd); }
void OnPaletteChanged(HWND hwnd, HWND changer) { LauncherPaletteChanged(hwnd, changer); }
void OnTimer(HWND hwnd, UINT) { DestroyWindow(hwnd); }
void OnDestroy(HWND) {
    ReleaseLauncherBitmap();
    PostQuitMessage(0);
}

LRESULT CALLBACK PreviewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_MOUSEMOVE, OnMouseMove);
        HANDLE_MSG(hwnd, WM_LBUTTONUP, OnLButtonUp);
        HANDLE_MSG(hwnd, WM_RBUTTONDOWN, OnRButtonDown);
        HANDLE_MSG(hwnd, WM_PAINT, OnPaint);
        HANDLE_MSG(hwnd, WM_SIZE, OnSize);
        HANDLE_MSG(hwnd, WM_HSCROLL, OnHScroll);
        HANDLE_MSG(hwnd, WM_VSCROLL, OnVScroll);
        HANDLE_MSG(hwnd, WM_QUERYNEWPALETTE, OnQueryNewPalette);
        HANDLE_MSG(hwnd, WM_PALETTECHANGED, OnPaletteChanged);
        HANDLE_MSG(hwnd, WM_TIMER, OnTimer);
        HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
        default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    SetMessageSink(PreviewSink);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PreviewProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowA(kClass, kCaption, WS_OVERLAPPEDWINDOW, 40, 30, 400, 300, nullptr,
                              PreviewMenu(), instance, nullptr);
    LoadLauncherRegions(g_launcher);
    if (!LoadLauncherBitmap(hwnd, g_launcher)) return 3;
    ShowWindow(hwnd, show);
    const int seconds = std::atoi(commandLine ? commandLine : "");
    if (seconds > 0) SetTimer(hwnd, 1, static_cast<UINT>(seconds) * 1000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
