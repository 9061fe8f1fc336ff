// The list record, the attachment record and the list lines, byte for byte as other clients
// write and read them.
#include <gtest/gtest.h>

#include <cstring>

#include "mail/attachment_record.h"
#include "mail/mail_lines.h"
#include "store/lists/list_record.h"

namespace {

const unsigned char* Bytes(const std::string& s) {
    return reinterpret_cast<const unsigned char*>(s.data());
}
int At16(const std::string& s, size_t off) {
    return static_cast<int16_t>(Bytes(s)[off] | (Bytes(s)[off + 1] << 8));
}

BrokenDownTime Time(int month, int day, int hours, int minutes) {
    BrokenDownTime t;
    t.month = static_cast<int16_t>(month);
    t.day = static_cast<int16_t>(day);
    t.hours = static_cast<int16_t>(hours);
    t.minutes = static_cast<int16_t>(minutes);
    t.year = 125;
    return t;
}

MailRecord SampleMail() {
    MailRecord r;
    r.status = kStatusUnopened;
    r.kind = kItemMail;
    r.shiftFlag = kShiftOrdinary;
    r.userNumber = 7;
    r.userName = "山田太郎";
    r.sentNumber = 12;
    r.receivedNumber = 34;
    r.sentTime = Time(11, 7, 9, 5);
    r.subject = "予定";
    return r;
}

}  // namespace

TEST(MailRecordCodec, FieldsLieAtTheirOffsets) {
    MailRecord r = SampleMail();
    r.kind = kItemPhoneMemo;
    r.request = kRequestWillCall;
    r.phone = "03-1234-5678";
    r.openedTime = Time(0, 1, 2, 3);
    r.openedTime.seconds = -2;
    std::string bytes = EncodeMailRecord(r);
    ASSERT_EQ(bytes.size(), 256u);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[1], 1);
    EXPECT_EQ(bytes[2], 2);
    EXPECT_EQ(At16(bytes, 12), 7);
    EXPECT_EQ(std::string(bytes.c_str() + 14), "山田太郎");
    EXPECT_EQ(At16(bytes, 36), 12);
    EXPECT_EQ(At16(bytes, 38), 34);
    // Sending time: seconds, minutes, hours, day, month, year, ...
    EXPECT_EQ(At16(bytes, 40 + 2), 5);
    EXPECT_EQ(At16(bytes, 40 + 4), 9);
    EXPECT_EQ(At16(bytes, 40 + 6), 7);
    EXPECT_EQ(At16(bytes, 40 + 8), 11);
    EXPECT_EQ(At16(bytes, 40 + 10), 125);
    EXPECT_EQ(At16(bytes, 58), -2);
    // The subject (here the caller) is stored shifted by +1; the number is not.
    std::string subject = "予定";
    for (char& c : subject) c = static_cast<char>(c + 1);
    EXPECT_EQ(std::string(bytes.c_str() + 76), subject);
    EXPECT_EQ(bytes[127], 2);
    EXPECT_EQ(std::string(bytes.c_str() + 128), "03-1234-5678");
    // Every byte not listed stays 0.
    for (size_t i : {3u, 11u, 149u, 200u, 255u}) EXPECT_EQ(bytes[i], 0) << i;

    MailRecord back = DecodeMailRecord(bytes);
    EXPECT_EQ(back.subject, "予定");
    EXPECT_EQ(back.userName, "山田太郎");
    EXPECT_EQ(back.sentTime, r.sentTime);
    EXPECT_EQ(back.openedTime, r.openedTime);
    EXPECT_EQ(back.request, kRequestWillCall);
    EXPECT_EQ(back.phone, "03-1234-5678");
}

TEST(MailRecordCodec, FlagsDecideWhatIsShiftedAndPlainRecordsStayPlain) {
    MailRecord r = SampleMail();
    r.shiftFlag = kShiftPlain;
    std::string bytes = EncodeMailRecord(r);
    EXPECT_EQ(std::string(bytes.c_str() + 76), "予定");
    EXPECT_EQ(DecodeMailRecord(bytes).subject, "予定");
    EXPECT_FALSE(IsBodyShifted(0));
    EXPECT_TRUE(IsBodyShifted(1) && IsBodyShifted(2) && IsBodyShifted(3));
    EXPECT_FALSE(IsSubjectShifted(1));
    EXPECT_TRUE(IsConfidential(1) && IsConfidential(3));
    EXPECT_FALSE(IsConfidential(2));
}

TEST(MailRecordCodec, FieldsWithoutTheirNulAreReadWithinTheirWidth) {
    std::string bytes(256, 'A');
    bytes[2] = 0;  // plain subject
    MailRecord r = DecodeMailRecord(bytes);
    EXPECT_EQ(r.userName, std::string(22, 'A'));
    EXPECT_EQ(r.subject, std::string(51, 'A'));
    EXPECT_EQ(r.phone, std::string(21, 'A'));
}

TEST(MailRecordCodec, TooLongTextsAreCutAtACharacterBoundary) {
    MailRecord r = SampleMail();
    r.userName = "あいうえおかきくけこさ";        // 22 bytes: 20 fit
    r.subject = "x";
    for (int i = 0; i < 25; ++i) r.subject += "表";  // 51 bytes: "x" and 24 characters fit
    r.phone = std::string(30, '9');
    MailRecord back = DecodeMailRecord(EncodeMailRecord(r));
    EXPECT_EQ(back.userName, "あいうえおかきくけこ");
    EXPECT_EQ(back.subject.size(), 49u);
    EXPECT_EQ(back.subject.substr(47), "表");
    EXPECT_EQ(back.phone, std::string(20, '9'));
}

TEST(MailRecordCodec, OpeningAndDeletingChangeOnlyTheirBytes) {
    std::string bytes = EncodeMailRecord(SampleMail());
    bytes[200] = 'z';  // a byte another subsystem owns
    std::string before = bytes;
    unsigned char* p = reinterpret_cast<unsigned char*>(&bytes[0]);
    MarkRecordOpened(p, Time(3, 4, 5, 6));
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(DecodeMailRecord(bytes).openedTime, Time(3, 4, 5, 6));
    EXPECT_EQ(bytes.substr(1, 57), before.substr(1, 57));
    EXPECT_EQ(bytes.substr(76), before.substr(76));
    EXPECT_EQ(RecordIdentity(p), RecordIdentity(Bytes(before)));
    MarkRecordDeleted(p);
    EXPECT_EQ(bytes[0], 2);
}

TEST(AttachmentRecordCodec, FieldsLieAtTheirOffsetsAndAreBounded) {
    AttachmentRecord a{"C:\\書類\\a.doc", "見積書", "N:\\MOX\\007\\att0003.doc"};
    std::string bytes = EncodeAttachmentRecord(a);
    ASSERT_EQ(bytes.size(), 1024u);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(std::string(bytes.c_str() + 1), a.sourcePath);
    EXPECT_EQ(std::string(bytes.c_str() + 261), a.title);
    EXPECT_EQ(std::string(bytes.c_str() + 312), a.storedPath);

    std::string list = bytes + std::string(1024, 'B') + std::string(100, 'C');
    std::vector<AttachmentRecord> records = DecodeAttachmentList(list);
    ASSERT_EQ(records.size(), 2u);  // the torn third record is left out
    EXPECT_EQ(records[0].title, "見積書");
    EXPECT_EQ(records[1].sourcePath, std::string(260, 'B'));
    EXPECT_EQ(records[1].title, std::string(51, 'B'));
    EXPECT_EQ(records[1].storedPath, std::string(260, 'B'));
}

TEST(AttachmentRecordCodec, StoredNamesKeepTheExtensionAndOnlyTheyAreDeletable) {
    EXPECT_EQ(StoredAttachmentName(3, "C:\\a.doc"), "att0003.doc");
    EXPECT_EQ(StoredAttachmentName(4, "C:\\dir.x\\b"), "att0004");
    EXPECT_TRUE(IsStoredAttachmentName("att0003.doc"));
    EXPECT_TRUE(IsStoredAttachmentName("att0004"));
    EXPECT_TRUE(IsStoredAttachmentName("ATT0004.TXT"));
    EXPECT_FALSE(IsStoredAttachmentName("att004.doc"));
    EXPECT_FALSE(IsStoredAttachmentName("att00045"));
    EXPECT_FALSE(IsStoredAttachmentName("rcvlst.mox"));
    EXPECT_FALSE(IsStoredAttachmentName("att0001.doc\\..\\rcvlst.mox"));
    EXPECT_FALSE(IsStoredAttachmentName("att0001.a/b"));
    EXPECT_FALSE(IsStoredAttachmentName(""));
}

TEST(ListLines, ReceivedAndSentLinesCarryKindConfidentialAndStatus) {
    MailRecord r = SampleMail();
    EXPECT_EQ(MailListLine(r, kListReceived), "20未読\t12/ 7  9: 5\t山田太郎様\t予定");
    r.status = kStatusOpened;
    EXPECT_EQ(MailListLine(r, kListReceived), "20\t12/ 7  9: 5\t山田太郎様\t予定");
    EXPECT_EQ(MailListLine(r, kListSent), "20受信\t12/ 7  9: 5\t山田太郎様\t予定");
    r.status = kStatusDeleted;
    EXPECT_EQ(MailListLine(r, kListSent).substr(0, 6), "20削除");
    r.status = 9;
    EXPECT_EQ(MailListLine(r, kListSent).substr(0, 3), "20\t");
    r.status = kStatusUnopened;
    r.shiftFlag = kShiftConfidential;
    EXPECT_EQ(MailListLine(r, kListSent).substr(0, 6), "21未読");
    r.kind = kItemPhoneMemo;
    r.shiftFlag = kShiftOrdinary;
    r.subject = "田中";
    EXPECT_EQ(MailListLine(r, kListReceived), "10未読\t12/ 7  9: 5\t山田太郎様\t田中様から電話です");
}

TEST(ListLines, NamesAreCutToTenBytesWithoutSplittingACharacter) {
    EXPECT_EQ(NameWithHonorific("abcdefgh"), "abcdefgh様");      // 8 bytes: shown whole
    EXPECT_EQ(NameWithHonorific("abcdefghij"), "abcdefghij");   // 10 bytes: no room for 様
    EXPECT_EQ(NameWithHonorific("abcdefghi"), "abcdefghi");     // half of 様 is not shown
    EXPECT_EQ(NameWithHonorific("佐藤花子さん"), "佐藤花子さ");
}

TEST(ListLines, PhoneMemoListLineEndsInTheRecordIndex) {
    MailRecord r = SampleMail();
    r.kind = kItemPhoneMemo;
    r.subject = "田中";
    EXPECT_EQ(PhoneMemoListLine(r, 12), "未読\t12/ 7  9: 5\t山田太郎様\t田中様から電話です\t0012");
    EXPECT_EQ(CallTimeText(r.sentTime), "12月 7日  9時 5分");
}

TEST(ListLines, TextsCutInTheMiddleOfACharacterByAPeerLoseTheHalfCharacter) {
    MailRecord r = SampleMail();
    r.kind = kItemPhoneMemo;
    r.userName = "山田\x81";
    r.subject = "田中\x82";  // stored shifted: the lone byte is judged as written
    r.phone = "03\x81";
    MailRecord read = DecodeMailRecord(EncodeMailRecord(r));
    EXPECT_EQ(read.userName, "山田");
    EXPECT_EQ(read.subject, "田中");
    EXPECT_EQ(read.phone, "03");
    EXPECT_EQ(PhoneMemoListLine(read, 12), "未読\t12/ 7  9: 5\t山田様\t田中様から電話です\t0012");
}

TEST(ListLines, DeletingPositionsZeroAndTwoOfFiveRemovesRecordsFourAndTwo) {
    std::vector<DeletionStep> steps = DeletionOrder(5, {0, 2, 2, 7});
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].position, 2);
    EXPECT_EQ(steps[0].lineCount, 5);
    EXPECT_EQ(RecordIndexAt(steps[0].lineCount, steps[0].position), 2);
    EXPECT_EQ(steps[1].position, 0);
    EXPECT_EQ(steps[1].lineCount, 4);
    // Record 4 of the file is record 3 once record 2 has gone.
    EXPECT_EQ(RecordIndexAt(steps[1].lineCount, steps[1].position), 3);
    EXPECT_EQ(ListFileName(kListPhoneMemos), std::string("rcvlst.mox"));
    EXPECT_EQ(ListTabStops(kListPosts), (std::vector<int>{20, 40, 66}));
}
