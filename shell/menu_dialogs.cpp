// The menu settings dialogs (978, 974, 977).
#include "shell/menu_dialogs.h"

#include <windowsx.h>
#include <commdlg.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "res/resource.h"
#include "shell/launcher_files.h"
#include "shell/launcher_window.h"
#include "shell/menu_record.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "shell/program_record.h"
#include "shell/tab_pages.h"
#include "store/message_sink.h"

namespace {

const char kMsgNoTitle[] = "タイトルを入力してください";
const char kMsgNoFile[] = "ファイル名を入力してください";
const char kProgramChooserTitle[] = "ミトカ　起動ファイル選択";
// "Exe (*.exe),*.exe,All (*.*),*.*" with the commas as the separators of the filter list.
const char kProgramFilter[] = "Exe (*.exe)\0*.exe\0All (*.*)\0*.*\0";
constexpr DWORD kChooserBufferSize = 256;
constexpr int kProgramFileEditLimit = 256;  // characters the edit takes; 255 bytes are kept
// Only programs 101..110 react on the launcher: an eleventh would be a region that does nothing.
constexpr int kUsablePrograms = kLastUsableProgram - kFirstProgram + 1;

// Dialog units: the columns of both lists (LEFT, TOP, RIGHT, BOTTOM).
const int kListTabStops[] = {84, 112, 140, 168};
constexpr int kCommandTabStop = 16;  // pixels: the command line on a program row's second line
constexpr size_t kCoordinateChars = 4;

// The radio button of each function, in function order.
const int kFunctionButtons[kFunctionCount] = {
    IDC_BIND_DESTINATION, IDC_BIND_RECEIVED, IDC_BIND_SENT,   IDC_BIND_BOARDS,
    IDC_BIND_CHAT,        IDC_BIND_MAIL,     IDC_BIND_PHONE,  IDC_BIND_MESSAGE,
    IDC_BIND_INOUT_BOARD, IDC_BIND_MEMO,     IDC_BIND_CONNECTIONS, IDC_BIND_CALENDAR,
};
const int kProgramControls[] = {IDC_BIND_PROGRAM, IDC_BIND_TITLE_LABEL, IDC_BIND_TITLE,
                                IDC_BIND_FILE_LABEL, IDC_BIND_FILE, IDC_BIND_BROWSE};

int StoredPrograms(const LauncherRegions& tables) {
    int count = 0;
    for (const ProgramSlot& p : tables.programs)
        if (p.number != 0) ++count;
    return count;
}

bool Checked(HWND dialog, int control) { return IsDlgButtonChecked(dialog, control) == BST_CHECKED; }

std::string ListText(HWND dialog, int control, int index) {
    LRESULT length = SendDlgItemMessageA(dialog, control, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return std::string();
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    SendDlgItemMessageA(dialog, control, LB_GETTEXT, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

// Rewrites one list line in place and keeps it selected.
void ReplaceLine(HWND dialog, int control, int index, const std::string& text) {
    ListDelete(dialog, control, index);
    SendDlgItemMessageA(dialog, control, LB_INSERTSTRING, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(text.c_str()));
    ListSelect(dialog, control, index);
}

HBRUSH OnCtlColorDialog(HWND, HDC dc, HWND, int) { return PageBackground(dc, false); }
HBRUSH OnCtlColorControl(HWND, HDC dc, HWND, int) { return PageBackground(dc, true); }

// ---- region binding (978) ----

struct BindingState {
    LauncherState* launcher;
};

BindingState* BindingOf(HWND dialog) {
    return reinterpret_cast<BindingState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// A program file of this PC; the current folder stays as it was.
void ChooseProgramFile(HWND dialog) {
    char file[kChooserBufferSize] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = dialog;
    ofn.lpstrFilter = kProgramFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = kChooserBufferSize;
    ofn.lpstrTitle = kProgramChooserTitle;
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                OFN_NOCHANGEDIR;
    if (GetOpenFileNameA(&ofn)) SetDlgItemTextA(dialog, IDC_BIND_FILE, file);
}

int ChosenFunction(HWND dialog) {
    for (int f = 0; f < kFunctionCount; ++f)
        if (Checked(dialog, kFunctionButtons[f])) return f;
    return -1;
}

void BindingOnOk(HWND dialog, LauncherState& launcher) {
    const int function = ChosenFunction(dialog);
    if (function >= 0) {
        // Each function has one slot: binding it again moves its region here.
        launcher.tables.functions[function].rect = launcher.drag;
        launcher.tables.functions[function].number = static_cast<int16_t>(function);
        SaveFunctionRegions(dialog, launcher.tables);
    } else if (Checked(dialog, IDC_BIND_PROGRAM) && IsWindowVisible(GetDlgItem(dialog, IDC_BIND_PROGRAM))) {
        const std::string title = DialogText(dialog, IDC_BIND_TITLE, kProgramNameMax);
        const std::string file = DialogText(dialog, IDC_BIND_FILE, kProgramCommandMax);
        if (title.empty()) {
            ShowNotice(dialog, kMsgNoTitle);
            return;
        }
        if (file.empty()) {
            ShowNotice(dialog, kMsgNoFile);
            return;
        }
        AppendProgram(dialog, launcher.drag, title, file);
    }
    LoadLauncherRegions(launcher);
    EndDialog(dialog, 1);
}

BOOL BindingOnInitDialog(HWND dialog, HWND, LPARAM param) {
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    CentreOnOwner(dialog);
    EditLimit(dialog, IDC_BIND_TITLE, static_cast<int>(kProgramNameMax));
    EditLimit(dialog, IDC_BIND_FILE, kProgramFileEditLimit);
    const LauncherState& launcher = *reinterpret_cast<BindingState*>(param)->launcher;
    if (StoredPrograms(launcher.tables) >= kUsablePrograms)
        for (int control : kProgramControls) ShowControl(dialog, control, false);
    // No choice is made for the user: the focus must not land on (and turn on) a radio button.
    SetFocus(GetDlgItem(dialog, IDOK));
    return FALSE;
}

void BindingOnCommand(HWND dialog, int id, HWND, UINT) {
    BindingState* state = BindingOf(dialog);
    if (!state) return;
    if (id == IDC_BIND_PROGRAM) {
        EnableControl(dialog, IDC_BIND_BROWSE, true);
        return;
    }
    for (int button : kFunctionButtons)
        if (id == button) EnableControl(dialog, IDC_BIND_BROWSE, false);
    switch (id) {
        case IDOK: BindingOnOk(dialog, *state->launcher); break;
        case IDCANCEL: EndDialog(dialog, 0); break;
        case IDC_BIND_BROWSE: ChooseProgramFile(dialog); break;
    }
}

INT_PTR CALLBACK BindingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, BindingOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, BindingOnCommand);
    }
    return FALSE;
}

// ---- region coordinates (977) ----

struct CoordinatesRequest {
    LauncherRegions* tables;
    int slot;
};

const int kCoordinateEdits[] = {IDC_COORD_LEFT, IDC_COORD_TOP, IDC_COORD_RIGHT, IDC_COORD_BOTTOM};

BOOL CoordinatesOnInitDialog(HWND dialog, HWND, LPARAM param) {
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    CentreOnOwner(dialog);
    const auto* request = reinterpret_cast<CoordinatesRequest*>(param);
    const RegionRect& r = request->tables->functions[request->slot].rect;
    SetDlgItemTextA(dialog, IDC_COORD_NAME, FunctionName(request->slot));
    const int values[] = {r.left, r.top, r.right, r.bottom};
    for (int i = 0; i < 4; ++i) SetDlgItemInt(dialog, kCoordinateEdits[i], static_cast<UINT>(values[i]), TRUE);
    return TRUE;
}

void CoordinatesOnCommand(HWND dialog, int id, HWND, UINT) {
    auto* request = reinterpret_cast<CoordinatesRequest*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (id == IDCANCEL) EndDialog(dialog, 0);
    if (id != IDOK || !request) return;
    int values[4];
    // Up to four characters each; what is not a number counts as its leading digits, or 0.
    for (int i = 0; i < 4; ++i)
        values[i] = std::atoi(DialogText(dialog, kCoordinateEdits[i], kCoordinateChars).c_str());
    FunctionSlot& slot = request->tables->functions[request->slot];
    slot.rect = MakeRegionRect(values[0], values[1], values[2], values[3]);
    slot.number = static_cast<int16_t>(request->slot);
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK CoordinatesProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, CoordinatesOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, CoordinatesOnCommand);
    }
    return FALSE;
}

// ---- menu settings (974) ----

struct MenuState {
    LauncherState* launcher;
    // program.mox as read, in file order: row k of the program list is record k - 1.
    std::vector<ProgramRecord> programs;
    // false when program.mox could not be read: OK must not replace it with what was shown.
    bool programsReadable = true;
    bool programPage = false;
    int tabStops[4] = {};  // the program list's columns in pixels
};

MenuState* MenuOf(HWND dialog) {
    return reinterpret_cast<MenuState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void FillMenuLists(HWND dialog, MenuState* state) {
    ListReset(dialog, IDC_MENU_FUNCTIONS);
    ListReset(dialog, IDC_MENU_PROGRAMS);
    ListAddString(dialog, IDC_MENU_FUNCTIONS, kProgramListHeader);
    for (int slot = 0; slot < kFunctionCount; ++slot)
        ListAddString(dialog, IDC_MENU_FUNCTIONS, FunctionListLine(state->launcher->tables, slot));
    ProgramList programs = ReadProgramRecords();
    ShowMessages(programs);
    state->programsReadable = programs.ok;
    state->programs = programs.records;
    ListAddString(dialog, IDC_MENU_PROGRAMS, kProgramListHeader);
    for (const ProgramRecord& record : state->programs)
        ListAddString(dialog, IDC_MENU_PROGRAMS, ProgramListLine(record));
}

void ShowMenuPage(HWND dialog, MenuState* state, bool programPage) {
    if (programPage == state->programPage) return;
    state->programPage = programPage;
    ShowControl(dialog, IDC_MENU_FUNCTIONS, !programPage);
    ShowControl(dialog, IDC_MENU_PROGRAMS, programPage);
    InvalidateRect(GetDlgItem(dialog, IDC_MENU_TAB_FUNCTIONS), nullptr, TRUE);
    InvalidateRect(GetDlgItem(dialog, IDC_MENU_TAB_PROGRAMS), nullptr, TRUE);
}

void DeleteRegion(HWND dialog, MenuState* state) {
    const int list = state->programPage ? IDC_MENU_PROGRAMS : IDC_MENU_FUNCTIONS;
    const int row = static_cast<int>(ListSelection(dialog, list));
    if (row < 1) return;  // the header stays
    if (state->programPage) {
        ListDelete(dialog, list, row);
        state->programs.erase(state->programs.begin() + (row - 1));
        return;
    }
    FunctionSlot& slot = state->launcher->tables.functions[row - 1];
    slot.rect = RegionRect();
    slot.number = static_cast<int16_t>(row - 1);
    ReplaceLine(dialog, list, row, FunctionListLine(state->launcher->tables, row - 1));
}

void EditFunctionRow(HWND dialog, MenuState* state) {
    const int row = static_cast<int>(ListSelection(dialog, IDC_MENU_FUNCTIONS));
    if (row < 1 || row > kFunctionCount) return;
    if (RunRegionCoordinates(dialog, state->launcher->tables, row - 1) == 1)
        ReplaceLine(dialog, IDC_MENU_FUNCTIONS, row, FunctionListLine(state->launcher->tables, row - 1));
}

void MenuOnOk(HWND dialog, MenuState* state) {
    SaveFunctionRegions(dialog, state->launcher->tables);
    if (state->programsReadable) RewritePrograms(dialog, state->programs);
    LoadLauncherRegions(*state->launcher);
    EndDialog(dialog, 1);
}

BOOL MenuOnInitDialog(HWND dialog, HWND, LPARAM param) {
    auto* state = reinterpret_cast<MenuState*>(param);
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    CentreOnOwner(dialog);
    SendDlgItemMessageA(dialog, IDC_MENU_FUNCTIONS, LB_SETTABSTOPS, 4,
                        reinterpret_cast<LPARAM>(kListTabStops));
    for (int i = 0; i < 4; ++i) {
        RECT r = {kListTabStops[i], 0, 0, 0};
        MapDialogRect(dialog, &r);
        state->tabStops[i] = r.left;
    }
    FillMenuLists(dialog, state);
    return TRUE;
}

void MenuOnCommand(HWND dialog, int id, HWND, UINT code) {
    MenuState* state = MenuOf(dialog);
    if (!state) return;
    switch (id) {
        case IDC_MENU_TAB_FUNCTIONS:
        case IDC_MENU_TAB_PROGRAMS:
            // A tab becomes current when it gets the focus, by a click or from the keyboard.
            if (code == BN_SETFOCUS || code == BN_CLICKED)
                ShowMenuPage(dialog, state, id == IDC_MENU_TAB_PROGRAMS);
            break;
        case IDC_MENU_FUNCTIONS:
            if (code == LBN_DBLCLK) EditFunctionRow(dialog, state);
            break;
        case IDC_MENU_DELETE: DeleteRegion(dialog, state); break;
        case IDOK: MenuOnOk(dialog, state); break;
        case IDCANCEL:
            // The tables follow the files again: deleted and retyped regions come back.
            LoadLauncherRegions(*state->launcher);
            EndDialog(dialog, 0);
            break;
    }
}

void MenuOnMeasureItem(HWND dialog, MEASUREITEMSTRUCT* item) {
    if (item->CtlID != IDC_MENU_PROGRAMS) return;
    HDC dc = GetDC(dialog);
    HFONT old = SelectFont(dc, GetWindowFont(dialog));
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    SelectFont(dc, old);
    ReleaseDC(dialog, dc);
    item->itemHeight = static_cast<UINT>(tm.tmHeight * 2);
}

// A program row: name and coordinates on the first line, the command line on the second.
void DrawProgramRow(HWND dialog, MenuState* state, const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    if (item.itemID != static_cast<UINT>(-1)) {
        FillRect(dc, &r, GetStockBrush(WHITE_BRUSH));
        const std::string line = ListText(dialog, IDC_MENU_PROGRAMS, static_cast<int>(item.itemID));
        const size_t split = TabFieldOffset(line, 5);
        const std::string first = line.substr(0, split > 0 ? split - 1 : 0);
        const std::string second = split <= line.size() ? "\t" + line.substr(split) : std::string();
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        const int half = (r.bottom - r.top) / 2;
        TabbedTextOutA(dc, r.left, r.top, first.c_str(), static_cast<int>(first.size()), 4,
                       state->tabStops, r.left);
        int commandStop = kCommandTabStop;
        TabbedTextOutA(dc, r.left, r.top + half, second.c_str(), static_cast<int>(second.size()), 1,
                       &commandStop, r.left);
        if (item.itemState & ODS_SELECTED) InvertRect(dc, &r);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

void MenuOnDrawItem(HWND dialog, const DRAWITEMSTRUCT* item) {
    MenuState* state = MenuOf(dialog);
    if (!state) return;
    switch (item->CtlID) {
        case IDC_MENU_TAB_FUNCTIONS: DrawTab(*item, !state->programPage); break;
        case IDC_MENU_TAB_PROGRAMS: DrawTab(*item, state->programPage); break;
        case IDC_MENU_PROGRAMS: DrawProgramRow(dialog, state, *item); break;
    }
}

void MenuOnPaint(HWND dialog) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(dialog, &ps);
    DrawPageFrame(dialog, dc, IDC_MENU_PAGE_FRAME, IDC_MENU_TAB_FUNCTIONS);
    EndPaint(dialog, &ps);
}

INT_PTR CALLBACK MenuProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, MenuOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, MenuOnCommand);
        case WM_MEASUREITEM:
            HANDLE_WM_MEASUREITEM(dialog, wParam, lParam, MenuOnMeasureItem);
            return TRUE;
        case WM_DRAWITEM:
            HANDLE_WM_DRAWITEM(dialog, wParam, lParam, MenuOnDrawItem);
            return TRUE;
        case WM_PAINT:
            HANDLE_WM_PAINT(dialog, wParam, lParam, MenuOnPaint);
            return TRUE;
        HANDLE_MSG(dialog, WM_CTLCOLORDLG, OnCtlColorDialog);
        HANDLE_MSG(dialog, WM_CTLCOLORSTATIC, OnCtlColorControl);
        HANDLE_MSG(dialog, WM_CTLCOLORBTN, OnCtlColorControl);
    }
    return FALSE;
}

}  // namespace

int RunRegionBinding(HWND owner, LauncherState& launcher) {
    BindingState state{&launcher};
    return RunDialog(IDD_REGION_BINDING, owner, BindingProc, reinterpret_cast<LPARAM>(&state));
}

int RunMenuSettings(HWND owner, LauncherState& launcher) {
    MenuState state;
    state.launcher = &launcher;
    return RunDialog(IDD_MENU_SETTINGS, owner, MenuProc, reinterpret_cast<LPARAM>(&state));
}

int RunRegionCoordinates(HWND owner, LauncherRegions& tables, int slot) {
    CoordinatesRequest request{&tables, slot};
    return RunDialog(IDD_REGION_COORDINATES, owner, CoordinatesProc, reinterpret_cast<LPARAM>(&request));
}
