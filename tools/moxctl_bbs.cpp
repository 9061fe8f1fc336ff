// moxctl commands of the bulletin boards: the board administration that the client itself never
// does (board-add, board-title, boards), and posting and reading as a user (post, posts, read,
// readers, unread), and changing one's own posts (post-update, post-delete).
#include <algorithm>
#include <cstdio>

#include "bbs/bbs_store.h"
#include "store/sjis.h"
#include "tools/moxctl.h"
#include "tools/moxctl_items.h"
#include "users/registry.h"

namespace {

// A board title on one output line: its own line ends and TABs are printed as blanks.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    return text;
}

// --board: "" or absent for the default board, else the number of a listed board, with or
// without its leading zeros. False (message or usage printed, *exitCode set) otherwise.
bool TakeBoard(CommandContext& ctx, const char* command, std::string* boardId, int* exitCode) {
    std::string given;
    if (!TakeOption(ctx.args, "--board", &given)) {
        *exitCode = UsageError(ctx, command);
        return false;
    }
    boardId->clear();
    if (given.empty()) return true;
    int number = -1;
    BoardList boards = BbsLoadBoards(ctx.store);
    if (ParseNumber(given, &number) && number <= kMaxBoardNumber &&
        std::find(boards.ids.begin() + 1, boards.ids.end(), BoardIdText(number)) != boards.ids.end()) {
        *boardId = BoardIdText(number);
        return true;
    }
    ShowMessages(boards);
    *exitCode = Fail(ctx, "掲示板 " + given + " はありません");
    return false;
}

// The board and the post at the list position POS (the only argument left), as the board
// window shows them to the user.
bool TakeShownPost(CommandContext& ctx, const char* command, std::string* boardId, ListLine* line,
                   int* exitCode, long* position = nullptr, long* lineCount = nullptr) {
    if (!TakeBoard(ctx, command, boardId, exitCode)) return false;
    if (ctx.args.size() != 1) {
        *exitCode = UsageError(ctx, command);
        return false;
    }
    ListLoad load = BbsLoadPostList(ctx.store, *boardId);
    long at = 0;
    if (!load.ok) {
        *exitCode = Report(load);
        return false;
    }
    if (!TakePosition(ctx, ctx.args[0], load, &at)) {
        *exitCode = kExitFailed;
        return false;
    }
    *line = load.lines[static_cast<size_t>(at)];
    if (position) *position = at;
    if (lineCount) *lineCount = static_cast<long>(load.lines.size());
    return true;
}

bool IsRegistered(const StoreContext& store) {
    const std::vector<RegistryRecord> registry = ReadRegistry(store).records;
    return std::any_of(registry.begin(), registry.end(),
                       [&](const RegistryRecord& r) { return r.number == store.user; });
}

int CmdBoardAdd(CommandContext& ctx) {
    int number = 0;
    if (ctx.args.size() != 2 || !ParseNumber(ctx.args[0], &number)) return UsageError(ctx, "board-add");
    StoreResult added = BbsAddBoard(ctx.store, number, ctx.args[1]);
    if (!added.ok) return Report(added);
    PrintOut(ctx, BoardIdText(number) + "\n");
    return kExitOk;
}

int CmdBoardTitle(CommandContext& ctx) {
    if (ctx.args.size() != 1) return UsageError(ctx, "board-title");
    return Report(BbsWriteDefaultTitle(ctx.store, ctx.args[0]));
}

int CmdBoards(CommandContext& ctx) {
    if (!ctx.args.empty()) return UsageError(ctx, "boards");
    BoardList boards = BbsLoadBoards(ctx.store);
    std::string out;
    for (size_t i = 0; i < boards.ids.size(); ++i) out += boards.ids[i] + "\t" + OneLine(boards.titles[i]) + "\n";
    PrintOut(ctx, out);
    return Report(boards);
}

int CmdPost(CommandContext& ctx) {
    std::string boardId, subject;
    std::vector<std::string> attach;
    NewPost post;
    int code = kExitOk;
    const bool haveSubject = HasOption(ctx.args, "--subject");
    if (!TakeOption(ctx.args, "--subject", &subject) || !TakeRepeatedOption(ctx.args, "--attach", &attach))
        return UsageError(ctx, "post");
    if (!TakeBody(ctx, "post", &post.body, &code) || !TakeBoard(ctx, "post", &boardId, &code)) return code;
    if (!ctx.args.empty() || !haveSubject) return UsageError(ctx, "post");
    // The post dialog takes no 51st byte; a longer subject is refused rather than cut unseen.
    if (subject.size() > kSubjectTextMax) return Fail(ctx, "表題は50バイトまでです");
    std::string message;
    for (const std::string& given : attach) {
        AttachmentSource source;
        if (!ParseAttachment(given, &source, &message)) return Fail(ctx, message);
        post.attachments.push_back(source);
    }
    if (!IsRegistered(ctx.store))
        return Fail(ctx, "利用者 " + ctx.store.UserFolder() + " は登録されていません");
    post.subject = subject;
    PostResult result = BbsCreatePost(ctx.store, boardId, ctx.userName, post);
    if (result.ok) PrintOut(ctx, std::to_string(result.number) + "\n");
    return Report(result);
}

int CmdPosts(CommandContext& ctx) {
    std::string boardId;
    int code = kExitOk;
    if (!TakeBoard(ctx, "posts", &boardId, &code)) return code;
    if (!ctx.args.empty()) return UsageError(ctx, "posts");
    ListLoad load = BbsLoadPostList(ctx.store, boardId);
    std::string out;
    for (const ListLine& line : load.lines) out += line.text + "\n";
    PrintOut(ctx, out);
    return Report(load);
}

int CmdRead(CommandContext& ctx) {
    std::string boardId;
    ListLine line;
    int code = kExitOk;
    if (!TakeShownPost(ctx, "read", &boardId, &line, &code)) return code;
    ShownPost shown = BbsShowPost(ctx.store, boardId, line.index, &line.identity);
    if (!shown.found) return Fail(ctx, "位置 " + ctx.args[0] + " に項目がありません");
    PrintOut(ctx, shown.record.subject + "\n" + shown.body);
    return kExitOk;
}

int CmdReaders(CommandContext& ctx) {
    std::string boardId;
    ListLine line;
    int code = kExitOk;
    if (!TakeShownPost(ctx, "readers", &boardId, &line, &code)) return code;
    ReaderList readers = BbsListReaders(ctx.store, boardId, line.index, &line.identity);
    std::string out;
    for (const std::string& l : readers.lines) out += l + "\n";
    PrintOut(ctx, out);
    return Report(readers);
}

// Only the author changes a post: the window offers 更新 and 削除 for his own posts alone.
bool IsOwnPost(const CommandContext& ctx, const std::string& boardId, const ListLine& line) {
    PostContent post = BbsLoadPostForEdit(ctx.store, boardId, line.index, &line.identity);
    return post.found && post.record.authorNumber == ctx.store.user;
}

int CmdPostUpdate(CommandContext& ctx) {
    std::string boardId;
    std::vector<std::string> attach;
    PostUpdate update;
    ListLine line;
    int code = kExitOk;
    if (!TakeRepeatedOption(ctx.args, "--attach", &attach)) return UsageError(ctx, "post-update");
    if (!TakeBody(ctx, "post-update", &update.body, &code) ||
        !TakeShownPost(ctx, "post-update", &boardId, &line, &code))
        return code;
    std::string message;
    for (const std::string& given : attach) {
        AttachmentSource source;
        if (!ParseAttachment(given, &source, &message)) return Fail(ctx, message);
        update.attachments.push_back(source);
    }
    if (!IsOwnPost(ctx, boardId, line)) return Fail(ctx, kMsgNotOwnPost);
    return Report(BbsUpdatePost(ctx.store, boardId, line.index, &line.identity, update));
}

int CmdPostDelete(CommandContext& ctx) {
    std::string boardId;
    ListLine line;
    long position = 0, lineCount = 0;
    int code = kExitOk;
    if (!TakeShownPost(ctx, "post-delete", &boardId, &line, &code, &position, &lineCount)) return code;
    if (!IsOwnPost(ctx, boardId, line)) return Fail(ctx, kMsgNotOwnPost);
    // The identity makes sure that the post checked is the post deleted.
    DeleteOutcome deleted = BbsDeletePost(ctx.store, boardId, lineCount, position, &line.identity);
    if (deleted.ok && !deleted.removed) return Fail(ctx, "位置 " + ctx.args[0] + " に項目がありません");
    return Report(deleted);
}

int CmdUnread(CommandContext& ctx) {
    if (!ctx.args.empty()) return UsageError(ctx, "unread");
    UnreadAnswer answer = BbsCheckUnread(ctx.store);
    PrintOut(ctx, answer.unread ? "1\n" : "0\n");
    ShowMessages(answer);  // a board that could not be read is told, and is no failure here
    return kExitOk;
}

}  // namespace

const CommandEntry kBbsCommands[] = {
    {"board-add", CmdBoardAdd, "NUMBER TITLE", false},
    {"board-title", CmdBoardTitle, "TEXT", false},
    {"boards", CmdBoards, "", false},
    {"post", CmdPost, "[--board ID] --subject S [--body-file F] [--attach PATH[::TITLE]]...", true},
    {"posts", CmdPosts, "[--board ID]", true},
    {"read", CmdRead, "[--board ID] POS", true},
    {"readers", CmdReaders, "[--board ID] POS", true},
    {"unread", CmdUnread, "", true},
    {"post-update", CmdPostUpdate, "[--board ID] POS [--body-file F] [--attach PATH[::TITLE]]...", true},
    {"post-delete", CmdPostDelete, "[--board ID] POS", true},
    {nullptr, nullptr, nullptr, false},
};
