#include "shell/launcher_window.h"

#include <windowsx.h>

#include "shell/launcher_files.h"
#include "shell/window_names.h"
#include "store/message_sink.h"

namespace {

int PlatformBox(HWND owner, const std::string& text, const char* caption, unsigned flags) {
    return MessageBoxA(owner, text.c_str(), caption, flags);
}
LauncherBox g_box = PlatformBox;

// A device context of the window whose origin is the picture's origin.
HDC PictureDC(HWND window, const PicturePoint& scroll) {
    HDC dc = GetDC(window);
    SetViewportOrgEx(dc, -scroll.x, -scroll.y, nullptr);
    return dc;
}

}  // namespace

LauncherBox SetLauncherBox(LauncherBox box) {
    LauncherBox previous = g_box;
    g_box = box ? box : PlatformBox;
    return previous;
}

int ShowLauncherBox(HWND owner, const std::string& text, const char* caption, unsigned flags) {
    return g_box(owner, text, caption, flags);
}

void LoadLauncherRegions(LauncherState& launcher) {
    ShowMessages(ReadLauncherRegions(launcher.tables));
}

int RegionHitTest(const LauncherState& launcher, int x, int y) {
    return HitTestRegions(launcher.tables, x, y, launcher.scroll);
}

bool RegionIsFree(const LauncherState& launcher, const RegionRect& rect) {
    return RegionsAreFree(launcher.tables, rect);
}

void InvertRegionOutline(HDC dc, const RegionRect& r) {
    if (r.IsEmpty()) return;
    const int w = r.right - r.left, h = r.bottom - r.top;
    // Four edges that never cover a pixel twice, so a second call restores the screen exactly.
    PatBlt(dc, r.left, r.top, w, 1, DSTINVERT);
    if (h > 1) PatBlt(dc, r.left, r.bottom - 1, w, 1, DSTINVERT);
    if (h > 2) {
        PatBlt(dc, r.left, r.top + 1, 1, h - 2, DSTINVERT);
        if (w > 1) PatBlt(dc, r.right - 1, r.top + 1, 1, h - 2, DSTINVERT);
    }
}

void DragRectangle(HWND window, LauncherState& launcher, int startX, int startY) {
    SetCapture(window);
    HDC dc = PictureDC(window, launcher.scroll);
    RegionRect& selection = launcher.drag;
    InvertRegionOutline(dc, selection);
    selection = DragRect(startX, startY, startX, startY, launcher.scroll);
    MSG msg;
    for (;;) {
        BOOL got = GetMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST);
        if (got == 0) {  // the quit message belongs to the message loop
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) break;
        if (msg.hwnd != window) {
            DispatchMessageA(&msg);
        } else {
            InvertRegionOutline(dc, selection);
            selection = DragRect(startX, startY, GET_X_LPARAM(msg.lParam),
                                 GET_Y_LPARAM(msg.lParam), launcher.scroll);
            InvertRegionOutline(dc, selection);
            if (msg.message == WM_RBUTTONUP) break;
        }
        // Another window took the mouse: the release will never come to us.
        if (GetCapture() != window) break;
    }
    if (GetCapture() == window) ReleaseCapture();
    ReleaseDC(window, dc);
}

void ClearDragRectangle(HWND window, LauncherState& launcher) {
    RegionRect& selection = launcher.drag;
    if (!selection.IsEmpty()) {
        HDC dc = PictureDC(window, launcher.scroll);
        InvertRegionOutline(dc, selection);
        ReleaseDC(window, dc);
    }
    selection = RegionRect();
}

bool SaveFunctionRegions(HWND owner, const LauncherRegions& tables) {
    if (WriteMenuFile(tables)) return true;
    ShowLauncherBox(owner, kMsgMenuSaveFailed, kCaption, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool AppendProgram(HWND owner, const RegionRect& rect, const std::string& name,
                   const std::string& command) {
    if (AppendProgramRecord(rect, name, command) != 0) return true;
    ShowLauncherBox(owner, kMsgProgramSaveFailed, kCaption, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool RewritePrograms(HWND owner, const std::vector<ProgramRecord>& programs) {
    if (WriteProgramFile(programs)) return true;
    ShowLauncherBox(owner, kMsgProgramSaveFailed, kCaption, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void LaunchProgram(int number) { ShowMessages(StartProgram(number)); }

void OpenByAssociation(HWND owner, const std::string& path) {
    if (!OpenDocument(path)) ShowLauncherBox(owner, kMsgNoAssociation, kCaption, MB_OK);
}

void ShowInfoText(HWND owner, const StoreContext& store) {
    std::string text;
    if (ReadInfoText(store, &text)) ShowLauncherBox(owner, text.c_str(), kCaption, MB_OK);
}
