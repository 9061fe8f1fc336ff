// The environment settings dialog (220).
#include "shell/environment_dialog.h"

#include <windowsx.h>
#include <commdlg.h>
#include <mmsystem.h>

#include <string>
#include <vector>

#include "app/settings/environment.h"
#include "app/settings/keys.h"
#include "app/settings/local_user.h"
#include "app/settings/profile.h"
#include "app/settings/settings.h"
#include "board/board_dialogs.h"
#include "res/resource.h"
#include "shell/plumbing.h"
#include "shell/tab_pages.h"
#include "store/message_sink.h"
#include "users/registry.h"
#include "users/signin_dialogs.h"

namespace {

const char kSoundChooserTitle[] = "ミトカ　ファイル選択";
// "Wav (*.wav),*.wav,All (*.*),*.*" with the commas as the separators of the filter list.
const char kSoundFilter[] = "Wav (*.wav)\0*.wav\0All (*.*)\0*.*\0";
constexpr DWORD kChooserBufferSize = 256;
constexpr int kMemberTabStop = 100;  // dialog units: the number column of both member lists

constexpr int kRclkButtons = 8;

// A page: its tab and its controls.
struct PageControls {
    int tab;
    std::vector<int> controls;
};

const PageControls& Page(int page) {
    static const PageControls kPages[kPageCount] = {
        {IDC_TAB_GENERAL,
         {IDC_ENV_TITLE_LABEL, IDC_ENV_TITLE, IDC_ENV_AUTO_LOGIN, IDC_ENV_USER_NAME,
          IDC_ENV_CHANGE_USER, IDC_ENV_WINDOW_POS, IDC_ENV_MAIL_POPUP, IDC_ENV_MAIL_SEND,
          IDC_ENV_BBS_CHECK, IDC_ENV_CONFIDENTIAL, IDC_ENV_LOGIN_CHECK, IDC_ENV_EXEC_CHECK,
          IDC_ENV_FORTUNE, IDC_ENV_MINIMIZE, IDC_ENV_RCLK_GROUP, 1179, 1180, 1181, 1182, 1183,
          1184, 1185, 1186, IDC_ENV_NET_DIR_LABEL, IDC_ENV_NET_DIR}},
        {IDC_TAB_TIMER,
         {IDC_ENV_TIMER_NOTE, IDC_ENV_MAIL_SEC_LABEL, IDC_ENV_MAIL_SEC, IDC_ENV_MAIL_SEC_UNIT,
          IDC_ENV_MSG_SEC_LABEL, IDC_ENV_MSG_SEC, IDC_ENV_MSG_SEC_UNIT, IDC_ENV_CHAT_SEC_LABEL,
          IDC_ENV_CHAT_SEC, IDC_ENV_CHAT_SEC_UNIT, IDC_ENV_BBS_SEC_LABEL, IDC_ENV_BBS_SEC,
          IDC_ENV_BBS_SEC_UNIT}},
        {IDC_TAB_SOUND,
         {IDC_ENV_MAIL_WAVE, IDC_ENV_MAIL_WAVE_FILE, IDC_ENV_MAIL_WAVE_PLAY,
          IDC_ENV_MAIL_WAVE_BROWSE, IDC_ENV_DEST_WAVE, IDC_ENV_DEST_WAVE_FILE,
          IDC_ENV_DEST_WAVE_PLAY, IDC_ENV_DEST_WAVE_BROWSE}},
        {IDC_TAB_MODEM,
         {IDC_ENV_MODEM_GROUP, IDC_ENV_MODEM_YES, IDC_ENV_MODEM_NO, IDC_ENV_PORT_GROUP, 1015,
          1016, 1017, 1018, IDC_ENV_LINE_GROUP, IDC_ENV_TONE, IDC_ENV_PULSE, IDC_ENV_BPS_GROUP,
          1208, 1209, 1210, 1211, 1212}},
        {IDC_TAB_MEMBERS,
         {IDC_ENV_ALL_USERS_LABEL, IDC_ENV_ALL_USERS, IDC_ENV_ADD_MEMBERS, IDC_ENV_REMOVE_MEMBERS,
          IDC_ENV_MEMBERS_LABEL, IDC_ENV_MEMBERS, IDC_ENV_MEMBER_UP, IDC_ENV_MEMBER_DOWN}},
    };
    return kPages[page];
}

// A group of radio buttons standing for the values lowest..highest of one key.
struct RadioGroup {
    int firstButton;
    int lowest, highest;
};
const RadioGroup kRclkGroup = {IDC_ENV_RCLK_FIRST, 0, kRclkButtons - 1};
const RadioGroup kUseGroup = {IDC_ENV_MODEM_YES, 1, 2};
const RadioGroup kPortGroup = {IDC_ENV_PORT_FIRST, 1, 4};
const RadioGroup kTypeGroup = {IDC_ENV_TONE, 1, 2};
const RadioGroup kBpsGroup = {IDC_ENV_BPS_FIRST, 4, 8};

int LastButton(const RadioGroup& g) { return g.firstButton + g.highest - g.lowest; }

// Turns on the button of a stored value. Only a value of the group's own range has one: a
// hand-edited 5 for a port must not turn on a button of the next group, which OK would then
// store as that group's value.
void ShowRadioValue(HWND dialog, const RadioGroup& g, int value) {
    if (value < g.lowest || value > g.highest) return;
    CheckRadioButton(dialog, g.firstButton, LastButton(g), g.firstButton + value - g.lowest);
}

// The value of the button that is on; `unchanged` when none is.
int RadioValue(HWND dialog, const RadioGroup& g, int unchanged) {
    for (int id = g.firstButton; id <= LastButton(g); ++id)
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) return g.lowest + id - g.firstButton;
    return unchanged;
}

struct CheckBoxKey {
    int control;
    int EnvironmentValues::*value;
};
const CheckBoxKey kCheckBoxes[] = {
    {IDC_ENV_AUTO_LOGIN, &EnvironmentValues::autoLogin},
    {IDC_ENV_WINDOW_POS, &EnvironmentValues::windowPos},
    {IDC_ENV_MAIL_POPUP, &EnvironmentValues::mailPopup},
    {IDC_ENV_MAIL_SEND, &EnvironmentValues::mailSend},
    {IDC_ENV_BBS_CHECK, &EnvironmentValues::bbsCheck},
    {IDC_ENV_CONFIDENTIAL, &EnvironmentValues::confidentialColor},
    {IDC_ENV_LOGIN_CHECK, &EnvironmentValues::loginCheck},
    {IDC_ENV_EXEC_CHECK, &EnvironmentValues::execCheck},
    {IDC_ENV_FORTUNE, &EnvironmentValues::fortune},
    {IDC_ENV_MINIMIZE, &EnvironmentValues::minimize},
    {IDC_ENV_MAIL_WAVE, &EnvironmentValues::mailWave},
    {IDC_ENV_DEST_WAVE, &EnvironmentValues::destWave},
};

struct TextKey {
    int control;
    std::string EnvironmentValues::*value;
    size_t maxBytes;
};
const TextKey kTexts[] = {
    {IDC_ENV_TITLE, &EnvironmentValues::title, 20},
    {IDC_ENV_MAIL_SEC, &EnvironmentValues::mailCheckSec, std::string::npos},
    {IDC_ENV_MSG_SEC, &EnvironmentValues::msgCheckSec, std::string::npos},
    {IDC_ENV_CHAT_SEC, &EnvironmentValues::chatCheckSec, std::string::npos},
    {IDC_ENV_BBS_SEC, &EnvironmentValues::bbsCheckSec, std::string::npos},
    {IDC_ENV_MAIL_WAVE_FILE, &EnvironmentValues::mailWaveFile, kWaveFileMax},
    {IDC_ENV_DEST_WAVE_FILE, &EnvironmentValues::destWaveFile, kWaveFileMax},
};

struct EnvironmentState {
    EnvironmentValues opened;  // as the dialog opened: groups left without a button keep them
    int page = kPageGeneral;
    bool membersReadable = true;
};

EnvironmentState* StateOf(HWND dialog) {
    return reinterpret_cast<EnvironmentState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

int PageOfTab(int control) {
    for (int page = 0; page < kPageCount; ++page)
        if (Page(page).tab == control) return page;
    return -1;
}

// The name of the user this PC signs in as at the next start (the user picker may have changed
// it); "" for none.
void ShowLocalUserName(HWND dialog) {
    std::string name;
    const int number = LocalInt(kSectionEnvironment, kKeyNameNumber, 0);
    if (number != 0) {
        RegistryMatch match = LookupUserName(StoreContext{LocalSettings().netDir, 0}, number);
        if (match.found) name = match.record.name;
    }
    SetDlgItemTextA(dialog, IDC_ENV_USER_NAME, name.c_str());
}

// Port, line type and speed only mean something with a modem.
void EnableModemButtons(HWND dialog, bool enable) {
    for (const RadioGroup* g : {&kPortGroup, &kTypeGroup, &kBpsGroup})
        for (int id = g->firstButton; id <= LastButton(*g); ++id) EnableControl(dialog, id, enable);
}

void FillMemberLists(HWND dialog, EnvironmentState* state) {
    int tabStop = kMemberTabStop;
    for (int list : {IDC_ENV_ALL_USERS, IDC_ENV_MEMBERS}) {
        ListReset(dialog, list);
        SendDlgItemMessageA(dialog, list, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    }
    BoardMemberLists lists;
    {
        WaitCursor wait;
        lists = LoadBoardMemberLists(ClientStore());
    }
    for (const std::string& line : lists.allUsers) ListAddString(dialog, IDC_ENV_ALL_USERS, line);
    for (const std::string& line : lists.members) ListAddString(dialog, IDC_ENV_MEMBERS, line);
    ShowMessages(lists);
    // What cannot be read cannot be edited: the list stays as it is in the store.
    state->membersReadable = !lists.membersUnreadable;
    if (!state->membersReadable) {
        for (int id : {IDC_ENV_ADD_MEMBERS, IDC_ENV_REMOVE_MEMBERS, IDC_ENV_MEMBER_UP,
                       IDC_ENV_MEMBER_DOWN, IDC_ENV_ALL_USERS, IDC_ENV_MEMBERS})
            EnableControl(dialog, id, false);
    }
}

void ShowValues(HWND dialog, const EnvironmentValues& v) {
    for (const TextKey& t : kTexts) SetDlgItemTextA(dialog, t.control, (v.*(t.value)).c_str());
    EditLimit(dialog, IDC_ENV_TITLE, 20);
    for (const CheckBoxKey& c : kCheckBoxes)
        CheckDlgButton(dialog, c.control, v.*(c.value) ? BST_CHECKED : BST_UNCHECKED);
    ShowRadioValue(dialog, kRclkGroup, v.rclk);
    ShowRadioValue(dialog, kUseGroup, v.modem.use);
    ShowRadioValue(dialog, kPortGroup, v.modem.port);
    ShowRadioValue(dialog, kTypeGroup, v.modem.type);
    ShowRadioValue(dialog, kBpsGroup, v.modem.bps);
    EnableModemButtons(dialog, v.modem.use == 1);
    SetDlgItemTextA(dialog, IDC_ENV_NET_DIR, LocalSettings().netDir.c_str());
    ShowLocalUserName(dialog);
}

EnvironmentValues ChosenValues(HWND dialog, const EnvironmentValues& opened) {
    EnvironmentValues v = opened;
    for (const TextKey& t : kTexts) v.*(t.value) = DialogText(dialog, t.control, t.maxBytes);
    for (const CheckBoxKey& c : kCheckBoxes)
        v.*(c.value) = IsDlgButtonChecked(dialog, c.control) == BST_CHECKED ? 1 : 0;
    v.rclk = RadioValue(dialog, kRclkGroup, opened.rclk);
    v.modem.use = IsDlgButtonChecked(dialog, IDC_ENV_MODEM_YES) == BST_CHECKED ? 1 : 2;
    v.modem.port = RadioValue(dialog, kPortGroup, opened.modem.port);
    v.modem.type = RadioValue(dialog, kTypeGroup, opened.modem.type);
    v.modem.bps = RadioValue(dialog, kBpsGroup, opened.modem.bps);
    return v;
}

std::vector<std::string> ListTexts(HWND dialog, int control) {
    std::vector<std::string> lines;
    const int count = static_cast<int>(ListCount(dialog, control));
    for (int i = 0; i < count; ++i) {
        LRESULT length = SendDlgItemMessageA(dialog, control, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::vector<char> text(static_cast<size_t>(length < 0 ? 0 : length) + 1, '\0');
        SendDlgItemMessageA(dialog, control, LB_GETTEXT, static_cast<WPARAM>(i),
                            reinterpret_cast<LPARAM>(text.data()));
        lines.push_back(text.data());
    }
    return lines;
}

void SelectPage(HWND dialog, EnvironmentState* state, int page) {
    if (page < 0 || page == state->page) return;
    const int previous = state->page;
    HidePage(dialog, previous);
    ShowPage(dialog, page);
    state->page = page;
    // The tabs change their look: the chosen one opens into the page.
    InvalidateRect(GetDlgItem(dialog, Page(previous).tab), nullptr, TRUE);
    InvalidateRect(GetDlgItem(dialog, Page(page).tab), nullptr, TRUE);
}

// 参照: a sound file of this PC. The current folder stays as it was: a network directory given
// relative to it must keep naming the same folder.
void ChooseSoundFile(HWND dialog, int edit) {
    char file[kChooserBufferSize] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = dialog;
    ofn.lpstrFilter = kSoundFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = kChooserBufferSize;
    ofn.lpstrTitle = kSoundChooserTitle;
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                OFN_NOCHANGEDIR;
    if (GetOpenFileNameA(&ofn)) SetDlgItemTextA(dialog, edit, file);
}

// 聞く: the file as it stands in the edit, whatever the switch says.
void PlaySoundFile(HWND dialog, int edit) {
    const std::string file = DialogText(dialog, edit, kWaveFileMax);
    sndPlaySoundA(nullptr, 0);
    sndPlaySoundA(file.c_str(), SND_ASYNC | SND_NOSTOP);
}

void ChangeLocalUser(HWND dialog) {
    RunUserPickerDialog(dialog, StoreContext{LocalSettings().netDir, 0});
    ShowLocalUserName(dialog);
}

void OnOk(HWND dialog, EnvironmentState* state) {
    SaveEnvironment(ChosenValues(dialog, state->opened));
    if (state->membersReadable) {
        WaitCursor wait;
        ShowMessages(SaveBoardMembers(ClientStore(), ListTexts(dialog, IDC_ENV_MEMBERS)));
    }
    EndDialog(dialog, 1);
}

// ---- message handlers ----

BOOL OnInitDialog(HWND dialog, HWND, LPARAM param) {
    auto* state = reinterpret_cast<EnvironmentState*>(param);
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    CentreWindow(dialog);
    state->opened = CurrentEnvironment();
    ShowValues(dialog, state->opened);
    FillMemberLists(dialog, state);
    for (int page = kPageGeneral + 1; page < kPageCount; ++page) HidePage(dialog, page);
    return TRUE;
}

void OnCommand(HWND dialog, int id, HWND, UINT code) {
    EnvironmentState* state = StateOf(dialog);
    if (!state) return;
    const int page = PageOfTab(id);
    if (page >= 0) {
        // A tab becomes current when it gets the focus, by a click or from the keyboard.
        if (code == BN_SETFOCUS || code == BN_CLICKED) SelectPage(dialog, state, page);
        return;
    }
    if ((id == IDC_ENV_ALL_USERS || id == IDC_ENV_MEMBERS) && code != LBN_DBLCLK) return;
    switch (id) {
        case IDOK: OnOk(dialog, state); break;
        case IDCANCEL: EndDialog(dialog, 0); break;
        case IDC_ENV_CHANGE_USER: ChangeLocalUser(dialog); break;
        case IDC_ENV_MAIL_WAVE_BROWSE: ChooseSoundFile(dialog, IDC_ENV_MAIL_WAVE_FILE); break;
        case IDC_ENV_DEST_WAVE_BROWSE: ChooseSoundFile(dialog, IDC_ENV_DEST_WAVE_FILE); break;
        case IDC_ENV_MAIL_WAVE_PLAY: PlaySoundFile(dialog, IDC_ENV_MAIL_WAVE_FILE); break;
        case IDC_ENV_DEST_WAVE_PLAY: PlaySoundFile(dialog, IDC_ENV_DEST_WAVE_FILE); break;
        case IDC_ENV_MODEM_YES: EnableModemButtons(dialog, true); break;
        case IDC_ENV_MODEM_NO: EnableModemButtons(dialog, false); break;
        case IDC_ENV_ADD_MEMBERS:
        case IDC_ENV_ALL_USERS:
            MoveSelectedUsers(dialog, IDC_ENV_ALL_USERS, IDC_ENV_MEMBERS);
            break;
        case IDC_ENV_REMOVE_MEMBERS:
        case IDC_ENV_MEMBERS:
            MoveSelectedUsers(dialog, IDC_ENV_MEMBERS, IDC_ENV_ALL_USERS);
            break;
        case IDC_ENV_MEMBER_UP: MoveMemberUp(dialog, IDC_ENV_MEMBERS); break;
        case IDC_ENV_MEMBER_DOWN: MoveMemberDown(dialog, IDC_ENV_MEMBERS); break;
    }
}

void OnDrawItem(HWND dialog, const DRAWITEMSTRUCT* item) {
    EnvironmentState* state = StateOf(dialog);
    const int page = PageOfTab(static_cast<int>(item->CtlID));
    if (state && page >= 0) DrawTab(*item, page == state->page);
}

void OnPaint(HWND dialog) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(dialog, &ps);
    DrawPageFrame(dialog, dc, IDC_PAGE_FRAME, IDC_TAB_GENERAL);
    EndPaint(dialog, &ps);
}

HBRUSH OnCtlColorDialog(HWND, HDC dc, HWND, int) { return PageBackground(dc, false); }
HBRUSH OnCtlColorControl(HWND, HDC dc, HWND, int) { return PageBackground(dc, true); }

INT_PTR CALLBACK EnvironmentProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, OnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, OnCommand);
        case WM_DRAWITEM:
            HANDLE_WM_DRAWITEM(dialog, wParam, lParam, OnDrawItem);
            return TRUE;
        case WM_PAINT:
            HANDLE_WM_PAINT(dialog, wParam, lParam, OnPaint);
            return TRUE;
        HANDLE_MSG(dialog, WM_CTLCOLORDLG, OnCtlColorDialog);
        HANDLE_MSG(dialog, WM_CTLCOLORSTATIC, OnCtlColorControl);
        HANDLE_MSG(dialog, WM_CTLCOLORBTN, OnCtlColorControl);
    }
    return FALSE;
}

}  // namespace

void ShowPage(HWND dialog, int page) {
    if (page < 0 || page >= kPageCount) return;
    for (int control : Page(page).controls) ShowControl(dialog, control, true);
}

void HidePage(HWND dialog, int page) {
    if (page < 0 || page >= kPageCount) return;
    for (int control : Page(page).controls) ShowControl(dialog, control, false);
}

void MoveSelectedUsers(HWND dialog, int from, int to) {
    const int count = static_cast<int>(ListCount(dialog, from));
    const std::vector<std::string> lines = ListTexts(dialog, from);
    std::vector<int> moved;
    for (int i = 0; i < count; ++i) {
        if (ListIsSelected(dialog, from, i) > 0) {
            ListAddString(dialog, to, lines[static_cast<size_t>(i)]);
            moved.push_back(i);
        }
    }
    // Last first, so the places of the lines still to go stay as they were.
    for (auto it = moved.rbegin(); it != moved.rend(); ++it) ListDelete(dialog, from, *it);
}

int OpenEnvironmentDialog(HWND owner) {
    EnvironmentState state;
    return RunDialog(IDD_ENVIRONMENT, owner, EnvironmentProc, reinterpret_cast<LPARAM>(&state));
}
