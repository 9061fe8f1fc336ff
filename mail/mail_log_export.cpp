#include "mail/mail_log_export.h"

#include <commdlg.h>
#include <windowsx.h>

#include "mail/mail_log.h"
#include "mail/mail_log_text.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "store/result.h"

namespace {

constexpr size_t kPathBuffer = 256;

// The positions selected in the list view: several in a multiple-selection view, else the
// current line.
std::vector<long> SelectedPositions(HWND list) {
    std::vector<long> positions;
    int count = ListBox_GetSelCount(list);
    if (count == LB_ERR) {
        int current = ListBox_GetCurSel(list);
        if (current != LB_ERR) positions.push_back(current);
        return positions;
    }
    std::vector<int> items(static_cast<size_t>(count > 0 ? count : 0));
    if (count > 0) ListBox_GetSelItems(list, count, items.data());
    positions.assign(items.begin(), items.end());
    return positions;
}

// The file the user picks; false when the dialog was cancelled.
bool AskLogPath(HWND window, std::string* path) {
    char file[kPathBuffer] = "maillog.txt";
    char title[kPathBuffer] = "";
    // The filters as the list "txt (*.txt),*.txt,All (*.*),*.*" with each comma a NUL.
    static const char kFilters[] = "txt (*.txt)\0*.txt\0All (*.*)\0*.*\0";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = window;
    ofn.lpstrFilter = kFilters;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = sizeof title;
    ofn.lpstrTitle = "ミトカ　メールログファイル";
    // The process's current folder stays where it was: nothing of the client should hang on
    // the folder the user happened to save a log in.
    ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&ofn)) return false;
    *path = file;
    return true;
}

}  // namespace

int ExportMailLog(HWND window, const StoreContext& store, int listKind,
                  const std::vector<ListLine>& shown) {
    HWND list = GetDlgItem(window, IDC_MAIL_LIST);
    const long lineCount = static_cast<long>(shown.size());
    std::vector<long> order = LogExportOrder(lineCount, SelectedPositions(list));
    if (order.empty()) return 1;
    std::string path;
    if (!AskLogPath(window, &path)) return 0;
    if (path.empty()) return 1;
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES && !AskOkCancel(window, kMsgLogExists))
        return 0;
    EnableWindow(GetDlgItem(window, IDC_MAIL_LOG), FALSE);
    std::vector<ListLine> items;
    for (long p : order) items.push_back(shown[static_cast<size_t>(p)]);
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    MailLogResult result = AppendLogEntries(store, listKind, items, path);
    SetCursor(previous);
    ShowMessages(result);
    return 1;
}
