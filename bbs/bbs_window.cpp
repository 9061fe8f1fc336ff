#include "bbs/bbs_window.h"

#include <windowsx.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "app/settings/keys.h"
#include "app/settings/local_user.h"
#include "bbs/bbs_store.h"
#include "mail/compose_dialog.h"
#include "mail/compose_text.h"
#include "print/print_text.h"
#include "res/resource.h"
#include "shell/launcher_window.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "shell/window_names.h"
#include "store/names.h"
#include "store/sjis.h"
#include "store/store.h"

namespace {

constexpr int kMinWidth = 400, kMinHeight = 300;
const INT kPostTabStops[] = {20, 40, 66};
const INT kReaderTabStop = 84;
const char kUnreadMark[] = "未読";
const char kReadMark[] = "    ";  // the mark's four bytes once the post has been opened
constexpr size_t kMarkBytes = sizeof kUnreadMark - 1;
constexpr DWORD kSaveBufferSize = 256;

const char kMsgAskDelete[] = "削除しますか？";
const char kMsgNoUnread[] = "この掲示板に未読はありません";
const char kMsgNotCopied[] = "複写できませんでした";
const char kSaveTitle[] = "ミトカ　添付ファイル複写";

// The window's own state, held in GWLP_USERDATA from creation to WM_NCDESTROY.
struct BbsWindowState {
    std::string boardId;             // "" for the default board
    std::string boardTitle;          // of the board last chosen; "" before any choice
    std::vector<ListLine> lines;     // the post list lines, with the record each stands for
    int authorNumber = 0;            // of the post shown last: the addressee of メール
    int u = 20;                      // the button row height
};

BbsWindowState* StateOf(HWND window) {
    return reinterpret_cast<BbsWindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

std::string WholeText(HWND window, int control) {
    return DialogText(window, control, static_cast<size_t>(ControlTextLength(window, control)) + 1);
}

std::string ListText(HWND window, int control, int at) {
    LRESULT length = SendDlgItemMessageA(window, control, LB_GETTEXTLEN, static_cast<WPARAM>(at), 0);
    if (length == LB_ERR) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendDlgItemMessageA(window, control, LB_GETTEXT, static_cast<WPARAM>(at),
                        reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

// The subject of a post list line: its text after the third TAB.
std::string SubjectOfLine(const std::string& line) {
    size_t at = 0;
    for (int tabs = 0; tabs < 3; ++tabs) {
        at = line.find('\t', at);
        if (at == std::string::npos) return std::string();
        ++at;
    }
    return line.substr(at);
}

// The attachment list on view: titles (1144) or source paths (1141).
int VisibleAttachmentList(HWND window) {
    return IsWindowVisible(GetDlgItem(window, IDC_BBS_TITLE_LIST)) ? IDC_BBS_TITLE_LIST : IDC_BBS_PATHS;
}

void SwitchAttachmentLists(HWND window) {
    const bool titles = VisibleAttachmentList(window) == IDC_BBS_TITLE_LIST;
    ShowControl(window, IDC_BBS_TITLE_LIST, !titles);
    ShowControl(window, IDC_BBS_PATHS, titles);
}

void ShowAttachmentButtons(HWND window, bool show) {
    for (int id : {IDC_BBS_SAVE, IDC_BBS_RUN, IDC_BBS_SWITCH}) ShowControl(window, id, show);
}

// Nothing of a post on view: no body, no attachments, nothing to act on.
void ClearShownPost(HWND window) {
    SetDlgItemTextA(window, IDC_TEXT, "");
    for (int id : {IDC_BBS_PATHS, IDC_BBS_TITLE_LIST, IDC_BBS_STORED}) ListReset(window, id);
    for (int id : {IDC_BBS_UPDATE, IDC_BBS_DELETE, IDC_BBS_READERS, IDC_BBS_MAIL})
        EnableControl(window, id, false);
    ShowAttachmentButtons(window, false);
}

void LoadPosts(HWND window) {
    BbsWindowState* state = StateOf(window);
    ListLoad load;
    {
        WaitCursor busy;
        load = BbsLoadPostList(ClientStore(), state->boardId);
    }
    ShowMessages(load);
    state->lines = load.lines;
    ListReset(window, IDC_BBS_POSTS);
    for (const ListLine& line : state->lines) ListAddString(window, IDC_BBS_POSTS, line.text);
    ClearShownPost(window);
}

void LoadBoards(HWND window) {
    BoardList boards;
    {
        WaitCursor busy;
        boards = BbsLoadBoards(ClientStore());
    }
    ShowMessages(boards);
    for (int id : {IDC_BBS_TITLES, IDC_BBS_IDS}) SendDlgItemMessageA(window, id, CB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < boards.titles.size() && i < boards.ids.size(); ++i) {
        SendDlgItemMessageA(window, IDC_BBS_TITLES, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(boards.titles[i].c_str()));
        SendDlgItemMessageA(window, IDC_BBS_IDS, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(boards.ids[i].c_str()));
    }
    for (int id : {IDC_BBS_TITLES, IDC_BBS_IDS}) SendDlgItemMessageA(window, id, CB_SETCURSEL, 0, 0);
}

std::string ComboText(HWND window, int control, int at) {
    LRESULT length = SendDlgItemMessageA(window, control, CB_GETLBTEXTLEN, static_cast<WPARAM>(at), 0);
    if (length == CB_ERR) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendDlgItemMessageA(window, control, CB_GETLBTEXT, static_cast<WPARAM>(at),
                        reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

void OnBoardChosen(HWND window) {
    BbsWindowState* state = StateOf(window);
    const int at = static_cast<int>(SendDlgItemMessageA(window, IDC_BBS_TITLES, CB_GETCURSEL, 0, 0));
    if (at < 0) return;
    state->boardTitle = ComboText(window, IDC_BBS_TITLES, at);
    state->boardId = ComboText(window, IDC_BBS_IDS, at);
    LoadPosts(window);
}

// The selected post list line, or -1.
int SelectedLine(HWND window) {
    int at = static_cast<int>(ListSelection(window, IDC_BBS_POSTS));
    return at >= 0 && at < static_cast<int>(StateOf(window)->lines.size()) ? at : -1;
}

void FillAttachmentLists(HWND window, const std::vector<AttachmentRecord>& attachments,
                         int pathList, int titleList, int storedList) {
    for (const AttachmentRecord& a : attachments) {
        ListAddString(window, pathList, a.sourcePath);
        ListAddString(window, titleList, a.title.empty() ? a.sourcePath : a.title);
        if (storedList) ListAddString(window, storedList, a.storedPath);
    }
}

// Shows the post of line at, marking it read for the user. The line's record identity finds the
// post even when others have left the list since it was loaded; a post that has gone shows
// nothing.
void ShowPost(HWND window, int at) {
    BbsWindowState* state = StateOf(window);
    ListLine& line = state->lines[static_cast<size_t>(at)];
    ShownPost shown;
    {
        WaitCursor busy;
        shown = BbsShowPost(ClientStore(), state->boardId, line.index, &line.identity);
    }
    ClearShownPost(window);
    if (!shown.found) return;
    const bool mine = shown.record.authorNumber == ClientStore().user;
    EnableControl(window, IDC_BBS_UPDATE, mine);
    EnableControl(window, IDC_BBS_DELETE, mine);
    EnableControl(window, IDC_BBS_MAIL, true);
    state->authorNumber = shown.record.authorNumber;
    SetDlgItemTextA(window, IDC_TEXT, shown.body.c_str());
    EnableControl(window, IDC_BBS_READERS, true);
    // Read now: the mark goes in place, the list is not reloaded and the line stays selected.
    if (shown.firstReading && line.text.compare(0, kMarkBytes, kUnreadMark) == 0) {
        line.text.replace(0, kMarkBytes, kReadMark);
        ListDelete(window, IDC_BBS_POSTS, at);
        SendDlgItemMessageA(window, IDC_BBS_POSTS, LB_INSERTSTRING, static_cast<WPARAM>(at),
                            reinterpret_cast<LPARAM>(line.text.c_str()));
        ListSelect(window, IDC_BBS_POSTS, at);
    }
    if (!shown.attachmentListFound) return;
    FillAttachmentLists(window, shown.attachments, IDC_BBS_PATHS, IDC_BBS_TITLE_LIST, IDC_BBS_STORED);
    EnableControl(window, IDC_BBS_SAVE, false);
    EnableControl(window, IDC_BBS_RUN, false);
    ShowAttachmentButtons(window, true);
}

// ---- the post dialog (970) ----

struct PostDialogState {
    BbsWindowState* board = nullptr;
    const ListLine* line = nullptr;  // the post updated; null for a new post
    std::string subject;             // of the post updated
    std::vector<AttachmentSource> attachments;  // parallel to the two attachment lists
};

PostDialogState* PostStateOf(HWND dialog) {
    return reinterpret_cast<PostDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

BOOL PostOnInitDialog(HWND dialog, HWND, LPARAM param) {
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    PostDialogState* state = reinterpret_cast<PostDialogState*>(param);
    CentreWindow(dialog);
    EditLimit(dialog, IDC_BBS_POSTS, static_cast<int>(kSubjectTextMax));
    SetFixedFont(dialog, IDC_TEXT);
    SetDlgItemTextA(dialog, IDC_BBS_TITLES, state->board->boardTitle.c_str());
    if (!state->line) return TRUE;
    // An update never changes the subject.
    SendDlgItemMessageA(dialog, IDC_BBS_POSTS, EM_SETREADONLY, TRUE, 0);
    SetDlgItemTextA(dialog, IDC_BBS_POSTS, state->subject.c_str());
    PostContent post = BbsLoadPostForEdit(ClientStore(), state->board->boardId, state->line->index,
                                          &state->line->identity);
    SetDlgItemTextA(dialog, IDC_TEXT, post.body.c_str());
    FillAttachmentLists(dialog, post.attachments, IDC_BBS_PATHS, IDC_BBS_TITLE_LIST, 0);
    for (const AttachmentRecord& a : post.attachments)
        state->attachments.push_back(AttachmentSource{a.sourcePath, a.title});
    return TRUE;
}

void PostOnStore(HWND dialog) {
    PostDialogState* state = PostStateOf(dialog);
    const std::string body = WholeText(dialog, IDC_TEXT);
    PostResult result;
    {
        WaitCursor busy;
        if (state->line) {
            result = BbsUpdatePost(ClientStore(), state->board->boardId, state->line->index,
                                   &state->line->identity, PostUpdate{body, state->attachments});
        } else {
            NewPost post;
            post.subject = DialogText(dialog, IDC_BBS_POSTS, kSubjectTextMax);
            post.body = body;
            post.attachments = state->attachments;
            result = BbsCreatePost(ClientStore(), state->board->boardId, CurrentUser().name, post);
        }
    }
    ShowMessages(result);
    if (result.ok) EndDialog(dialog, 1);
}

void PostOnAddAttachment(HWND dialog) {
    std::string path;
    if (!ChooseAttachmentFile(dialog, &path)) return;
    ListAddString(dialog, IDC_BBS_PATHS, path);
    const std::string title = RunAttachmentTitleDialog(dialog, path);
    ListAddString(dialog, IDC_BBS_TITLE_LIST, title.empty() ? path : title);
    PostStateOf(dialog)->attachments.push_back(AttachmentSource{path, title});
}

// Both lists lose the entry selected in the one on view, so they stay parallel.
void PostOnRemoveAttachment(HWND dialog) {
    const int at = static_cast<int>(ListSelection(dialog, VisibleAttachmentList(dialog)));
    std::vector<AttachmentSource>& attachments = PostStateOf(dialog)->attachments;
    if (at < 0 || at >= static_cast<int>(attachments.size())) return;
    ListDelete(dialog, IDC_BBS_PATHS, at);
    ListDelete(dialog, IDC_BBS_TITLE_LIST, at);
    attachments.erase(attachments.begin() + at);
}

void PostOnShowTitle(HWND dialog, int list) {
    const int at = static_cast<int>(ListSelection(dialog, list));
    if (at >= 0) ShowNotice(dialog, ListText(dialog, IDC_BBS_TITLE_LIST, at));
}

// The box limits characters, the record bytes: a subject typed past 50 bytes loses what is past.
void KeepSubjectWithinBytes(HWND dialog) {
    const std::string typed = DialogText(dialog, IDC_BBS_POSTS, 2 * kSubjectTextMax + 2);
    if (typed.size() <= kSubjectTextMax) return;
    SetDlgItemTextA(dialog, IDC_BBS_POSTS, CutSjis(typed, kSubjectTextMax).c_str());
    SendDlgItemMessageA(dialog, IDC_BBS_POSTS, EM_SETSEL, kSubjectTextMax, kSubjectTextMax);
}

void PostOnCommand(HWND dialog, int id, HWND, UINT code) {
    switch (id) {
        case IDC_BBS_POSTS:
            if (code == EN_CHANGE) KeepSubjectWithinBytes(dialog);
            break;
        case IDOK: PostOnStore(dialog); break;
        case IDCANCEL:
            if (AskOkCancel(dialog, kMsgAskDiscard)) EndDialog(dialog, 0);
            break;
        case IDC_DISCARD: EndDialog(dialog, 0); break;
        case IDC_BBS_SAVE: PostOnAddAttachment(dialog); break;
        case IDC_BBS_ATTACH_REMOVE: PostOnRemoveAttachment(dialog); break;
        case IDC_BBS_SWITCH: SwitchAttachmentLists(dialog); break;
        case IDC_BBS_PATHS:
        case IDC_BBS_TITLE_LIST:
            if (code == LBN_DBLCLK) PostOnShowTitle(dialog, id);
            break;
        case IDC_CUT: EditCut(dialog, IDC_TEXT); break;
        case IDC_COPY: EditCopy(dialog, IDC_TEXT); break;
        case IDC_PASTE: EditPaste(dialog, IDC_TEXT); break;
    }
}

INT_PTR CALLBACK PostDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, PostOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, PostOnCommand);
    }
    return FALSE;
}

// ---- the board management dialog (107) ----

struct ReadersRequest {
    const BbsWindowState* board;
    const ListLine* line;
};

BOOL ReadersOnInitDialog(HWND dialog, HWND, LPARAM param) {
    const ReadersRequest* request = reinterpret_cast<const ReadersRequest*>(param);
    CentreWindow(dialog);
    SendDlgItemMessageA(dialog, IDC_BBS_READER_LIST, LB_SETTABSTOPS, 1,
                        reinterpret_cast<LPARAM>(&kReaderTabStop));
    ReaderList readers;
    {
        WaitCursor busy;
        readers = BbsListReaders(ClientStore(), request->board->boardId, request->line->index,
                                 &request->line->identity);
    }
    for (const std::string& line : readers.lines) ListAddString(dialog, IDC_BBS_READER_LIST, line);
    ShowMessages(readers);
    return TRUE;
}

void ReadersOnCommand(HWND dialog, int id, HWND, UINT) {
    if (id == IDCANCEL || id == IDOK) EndDialog(dialog, 0);
}

INT_PTR CALLBACK ReadersDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, ReadersOnInitDialog);
        HANDLE_MSG(dialog, WM_COMMAND, ReadersOnCommand);
    }
    return FALSE;
}

// ---- the window's commands ----

void OnNewPost(HWND window) {
    PostDialogState post;
    post.board = StateOf(window);
    if (RunDialog(IDD_BBS_POST, window, PostDialogProc, reinterpret_cast<LPARAM>(&post)))
        LoadPosts(window);
}

void OnUpdatePost(HWND window) {
    const int at = SelectedLine(window);
    if (at < 0) return;
    BbsWindowState* state = StateOf(window);
    PostDialogState post;
    post.board = state;
    post.line = &state->lines[static_cast<size_t>(at)];
    post.subject = SubjectOfLine(post.line->text);
    RunDialog(IDD_BBS_POST, window, PostDialogProc, reinterpret_cast<LPARAM>(&post));
    ShowPost(window, at);
}

void OnDeletePost(HWND window) {
    const int at = SelectedLine(window);
    if (at < 0 || !AskOkCancel(window, kMsgAskDelete)) return;
    BbsWindowState* state = StateOf(window);
    std::vector<ListLine>& lines = state->lines;
    const long removed = lines[static_cast<size_t>(at)].index;
    DeleteOutcome outcome;
    {
        WaitCursor busy;
        outcome = BbsDeletePost(ClientStore(), state->boardId, static_cast<long>(lines.size()), at,
                                &lines[static_cast<size_t>(at)].identity);
    }
    ShowMessages(outcome);
    if (!outcome.removed) return;
    ListDelete(window, IDC_BBS_POSTS, at);
    lines.erase(lines.begin() + at);
    // The records after the deleted one moved one place up in the file.
    for (ListLine& line : lines)
        if (line.index > removed) --line.index;
    // No line is selected now: nothing is left to update, mail about or save.
    ClearShownPost(window);
}

// The first line from the selected one (or the top) down whose mark is "未読"; -1 when none.
// The search does not go round to the top.
int FindUnread(HWND window) {
    const std::vector<ListLine>& lines = StateOf(window)->lines;
    const int selected = SelectedLine(window);
    for (size_t i = selected < 0 ? 0 : static_cast<size_t>(selected); i < lines.size(); ++i)
        if (lines[i].text.substr(0, lines[i].text.find('\t')) == kUnreadMark) return static_cast<int>(i);
    return -1;
}

void OnFindUnread(HWND window) {
    const int at = FindUnread(window);
    if (at < 0) {
        ShowNotice(window, kMsgNoUnread);
        return;
    }
    ListSelect(window, IDC_BBS_POSTS, at);
    ShowPost(window, at);
}

void OnReaders(HWND window) {
    const int at = SelectedLine(window);
    if (at < 0) return;
    BbsWindowState* state = StateOf(window);
    ReadersRequest request{state, &state->lines[static_cast<size_t>(at)]};
    RunDialog(IDD_BBS_READERS, window, ReadersDialogProc, reinterpret_cast<LPARAM>(&request));
}

void OnMail(HWND window) {
    const int at = SelectedLine(window);
    if (at < 0) return;
    AnsweredItem item;
    item.subject = SubjectOfLine(StateOf(window)->lines[static_cast<size_t>(at)].text);
    item.senderNumber = StateOf(window)->authorNumber;
    OpenMailDialog(window, kMailReply, &item);
}

// The stored copy of the selected attachment, as this PC reaches the board folder; false when
// none is selected.
bool SelectedStoredCopy(HWND window, int* at, std::string* path) {
    *at = static_cast<int>(ListSelection(window, VisibleAttachmentList(window)));
    if (*at < 0) return false;
    const std::string stored = ListText(window, IDC_BBS_STORED, *at);
    *path = BbsStoredCopy(ClientStore(), StateOf(window)->boardId, stored);
    return true;
}

void OnRunAttachment(HWND window) {
    int at = 0;
    std::string path;
    if (SelectedStoredCopy(window, &at, &path)) OpenByAssociation(window, path);
}

void OnSaveAttachment(HWND window) {
    int at = 0;
    std::string source;
    if (!SelectedStoredCopy(window, &at, &source)) return;
    const std::string ext = PathExtension(source);
    const std::string dotless = ext.empty() ? ext : ext.substr(1);
    std::string filters = dotless + " (*" + ext + ")" + '\0' + "*" + ext + '\0' + "All (*.*)" +
                          '\0' + "*.*" + '\0';
    char file[kSaveBufferSize] = "";
    const std::string proposed = PathFileName(ListText(window, IDC_BBS_PATHS, at));
    lstrcpynA(file, proposed.c_str(), sizeof file);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = window;
    ofn.lpstrFilter = filters.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = kSaveBufferSize;
    ofn.lpstrTitle = kSaveTitle;
    // The current folder stays: a network directory given relative to it keeps its meaning.
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&ofn) || file[0] == '\0') return;
    bool copied;
    {
        WaitCursor busy;
        copied = CopyStoreFile(source, file);
    }
    // The user would trust a copy that is not there.
    if (!copied) ShowNotice(window, kMsgNotCopied);
}

void OnAttachmentChosen(HWND window, int list) {
    const int at = static_cast<int>(ListSelection(window, list));
    if (at < 0) return;
    ListSelect(window, list == IDC_BBS_PATHS ? IDC_BBS_TITLE_LIST : IDC_BBS_PATHS, at);
    EnableControl(window, IDC_BBS_SAVE, true);
    EnableControl(window, IDC_BBS_RUN, true);
}

// ---- the window ----

BOOL OnCreate(HWND window, LPCREATESTRUCT) {
    auto* state = new BbsWindowState;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    CreateComboBox(window, WS_VISIBLE | WS_TABSTOP, IDC_BBS_TITLES);
    CreateComboBox(window, 0, IDC_BBS_IDS);
    CreateListBox(window, WS_VISIBLE | WS_TABSTOP, IDC_BBS_POSTS);
    SendDlgItemMessageA(window, IDC_BBS_POSTS, LB_SETTABSTOPS, 3,
                        reinterpret_cast<LPARAM>(kPostTabStops));
    CreateListBox(window, WS_TABSTOP, IDC_BBS_PATHS);
    CreateListBox(window, WS_VISIBLE | WS_TABSTOP, IDC_BBS_TITLE_LIST);
    CreateListBox(window, 0, IDC_BBS_STORED);
    CreateEdit(window, WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN, IDC_TEXT);
    SetFixedFont(window, IDC_TEXT);
    CreatePushButton(window, "終了", IDCANCEL);
    const DWORD shown = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    CreateButton(window, "登録", shown, IDC_BBS_NEW);
    CreateButton(window, "更新", shown, IDC_BBS_UPDATE);
    CreateButton(window, "削除", shown, IDC_BBS_DELETE);
    CreateButton(window, "管理", shown, IDC_BBS_READERS);
    CreateButton(window, "未読", shown, IDC_BBS_UNREAD);
    CreateButton(window, "メール", shown, IDC_BBS_MAIL);
    CreateButton(window, "複写", WS_TABSTOP | BS_PUSHBUTTON, IDC_BBS_SAVE);
    CreateButton(window, "実行", WS_TABSTOP | BS_PUSHBUTTON, IDC_BBS_RUN);
    CreateButton(window, "切換", WS_TABSTOP | BS_PUSHBUTTON, IDC_BBS_SWITCH);
    CreateButton(window, "印刷", shown, IDC_BBS_PRINT);
    CreateButton(window, "コピー", shown, IDC_BBS_COPY);
    state->u = LineHeight(window);
    PlaceSubWindowOrCentre(window, kSectionBbs);
    LoadBoards(window);
    LoadPosts(window);
    return TRUE;
}

void Move(HWND window, int id, int x, int y, int width, int height) {
    MoveWindow(GetDlgItem(window, id), x, y, width, height, TRUE);
}

void OnSize(HWND window, UINT, int w, int h) {
    const BbsWindowState* state = StateOf(window);
    if (!state) return;
    const int u = state->u;
    const int width = w - 4 * u - 40;
    Move(window, IDC_BBS_TITLES, 10, 10, width, 4 * u);
    Move(window, IDC_BBS_POSTS, 10, u + 20, width, 3 * u);
    Move(window, IDC_BBS_PATHS, 10, 4 * u + 30, width, 3 * u);
    Move(window, IDC_BBS_TITLE_LIST, 10, 4 * u + 30, width, 3 * u);
    Move(window, IDC_TEXT, 10, 7 * u + 40, width, h - 7 * u - 50);
    const int x = w - 4 * u - 20, x2 = w - 2 * u - 10;
    const struct {
        int id, x, y;
    } buttons[] = {
        {IDCANCEL, x, 10},
        {IDC_BBS_NEW, x, u + 20},
        {IDC_BBS_UPDATE, x, 2 * u + 20},
        {IDC_BBS_DELETE, x, 3 * u + 20},
        {IDC_BBS_SAVE, x, 4 * u + 30},
        {IDC_BBS_RUN, x, 5 * u + 30},
        {IDC_BBS_SWITCH, x, 6 * u + 30},
        {IDC_BBS_PRINT, x, 7 * u + 40},
        {IDC_BBS_COPY, x, 8 * u + 40},
        {IDC_BBS_UNREAD, x2, u + 20},
        {IDC_BBS_READERS, x2, 2 * u + 20},
        {IDC_BBS_MAIL, x2, 3 * u + 20},
    };
    for (const auto& b : buttons) Move(window, b.id, b.x, b.y, 2 * u, u);
}

void OnGetMinMaxInfo(HWND, LPMINMAXINFO info) {
    info->ptMinTrackSize.x = kMinWidth;
    info->ptMinTrackSize.y = kMinHeight;
}

void OnSetFocus(HWND window, HWND) { SetFocus(GetDlgItem(window, IDC_BBS_POSTS)); }

void OnActivate(HWND window, UINT state, HWND other, BOOL minimized) {
    if (state != WA_INACTIVE && minimized) RestoreAndBringForward(window);
    FORWARD_WM_ACTIVATE(window, state, other, minimized, DefWindowProcA);
}

void OnCommand(HWND window, int id, HWND, UINT code) {
    switch (id) {
        case IDC_BBS_TITLES:
            if (code == CBN_SELCHANGE) OnBoardChosen(window);
            break;
        case IDC_BBS_POSTS:
            if (code == LBN_SELCHANGE) {
                const int at = SelectedLine(window);
                if (at >= 0) ShowPost(window, at);
            }
            break;
        case IDC_BBS_PATHS:
        case IDC_BBS_TITLE_LIST:
            if (code == LBN_SELCHANGE) OnAttachmentChosen(window, id);
            if (code == LBN_DBLCLK) OnRunAttachment(window);
            break;
        case IDC_BBS_NEW: OnNewPost(window); break;
        case IDC_BBS_UPDATE: OnUpdatePost(window); break;
        case IDC_BBS_DELETE: OnDeletePost(window); break;
        case IDC_BBS_UNREAD: OnFindUnread(window); break;
        case IDC_BBS_READERS: OnReaders(window); break;
        case IDC_BBS_MAIL: OnMail(window); break;
        case IDC_BBS_SAVE: OnSaveAttachment(window); break;
        case IDC_BBS_RUN: OnRunAttachment(window); break;
        case IDC_BBS_SWITCH: SwitchAttachmentLists(window); break;
        case IDC_BBS_PRINT: PrintEditText(window, GetDlgItem(window, IDC_TEXT), kCaption); break;
        case IDC_BBS_COPY: EditCopy(window, IDC_TEXT); break;
        case IDCANCEL: CloseSubWindow(window, kSectionBbs); break;
    }
}

void OnClose(HWND window) { CloseSubWindow(window, kSectionBbs); }

void OnDestroy(HWND window) {
    if (SubWindowHandle(SubWindow::kBbs) == window) SubWindowHandle(SubWindow::kBbs) = nullptr;
}

void OnNcDestroy(HWND window) {
    delete StateOf(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

}  // namespace

LRESULT CALLBACK BbsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_GETMINMAXINFO, OnGetMinMaxInfo);
        HANDLE_MSG(window, WM_SETFOCUS, OnSetFocus);
        HANDLE_MSG(window, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
        HANDLE_MSG(window, WM_NCDESTROY, OnNcDestroy);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
