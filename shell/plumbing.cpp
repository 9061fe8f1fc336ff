#include "shell/plumbing.h"

#include <windowsx.h>

#include <vector>

#include "app/settings/keys.h"
#include "app/settings/profile.h"
#include "res/resource.h"
#include "store/names.h"
#include "store/sjis.h"
#include "store/store.h"

namespace {

HINSTANCE g_instance = nullptr;

HWND CreateChild(HWND parent, const char* className, const char* caption, DWORD style, int id) {
    return CreateWindowExA(0, className, caption, WS_CHILD | style, 10, 10, 10, 10, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), AppInstance(),
                           nullptr);
}

RECT DesktopRect() {
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    return desktop;
}

LRESULT SendItem(HWND dialog, int control, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendDlgItemMessageA(dialog, control, message, wParam, lParam);
}

}  // namespace

void SetAppInstance(HINSTANCE instance) { g_instance = instance; }
HINSTANCE AppInstance() { return g_instance ? g_instance : GetModuleHandleA(nullptr); }

void CentreWindow(HWND window) {
    RECT desktop = DesktopRect(), rect;
    GetWindowRect(window, &rect);
    int x = CentredOrigin(desktop.right - desktop.left, rect.right - rect.left);
    int y = CentredOrigin(desktop.bottom - desktop.top, rect.bottom - rect.top);
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CentreOnOwner(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    if (!owner) {
        CentreWindow(window);
        return;
    }
    RECT desktop = DesktopRect(), over, rect;
    GetWindowRect(owner, &over);
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    int x = over.left + CentredOrigin(over.right - over.left, width);
    int y = over.top + CentredOrigin(over.bottom - over.top, height);
    if (x + width > desktop.right) x = desktop.right - width;
    if (y + height > desktop.bottom) y = desktop.bottom - height;
    if (x < desktop.left) x = desktop.left;
    if (y < desktop.top) y = desktop.top;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

WindowRectValues ReadWindowRect(const char* section) {
    WindowRectValues rect;
    rect.left = UserInt(section, kKeyLeft, 0);
    rect.top = UserInt(section, kKeyTop, 0);
    rect.right = UserInt(section, kKeyRight, 400);
    rect.bottom = UserInt(section, kKeyBottom, 400);
    return rect;
}

void SaveWindowRect(const char* section, const WindowRectValues& rect) {
    WriteUserInt(section, kKeyLeft, rect.left);
    WriteUserInt(section, kKeyTop, rect.top);
    WriteUserInt(section, kKeyRight, rect.right);
    WriteUserInt(section, kKeyBottom, rect.bottom);
}

void PlaceWindow(HWND window, const WindowRectValues& rect) {
    RECT desktop = DesktopRect();
    Placement p = PlacementFor(rect, desktop.right, desktop.bottom);
    if (p.centre) {
        CentreWindow(window);
        return;
    }
    SetWindowPos(window, nullptr, p.x, p.y, p.width, p.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void RestoreIfMinimised(HWND window) {
    if (IsIconic(window)) SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void RestoreAndBringForward(HWND window) {
    RestoreIfMinimised(window);
    SetForegroundWindow(window);
}

void PlaceSubWindow(HWND window, const char* section) {
    PlaceWindow(window, ReadWindowRect(section));
}

void PlaceSubWindowOrCentre(HWND window, const char* section) {
    // A section that has never been written gives every key its default; Right is written with
    // every rectangle, so its absence says nothing was saved.
    if (UserInt(section, kKeyRight, -1) == -1 && UserInt(section, kKeyRight, 0) == 0) {
        CentreWindow(window);
        return;
    }
    PlaceSubWindow(window, section);
}

void CloseSubWindow(HWND window, const char* section) {
    // A minimised window would save the icon's place; the next start wants the real one.
    RestoreIfMinimised(window);
    RECT rect;
    GetWindowRect(window, &rect);
    SaveWindowRect(section, WindowRectValues{rect.left, rect.top, rect.right, rect.bottom});
    DestroyWindow(window);
}

HWND CreatePushButton(HWND parent, const char* caption, int id) {
    return CreateChild(parent, "BUTTON", caption, WS_VISIBLE | BS_DEFPUSHBUTTON, id);
}

HWND CreateButton(HWND parent, const char* caption, DWORD style, int id) {
    return CreateChild(parent, "BUTTON", caption, style, id);
}

HWND CreateEdit(HWND parent, DWORD style, int id) {
    return CreateChild(parent, "edit", "", WS_VISIBLE | WS_BORDER | ES_AUTOVSCROLL | style, id);
}

HWND CreateListBox(HWND parent, DWORD style, int id) {
    return CreateChild(parent, "Listbox", "",
                       WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_USETABSTOPS |
                           LBS_NOINTEGRALHEIGHT | style,
                       id);
}

HWND CreateComboBox(HWND parent, DWORD style, int id) {
    return CreateChild(parent, "combobox", "", WS_VSCROLL | WS_BORDER | CBS_DROPDOWNLIST | style,
                       id);
}

int LineHeight(HWND window) {
    HDC hdc = GetDC(window);
    HFONT font = GetWindowFont(window);
    HGDIOBJ old = font ? SelectObject(hdc, font) : nullptr;
    TEXTMETRICA metrics;
    GetTextMetricsA(hdc, &metrics);
    if (old) SelectObject(hdc, old);
    ReleaseDC(window, hdc);
    return LineHeightFor(metrics.tmHeight);
}

void DrawRaisedFrames(HDC hdc, const RECT& rect, int frames) {
    HPEN white = CreatePen(PS_SOLID, 1, RGB(0xFF, 0xFF, 0xFF));
    HPEN grey = CreatePen(PS_SOLID, 1, RGB(0x80, 0x80, 0x80));
    HGDIOBJ old = SelectObject(hdc, white);
    for (int i = 0; i < frames; ++i) {
        int left = rect.left + i, top = rect.top + i;
        int right = rect.right - i, bottom = rect.bottom - i;
        SelectObject(hdc, white);
        MoveToEx(hdc, left, bottom, nullptr);
        LineTo(hdc, left, top);
        LineTo(hdc, right, top);
        SelectObject(hdc, grey);
        LineTo(hdc, right, bottom);
        LineTo(hdc, left, bottom);
    }
    SelectObject(hdc, old);
    DeleteObject(white);
    DeleteObject(grey);
}

void PaintRaisedFrame(HWND window) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    // The far edges are drawn on the last pixel inside the client area.
    client.right -= 1;
    client.bottom -= 1;
    DrawRaisedFrames(hdc, client, 2);
    EndPaint(window, &ps);
}

void SetFixedFont(HWND dialog, int control) {
    SendItem(dialog, control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FIXED_FONT)),
             TRUE);
}

void LoadTextIntoControl(HWND dialog, const std::string& path, int kind) {
    std::string text;
    if (!ReadStoreFile(path, text)) {
        SetDlgItemTextA(dialog, IDC_TEXT, "");
        return;
    }
    // Bodies are written shifted by one; a stray NUL written by a peer ends the text there.
    if (kind >= 1 && kind <= 3) ShiftBytes(text, -1);
    SetDlgItemTextA(dialog, IDC_TEXT, text.c_str());
}

long ReverseRecordOffset(HWND dialog, int listControl) {
    int count = static_cast<int>(ListCount(dialog, listControl));
    int index = static_cast<int>(ListSelection(dialog, listControl));
    return ReverseRecordOffsetFor(count, index);
}

int RunDialog(int templateId, HWND owner, DLGPROC proc, LPARAM param) {
    INT_PTR result = DialogBoxParamA(AppInstance(), MAKEINTRESOURCEA(templateId), owner, proc, param);
    return result > 0 ? static_cast<int>(result) : 0;
}

std::string DialogText(HWND dialog, int control, size_t maxBytes) {
    HWND item = GetDlgItem(dialog, control);
    int length = GetWindowTextLengthA(item);
    std::vector<char> buffer(static_cast<size_t>(length < 0 ? 0 : length) + 2, '\0');
    GetWindowTextA(item, buffer.data(), static_cast<int>(buffer.size()));
    return CutSjis(buffer.data(), maxBytes);
}

WaitCursor::WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
WaitCursor::~WaitCursor() { SetCursor(previous_); }

LRESULT ListAddString(HWND dialog, int control, const std::string& text) {
    return SendItem(dialog, control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
LRESULT ListSelection(HWND dialog, int control) {
    return SendItem(dialog, control, LB_GETCURSEL, 0, 0);
}
LRESULT ListSelect(HWND dialog, int control, int index) {
    return SendItem(dialog, control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
LRESULT ListSelectMulti(HWND dialog, int control, int index) {
    return SendItem(dialog, control, LB_SETSEL, TRUE, index);
}
LRESULT ListIsSelected(HWND dialog, int control, int index) {
    return SendItem(dialog, control, LB_GETSEL, static_cast<WPARAM>(index), 0);
}
LRESULT EditLimit(HWND dialog, int control, int maxChars) {
    return SendItem(dialog, control, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
}
LRESULT ListReset(HWND dialog, int control) {
    return SendItem(dialog, control, LB_RESETCONTENT, 0, 0);
}
LRESULT ListCount(HWND dialog, int control) { return SendItem(dialog, control, LB_GETCOUNT, 0, 0); }
LRESULT ListDelete(HWND dialog, int control, int index) {
    return SendItem(dialog, control, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}
LRESULT ControlTextLength(HWND dialog, int control) {
    return SendItem(dialog, control, WM_GETTEXTLENGTH, 0, 0);
}
BOOL ShowControl(HWND dialog, int control, bool show) {
    return ShowWindow(GetDlgItem(dialog, control), show ? SW_SHOW : SW_HIDE);
}
BOOL EnableControl(HWND dialog, int control, bool enable) {
    return EnableWindow(GetDlgItem(dialog, control), enable);
}
LRESULT EditCut(HWND dialog, int control) { return SendItem(dialog, control, WM_CUT, 0, 0); }
LRESULT EditCopy(HWND dialog, int control) { return SendItem(dialog, control, WM_COPY, 0, 0); }
LRESULT EditPaste(HWND dialog, int control) { return SendItem(dialog, control, WM_PASTE, 0, 0); }
