// Launcher regions as data: the two record layouts, the tables they fill, the hit and overlap
// tests, the drag rectangle, the program list lines and the association commands.
#include <gtest/gtest.h>

#include <cstring>

#include "shell/launcher_regions.h"
#include "shell/menu_record.h"
#include "shell/program_record.h"
#include "tests/shell/menu_record.h"

namespace {

std::string ProgramBytes(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        ProgramRecord r;
        r.rect = MakeRegionRect(i * 10, 0, i * 10 + 5, 5);
        r.number = static_cast<int16_t>(kFirstProgram + i);
        r.name = "prog" + std::to_string(i);
        r.command = "c:\\bin\\p" + std::to_string(i) + ".exe";
        bytes += EncodeProgramRecord(r);
    }
    return bytes;
}

}  // namespace

TEST(MenuFile, LaterRecordForAFunctionWinsAndStrayNumbersAreIgnored) {
    LauncherRegions tables;
    std::string bytes = MenuRecord(1, 1, 5, 5, 3) + MenuRecord(10, 20, 30, 40, 3) +
                        MenuRecord(7, 7, 9, 9, 20) + MenuRecord(7, 7, 9, 9, -1) +
                        MenuRecord(7, 7, 9, 9, 300) + MenuRecord(2, 2, 4, 4, 19);
    FillFunctionTable(bytes, tables);
    EXPECT_EQ(tables.functions[3].rect, MakeRegionRect(10, 20, 30, 40));
    EXPECT_EQ(tables.functions[19].rect, MakeRegionRect(2, 2, 4, 4));
    for (int i : {0, 1, 2, 4, 18}) EXPECT_TRUE(tables.functions[i].rect.IsEmpty()) << i;
    // The first rectangle for function 3 no longer reacts.
    EXPECT_EQ(HitTestRegions(tables, 4, 4, PicturePoint()), -1);
    EXPECT_EQ(HitTestRegions(tables, 15, 25, PicturePoint()), 3);
}

TEST(MenuFile, WriterStoresAllTwentySlotsNumberedBySlotAndReadsBack) {
    LauncherRegions tables;
    tables.functions[5].rect = MakeRegionRect(-3, 4, 300, 32000);
    tables.functions[5].number = 9;  // the slot index, not this, is what the file says
    std::string bytes = EncodeMenuFile(tables);
    ASSERT_EQ(bytes.size(), 200u);
    for (int i = 0; i < kRegionSlots; ++i)
        EXPECT_EQ(DecodeMenuRecord(reinterpret_cast<const unsigned char*>(&bytes[i * 10])).number, i);
    EXPECT_EQ(bytes.substr(50, 10), MenuRecord(-3, 4, 300, 32000, 5));
    LauncherRegions back;
    FillFunctionTable(bytes, back);
    EXPECT_EQ(back.functions[5].rect, MakeRegionRect(-3, 4, 300, 32000));
    EXPECT_EQ(back.functions[5].number, 5);
}

TEST(ProgramFile, RecordFieldsStayWithinTheirWidths) {
    ProgramRecord r;
    r.rect = MakeRegionRect(1, 2, 3, 4);
    r.number = 104;
    r.name = "x表計算ソフトウェアの起動";  // 25 bytes: cut to 19, never inside a character
    r.command = std::string(300, 'x');
    std::string bytes = EncodeProgramRecord(r);
    ASSERT_EQ(bytes.size(), kProgramRecordSize);
    EXPECT_EQ(bytes[8], 104);
    EXPECT_EQ(bytes[program_field::kName + 20], '\0');
    EXPECT_EQ(bytes[program_field::kCommand + 255], '\0');
    EXPECT_EQ(bytes.substr(287), std::string(225, '\0'));
    ProgramRecord back = DecodeProgramRecord(reinterpret_cast<const unsigned char*>(bytes.data()));
    EXPECT_EQ(back.name, "x表計算ソフトウェア");
    EXPECT_EQ(back.command, std::string(255, 'x'));
    EXPECT_EQ(back.rect, r.rect);

    // A peer's record without its NULs never yields more than the field allows.
    std::string raw(kProgramRecordSize, 'A');
    back = DecodeProgramRecord(reinterpret_cast<const unsigned char*>(raw.data()));
    EXPECT_EQ(back.name.size(), kProgramNameMax);
    EXPECT_EQ(back.command.size(), kProgramCommandMax);
}

TEST(ProgramFile, TableTakesTwentyRecordsAndClearsTheRest) {
    LauncherRegions tables;
    FillProgramTable(ProgramBytes(22), tables);
    EXPECT_EQ(tables.programs[19].number, 120);
    EXPECT_EQ(tables.programs[19].name, "prog19");
    EXPECT_EQ(HitTestRegions(tables, 212, 2, PicturePoint()), -1);  // record 22 has no slot

    FillProgramTable(ProgramBytes(2), tables);
    EXPECT_EQ(tables.programs[1].number, 102);
    EXPECT_EQ(tables.programs[2].number, 0);
    EXPECT_TRUE(tables.programs[2].name.empty());
    EXPECT_TRUE(tables.programs[19].rect.IsEmpty());
}

TEST(HitTest, SlotOrderDecidesAndFunctionWinsAtEqualIndex) {
    LauncherRegions t;
    t.functions[2].rect = MakeRegionRect(0, 0, 100, 100);
    t.functions[2].number = 2;
    t.programs[1].rect = MakeRegionRect(50, 50, 150, 150);
    t.programs[1].number = 102;
    t.functions[1].rect = MakeRegionRect(120, 120, 200, 200);
    t.functions[1].number = 1;
    EXPECT_EQ(HitTestRegions(t, 60, 60, PicturePoint()), 102);   // program slot 1 before slot 2
    EXPECT_EQ(HitTestRegions(t, 130, 130, PicturePoint()), 1);   // function slot 1 first
    EXPECT_EQ(HitTestRegions(t, 10, 10, PicturePoint()), 2);
    // Left and top are inside, right and bottom outside.
    EXPECT_EQ(HitTestRegions(t, 199, 199, PicturePoint()), 1);
    EXPECT_EQ(HitTestRegions(t, 200, 150, PicturePoint()), -1);
    // The scroll offset is added to the client point.
    PicturePoint scroll;
    scroll.x = 100;
    scroll.y = 100;
    EXPECT_EQ(HitTestRegions(t, 30, 30, scroll), 1);
    EXPECT_EQ(HitTestRegions(t, 0, 0, scroll), 102);
}

TEST(HitTest, KindsAndLabels) {
    LauncherRegions t;
    t.programs[0].number = 101;
    t.programs[0].name = "電卓";
    t.programs[3].number = 111;
    t.programs[3].name = "eleventh";
    EXPECT_EQ(RegionLabel(t, 5), "メール");
    EXPECT_EQ(RegionLabel(t, 11), "カレンダー");
    EXPECT_EQ(RegionLabel(t, 101), "電卓");
    EXPECT_EQ(RegionLabel(t, 111), "");
    EXPECT_EQ(KindOfRegion(12), RegionKind::kNone);
    EXPECT_EQ(KindOfRegion(19), RegionKind::kNone);
    EXPECT_EQ(KindOfRegion(-1), RegionKind::kNone);
    EXPECT_EQ(KindOfRegion(110), RegionKind::kProgram);
    EXPECT_EQ(KindOfRegion(111), RegionKind::kNone);
}

TEST(Overlap, AnySharedPixelTakesTheRectangle) {
    LauncherRegions t;
    t.functions[7].rect = MakeRegionRect(10, 10, 20, 20);
    t.programs[4].rect = MakeRegionRect(100, 0, 110, 10);
    EXPECT_FALSE(RegionsAreFree(t, MakeRegionRect(19, 19, 30, 30)));
    EXPECT_FALSE(RegionsAreFree(t, MakeRegionRect(0, 0, 200, 5)));
    EXPECT_FALSE(RegionsAreFree(t, MakeRegionRect(12, 12, 13, 13)));  // inside
    EXPECT_TRUE(RegionsAreFree(t, MakeRegionRect(20, 10, 30, 20)));    // touching the right edge
    EXPECT_TRUE(RegionsAreFree(t, MakeRegionRect(0, 20, 100, 40)));
}

TEST(Drag, RectangleIsNormalisedAndMovedByTheScrollOffset) {
    PicturePoint scroll;
    EXPECT_EQ(DragRect(100, 80, 40, 20, scroll), MakeRegionRect(40, 20, 100, 80));
    EXPECT_EQ(DragRect(10, 80, 40, 20, scroll), MakeRegionRect(10, 20, 40, 80));
    scroll.x = 5;
    scroll.y = 7;
    EXPECT_EQ(DragRect(100, 80, 40, 20, scroll), MakeRegionRect(45, 27, 105, 87));
    EXPECT_TRUE(DragRect(30, 30, 30, 30, scroll).IsEmpty());  // a click marks nothing
    EXPECT_TRUE(DragRect(30, 30, 60, 30, scroll).IsEmpty());  // nor does a line
}

TEST(ProgramList, LinesRoundTripAndForgiveDamage) {
    ProgramRecord r;
    r.name = "ワープロ";
    r.rect = MakeRegionRect(10, 20, 110, 60);
    r.command = "c:\\apps\\wp.exe\t/n";
    std::string line = ProgramListLine(r);
    EXPECT_EQ(line, "ワープロ\t10\t20\t110\t60\tc:\\apps\\wp.exe\t/n");
    ProgramRecord back = ParseProgramListLine(line);
    EXPECT_EQ(back.name, r.name);
    EXPECT_EQ(back.rect, r.rect);
    EXPECT_EQ(back.command, r.command);

    // A tab typed into a name must not push the coordinates into the command line.
    r.name = "a\tb";
    back = ParseProgramListLine(ProgramListLine(r));
    EXPECT_EQ(back.name, "a b");
    EXPECT_EQ(back.rect, r.rect);

    back = ParseProgramListLine("x\t12a\t\t-5");
    EXPECT_EQ(back.rect, MakeRegionRect(12, 0, -5, 0));
    EXPECT_EQ(back.command, "");
    EXPECT_EQ(ParseProgramListLine("").name, "");
}

TEST(Associations, EntryProgramIsFollowedByThePath) {
    EXPECT_EQ(AssociationKey("c:\\doc\\plan.txt"), "txt");
    EXPECT_EQ(AssociationKey("c:\\doc.d\\plan"), "");
    EXPECT_EQ(AssociationKey("c:\\表\\報告.xls"), "xls");
    EXPECT_EQ(AssociatedCommand("notepad.exe ^.txt", "c:\\doc\\plan.txt"),
              "notepad.exe c:\\doc\\plan.txt");
    // Written without a caret or with extra blanks, the entry still gives one separated command.
    EXPECT_EQ(AssociatedCommand("notepad.exe", "c:\\a.txt"), "notepad.exe c:\\a.txt");
    EXPECT_EQ(AssociatedCommand("wp.exe   ^.doc", "a.doc"), "wp.exe a.doc");
    EXPECT_EQ(AssociatedCommand("wp.exe ^.doc", "n:\\総務 共有\\001\\att0001.doc"),
              "wp.exe \"n:\\総務 共有\\001\\att0001.doc\"");
    EXPECT_EQ(AssociatedCommand("", "c:\\a.txt"), "");
    EXPECT_EQ(AssociatedCommand("^.txt", "c:\\a.txt"), "");
}
