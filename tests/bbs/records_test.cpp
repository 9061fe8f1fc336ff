// The board records, the read-mark bits and the lines, byte for byte as other clients write and
// read them.
#include <gtest/gtest.h>

#include "bbs/board_title_record.h"
#include "bbs/post_record.h"
#include "bbs/read_marks.h"
#include "bbs/reader_record.h"

namespace {

const unsigned char* Bytes(const std::string& s) {
    return reinterpret_cast<const unsigned char*>(s.data());
}

}  // namespace

TEST(BoardRecords, PostRecordFieldsLieAtTheirOffsets) {
    PostRecord post;
    post.authorNumber = 7;
    post.authorName = "山田太郎";
    post.number = 42;
    post.postedTime.month = 11;
    post.subject = std::string(48, 'a') + "表";  // exactly 50 bytes
    std::string bytes = EncodePostRecord(post);
    ASSERT_EQ(bytes.size(), 256u);
    EXPECT_EQ(bytes.substr(0, 3), std::string("\0\3\2", 3));
    EXPECT_EQ(GetInt16(Bytes(bytes) + 12), 7);
    EXPECT_EQ(std::string(bytes.c_str() + 14), "山田太郎");
    EXPECT_EQ(GetInt16(Bytes(bytes) + 36), 42);
    EXPECT_EQ(GetInt16(Bytes(bytes) + 38), 42);
    EXPECT_EQ(GetInt16(Bytes(bytes) + 40 + 8), 11);  // month, the fifth time value
    EXPECT_EQ(bytes[76], 'b');                         // the subject lies shifted
    EXPECT_EQ(bytes.substr(126), std::string(130, '\0'));
    EXPECT_EQ(DecodePostRecord(Bytes(bytes)).subject, post.subject);

    // The copy at offset 38 names the post; a record written plain keeps its subject plain.
    bytes[36] = 99;
    bytes[2] = 0;
    bytes.replace(76, 2, "ab");
    PostRecord back = DecodePostRecord(Bytes(bytes));
    EXPECT_EQ(back.number, 42);
    EXPECT_EQ(back.subject.substr(0, 2), "ab");
}

TEST(BoardRecords, BoardTitlesAreShiftedAndReadWithinTheRecord) {
    std::string bytes = EncodeBoardTitleRecord(BoardTitleRecord{5, "総務部"});
    EXPECT_EQ(bytes[2], 2);
    EXPECT_EQ(GetInt16(Bytes(bytes) + 36), 5);
    EXPECT_NE(bytes.substr(76, 6), "総務部");
    EXPECT_EQ(DecodeBoardTitleRecord(Bytes(bytes)).title, "総務部");
    // A title written plain that fills the record to its end, without a NUL.
    std::string plain(256, '\0');
    plain.replace(76, 180, std::string(180, 'T'));
    EXPECT_EQ(DecodeBoardTitleRecord(Bytes(plain)).title, std::string(180, 'T'));
}

TEST(BoardRecords, ReadMarkBitsAndMapsOfOtherLengths) {
    struct { int post; size_t byte; unsigned char bit; } cases[] = {
        {1, 0, 0x01}, {5, 0, 0x10}, {6, 1, 0x01}, {9999, 1999, 0x08}};
    for (const auto& c : cases) {
        ReadMarks marks;
        marks.MarkRead(c.post);
        std::string expected(2000, '\0');
        expected[c.byte] = static_cast<char>(c.bit);
        EXPECT_EQ(marks.Bytes(), expected) << c.post;
        EXPECT_TRUE(marks.IsRead(c.post));
        EXPECT_FALSE(marks.IsRead(c.post == 1 ? 2 : c.post - 1));
    }
    // Numbers that own no bit change nothing and never count as news.
    ReadMarks marks;
    for (int n : {0, -3, 10000}) {
        marks.MarkRead(n);
        EXPECT_TRUE(marks.IsRead(n));
    }
    EXPECT_EQ(marks.Bytes(), std::string(2000, '\0'));
    // A short map counts its missing bytes as zero; a long one is read to 2000 bytes only.
    ReadMarks shortMap(std::string(1, '\x1F'));
    EXPECT_TRUE(shortMap.IsRead(5));
    EXPECT_FALSE(shortMap.IsRead(6));
    EXPECT_EQ(shortMap.Bytes().size(), 2000u);
    EXPECT_EQ(ReadMarks(std::string(3000, '\x1F')).Bytes(), std::string(2000, '\x1F'));
}

TEST(BoardRecords, ReaderRecordsAndLines) {
    BrokenDownTime when;
    when.year = 126;
    when.day = 9;
    when.hours = 8;
    when.minutes = 5;
    when.seconds = 3;
    std::string bytes = EncodeReaderRecord(MakeReaderRecord(12, when));
    EXPECT_EQ(bytes, std::string("\x0C\0\x7E\0\0\x09\x08\x05\x03", 9) + std::string(23, '\0'));
    ReaderRecord back = DecodeReaderRecord(Bytes(bytes));
    EXPECT_EQ(ReaderListLine("鈴木", &back), "鈴木\t26/01/09 08:05:03");
    EXPECT_EQ(ReaderListLine("佐藤", nullptr), "佐藤\t未読");

    PostRecord post;
    post.authorName = "山田";
    post.postedTime = when;
    post.subject = "連絡";
    EXPECT_EQ(PostListLine(post, false), "未読\t 1/ 9\t山田\t連絡");
    EXPECT_EQ(PostListLine(post, true), "\t 1/ 9\t山田\t連絡");
}
