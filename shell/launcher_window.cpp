#include "shell/launcher_window.h"

#include <windowsx.h>

#include "shell/launcher_files.h"
#include "store/message_sink.h"

namespace {

const char kCaption[] = "ミトカ";

int PlatformBox(HWND owner, const std::string& text, const char* caption, unsigned flags) {
    return MessageBoxA(owner, text.c_str(), caption, flags);
}
LauncherBox g_box = PlatformBox;

// A device context of the window whose origin is the picture's origin.
HDC PictureDC(HWND window) {
    HDC dc = GetDC(window);
    const PicturePoint scroll = LauncherScrollOffset();
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

void LoadLauncherRegions() { ShowMessages(ReadLauncherRegions(LauncherTables())); }

int RegionHitTest(int x, int y) {
    return HitTestRegions(LauncherTables(), x, y, LauncherScrollOffset());
}

bool RegionIsFree(const RegionRect& rect) { return RegionsAreFree(LauncherTables(), rect); }

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

void DragRectangle(HWND window, int startX, int startY) {
    SetCapture(window);
    HDC dc = PictureDC(window);
    RegionRect& selection = DragSelection();
    InvertRegionOutline(dc, selection);
    selection = DragRect(startX, startY, startX, startY, LauncherScrollOffset());
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
                                 GET_Y_LPARAM(msg.lParam), LauncherScrollOffset());
            InvertRegionOutline(dc, selection);
            if (msg.message == WM_RBUTTONUP) break;
        }
        // Another window took the mouse: the release will never come to us.
        if (GetCapture() != window) break;
    }
    if (GetCapture() == window) ReleaseCapture();
    ReleaseDC(window, dc);
}

void ClearDragRectangle(HWND window) {
    RegionRect& selection = DragSelection();
    if (!selection.IsEmpty()) {
        HDC dc = PictureDC(window);
        InvertRegionOutline(dc, selection);
        ReleaseDC(window, dc);
    }
    selection = RegionRect();
}

bool SaveFunctionRegions(HWND owner) {
    if (WriteMenuFile(LauncherTables())) return true;
    ShowLauncherBox(owner, kMsgMenuSaveFailed, kCaption, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool AppendProgram(HWND owner, const std::string& name, const std::string& command) {
    if (AppendProgramRecord(DragSelection(), name, command) != 0) return true;
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
