// Store naming rules and Shift_JIS text helpers (pure logic).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "store/bytes.h"
#include "store/context.h"
#include "store/names.h"
#include "store/sjis.h"

TEST(StoreNames, JoinAddsOneBackslashOnlyWhenNeeded) {
    EXPECT_EQ(JoinStorePath("F:\\MOX", "login.mox"), "F:\\MOX\\login.mox");
    EXPECT_EQ(JoinStorePath("F:\\MOX\\", "login.mox"), "F:\\MOX\\login.mox");
    EXPECT_EQ(JoinStorePath("", "login.mox"), "login.mox");
    EXPECT_EQ(JoinStorePath("\\\\srv\\share", "007"), "\\\\srv\\share\\007");
}

TEST(StoreNames, NumberedNamesUsePrefixFourDigitsAndExtension) {
    EXPECT_EQ(NumberedName(12, kPrefixRcv, kExtTxt), "rcv0012.txt");
    EXPECT_EQ(NumberedName(7, kPrefixSfl, kExtLst), "sfl0007.lst");
    EXPECT_EQ(NumberedName(12, kPrefixRcv, 9), "rcv0012");
    EXPECT_EQ(NumberedName(9999, kPrefixChk, kExtChk), "chk9999.chk");
    EXPECT_EQ(NumberedName(1, kPrefixCha, kExtMox), "cha0001.mox");
    EXPECT_EQ(NumberedName(3, kPrefixMem, kExtSav), "mem0003.sav");
    // Indices that name no prefix are refused rather than producing a name without one.
    for (int i = 6; i <= 9; ++i) EXPECT_EQ(NumberedName(1, i, kExtTxt), "") << i;
    // Numbers are 16 bits wide and sign-extended, as every client writes them.
    EXPECT_EQ(NumberedName(0x10005, kPrefixGrp, kExtLst), "grp0005.lst");
    EXPECT_STREQ(CounterFileName(kCounterMemo), "memonum.mox");
    EXPECT_STREQ(CounterFileName(6), "");
}

TEST(StoreNames, ShiftRoundTripsEveryByteAndStopsAtNul) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    std::string bytes = all;
    ShiftBytes(bytes, +1);
    EXPECT_NE(bytes, all);
    EXPECT_EQ(static_cast<unsigned char>(bytes.back()), 0x00);  // 0xFF wraps to 0
    ShiftBytes(bytes, -1);
    EXPECT_EQ(bytes, all);

    char text[] = "件名";
    char copy[sizeof text];
    std::memcpy(copy, text, sizeof text);
    ShiftText(text, 1);
    EXPECT_STRNE(text, copy);
    ShiftText(text, -1);
    EXPECT_STREQ(text, copy);
    char empty[] = "";
    ShiftText(empty, 1);
    EXPECT_EQ(empty[0], '\0');
}

TEST(StoreNames, PathPartsRespectDoubleByteTrailBackslash) {
    // 表 is 0x95 0x5C in Shift_JIS: its trail byte is not a separator.
    EXPECT_EQ(PathExtension("c:\\doc\\plan.txt"), ".txt");
    EXPECT_EQ(PathExtension("c:\\doc.d\\b"), "");
    EXPECT_EQ(PathExtension("c:\\data\\表.xls"), ".xls");
    EXPECT_EQ(PathFileName("c:\\data\\表"), "表");
    EXPECT_EQ(PathFileName("d:office.ini"), "office.ini");
    EXPECT_EQ(PathParentFolder("c:\\net\\007\\rcvlst.mox"), "c:\\net\\007");
    EXPECT_EQ(PathParentFolder("c:\\net\\表"), "c:\\net");
    EXPECT_EQ(PathParentFolder("rcvlst.mox"), "");
    EXPECT_EQ(PathRoot("N:\\office\\001"), "N:\\");
    EXPECT_EQ(PathRoot("\\\\srv\\share\\mox\\001"), "\\\\srv\\share\\");
    EXPECT_EQ(PathRoot("\\\\srv\\share"), "\\\\srv\\share\\");
    EXPECT_EQ(PathRoot("office\\001"), "");
}

TEST(Sjis, CutNeverSplitsADoubleByteCharacter) {
    std::string name = "abcdefghi様";  // 9 + 2 bytes
    EXPECT_EQ(CutSjis(name, 10), "abcdefghi");
    EXPECT_EQ(CutSjis(name, 11), name);
    EXPECT_EQ(CutSjis("ソソソ", 5), "ソソ");
    unsigned char field[4] = {'0', '0', '7', '8'};  // no NUL: bounded by the width
    EXPECT_EQ(FieldText(field, 4), "0078");
    unsigned char field2[4] = {'0', '0', 0, '8'};
    EXPECT_EQ(FieldText(field2, 4), "00");
}

TEST(StorePaths, JoinNetworkDirectoryFolderAndName) {
    const StoreContext office{"F:\\MOX", 0};
    EXPECT_EQ(StorePath(office, "login.mox"), "F:\\MOX\\login.mox");
    EXPECT_EQ(UserStorePath(office, "007", "rcvnum.mox"), "F:\\MOX\\007\\rcvnum.mox");
    EXPECT_EQ(NumberedFileName(office, "007", 12, kPrefixRcv, kExtTxt), "F:\\MOX\\007\\rcv0012.txt");
    EXPECT_EQ(StorePath(StoreContext{"F:\\MOX\\", 0}, "login.mox"), "F:\\MOX\\login.mox");
    EXPECT_EQ(StorePath(StoreContext{}, "login.mox"), "login.mox");
    EXPECT_EQ(UserStorePath(StoreContext{}, "007", "x"), "007\\x");
    EXPECT_EQ((StoreContext{"N:", 12}).UserFolder(), "012");
}

TEST(Sjis, FieldTextDropsALoneLeadByteAtItsEndOnly) {
    struct Case {
        std::string stored;
        int shift;
        std::string text;
    } cases[] = {
        {"A\x81", 0, "A"},                   // a name cut in the middle of a character
        {"A\x81\x81\x81", 0, "A\x81\x81"},  // one whole character, then the lone byte
        {"山田", 0, "山田"},
        {"\x81\x09" "B", 0, "\x81\x09" "B"},  // only at the end
        {"C\x82", -1, "B"},                   // stored shifted: judged after shifting back
        {"D\x81", -1, "C\x80"},               // 0x80 leads nothing
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        std::string field = c.stored + std::string(8, '\0');
        const unsigned char* bytes = reinterpret_cast<const unsigned char*>(field.data());
        EXPECT_EQ(FieldText(bytes, 8, c.shift), c.text) << c.stored;
        EXPECT_EQ(FieldBytes(bytes, 8), c.stored);
    }
}

TEST(StoreNames, CounterNumbersPassOverTheTakenOnesAndRunOut) {
    EXPECT_EQ(CounterFilePrefixes(kCounterReceived), (std::vector<std::string>{"rcv", "fil"}));
    EXPECT_EQ(CounterFilePrefixes(kCounterPost), (std::vector<std::string>{"bbs", "fil"}));
    EXPECT_TRUE(CounterFilePrefixes(6).empty());
    EXPECT_EQ(NumberInFileName("rcv0012.txt", "rcv"), 12);
    EXPECT_EQ(NumberInFileName("ATT0003", "att"), 3);
    EXPECT_EQ(NumberInFileName("att0003.tar.gz", "att"), 3);
    for (const char* other : {"att00031.doc", "att003.doc", "att0003x", "rcvlst.mox", "att"})
        EXPECT_EQ(NumberInFileName(other, "att"), 0) << other;

    auto taken = [](std::vector<int> numbers) {
        return [numbers](int n) {
            return std::find(numbers.begin(), numbers.end(), n) != numbers.end();
        };
    };
    EXPECT_EQ(NextFreeItemNumber(41, taken({})), 42);
    EXPECT_EQ(NextFreeItemNumber(9998, taken({1, 2})), 9999);
    EXPECT_EQ(NextFreeItemNumber(9999, taken({1, 2})), 3);
    for (int damaged : {0, -5, 10000, 32767})
        EXPECT_EQ(NextFreeItemNumber(damaged, taken({1, 2, 4})), 3) << damaged;
    EXPECT_EQ(NextFreeItemNumber(500, [](int n) { return n != 500; }), 500);
    EXPECT_EQ(NextFreeItemNumber(500, [](int) { return true; }), 0);
}
