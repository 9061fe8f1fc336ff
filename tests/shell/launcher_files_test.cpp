// The launcher files under Wine: menu.mox and program.mox in a folder of their own, programs and
// documents started through the platform's [Extensions] associations, and info.txt.
#include <gtest/gtest.h>

#include "shell/launcher_files.h"
#include "shell/launcher_window.h"
#include "store/store.h"
#include "tests/shell/menu_record.h"
#include "tests/support/support.h"

namespace {

std::vector<std::string> g_commands;
void RecordCommand(const std::string& command) { g_commands.push_back(command); }

// A PC's launcher folder, apart from the launcher files shipped beside the test program, with
// started commands recorded instead of run.
struct LauncherPc {
    TempFolder folder{"moxlaunch"};
    CommandRunner previousRunner;
    LauncherState launcher;  // as the main window keeps it

    LauncherPc() {
        SetLauncherFolder(folder.Dir());
        g_commands.clear();
        previousRunner = SetCommandRunner(RecordCommand);
    }
    ~LauncherPc() {
        SetCommandRunner(previousRunner);
        SetLauncherFolder("");
    }
    std::string Menu() const { return folder.Path("menu.mox"); }
    std::string Programs() const { return folder.Path("program.mox"); }
};

std::string ProgramFile(const std::vector<std::string>& commands) {
    std::string bytes;
    for (size_t i = 0; i < commands.size(); ++i) {
        ProgramRecord r;
        r.rect = MakeRegionRect(0, static_cast<int>(i) * 10, 50, static_cast<int>(i) * 10 + 10);
        r.number = static_cast<int16_t>(kFirstProgram + i);
        r.name = "p" + std::to_string(i);
        r.command = commands[i];
        bytes += EncodeProgramRecord(r);
    }
    return bytes;
}

}  // namespace

TEST(LauncherRegionsFile, FifteenByteMenuIsRejectedAndProgramsStayUnread) {
    LauncherPc pc;
    WriteRawFile(pc.Menu(), MenuRecord(0, 0, 10, 10, 1) + "12345");
    WriteRawFile(pc.Programs(), ProgramFile({"a.exe"}));
    ClearMessages();
    LoadLauncherRegions(pc.launcher);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0], "ファイルの形式が違います");
    EXPECT_EQ(RegionHitTest(pc.launcher, 5, 5), -1);  // neither table was filled
    EXPECT_TRUE(pc.launcher.tables.programs[0].rect.IsEmpty());
}

TEST(LauncherRegionsFile, LoadsBothFilesAndAMissingFileIsNoError) {
    LauncherPc pc;
    ClearMessages();
    LoadLauncherRegions(pc.launcher);
    EXPECT_TRUE(RecordedMessages().empty());
    EXPECT_EQ(RegionHitTest(pc.launcher, 5, 5), -1);

    WriteRawFile(pc.Menu(), MenuRecord(0, 0, 10, 10, 3) + MenuRecord(100, 100, 120, 120, 3));
    WriteRawFile(pc.Programs(), ProgramFile({"a.exe", "b.exe"}));
    LoadLauncherRegions(pc.launcher);
    EXPECT_TRUE(RecordedMessages().empty());
    EXPECT_EQ(RegionHitTest(pc.launcher, 110, 110), 3);
    EXPECT_EQ(RegionHitTest(pc.launcher, 5, 5), 101);  // the early function 3 rectangle is gone
    EXPECT_EQ(RegionHitTest(pc.launcher, 5, 15), 102);
    EXPECT_EQ(pc.launcher.tables.programs[1].name, "p1");

    // A program.mox with a partial record: message, and the function table stays loaded.
    WriteRawFile(pc.Programs(), ProgramFile({"a.exe"}) + "x");
    LoadLauncherRegions(pc.launcher);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0], "ファイルの形式が違います");
    EXPECT_EQ(RegionHitTest(pc.launcher, 110, 110), 3);
    EXPECT_EQ(RegionHitTest(pc.launcher, 5, 5), -1);
}

TEST(LauncherRegionsFile, WritersKeepTheLayoutAndNumbering) {
    LauncherPc pc;
    LauncherRegions& t = pc.launcher.tables;
    t.functions[4].rect = MakeRegionRect(1, 2, 30, 40);
    ASSERT_TRUE(WriteMenuFile(t));
    EXPECT_EQ(RawFileSize(pc.Menu()), 200);
    EXPECT_EQ(ReadRawFile(pc.Menu()).substr(40, 10), MenuRecord(1, 2, 30, 40, 4));

    // Three records already: the next program is 104.
    WriteRawFile(pc.Programs(), ProgramFile({"a.exe", "b.exe", "c.exe"}));
    EXPECT_EQ(AppendProgramRecord(MakeRegionRect(5, 6, 70, 80), "電卓", "calc.exe"), 104);
    ProgramList list = ReadProgramRecords();
    ASSERT_TRUE(list.ok);
    std::vector<ProgramRecord> records = list.records;
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[3].number, 104);
    EXPECT_EQ(records[3].name, "電卓");
    EXPECT_EQ(records[3].command, "calc.exe");
    EXPECT_EQ(records[3].rect, MakeRegionRect(5, 6, 70, 80));

    // Deleting the second of four and rewriting closes the numbers up.
    records.erase(records.begin() + 1);
    ASSERT_TRUE(WriteProgramFile(records));
    list = ReadProgramRecords();
    ASSERT_TRUE(list.ok);
    records = list.records;
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].command, "c.exe");
    EXPECT_EQ(records[1].number, 102);
    EXPECT_EQ(records[2].number, 103);
    EXPECT_EQ(RawFileSize(pc.Programs()), 3 * 512);
}

TEST(LauncherRegionsFile, AppendNeverWritesAcrossARecordBoundary) {
    LauncherPc pc;
    const std::string damaged = ProgramFile({"a.exe"}) + "xyz";
    WriteRawFile(pc.Programs(), damaged);
    EXPECT_EQ(AppendProgramRecord(MakeRegionRect(0, 0, 5, 5), "n", "c.exe"), 0);
    EXPECT_EQ(ReadRawFile(pc.Programs()), damaged);

    // The window operation says so in a warning owned by the dialog.
    static std::vector<std::string> boxes;
    boxes.clear();
    LauncherBox previous = SetLauncherBox([](HWND, const std::string& text, const char* caption,
                                             unsigned flags) {
        boxes.push_back(text + "|" + caption + "|" + std::to_string(flags & MB_ICONMASK));
        return IDOK;
    });
    EXPECT_FALSE(AppendProgram(nullptr, MakeRegionRect(0, 0, 5, 5), "n", "c.exe"));
    SetLauncherBox(previous);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "program.mox ファイルを保存できません。|ミトカ|" +
                            std::to_string(MB_ICONEXCLAMATION));
}

TEST(LauncherPrograms, StartThroughAssociationsOrAsTheyAre) {
    LauncherPc pc;
    ClearMessages();
    LaunchProgram(101);  // no program.mox: nothing happens
    EXPECT_TRUE(g_commands.empty());
    EXPECT_TRUE(RecordedMessages().empty());

    WriteRawFile(pc.Programs(), ProgramFile({"c:\\doc\\plan.txt", "c:\\doc\\plan.mxq",
                                             "c:\\tools\\calc.exe"}));
    {
        Association txt("txt", "notepad.exe ^.txt");
        LaunchProgram(101);
        LaunchProgram(102);  // no association for .mxq: runs as a program in its own right
        LaunchProgram(103);
        ASSERT_EQ(g_commands.size(), 3u);
        EXPECT_EQ(g_commands[0], "notepad.exe c:\\doc\\plan.txt");
        EXPECT_EQ(g_commands[1], "c:\\doc\\plan.mxq");
        EXPECT_EQ(g_commands[2], "c:\\tools\\calc.exe");

        OpenByAssociation(nullptr, "n:\\office\\007\\att0003.txt");
        EXPECT_EQ(g_commands.back(), "notepad.exe n:\\office\\007\\att0003.txt");
    }
    EXPECT_TRUE(RecordedMessages().empty());

    // Past the records, or outside 101..110: nothing runs.
    g_commands.clear();
    LaunchProgram(104);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0], "ファイルの入力に失敗しました");
    LaunchProgram(100);
    LaunchProgram(111);
    EXPECT_TRUE(g_commands.empty());

    WriteRawFile(pc.Programs(), ProgramFile({"a.exe"}) + "x");
    ClearMessages();
    LaunchProgram(101);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0], "ファイルの形式が違います");
    EXPECT_TRUE(g_commands.empty());
}

TEST(LauncherPrograms, DocumentWithoutAssociationIsReportedAndNotRun) {
    LauncherPc pc;
    static std::vector<std::string> boxes;
    boxes.clear();
    LauncherBox previous = SetLauncherBox([](HWND, const std::string& text, const char* caption,
                                             unsigned) {
        boxes.push_back(text + "|" + caption);
        return IDOK;
    });
    OpenByAssociation(nullptr, "c:\\doc\\plan.mxq");
    OpenByAssociation(nullptr, "c:\\doc\\noextension");
    SetLauncherBox(previous);
    EXPECT_TRUE(g_commands.empty());
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], "関連付けされていません|ミトカ");
}

TEST(LauncherPrograms, WinExecRunsTheAssociatedProgramWithTheDocument) {
    LauncherPc pc;
    SetCommandRunner(nullptr);  // the platform's WinExec, for real
    TempFolder out("moxrec");
    const std::string record = out.Path("command.txt");
    SetEnvironmentVariableA("MOX_RECORD_FILE", record.c_str());
    const std::string recorder = BinPath("record_exec.exe");
    Association mxr("mxr", recorder + " ^.mxr");
    WriteRawFile(pc.Programs(), ProgramFile({"c:\\doc\\plan.mxr"}));

    LaunchProgram(101);
    for (int i = 0; i < 600 && ReadRawFile(record).empty(); ++i) Sleep(50);
    EXPECT_EQ(ReadRawFile(record), recorder + " c:\\doc\\plan.mxr");

    DeleteFileA(record.c_str());
    OpenByAssociation(nullptr, "c:\\doc\\報告.mxr");
    for (int i = 0; i < 600 && ReadRawFile(record).empty(); ++i) Sleep(50);
    EXPECT_EQ(ReadRawFile(record), recorder + " c:\\doc\\報告.mxr");

    // A path with a blank reaches the program as one document.
    DeleteFileA(record.c_str());
    OpenByAssociation(nullptr, "c:\\総務 共有\\報告.mxr");
    for (int i = 0; i < 600 && ReadRawFile(record).empty(); ++i) Sleep(50);
    EXPECT_EQ(ReadRawFile(record), recorder + " \"c:\\総務 共有\\報告.mxr\"");
}

TEST(InfoText, PresentEmptyOrAbsent) {
    TempStore store;
    std::string text = "x";
    EXPECT_FALSE(ReadInfoText(store.As(), &text));
    WriteRawFile(store.Path("info.txt"), "");
    EXPECT_TRUE(ReadInfoText(store.As(), &text));
    EXPECT_EQ(text, "");
    WriteRawFile(store.Path("info.txt"), "本日は１５時から全体会議です。\r\n");
    EXPECT_TRUE(ReadInfoText(store.As(), &text));
    EXPECT_EQ(text, "本日は１５時から全体会議です。\r\n");

    // Shown as it is, owned by the main window, with the system's caption.
    static std::string shown;
    LauncherBox previous = SetLauncherBox([](HWND, const std::string& t, const char* caption,
                                             unsigned) {
        shown = t + "|" + caption;
        return IDOK;
    });
    WriteRawFile(store.Path("info.txt"), "");
    ShowInfoText(nullptr, store.As());
    SetLauncherBox(previous);
    EXPECT_EQ(shown, "|ミトカ");
}
