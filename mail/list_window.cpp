#include "mail/list_window.h"

#include <windowsx.h>

#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "mail/mail_log_export.h"
#include "mail/mail_store.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "store/result.h"

const char kMsgAskDelete[] = "削除しますか？";

namespace {

// The pictures stand in the first 18 pixels of every line; the text follows them.
constexpr int kPictureSize = 18;
const int kTabStopChars[3] = {5, 17, 28};
const COLORREF kConfidentialRed = RGB(255, 0, 0);

std::vector<long> SelectedPositions(HWND window) {
    HWND list = GetDlgItem(window, IDC_MAIL_LIST);
    const int count = ListBox_GetSelCount(list);
    std::vector<int> items(static_cast<size_t>(count > 0 ? count : 0));
    if (count > 0) ListBox_GetSelItems(list, count, items.data());
    return std::vector<long>(items.begin(), items.end());
}

void EnableListButtons(HWND window, bool enable) {
    EnableWindow(GetDlgItem(window, IDC_MAIL_DELETE), enable);
    EnableWindow(GetDlgItem(window, IDC_MAIL_LOG), enable);
}

void SetTabStops(HWND window) {
    HWND list = GetDlgItem(window, IDC_MAIL_LIST);
    HDC hdc = GetDC(list);
    HGDIOBJ old = SelectObject(hdc, GetWindowFont(list) ? GetWindowFont(list)
                                                        : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics;
    GetTextMetricsA(hdc, &metrics);
    SelectObject(hdc, old);
    ReleaseDC(list, hdc);
    for (int i = 0; i < 3; ++i)
        MailListOf(window)->tabStops[i] = kTabStopChars[i] * metrics.tmAveCharWidth;
}

void Move(HWND window, int id, int x, int y, int width, int height) {
    MoveWindow(GetDlgItem(window, id), x, y, width, height, TRUE);
}

}  // namespace

MailListWindow* MailListOf(HWND window) {
    return reinterpret_cast<MailListWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void MailListCreate(HWND window, int listKind, const char* section) {
    MailListWindow* state = new MailListWindow;
    state->listKind = listKind;
    state->section = section;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    CreateListBox(window,
                  WS_VISIBLE | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_EXTENDEDSEL,
                  IDC_MAIL_LIST);
    CreatePushButton(window, "終了", IDCANCEL);
    CreateButton(window, "削除", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IDC_MAIL_DELETE);
    CreateButton(window, "ログ", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IDC_MAIL_LOG);
    SetTabStops(window);
    PlaceSubWindow(window, section);
    MailListLoad(window);
}

void MailListLayout(HWND window, int width, int height) {
    const int h = LineHeight(GetDlgItem(window, IDCANCEL));
    Move(window, IDCANCEL, 10, 10, 2 * h, h);
    Move(window, IDC_MAIL_DELETE, 2 * h + 20, 10, 2 * h, h);
    Move(window, IDC_MAIL_LOG, 4 * h + 30, 10, 2 * h, h);
    Move(window, IDC_MAIL_LIST, 10, h + 20, width - 20, height - 55);
}

void MailListLoad(HWND window) {
    MailListWindow* state = MailListOf(window);
    ListLoad load;
    {
        WaitCursor busy;
        load = LoadList(ClientStore(), MailListKind(state->listKind), ClientStore().UserFolder());
    }
    ShowMessages(load);
    if (!IsWindow(window)) return;
    state->lines = load.lines;
    HWND list = GetDlgItem(window, IDC_MAIL_LIST);
    SetWindowRedraw(list, FALSE);
    ListReset(window, IDC_MAIL_LIST);
    for (const ListLine& line : state->lines) ListAddString(window, IDC_MAIL_LIST, line.text);
    SetWindowRedraw(list, TRUE);
    InvalidateRect(list, nullptr, TRUE);
    EnableListButtons(window, false);
}

void MailListSelectionChanged(HWND window) {
    EnableListButtons(window, !SelectedPositions(window).empty());
}

void MailListMeasure(HWND window, MEASUREITEMSTRUCT* item) {
    HDC hdc = GetDC(window);
    TEXTMETRICA metrics;
    HGDIOBJ old = SelectObject(hdc, GetStockObject(SYSTEM_FONT));
    GetTextMetricsA(hdc, &metrics);
    SelectObject(hdc, old);
    ReleaseDC(window, hdc);
    const int text = metrics.tmHeight + metrics.tmExternalLeading;
    item->itemHeight = static_cast<UINT>(text > kPictureSize ? text : kPictureSize);
}

void MailListDraw(HWND window, const DRAWITEMSTRUCT* item) {
    if (item->itemID == static_cast<UINT>(-1)) {
        if (item->itemAction & ODA_FOCUS) DrawFocusRect(item->hDC, &item->rcItem);
        return;
    }
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    RECT rect = item->rcItem;
    if (item->itemAction == ODA_FOCUS) {
        DrawFocusRect(item->hDC, &rect);
        return;
    }
    // A full redraw, also when only the selection changed (the platform does not always tell
    // which way it changed): the picture by the kind digit, the text by the confidential digit,
    // and a selected line inverted.
    const size_t length = static_cast<size_t>(SendMessageA(item->hwndItem, LB_GETTEXTLEN, item->itemID, 0));
    std::string text(length + 1, '\0');
    SendMessageA(item->hwndItem, LB_GETTEXT, item->itemID, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(length);
    const bool phoneMemo = !text.empty() && text[0] == '1';
    const bool red = text.size() > 1 && text[1] == '1' && UserSettings().confidentialColor != 0;
    const std::string shown = text.size() > 2 ? text.substr(2) : std::string();

    FillRect(item->hDC, &rect, GetSysColorBrush(COLOR_WINDOW));
    const MailListWindow* state = MailListOf(window);
    const COLORREF oldText =
        SetTextColor(item->hDC, red ? kConfidentialRed : GetSysColor(COLOR_WINDOWTEXT));
    const int oldMode = SetBkMode(item->hDC, TRANSPARENT);
    const int x = rect.left + kPictureSize;
    TEXTMETRICA metrics;
    GetTextMetricsA(item->hDC, &metrics);
    const int y = rect.top + (rect.bottom - rect.top - metrics.tmHeight) / 2;
    TabbedTextOutA(item->hDC, x, y, shown.c_str(), static_cast<int>(shown.size()), 3,
                   state ? const_cast<int*>(state->tabStops) : nullptr, x);
    SetBkMode(item->hDC, oldMode);
    SetTextColor(item->hDC, oldText);

    HBITMAP picture = LoadBitmapA(AppInstance(),
                                  MAKEINTRESOURCEA(phoneMemo ? IDB_PHONE_LINE : IDB_MAIL_LINE));
    if (picture) {
        HDC memory = CreateCompatibleDC(item->hDC);
        HGDIOBJ old = SelectObject(memory, picture);
        const int top = rect.top + (rect.bottom - rect.top - kPictureSize) / 2;
        BitBlt(item->hDC, rect.left, top, kPictureSize, kPictureSize, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        DeleteObject(picture);
    }
    if (selected) InvertRect(item->hDC, &rect);
    if (item->itemState & ODS_FOCUS) DrawFocusRect(item->hDC, &rect);
}

int MailListCurrentLine(HWND window) {
    const MailListWindow* state = MailListOf(window);
    HWND list = GetDlgItem(window, IDC_MAIL_LIST);
    const int at = ListBox_GetCaretIndex(list);
    if (at < 0 || static_cast<size_t>(at) >= state->lines.size() || ListBox_GetSel(list, at) <= 0)
        return -1;
    return at;
}

void MailListDelete(HWND window, AfterDeletion after) {
    MailListWindow* state = MailListOf(window);
    const std::vector<long> selected = SelectedPositions(window);
    if (selected.empty()) return;
    state->reload = false;
    if (AskOkCancel(window, kMsgAskDelete)) {
        std::vector<DeleteOutcome> outcomes;
        {
            WaitCursor busy;
            outcomes = DeleteSelectedEntries(ClientStore(), MailListKind(state->listKind),
                                             ClientStore().UserFolder(), state->lines, selected);
        }
        for (const DeleteOutcome& outcome : outcomes) {
            ShowMessages(outcome);
            if (after && IsWindow(window)) after(window, outcome);
        }
        if (IsWindow(window)) MailListLoad(window);
    }
    if (IsWindow(window)) state->reload = true;
}

void MailListExport(HWND window) {
    MailListWindow* state = MailListOf(window);
    state->reload = false;
    ExportMailLog(window, ClientStore(), state->listKind, state->lines);
    if (IsWindow(window)) state->reload = true;
}

void MailListClose(HWND window) { CloseSubWindow(window, MailListOf(window)->section); }

void MailListNcDestroy(HWND window) {
    delete MailListOf(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}
