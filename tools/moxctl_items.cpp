// Helpers shared by the item commands (see moxctl_items.h).
#include "tools/moxctl_items.h"

#include <windows.h>

#include <algorithm>

#include "store/sjis.h"

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
