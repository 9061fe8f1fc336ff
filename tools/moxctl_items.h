// Helpers of the moxctl commands that write and show list items (mail, board posts): a body
// read from a local file, attachments named on the command line, a list position.
#pragma once
#include <set>
#include <string>
#include <vector>

#include "mail/mail_store.h"
#include "store/lists/list_file.h"
#include "tools/moxctl.h"

// Prints the message and a newline to stderr; returns kExitFailed.
int Fail(const CommandContext& ctx, const std::string& message);
// Is the option given at all (its value may be empty)?
bool HasOption(const std::vector<std::string>& args, const char* name);
// Takes --body-file and reads it when given; false (with the message printed, or the usage
// shown) when it cannot be read, and *exitCode set.
bool TakeBody(CommandContext& ctx, const char* command, std::string* body, int* exitCode);
// "PATH[::TITLE]" as a compose dialog would list it: the file's full path and its title.
// False (with the message) when there is no such file.
bool ParseAttachment(const std::string& given, AttachmentSource* out, std::string* message);
// The position argument as a line of the loaded list; false (message printed) when none.
bool TakePosition(const CommandContext& ctx, const std::string& text, const ListLoad& load,
                  long* position);
// "A,B,..." of user numbers (1 to 999); false when a part is not one or the list is empty.
bool ParseNumberList(const std::string& text, std::set<int>* numbers);
// The users named by number, in registry order with their registered names, as a dialog lists
// its selected lines. False (with the message) when the registry cannot be read or names
// someone unknown, the acting user (--user) included.
bool ResolveParties(const CommandContext& ctx, const std::set<int>& wanted,
                    std::vector<Party>* recipients, std::string* message);
