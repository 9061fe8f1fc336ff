#include "board/bord_window.h"

#include <windowsx.h>

#include <string>
#include <vector>

#include "app/settings/keys.h"
#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "board/board_dialogs.h"
#include "board/bord_store.h"
#include "mail/addressee.h"
#include "mail/compose_dialog.h"
#include "mail/phone_dialogs.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "store/message_sink.h"

namespace {

const int kPersonButtons[] = {IDC_BORD_MAIL, IDC_BORD_PHONE, IDC_BORD_MESSAGE, IDC_BORD_PHONE_LIST};
// The visible list's tab stops in dialog units.
const INT kListTabStops[] = {84, 208, 252, 280, 316, 352};

// The window's own state, held in GWLP_USERDATA from creation to WM_NCDESTROY.
struct BordWindowState {
    int charWidth = 8;          // the list font's average character width
    int textHeight = 16;        // its height with external leading
    WNDPROC listProc = nullptr;  // the list's own procedure (the list is subclassed)
};

BordWindowState* StateOf(HWND window) {
    return reinterpret_cast<BordWindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

int BordType() { return UserSettings().bordType == 1 ? 1 : 2; }

void EnablePersonButtons(HWND window, bool enable) {
    for (int id : kPersonButtons) EnableWindow(GetDlgItem(window, id), enable);
}

std::string ListText(HWND window, int control, int index) {
    HWND list = GetDlgItem(window, control);
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 2, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

// The selected person's row, or -1 for the header or no selection.
int SelectedPerson(HWND window) {
    const int at = static_cast<int>(ListSelection(window, IDC_BORD_LIST));
    return at > 0 ? at : -1;
}

EntryPerson PersonOf(HWND window, int row) {
    const std::string line = ListText(window, IDC_BORD_LIST, row);
    return EntryPerson{line.substr(0, line.find('\t')), ListText(window, IDC_BORD_NUMBERS, row)};
}

void LoadBoard(HWND window) {
    BoardLoad board;
    {
        WaitCursor busy;
        // Today is the day of each load: a board left open overnight moves the new day's plans.
        board = LoadInOutBoard(ClientStore(), EntryDateFromTime(LocalTimeNow()));
    }
    ShowMessages(board);
    HWND list = GetDlgItem(window, IDC_BORD_LIST);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ListReset(window, IDC_BORD_LIST);
    ListReset(window, IDC_BORD_NUMBERS);
    SendMessageA(list, LB_SETTABSTOPS, 6, reinterpret_cast<LPARAM>(kListTabStops));
    for (size_t i = 0; i < board.lines.size(); ++i) {
        ListAddString(window, IDC_BORD_LIST, board.lines[i]);
        ListAddString(window, IDC_BORD_NUMBERS, board.numbers[i]);
    }
    const int w = StateOf(window)->charWidth;
    SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>((BordType() == 1 ? 116 : 82) * w), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    EnablePersonButtons(window, false);
}

// Item heights are fixed when an item is added: switching the layout builds the list anew.
void SwitchLayout(HWND window) {
    UserSettings().bordType = BordType() == 1 ? 2 : 1;
    LoadBoard(window);
}

void EditEntry(HWND window, int row) {
    const EntryPerson person = PersonOf(window, row);
    std::string destination;
    RunWhereaboutsEntry(window, person, nullptr, &destination);
    // The own entry sounds whether it was saved or not, as long as it names a destination.
    if (person.numberText == CurrentUser().numberText && !destination.empty())
        PlaySettingSound(kKeyDestWave, kKeyDestWaveFile);
    LoadBoard(window);
}

void AskPresent(HWND window) {
    const int row = SelectedPerson(window);
    if (row < 0) return;
    const EntryPerson person = PersonOf(window, row);
    if (!AskOkCancel(window, person.name + "さんを在席にしますか？")) return;
    StoreResult present;
    {
        WaitCursor busy;
        present = SetPresent(ClientStore(), person.numberText, person.name, CurrentUser().name,
                             LocalTimeNow());
    }
    ShowMessages(present);
    LoadBoard(window);
}

// The person buttons: the selected colleague becomes the remembered addressee first.
void ContactPerson(HWND window, int id) {
    const int row = SelectedPerson(window);
    if (row < 0) return;
    const std::string number = ListText(window, IDC_BORD_NUMBERS, row);
    RememberedAddressee() = number;
    switch (id) {
        case IDC_BORD_MAIL: RunMailDialog(window); break;
        case IDC_BORD_PHONE: RunPhoneMemoEntry(window); break;
        case IDC_BORD_MESSAGE:
            if (BordMessageDialog()) BordMessageDialog()(window);
            break;
        case IDC_BORD_PHONE_LIST: ShowColleaguePhoneMemos(window, number); break;
    }
}

// A right press acts on the selected row, not the one under the pointer, and the list never
// sees it.
LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = GetParent(list);
    if (message == WM_RBUTTONDOWN) {
        AskPresent(window);
        return 0;
    }
    return CallWindowProcA(StateOf(window)->listProc, list, message, wParam, lParam);
}

void MeasureFont(HWND window) {
    BordWindowState* state = StateOf(window);
    HWND list = GetDlgItem(window, IDC_BORD_LIST);
    HDC dc = GetDC(list);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    if (old) SelectObject(dc, old);
    ReleaseDC(list, dc);
    state->charWidth = tm.tmAveCharWidth > 0 ? tm.tmAveCharWidth : 8;
    state->textHeight = tm.tmHeight + tm.tmExternalLeading;
}

BOOL OnCreate(HWND window, LPCREATESTRUCT) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new BordWindowState));
    CreatePushButton(window, "終了", IDCANCEL);
    const DWORD button = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    CreateButton(window, "切換", button, IDC_BORD_SWITCH);
    CreateButton(window, "更新", button, IDC_BORD_RELOAD);
    CreateButton(window, "メール", button, IDC_BORD_MAIL);
    CreateButton(window, "電話ﾒﾓ", button, IDC_BORD_PHONE);
    CreateButton(window, "ﾒｯｾｰｼﾞ", button, IDC_BORD_MESSAGE);
    CreateButton(window, "受信簿", button, IDC_BORD_PHONE_LIST);
    CreateListBox(window, WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
                  IDC_BORD_LIST);
    CreateListBox(window, 0, IDC_BORD_NUMBERS);
    EnablePersonButtons(window, false);
    HWND list = GetDlgItem(window, IDC_BORD_LIST);
    StateOf(window)->listProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProc)));
    MeasureFont(window);
    LoadBoard(window);
    PlaceSubWindow(window, kSectionBord);
    return TRUE;
}

void Move(HWND window, int id, int x, int y, int width, int height) {
    MoveWindow(GetDlgItem(window, id), x, y, width, height, TRUE);
}

void OnSize(HWND window, UINT, int w, int h) {
    const int u = LineHeight(GetDlgItem(window, IDC_BORD_SWITCH));
    const int ids[] = {IDCANCEL, IDC_BORD_SWITCH, IDC_BORD_RELOAD, IDC_BORD_MAIL, IDC_BORD_PHONE,
                       IDC_BORD_MESSAGE, IDC_BORD_PHONE_LIST};
    for (int i = 0; i < 7; ++i) Move(window, ids[i], 10 + i * (2 * u + 10), 10, 2 * u, u);
    Move(window, IDC_BORD_LIST, 10, u + 20, w - 20, h - u - 30);
}

void OnMeasureItem(HWND window, MEASUREITEMSTRUCT* item) {
    item->itemHeight = static_cast<UINT>(BordType() * StateOf(window)->textHeight);
}

void DrawRow(HWND window, const DRAWITEMSTRUCT* item) {
    const int w = StateOf(window)->charWidth;
    const std::string line = ListText(window, IDC_BORD_LIST, static_cast<int>(item->itemID));
    HDC dc = item->hDC;
    const RECT& rc = item->rcItem;
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    FillRect(dc, &rc, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    if (BordType() == 1) {
        const INT stops[] = {21 * w, 52 * w, 62 * w, 71 * w, 82 * w};
        TabbedTextOutA(dc, rc.left, rc.top, line.c_str(), static_cast<int>(line.size()), 5, stops, rc.left);
        return;
    }
    // Two lines: the name and the times, then the destination below them.
    const size_t first = line.find('\t');
    const size_t second = first == std::string::npos ? std::string::npos : line.find('\t', first + 1);
    const std::string name = line.substr(0, first);
    const std::string destination =
        first == std::string::npos ? std::string() : line.substr(first + 1, second - first - 1);
    const std::string rest = second == std::string::npos ? std::string() : line.substr(second);
    const std::string top = name + rest;
    const INT stops[] = {21 * w, 32 * w, 42 * w, 51 * w, 62 * w};
    TabbedTextOutA(dc, rc.left, rc.top, top.c_str(), static_cast<int>(top.size()), 5, stops, rc.left);
    const std::string bottom = "\t" + destination;
    const INT stop = 2 * w;
    TabbedTextOutA(dc, rc.left, rc.top + (rc.bottom - rc.top) / 2, bottom.c_str(),
                   static_cast<int>(bottom.size()), 1, &stop, rc.left);
    HGDIOBJ old = SelectObject(dc, GetStockObject(BLACK_PEN));
    MoveToEx(dc, rc.left, rc.bottom - 1, nullptr);
    LineTo(dc, rc.right, rc.bottom - 1);
    SelectObject(dc, old);
}

void OnDrawItem(HWND window, const DRAWITEMSTRUCT* item) {
    if (item->CtlID != IDC_BORD_LIST || item->itemID == static_cast<UINT>(-1)) return;
    if (item->itemAction == ODA_FOCUS) {
        DrawFocusRect(item->hDC, &item->rcItem);
        return;
    }
    DrawRow(window, item);
    if (item->itemState & ODS_FOCUS) DrawFocusRect(item->hDC, &item->rcItem);
}

void OnCommand(HWND window, int id, HWND, UINT code) {
    switch (id) {
        case IDC_BORD_LIST:
            if (code == LBN_SELCHANGE) {
                EnablePersonButtons(window, SelectedPerson(window) > 0);
            } else if (code == LBN_DBLCLK) {
                const int row = SelectedPerson(window);
                if (row > 0) EditEntry(window, row);
            }
            break;
        case IDC_BORD_SWITCH: SwitchLayout(window); break;
        case IDC_BORD_RELOAD: LoadBoard(window); break;
        case IDC_BORD_MAIL:
        case IDC_BORD_PHONE:
        case IDC_BORD_MESSAGE:
        case IDC_BORD_PHONE_LIST: ContactPerson(window, id); break;
        case IDCANCEL: CloseSubWindow(window, kSectionBord); break;
    }
}

void OnClose(HWND window) { CloseSubWindow(window, kSectionBord); }

void OnDestroy(HWND window) {
    if (SubWindowHandle(SubWindow::kBord) == window) SubWindowHandle(SubWindow::kBord) = nullptr;
}

void OnNcDestroy(HWND window) {
    delete StateOf(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

}  // namespace

BordDialogRunner& BordMessageDialog() {
    static BordDialogRunner run = nullptr;
    return run;
}

LRESULT CALLBACK BordWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_MEASUREITEM, OnMeasureItem);
        HANDLE_MSG(window, WM_DRAWITEM, OnDrawItem);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
        HANDLE_MSG(window, WM_NCDESTROY, OnNcDestroy);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
