// moxctl [--netdir DIR] [--user N] [--utf8] [--stats] COMMAND [ARGS]
#include "tools/moxctl.h"

#include <windows.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "store/message_sink.h"
#include "store/store.h"
#include "store/tally.h"
#include "users/registry.h"

namespace {

const CommandEntry* const kCommandTables[] = {kUserCommands, kMailCommands, kListCommands,
                                               kBbsCommands, kMessageCommands, kBoardCommands,
                                               kChatCommands};

bool g_utf8 = false;

std::string Convert(const std::string& text, UINT from, UINT to) {
    if (text.empty()) return text;
    int wideLen = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(wideLen), L'\0');
    MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), &wide[0], wideLen);
    int len = WideCharToMultiByte(to, 0, wide.data(), wideLen, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(len), '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideLen, &out[0], len, nullptr, nullptr);
    return out;
}

std::string ToOutput(bool utf8, const std::string& sjis) {
    return utf8 ? Convert(sjis, 932, CP_UTF8) : sjis;
}

void WriteTo(FILE* stream, bool utf8, const std::string& sjisText) {
    std::string bytes = ToOutput(utf8, sjisText);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}

void StderrSink(const std::string& text) { WriteTo(stderr, g_utf8, text + "\n"); }

// Arguments as Shift_JIS, taken from the wide command line: they arrive whole whether the
// caller typed them in Shift_JIS or (with --utf8, from a UTF-8 shell) in UTF-8.
std::vector<std::string> CommandLineArgs() {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i) {
        int len = WideCharToMultiByte(932, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(static_cast<size_t>(len > 0 ? len - 1 : 0), '\0');
        if (len > 1) WideCharToMultiByte(932, 0, wide[i], -1, &arg[0], len, nullptr, nullptr);
        args.push_back(arg);
    }
    if (wide) LocalFree(wide);
    return args;
}

void PrintUsage() {
    std::string text =
        "usage: moxctl --netdir DIR [--user N] [--utf8] [--stats] COMMAND [ARGS]\ncommands:\n";
    for (const CommandEntry* table : kCommandTables)
        for (const CommandEntry* c = table; c->name; ++c)
            text += std::string("  ") + c->name + (*c->usage ? " " : "") + c->usage + "\n";
    WriteTo(stderr, g_utf8, text);
}

const CommandEntry* FindCommand(const std::string& name) {
    for (const CommandEntry* table : kCommandTables)
        for (const CommandEntry* c = table; c->name; ++c)
            if (name == c->name) return c;
    return nullptr;
}

}  // namespace

void PrintOut(const CommandContext& ctx, const std::string& sjisText) {
    WriteTo(stdout, ctx.utf8, sjisText);
}

void PrintErr(const CommandContext& ctx, const std::string& sjisText) {
    WriteTo(stderr, ctx.utf8, sjisText);
}

int UsageError(const CommandContext& ctx, const char* command) {
    const CommandEntry* c = FindCommand(command);
    PrintErr(ctx, std::string("usage: moxctl --netdir DIR ") + (c && c->needsUser ? "--user N " : "") +
                      command + (c && *c->usage ? " " : "") + (c ? c->usage : "") + "\n");
    return kExitUsage;
}

int Report(const StoreResult& result) {
    ShowMessages(result);
    return result.ok && result.messages.empty() ? kExitOk : kExitFailed;
}

bool ReadLocalFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char block[65536];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, f)) > 0) bytes.append(block, got);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool TakeOption(std::vector<std::string>& args, const char* name, std::string* value) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            if (i + 1 >= args.size()) return false;
            *value = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
            return true;
        }
    }
    return true;
}

bool TakeRepeatedOption(std::vector<std::string>& args, const char* name,
                        std::vector<std::string>* values) {
    for (size_t i = 0; i < args.size();) {
        if (args[i] == name) {
            if (i + 1 >= args.size()) return false;
            values->push_back(args[i + 1]);
            args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
        } else {
            ++i;
        }
    }
    return true;
}

bool TakeFlag(std::vector<std::string>& args, const char* name) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            args.erase(args.begin() + static_cast<long>(i));
            return true;
        }
    }
    return false;
}

bool ParseNumber(const std::string& text, int* value) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    *value = std::atoi(text.c_str());
    return true;
}

int main() {
    // Lines end in LF alone, byte for byte as printed, for the scripts that read them.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args = CommandLineArgs();
    CommandContext ctx;
    std::string netDir;
    bool haveNetDir = false;
    bool stats = false;
    size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--utf8") {
            ctx.utf8 = true;
        } else if (a == "--stats") {
            stats = true;
        } else if (a == "--netdir" && i + 1 < args.size()) {
            netDir = args[++i];
            haveNetDir = true;
        } else if (a == "--user" && i + 1 < args.size()) {
            if (!ParseNumber(args[++i], &ctx.store.user) || ctx.store.user < 1 ||
                ctx.store.user > kMaxUserNumber) {
                g_utf8 = ctx.utf8;
                PrintErr(ctx, "moxctl: --user takes a user number from 1 to 999\n");
                return kExitUsage;
            }
        } else {
            break;
        }
    }
    g_utf8 = ctx.utf8;
    SetMessageSink(StderrSink);
    if (i >= args.size() || !haveNetDir) {
        PrintUsage();
        return kExitUsage;
    }
    const CommandEntry* command = FindCommand(args[i]);
    if (!command) {
        PrintErr(ctx, "moxctl: unknown command: " + args[i] + "\n");
        PrintUsage();
        return kExitUsage;
    }
    ctx.args.assign(args.begin() + static_cast<long>(i) + 1, args.end());
    ctx.store.netDir = netDir;
    if (command->needsUser && ctx.store.user == 0) return UsageError(ctx, command->name);
    if (ctx.store.user != 0) {
        RegistryMatch own = LookupUserName(ctx.store, ctx.store.user);
        if (own.found) ctx.userName = own.record.name;
    }
    int code = command->run(ctx);
    if (stats) WriteTo(stderr, false, FormatTally(Tally()));
    return code;
}
