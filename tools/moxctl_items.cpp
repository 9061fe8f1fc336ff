// Helpers shared by the item commands (see moxctl_items.h).
#include "tools/moxctl_items.h"

#include <windows.h>

#include <algorithm>

#include "store/names.h"
#include "store/sjis.h"
#include "users/registry.h"

int Fail(const CommandContext& ctx, const std::string& message) {
    PrintErr(ctx, message + "\n");
    return kExitFailed;
}

bool HasOption(const std::vector<std::string>& args, const char* name) {
    return std::find(args.begin(), args.end(), name) != args.end();
}

bool TakeBody(CommandContext& ctx, const char* command, std::string* body, int* exitCode) {
    std::string path;
    if (!TakeOption(ctx.args, "--body-file", &path)) {
        *exitCode = UsageError(ctx, command);
        return false;
    }
    if (!path.empty() && !ReadLocalFile(path, *body)) {
        *exitCode = Fail(ctx, "本文のファイルを読めません: " + path);
        return false;
    }
    return true;
}

bool ParseAttachment(const std::string& given, AttachmentSource* out, std::string* message) {
    size_t sep = given.find("::");
    std::string path = given.substr(0, sep);
    out->title = sep == std::string::npos ? std::string() : CutSjis(given.substr(sep + 2), kAttachmentTitleMax);
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    DWORD attributes = n > 0 && n < sizeof full ? GetFileAttributesA(full) : INVALID_FILE_ATTRIBUTES;
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        *message = "添付するファイルがありません: " + path;
        return false;
    }
    out->path = full;
    return true;
}

bool TakePosition(const CommandContext& ctx, const std::string& text, const ListLoad& load,
                  long* position) {
    int p = 0;
    if (!ParseNumber(text, &p) || p >= static_cast<int>(load.lines.size())) {
        PrintErr(ctx, "位置 " + text + " に項目がありません\n");
        return false;
    }
    *position = p;
    return true;
}

// "A,B,..." of user numbers; false when a part is not one.
bool ParseNumberList(const std::string& text, std::set<int>* numbers) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        int n = 0;
        if (!ParseNumber(part, &n) || n < 1 || n > kMaxUserNumber) return false;
        numbers->insert(n);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return !numbers->empty();
}

// The recipients in registry order, as the mail dialog delivers its selected lines, with the
// names it shows. False (with the message) when the registry cannot be read or names someone
// unknown, the sender included.
bool ResolveParties(const CommandContext& ctx, const std::set<int>& wanted,
                    std::vector<Party>* recipients, std::string* message) {
    RegistryRead read = ReadRegistry(ctx.store);
    if (!read.ok) {
        *message = read.FirstMessage();
        return false;
    }
    const std::vector<RegistryRecord>& registry = read.records;
    std::set<int> found;
    bool senderKnown = false;
    for (const RegistryRecord& r : registry) {
        if (r.number == ctx.store.user) senderKnown = true;
        if (wanted.count(r.number) && found.insert(r.number).second)
            recipients->push_back(Party{r.number, r.name});
    }
    for (int n : wanted) {
        if (!found.count(n)) {
            *message = "利用者 " + UserFolderName(n) + " は登録されていません";
            return false;
        }
    }
    if (!senderKnown) {
        *message = "利用者 " + ctx.store.UserFolder() + " は登録されていません";
        return false;
    }
    return true;
}
