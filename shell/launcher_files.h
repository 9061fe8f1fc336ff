// The launcher's files: menu.mox and program.mox beside the program, info.txt in the network
// directory, and starting programs and documents through the platform's associations. These
// functions take and return plain data and the message to show; the window code shows it.
#pragma once
#include <string>
#include <vector>

#include "shell/launcher_regions.h"
#include "shell/program_record.h"

// The folder of menu.mox, program.mox and mox.bmp: the running program's own folder, unless a
// folder was set (tests keep their launcher files apart from the shipped ones).
void SetLauncherFolder(const std::string& folder);  // "" goes back to the program's folder
std::string LauncherFolder();
std::string LauncherFilePath(const std::string& name);

extern const char kMenuFileName[];     // "menu.mox"
extern const char kProgramFileName[];  // "program.mox"
extern const char kInfoFileName[];     // "info.txt", in the network directory

// Fills LauncherTables() anew from menu.mox and program.mox. A missing file means no regions of
// that kind. Returns "" or the message to show with no owner; after a message the tables hold
// what was read before it, and a faulty menu.mox leaves program.mox unread.
std::string ReadLauncherRegions();

// menu.mox from the function table: all 20 slots, each numbered with its slot index.
bool WriteMenuFile(const LauncherRegions& tables);
// Appends a program record for rect; its number is the next in file order (101 + records
// before it), stored in *number when given.
bool AppendProgramRecord(const RegionRect& rect, const std::string& name,
                         const std::string& command, int* number = nullptr);
// Rewrites program.mox from the list: numbers 101, 102, ... in list order.
bool WriteProgramFile(const std::vector<ProgramRecord>& programs);
// Every record of program.mox in file order (a missing file gives none). false and the message
// to show when the file is faulty.
bool ReadProgramRecords(std::vector<ProgramRecord>* records, std::string* message);

// How a command is started: WinExec in normal show mode, unless a test records it instead.
using CommandRunner = void (*)(const std::string& command);
CommandRunner SetCommandRunner(CommandRunner runner);
// The platform's [Extensions] association entry for a key (at most 259 bytes); "" when none.
std::string AssociationEntry(const std::string& key);
// Starts program 101..110 from its program.mox record, through the association of its
// extension when there is one. Returns "" or the message to show with no owner.
std::string StartProgram(int number);
// Opens a document with the program its extension is associated with; false when there is no
// association (nothing is started).
bool OpenDocument(const std::string& path);

// The shared notice: true and its text when info.txt exists in the network directory.
bool ReadInfoText(std::string* text);
