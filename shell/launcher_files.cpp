#include "shell/launcher_files.h"

#include <windows.h>

#include "shell/menu_record.h"
#include "store/bytes.h"
#include "store/names.h"
#include "store/store.h"

const char kMenuFileName[] = "menu.mox";
const char kProgramFileName[] = "program.mox";
const char kInfoFileName[] = "info.txt";

namespace {

std::string g_launcherFolder;

void RunWithWinExec(const std::string& command) { WinExec(command.c_str(), SW_SHOW); }
CommandRunner g_runner = RunWithWinExec;

std::string ProgramFolder() {
    char path[MAX_PATH + 1] = {0};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::string();
    return PathParentFolder(path);
}

}  // namespace

void SetLauncherFolder(const std::string& folder) { g_launcherFolder = folder; }

std::string LauncherFolder() {
    return g_launcherFolder.empty() ? ProgramFolder() : g_launcherFolder;
}

std::string LauncherFilePath(const std::string& name) {
    std::string folder = LauncherFolder();
    return folder.empty() ? name : folder + "\\" + name;
}

StoreResult ReadLauncherRegions(LauncherRegions& tables) {
    StoreResult result;
    // The tables follow the files: whatever the menu dialogs changed in memory and did not
    // save goes away here.
    tables = LauncherRegions();

    StoreFile menu(LauncherFilePath(kMenuFileName), kOpenRead);
    if (menu.IsOpen()) {
        long size = StoreSize(menu.Get());
        if (size < 0 || size % static_cast<long>(kMenuRecordSize) != 0) {
            result.Fail(kMsgWrongFormat);
            return result;
        }
        std::string bytes;
        bool ok = StoreReadUpTo(menu.Get(), bytes, static_cast<size_t>(size));
        FillFunctionTable(bytes, tables);
        if (!ok) {
            result.Fail(kMsgReadFailed);
            return result;
        }
    }

    StoreFile programs(LauncherFilePath(kProgramFileName), kOpenRead);
    if (!programs.IsOpen()) return result;
    long size = StoreSize(programs.Get());
    if (size < 0 || size % static_cast<long>(kProgramRecordSize) != 0) {
        result.Fail(kMsgWrongFormat);
        return result;
    }
    // Only the first 20 records have a slot; the rest stay in the file for the dialogs.
    long wanted = static_cast<long>(kProgramRecordSize) * kRegionSlots;
    std::string bytes;
    bool ok = StoreReadUpTo(programs.Get(), bytes, static_cast<size_t>(size < wanted ? size : wanted));
    FillProgramTable(bytes, tables);
    if (!ok) result.Fail(kMsgReadFailed);
    return result;
}

bool WriteMenuFile(const LauncherRegions& tables) {
    return WriteStoreFile(LauncherFilePath(kMenuFileName), EncodeMenuFile(tables));
}

int AppendProgramRecord(const RegionRect& rect, const std::string& name,
                        const std::string& command) {
    StoreFile file(StoreOpenAppend(LauncherFilePath(kProgramFileName)));
    if (!file.IsOpen()) return 0;
    long size = StoreSize(file.Get());
    // A record appended after a partial one would sit across the record boundaries and turn
    // every later read of the file into a format error.
    if (size < 0 || size % static_cast<long>(kProgramRecordSize) != 0) return 0;
    ProgramRecord record;
    record.rect = rect;
    record.number = static_cast<int16_t>(kFirstProgram + size / static_cast<long>(kProgramRecordSize));
    record.name = name;
    record.command = command;
    return StoreAppendWhole(file.Get(), EncodeProgramRecord(record)) ? record.number : 0;
}

bool WriteProgramFile(const std::vector<ProgramRecord>& programs) {
    std::string bytes;
    for (size_t i = 0; i < programs.size(); ++i) {
        ProgramRecord record = programs[i];
        record.number = static_cast<int16_t>(kFirstProgram + i);
        bytes += EncodeProgramRecord(record);
    }
    return WriteStoreFile(LauncherFilePath(kProgramFileName), bytes);
}

ProgramList ReadProgramRecords() {
    ProgramList list;
    StoreFile file(LauncherFilePath(kProgramFileName), kOpenRead);
    if (!file.IsOpen()) return list;
    long size = StoreSize(file.Get());
    if (size < 0 || size % static_cast<long>(kProgramRecordSize) != 0) {
        list.Fail(kMsgWrongFormat);
        return list;
    }
    std::string bytes;
    bool ok = StoreReadUpTo(file.Get(), bytes, static_cast<size_t>(size));
    const unsigned char* p = BytesOf(bytes);
    for (size_t off = 0; off + kProgramRecordSize <= bytes.size(); off += kProgramRecordSize)
        list.records.push_back(DecodeProgramRecord(p + off));
    if (!ok) list.Fail(kMsgReadFailed);
    return list;
}

CommandRunner SetCommandRunner(CommandRunner runner) {
    CommandRunner previous = g_runner;
    g_runner = runner ? runner : RunWithWinExec;
    return previous;
}

std::string AssociationEntry(const std::string& key) {
    // Without a key the platform would list every entry of the section.
    if (key.empty()) return std::string();
    char entry[260] = {0};
    GetProfileStringA("Extensions", key.c_str(), "", entry, sizeof entry);
    return entry;
}

StoreResult StartProgram(int number) {
    StoreResult result;
    if (number < kFirstProgram || number > kLastUsableProgram) return result;
    StoreFile file(LauncherFilePath(kProgramFileName), kOpenRead);
    if (!file.IsOpen()) return result;
    long size = StoreSize(file.Get());
    if (size < 0 || size % static_cast<long>(kProgramRecordSize) != 0) {
        result.Fail(kMsgWrongFormat);
        return result;
    }
    long offset = (number - kFirstProgram) * static_cast<long>(kProgramRecordSize);
    unsigned char bytes[kProgramRecordSize];
    if (offset + static_cast<long>(kProgramRecordSize) > size ||
        StoreSeek(file.Get(), offset, kSeekSet) != offset ||
        !StoreReadExactly(file.Get(), bytes, sizeof bytes)) {
        result.Fail(kMsgReadFailed);
        return result;
    }
    file.Close();
    std::string command = DecodeProgramRecord(bytes).command;
    std::string associated = AssociatedCommand(AssociationEntry(AssociationKey(command)), command);
    // With no association the command line runs as a program in its own right.
    g_runner(associated.empty() ? command : associated);
    return result;
}

bool OpenDocument(const std::string& path) {
    std::string command = AssociatedCommand(AssociationEntry(AssociationKey(path)), path);
    if (command.empty()) return false;
    g_runner(command);
    return true;
}

bool ReadInfoText(const StoreContext& store, std::string* text) {
    return ReadStoreFile(StorePath(store, kInfoFileName), *text);
}
