// The launcher's files: menu.mox and program.mox beside the program, info.txt in the network
// directory, and starting programs and documents through the platform's associations. These
// functions take and return plain data and the message to show; the window code shows it.
#pragma once
#include <string>
#include <vector>

#include "shell/launcher_regions.h"
#include "shell/program_record.h"
#include "store/context.h"
#include "store/result.h"

// The folder of menu.mox, program.mox and mox.bmp: the running program's own folder, unless a
// folder was set (tests keep their launcher files apart from the shipped ones).
void SetLauncherFolder(const std::string& folder);  // "" goes back to the program's folder
std::string LauncherFolder();
std::string LauncherFilePath(const std::string& name);

extern const char kMenuFileName[];     // "menu.mox"
extern const char kProgramFileName[];  // "program.mox"
extern const char kInfoFileName[];     // "info.txt", in the network directory

// Fills the tables anew from menu.mox and program.mox. A missing file means no regions of that
// kind. After a failure the tables hold what was read before it, and a faulty menu.mox leaves
// program.mox unread.
StoreResult ReadLauncherRegions(LauncherRegions& tables);

// menu.mox from the function table: all 20 slots, each numbered with its slot index.
bool WriteMenuFile(const LauncherRegions& tables);
// Appends a program record for rect and returns its number, the next in file order (101 +
// records before it); 0 when it could not be appended.
int AppendProgramRecord(const RegionRect& rect, const std::string& name,
                        const std::string& command);
// Rewrites program.mox from the list: numbers 101, 102, ... in list order.
bool WriteProgramFile(const std::vector<ProgramRecord>& programs);
// Every record of program.mox in file order (a missing file gives none); not ok when the file is
// faulty.
struct ProgramList : StoreResult {
    std::vector<ProgramRecord> records;
};
ProgramList ReadProgramRecords();

// How a command is started: WinExec in normal show mode, unless a test records it instead.
using CommandRunner = void (*)(const std::string& command);
CommandRunner SetCommandRunner(CommandRunner runner);
// The platform's [Extensions] association entry for a key (at most 259 bytes); "" when none.
std::string AssociationEntry(const std::string& key);
// Starts program 101..110 from its program.mox record, through the association of its
// extension when there is one. Not ok when program.mox is faulty.
StoreResult StartProgram(int number);
// Opens a document with the program its extension is associated with; false when there is no
// association (nothing is started).
bool OpenDocument(const std::string& path);

// The shared notice: true and its text when info.txt exists in the network directory.
bool ReadInfoText(const StoreContext& store, std::string* text);
