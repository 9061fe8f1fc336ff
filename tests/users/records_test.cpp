// Record layouts of the user registry, the name import list and the password file.
#include <gtest/gtest.h>

#include <cstring>

#include "users/import_list.h"
#include "users/password.h"
#include "users/registry_record.h"

TEST(RegistryRecord, FieldsSitAtTheirOffsetsAndRoundTrip) {
    RegistryRecord r = MakeRegistryRecord("山田太郎", 12, "yamada");
    std::string bytes = EncodeRegistryRecord(r);
    ASSERT_EQ(bytes.size(), 64u);
    EXPECT_EQ(bytes.substr(0, 9), std::string("山田太郎") + '\0');
    EXPECT_EQ(bytes.substr(21, 4), std::string("012\0", 4));
    EXPECT_EQ(bytes[25], '\0');
    EXPECT_EQ(bytes[26], 12);
    EXPECT_EQ(bytes[27], 0);
    EXPECT_EQ(bytes.substr(28, 7), std::string("yamada\0", 7));
    for (size_t i = 49; i < 64; ++i) EXPECT_EQ(bytes[i], 0) << i;
    RegistryRecord back = DecodeRegistryRecord(reinterpret_cast<const unsigned char*>(bytes.data()));
    EXPECT_EQ(back.name, "山田太郎");
    EXPECT_EQ(back.numberText, "012");
    EXPECT_EQ(back.number, 12);
    EXPECT_EQ(back.loginName, "yamada");
    EXPECT_EQ(RegistryListLine(back), "山田太郎\t012");
}

TEST(RegistryRecord, PeerRecordsWithoutNulAreReadWithinTheirFields) {
    unsigned char raw[64];
    std::memset(raw, 'A', sizeof raw);  // no NUL anywhere
    RegistryRecord r = DecodeRegistryRecord(raw);
    EXPECT_EQ(r.name.size(), 21u);
    EXPECT_EQ(r.numberText.size(), 4u);
    EXPECT_EQ(r.loginName.size(), 21u);
    // Over-long names are cut to 20 bytes on a character boundary when written.
    RegistryRecord longName = MakeRegistryRecord("abcdefghijklmnopqrs漢字", 5, "");
    RegistryRecord back = DecodeRegistryRecord(
        reinterpret_cast<const unsigned char*>(EncodeRegistryRecord(longName).data()));
    EXPECT_EQ(back.name, "abcdefghijklmnopqrs");
}

TEST(RegistryRecord, TrailingPartialRecordIsIgnored) {
    std::string file = EncodeRegistryRecord(MakeRegistryRecord("a", 1, "")) +
                       EncodeRegistryRecord(MakeRegistryRecord("b", 2, "")) + std::string(30, 'x');
    std::vector<RegistryRecord> records = DecodeRegistry(file);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].name, "b");
}

TEST(NameImportList, LinesEndAtCrAndLongLinesSplit) {
    // A 25-byte line gives its first 20 bytes and its last 5 as two entries.
    std::vector<std::string> e = ParseNameImportList("abcdefghijklmnopqrstuvwxy\r\n佐藤\r\n");
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0], "abcdefghijklmnopqrst");
    EXPECT_EQ(e[1], "uvwxy");
    EXPECT_EQ(e[2], "佐藤");
    // A last line without CR is not read.
    EXPECT_EQ(ParseNameImportList("鈴木\r\n田中").size(), 1u);
    // An LF discards what was collected since the previous CR: LF-only lines give nothing.
    EXPECT_TRUE(ParseNameImportList("abc\ndef\n").empty());
    e = ParseNameImportList("ab\rc\nd\r");
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[1], "d");
    // Empty lines give no entry.
    EXPECT_EQ(ParseNameImportList("\r\n\r\nx\r\n").size(), 1u);
    // A double-byte character that would straddle byte 20 starts the next entry.
    e = ParseNameImportList("abcdefghijklmnopqrs漢字\r\n");
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0], "abcdefghijklmnopqrs");
    EXPECT_EQ(e[1], "漢字");
    // A damaged lead byte before the CR does not swallow the line end.
    e = ParseNameImportList("ab\x82\r\ncd\r\n");
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0], "ab\x82");
    EXPECT_EQ(FormatNameImportList({"a", "佐藤"}), "a\r\n佐藤\r\n");
}

TEST(PasswordFile, RoundTripsOnAnyDayOfTheYear) {
    for (int day : {0, 1, 200, 365}) {
        EXPECT_EQ(DecodePasswordFile(EncodePasswordFile("pa55word", day)), "pa55word") << day;
        EXPECT_EQ(DecodePasswordFile(EncodePasswordFile("秘密", day)), "秘密") << day;
    }
    // An empty password is eight words equal to the key.
    std::string empty = EncodePasswordFile("", 300);
    ASSERT_EQ(empty.size(), 18u);
    for (int w = 0; w < 9; ++w) {
        EXPECT_EQ(static_cast<unsigned char>(empty[2 * w]), 300 & 0xFF);
        EXPECT_EQ(static_cast<unsigned char>(empty[2 * w + 1]), 300 >> 8);
    }
    EXPECT_EQ(DecodePasswordFile(empty), "");
    // Only 8 bytes are kept.
    EXPECT_EQ(DecodePasswordFile(EncodePasswordFile("123456789", 5)), "12345678");
}

TEST(PasswordFile, ShortFileYieldsTheWholeWordsItHolds) {
    std::string full = EncodePasswordFile("abcd", 40);
    EXPECT_EQ(DecodePasswordFile(full.substr(0, 7)), "ab");  // words 1 and 2 whole, 3 half
    EXPECT_EQ(DecodePasswordFile(full.substr(0, 1)), "");
    EXPECT_EQ(DecodePasswordFile(""), "");
}
