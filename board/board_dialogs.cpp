#include "board/board_dialogs.h"

#include <windowsx.h>

#include <vector>

#include "board/bord_store.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "store/message_sink.h"
#include "store/sjis.h"

namespace {

// ---- moving one entry of a list box ----

std::string ListText(HWND list, int index) {
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    std::vector<char> buffer(static_cast<size_t>(length < 0 ? 0 : length) + 2, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

std::vector<std::string> ListEntries(HWND dialog, int control) {
    std::vector<std::string> entries;
    HWND list = GetDlgItem(dialog, control);
    const int count = static_cast<int>(ListCount(dialog, control));
    for (int i = 0; i < count; ++i) entries.push_back(ListText(list, i));
    return entries;
}

void MoveMember(HWND dialog, int control, bool up) {
    std::vector<std::string> entries = ListEntries(dialog, control);
    std::vector<bool> selected;
    for (size_t i = 0; i < entries.size(); ++i)
        selected.push_back(ListIsSelected(dialog, control, static_cast<int>(i)) > 0);
    std::string message;
    const int to = MoveEntry(entries, selected, up, &message);
    if (to < 0) {
        ShowNotice(dialog, message);
        return;
    }
    ListReset(dialog, control);
    for (const std::string& e : entries) ListAddString(dialog, control, e);
    ListSelectMulti(dialog, control, to);
}

// ---- the destination list dialog (320) ----

BOOL DestOnInitDialog(HWND dialog, HWND, LPARAM) {
    CentreWindow(dialog);
    EditLimit(dialog, IDC_DEST_NEW, static_cast<int>(kDestinationEntryMax));
    for (const std::string& e : LoadDestinations(ClientStore(), DestinationList::kPersonal))
        ListAddString(dialog, IDC_DEST_LIST, e);
    return TRUE;
}

void DestAdd(HWND dialog) {
    // The box counts characters, the list file bytes.
    const std::string text = DialogText(dialog, IDC_DEST_NEW, kDestinationEntryMax);
    if (text.empty()) {
        ShowNotice(dialog, kMsgNoDestination);
        return;
    }
    ListAddString(dialog, IDC_DEST_LIST, text);
    SetDlgItemTextA(dialog, IDC_DEST_NEW, "");
}

void DestDelete(HWND dialog) {
    for (int i = static_cast<int>(ListCount(dialog, IDC_DEST_LIST)) - 1; i >= 0; --i)
        if (ListIsSelected(dialog, IDC_DEST_LIST, i) > 0) ListDelete(dialog, IDC_DEST_LIST, i);
}

void DestOnCommand(HWND dialog, int id, HWND, UINT) {
    switch (id) {
        case IDC_DEST_ADD: DestAdd(dialog); break;
        case IDC_DEST_DELETE: DestDelete(dialog); break;
        case IDC_DEST_UP: MoveMemberUp(dialog, IDC_DEST_LIST); break;
        case IDC_DEST_DOWN: MoveMemberDown(dialog, IDC_DEST_LIST); break;
        case IDOK: {
            StoreResult saved;
            {
                WaitCursor busy;
                saved = SavePersonalDestinations(ClientStore(), ListEntries(dialog, IDC_DEST_LIST));
            }
            ShowMessages(saved);
            EndDialog(dialog, 1);
            break;
        }
        case IDCANCEL: EndDialog(dialog, 0); break;
    }
}

INT_PTR CALLBACK DestProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, DestOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, DestOnCommand);
    }
    return FALSE;
}

// ---- the entry dialog (310) ----

struct EntryState {
    EntryPerson person;
    EntryDate date;
    EntryDate today;
    WhereaboutsRecord record;  // as read when the dialog opened; unnamed bytes go back unchanged
    int kind = IDC_KIND_RETURN;
    bool settingButtons = false;  // the buttons follow the labels: no echo back into them
};

EntryState* EntryOf(HWND dialog) {
    return reinterpret_cast<EntryState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

int HourLabel(int kind) {
    return kind == IDC_KIND_ARRIVE ? IDC_ARRIVE_HOUR : kind == IDC_KIND_LEAVE ? IDC_LEAVE_HOUR : IDC_RETURN_HOUR;
}
int MinuteLabel(int kind) { return HourLabel(kind) + 1; }

void SetNumber(HWND dialog, int control, int value) {
    SetDlgItemTextA(dialog, control, std::to_string(value).c_str());
}

// The value a label or edit shows, or -1 when it is not a clock value.
int ClockValue(HWND dialog, int control, int max) {
    const std::string text = DialogText(dialog, control, 16);
    if (text.empty()) return 0;
    int value = 0;
    return ParseClockField(text, max, &value) ? value : -1;
}

// The hour and minute buttons show the current kind's labels.
void ShowKindOnButtons(HWND dialog) {
    EntryState* state = EntryOf(dialog);
    state->settingButtons = true;
    const std::string hourText = DialogText(dialog, HourLabel(state->kind), 16);
    const std::string minuteText = DialogText(dialog, MinuteLabel(state->kind), 16);
    int hour = 0, minute = 0;
    const bool hourOk = hourText.empty() || ParseClockField(hourText, 23, &hour);
    const bool minuteOk = minuteText.empty() || ParseClockField(minuteText, 59, &minute);
    if (hourOk && hour >= 8 && hour <= 19) {
        CheckRadioButton(dialog, IDC_HOUR_FIRST, IDC_HOUR_OTHER, IDC_HOUR_FIRST + hour - 8);
        SetDlgItemTextA(dialog, IDC_HOUR_OTHER_EDIT, "");
    } else {
        CheckRadioButton(dialog, IDC_HOUR_FIRST, IDC_HOUR_OTHER, IDC_HOUR_OTHER);
        SetDlgItemTextA(dialog, IDC_HOUR_OTHER_EDIT, hourText.c_str());
    }
    if (minuteOk && minute % 5 == 0) {
        CheckRadioButton(dialog, IDC_MINUTE_FIRST, IDC_MINUTE_OTHER, IDC_MINUTE_FIRST + minute / 5);
        SetDlgItemTextA(dialog, IDC_MINUTE_OTHER_EDIT, "");
    } else {
        CheckRadioButton(dialog, IDC_MINUTE_FIRST, IDC_MINUTE_OTHER, IDC_MINUTE_OTHER);
        SetDlgItemTextA(dialog, IDC_MINUTE_OTHER_EDIT, minuteText.c_str());
    }
    state->settingButtons = false;
}

BOOL EntryOnInitDialog(HWND dialog, HWND, LPARAM param) {
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    EntryState* state = reinterpret_cast<EntryState*>(param);
    CentreWindow(dialog);
    EditLimit(dialog, IDC_ENTRY_NOTE, static_cast<int>(kNoteMax));
    EditLimit(dialog, IDC_HOUR_OTHER_EDIT, 2);
    EditLimit(dialog, IDC_MINUTE_OTHER_EDIT, 2);
    SendDlgItemMessageA(dialog, IDC_ENTRY_DEST, CB_LIMITTEXT, kDestinationMax, 0);
    WhereaboutsRead read;
    {
        WaitCursor busy;
        read = ReadWhereabouts(ClientStore(), state->person.numberText, state->person.name,
                               state->date, state->today);
    }
    state->record = read.record;
    const WhereaboutsRecord& r = state->record;
    SetWindowTextA(dialog, EntryDialogTitle(state->date).c_str());
    SetDlgItemTextA(dialog, IDC_ENTRY_NAME, state->person.name.c_str());
    for (const std::string& e : LoadDestinations(ClientStore(), DestinationList::kShared))
        SendDlgItemMessageA(dialog, IDC_ENTRY_DEST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
    for (const std::string& e : LoadDestinations(ClientStore(), DestinationList::kPersonal))
        SendDlgItemMessageA(dialog, IDC_ENTRY_DEST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
    SetDlgItemTextA(dialog, IDC_ENTRY_DEST, r.destination.c_str());
    SetDlgItemTextA(dialog, IDC_ENTRY_NOTE, r.note.c_str());
    SetNumber(dialog, IDC_RETURN_HOUR, r.returnHour);
    SetNumber(dialog, IDC_RETURN_MINUTE, r.returnMinute);
    SetNumber(dialog, IDC_ARRIVE_HOUR, r.arriveHour);
    SetNumber(dialog, IDC_ARRIVE_MINUTE, r.arriveMinute);
    SetNumber(dialog, IDC_LEAVE_HOUR, r.leaveHour);
    SetNumber(dialog, IDC_LEAVE_MINUTE, r.leaveMinute);
    CheckRadioButton(dialog, IDC_KIND_RETURN, IDC_KIND_LEAVE, IDC_KIND_RETURN);
    ShowKindOnButtons(dialog);
    return TRUE;
}

// Saves the entry; false (the dialog stays) when a time is not one.
bool EntrySave(HWND dialog) {
    EntryState* state = EntryOf(dialog);
    const int hours[] = {IDC_RETURN_HOUR, IDC_ARRIVE_HOUR, IDC_LEAVE_HOUR};
    int values[6];
    for (int i = 0; i < 3; ++i) {
        values[2 * i] = ClockValue(dialog, hours[i], 23);
        values[2 * i + 1] = ClockValue(dialog, hours[i] + 1, 59);
        if (values[2 * i] < 0 || values[2 * i + 1] < 0) {
            ShowWarning(dialog, kMsgBadClock);
            return false;
        }
    }
    WhereaboutsRecord& r = state->record;
    // The boxes count characters, the record bytes: every text is cut on a character boundary
    // so that none runs into the field after it.
    r.name = DialogText(dialog, IDC_ENTRY_NAME, kBordNameMax);
    r.destination = DialogText(dialog, IDC_ENTRY_DEST, kDestinationMax);
    r.note = DialogText(dialog, IDC_ENTRY_NOTE, kNoteMax);
    r.returnHour = values[0];
    r.returnMinute = values[1];
    r.arriveHour = values[2];
    r.arriveMinute = values[3];
    r.leaveHour = values[4];
    r.leaveMinute = values[5];
    r.written = LocalTimeNow();
    r.writer = CurrentUser().name;
    StoreResult written;
    {
        WaitCursor busy;
        written = WriteWhereabouts(ClientStore(), state->person.numberText, state->date, state->today, r);
    }
    ShowMessages(written);
    return true;
}

void OnOtherEdit(HWND dialog, int edit, int other, int label) {
    if (EntryOf(dialog)->settingButtons) return;
    const std::string text = DialogText(dialog, edit, 8);
    if (!text.empty()) CheckRadioButton(dialog, edit == IDC_HOUR_OTHER_EDIT ? IDC_HOUR_FIRST : IDC_MINUTE_FIRST,
                                        other, other);
    if (!text.empty() || IsDlgButtonChecked(dialog, other) == BST_CHECKED)
        SetDlgItemTextA(dialog, label, text.c_str());
}

void EntryOnCommand(HWND dialog, int id, HWND, UINT code) {
    EntryState* state = EntryOf(dialog);
    if (id >= IDC_KIND_RETURN && id <= IDC_KIND_LEAVE && code == BN_CLICKED) {
        state->kind = id;
        ShowKindOnButtons(dialog);
    } else if (id >= IDC_HOUR_FIRST && id <= IDC_HOUR_LAST && code == BN_CLICKED) {
        SetNumber(dialog, HourLabel(state->kind), id - IDC_HOUR_FIRST + 8);
        state->settingButtons = true;
        SetDlgItemTextA(dialog, IDC_HOUR_OTHER_EDIT, "");
        state->settingButtons = false;
    } else if (id >= IDC_MINUTE_FIRST && id <= IDC_MINUTE_LAST && code == BN_CLICKED) {
        SetNumber(dialog, MinuteLabel(state->kind), (id - IDC_MINUTE_FIRST) * 5);
        state->settingButtons = true;
        SetDlgItemTextA(dialog, IDC_MINUTE_OTHER_EDIT, "");
        state->settingButtons = false;
    } else if (id == IDC_HOUR_OTHER && code == BN_CLICKED) {
        SetDlgItemTextA(dialog, HourLabel(state->kind), DialogText(dialog, IDC_HOUR_OTHER_EDIT, 8).c_str());
        SetFocus(GetDlgItem(dialog, IDC_HOUR_OTHER_EDIT));
    } else if (id == IDC_MINUTE_OTHER && code == BN_CLICKED) {
        SetDlgItemTextA(dialog, MinuteLabel(state->kind), DialogText(dialog, IDC_MINUTE_OTHER_EDIT, 8).c_str());
        SetFocus(GetDlgItem(dialog, IDC_MINUTE_OTHER_EDIT));
    } else if (id == IDC_HOUR_OTHER_EDIT && code == EN_CHANGE) {
        OnOtherEdit(dialog, id, IDC_HOUR_OTHER, HourLabel(state->kind));
    } else if (id == IDC_MINUTE_OTHER_EDIT && code == EN_CHANGE) {
        OnOtherEdit(dialog, id, IDC_MINUTE_OTHER, MinuteLabel(state->kind));
    } else if (id == IDOK) {
        if (EntrySave(dialog)) EndDialog(dialog, 1);
    } else if (id == IDC_ENTRY_CANCEL) {
        EndDialog(dialog, 0);
    } else if (id == IDCANCEL) {
        // The close box and Escape.
        if (AskOkCancel(dialog, "キャンセルしますか？")) EndDialog(dialog, 0);
    }
}

INT_PTR CALLBACK EntryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, EntryOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, EntryOnCommand);
    }
    return FALSE;
}

}  // namespace

void MoveMemberUp(HWND dialog, int listControl) { MoveMember(dialog, listControl, true); }
void MoveMemberDown(HWND dialog, int listControl) { MoveMember(dialog, listControl, false); }

int RunDestinationDialog(HWND owner) { return RunDialog(IDD_DESTINATIONS, owner, DestProc, 0); }

int RunWhereaboutsEntry(HWND owner, const EntryPerson& person, const EntryDate* date,
                        std::string* destination) {
    EntryState state;
    state.person = person;
    // Today is the day the dialog opens, not the day the client started.
    state.today = EntryDateFromTime(LocalTimeNow());
    state.date = date ? *date : state.today;
    const int saved = RunDialog(IDD_BORD_ENTRY, owner, EntryProc, reinterpret_cast<LPARAM>(&state));
    if (destination) *destination = state.record.destination;
    return saved;
}

int RunOwnDestinationEntry(HWND owner, const LocalUser& user, std::string* destination) {
    return RunWhereaboutsEntry(owner, EntryPerson{user.name, user.numberText}, nullptr, destination);
}
