#include "calendar/schedule_dialog.h"

#include <windowsx.h>

#include "app/settings/local_user.h"
#include "mail/compose_text.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "store/sjis.h"

namespace {

const char kMsgAskDelete[] = "削除しますか？";

struct ScheduleDialogState {
    CalendarDate date;
    const ScheduleEntry* editing = nullptr;
};

ScheduleDialogState* StateOf(HWND dialog) {
    return reinterpret_cast<ScheduleDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void ShowTime(HWND dialog, int dateControl, int timeControl, const BrokenDownTime& t) {
    SetDlgItemTextA(dialog, dateControl, FormatDate(DateOf(t)).c_str());
    SetDlgItemTextA(dialog, timeControl, FormatTime(t.hours, t.minutes).c_str());
}

BOOL OnInitDialog(HWND dialog, HWND, LPARAM param) {
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    const ScheduleDialogState* state = reinterpret_cast<ScheduleDialogState*>(param);
    CentreWindow(dialog);
    EditLimit(dialog, IDC_SCHED_SUBJECT, static_cast<int>(kScheduleSubjectMax));
    for (int id : {IDC_SCHED_START_DATE, IDC_SCHED_END_DATE}) EditLimit(dialog, id, 10);
    for (int id : {IDC_SCHED_START_TIME, IDC_SCHED_END_TIME}) EditLimit(dialog, id, 5);
    if (state->editing) {
        const ScheduleRecord& entry = state->editing->record;
        SetDlgItemTextA(dialog, IDC_SCHED_SUBJECT, entry.subject.c_str());
        ShowTime(dialog, IDC_SCHED_START_DATE, IDC_SCHED_START_TIME, entry.start);
        ShowTime(dialog, IDC_SCHED_END_DATE, IDC_SCHED_END_TIME, entry.end);
    } else {
        const std::string day = FormatDate(state->date);
        SetDlgItemTextA(dialog, IDC_SCHED_START_DATE, day.c_str());
        SetDlgItemTextA(dialog, IDC_SCHED_START_TIME, "09:00");
        SetDlgItemTextA(dialog, IDC_SCHED_END_DATE, day.c_str());
        SetDlgItemTextA(dialog, IDC_SCHED_END_TIME, "10:00");
        ShowControl(dialog, IDC_SCHED_DELETE, false);
    }
    return TRUE;
}

// The box limits characters, the record bytes: a subject typed past 75 bytes loses what is past.
void KeepSubjectWithinBytes(HWND dialog) {
    const std::string typed = DialogText(dialog, IDC_SCHED_SUBJECT, 2 * kScheduleSubjectMax + 2);
    if (typed.size() <= kScheduleSubjectMax) return;
    const std::string cut = CutSjis(typed, kScheduleSubjectMax);
    SetDlgItemTextA(dialog, IDC_SCHED_SUBJECT, cut.c_str());
    SendDlgItemMessageA(dialog, IDC_SCHED_SUBJECT, EM_SETSEL, cut.size(), cut.size());
}

// Stores what was typed; the dialog stays open with it when the check or the store refuses.
void OnSave(HWND dialog) {
    const ScheduleDialogState* state = StateOf(dialog);
    ScheduleInput input;
    input.subject = DialogText(dialog, IDC_SCHED_SUBJECT, kScheduleSubjectMax);
    input.startDate = DialogText(dialog, IDC_SCHED_START_DATE, 32);
    input.startTime = DialogText(dialog, IDC_SCHED_START_TIME, 16);
    input.endDate = DialogText(dialog, IDC_SCHED_END_DATE, 32);
    input.endTime = DialogText(dialog, IDC_SCHED_END_TIME, 16);
    const ScheduleCheck check = CheckScheduleInput(input);
    if (!check.ok) {
        ShowWarning(dialog, check.FirstMessage());
        return;
    }
    StoreResult stored;
    {
        WaitCursor busy;
        stored = state->editing ? ScheduleChange(ClientStore(), *state->editing, check.record)
                                : ScheduleAdd(ClientStore(), check.record);
    }
    ShowMessages(stored);
    if (stored.ok) EndDialog(dialog, 1);
}

void OnDelete(HWND dialog) {
    const ScheduleDialogState* state = StateOf(dialog);
    if (!state->editing || !AskOkCancel(dialog, kMsgAskDelete)) return;
    StoreResult removed;
    {
        WaitCursor busy;
        removed = ScheduleRemove(ClientStore(), *state->editing);
    }
    ShowMessages(removed);
    if (removed.ok) EndDialog(dialog, 1);
}

void OnCommand(HWND dialog, int id, HWND, UINT code) {
    switch (id) {
        case IDC_SCHED_SUBJECT:
            if (code == EN_CHANGE) KeepSubjectWithinBytes(dialog);
            break;
        case IDOK: OnSave(dialog); break;
        case IDC_SCHED_DELETE: OnDelete(dialog); break;
        case IDC_DISCARD: EndDialog(dialog, 0); break;
        // Escape and the close box: what was typed would be lost.
        case IDCANCEL:
            if (AskOkCancel(dialog, kMsgAskDiscard)) EndDialog(dialog, 0);
            break;
        default: break;
    }
}

INT_PTR CALLBACK ScheduleDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, OnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, OnCommand);
    }
    return FALSE;
}

}  // namespace

int RunScheduleDialog(HWND owner, const CalendarDate& date, const ScheduleEntry* editing) {
    ScheduleDialogState state;
    state.date = date;
    state.editing = editing;
    return RunDialog(IDD_SCHEDULE, owner, ScheduleDialogProc, reinterpret_cast<LPARAM>(&state));
}
