// moxctl: the headless store tool. Administrators' scripts rely on its commands and output
// formats; keep them stable.
#pragma once
#include <string>
#include <vector>

#include "store/context.h"
#include "store/result.h"

// What a command gets: its own arguments (Shift_JIS, after the global options) and the options.
struct CommandContext {
    std::vector<std::string> args;
    bool utf8 = false;
    StoreContext store;    // --netdir DIR, and --user N as the acting user (0 when not given)
    std::string userName;  // the acting user's registered name ("" when not registered)
};

// Exit codes: 0 success, 1 the operation failed (message on stderr), 2 usage error.
enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

using CommandFn = int (*)(CommandContext& ctx);
struct CommandEntry {
    const char* name;
    CommandFn run;
    const char* usage;  // argument synopsis for the usage text
    bool needsUser;     // refuse without --user
};

// The commands of each subsystem, ended by an entry with a null name.
extern const CommandEntry kUserCommands[];
extern const CommandEntry kMailCommands[];
extern const CommandEntry kBbsCommands[];
extern const CommandEntry kListCommands[];
extern const CommandEntry kMessageCommands[];
extern const CommandEntry kBoardCommands[];
extern const CommandEntry kChatCommands[];

// Output in the chosen encoding: Shift_JIS as stored, or UTF-8 with --utf8.
void PrintOut(const CommandContext& ctx, const std::string& sjisText);
void PrintErr(const CommandContext& ctx, const std::string& sjisText);
// Prints the usage of one command to stderr and returns kExitUsage.
int UsageError(const CommandContext& ctx, const char* command);
// Shows what the store logic had to say on stderr (through the message sink, one line each) and
// returns kExitOk when it did its work and said nothing, else kExitFailed.
int Report(const StoreResult& result);
// Reads a file of the local machine whole; false when it cannot be read.
bool ReadLocalFile(const std::string& path, std::string& bytes);

// Option parsing for command arguments: takes "--name value" pairs and flags out of args.
// Returns false when an option lacks its value.
bool TakeOption(std::vector<std::string>& args, const char* name, std::string* value);
// All values of a repeatable option, in order.
bool TakeRepeatedOption(std::vector<std::string>& args, const char* name,
                        std::vector<std::string>* values);
bool TakeFlag(std::vector<std::string>& args, const char* name);
// Parses a whole decimal number; false when text is not one.
bool ParseNumber(const std::string& text, int* value);
