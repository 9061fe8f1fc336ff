// Every stored layout, encoded from one record with every field set, against the bytes it must
// have (checked by hand against each layout's field offsets). The 32-bit client and the 64-bit
// test build share one office folder's files, so a layout whose size or bytes depend on the
// build breaks the office; so does an unnoticed change of a codec. The dumps list the non-zero
// runs as offset:hex (adjacent fields run together); everything else is zero.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "bbs/board_title_record.h"
#include "board/whereabouts_record.h"
#include "bbs/post_record.h"
#include "bbs/read_marks.h"
#include "bbs/reader_record.h"
#include "mail/attachment_record.h"
#include "memo/memo_record.h"
#include "mail/broadcast_record.h"
#include "shell/menu_record.h"
#include "shell/program_record.h"
#include "store/lists/broken_time.h"
#include "store/lists/list_record.h"
#include "users/registry_record.h"
#include "chat/chat_text.h"

namespace {

std::string NonZeroRuns(const std::string& bytes) {
    std::string out;
    for (size_t i = 0; i < bytes.size();) {
        if (bytes[i] == '\0') { ++i; continue; }
        char head[32];
        std::snprintf(head, sizeof head, "%s%zu:", out.empty() ? "" : " ", i);
        out += head;
        for (; i < bytes.size() && bytes[i] != '\0'; ++i) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(bytes[i]));
            out += hex;
        }
    }
    return out;
}

std::string Raw(const unsigned char* p, size_t n) { return std::string(reinterpret_cast<const char*>(p), n); }

BrokenDownTime SampleTime() {
    BrokenDownTime t;
    t.seconds = 5; t.minutes = 4; t.hours = 3; t.day = 7; t.month = 11; t.year = 126;
    t.weekday = 1; t.yearDay = 340; t.daylight = 0;
    return t;
}

}  // namespace

TEST(StoredLayouts, EveryLayoutHasTheSameSizeAndBytesInEveryBuild) {
    struct Case { const char* layout; std::string bytes; size_t size; const char* dump; };

    MailRecord mail;
    mail.status = kStatusOpened; mail.kind = kItemPhoneMemo; mail.shiftFlag = kShiftConfidential;
    mail.userNumber = 258; mail.userName = "山田"; mail.sentNumber = 9999; mail.receivedNumber = 300;
    mail.sentTime = SampleTime(); mail.openedTime = SampleTime(); mail.openedTime.seconds = -1;
    mail.subject = "件名"; mail.request = kRequestWillCall; mail.phone = "03-1234";

    AttachmentRecord att{"C:\\doc\\a.txt", "表", "N:\\001\\att0001.txt"};

    PostRecord post;
    post.authorNumber = 3; post.authorName = "Ab"; post.number = 513; post.postedTime = SampleTime();
    post.subject = "Hi";

    MemoRecord memo;
    memo.writerNumber = 3; memo.writerName = "Ab"; memo.number = 513; memo.createdTime = SampleTime();
    memo.updatedTime = SampleTime(); memo.updatedTime.seconds = -1; memo.subject = "Hi";
    // The list shows the creation time, month counted from 1.
    EXPECT_EQ(MemoListLine(memo), "12/07 03:04\tHi");
    BroadcastListRecord group;
    group.ownerNumber = 258; group.ownerName = "山田"; group.number = 513;
    group.created = SampleTime(); group.name = "営業"; group.memberCount = 3;

    unsigned char menu[kMenuRecordSize];
    FunctionSlot slot; slot.rect = MakeRegionRect(1, -2, 640, 480); slot.number = 11;
    EncodeMenuRecord(slot, menu);
    ProgramRecord program; program.rect = MakeRegionRect(10, 20, 30, 40); program.number = 101;
    program.name = "Calc"; program.command = "c:\\calc.exe";
    unsigned char time[kBrokenDownTimeSize];
    EncodeBrokenDownTime(SampleTime(), time);
    WhereaboutsRecord bord;
    bord.stored[200] = 0x7f;  // a byte no field names: kept
    bord.name = "山田"; bord.destination = "会議室"; bord.returnHour = 18; bord.returnMinute = 30;
    bord.writer = "Ab"; bord.written.year = 96; bord.written.month = 4; bord.written.day = 7;
    bord.written.hours = 14; bord.written.minutes = 5; bord.written.seconds = 9;
    bord.arriveHour = 9; bord.leaveHour = 18; bord.leaveMinute = 15; bord.note = "直帰";
    ReadMarks marks; marks.MarkRead(1); marks.MarkRead(7); marks.MarkRead(9999);

    const Case cases[] = {
        {"broken-down time", Raw(time, sizeof time), 18,
         "0:05 2:04 4:03 6:07 8:0b 10:7e 12:01 14:5401"},
        {"list record (mail, phone memo)", EncodeMailRecord(mail), 256,
         "0:010103 12:02018e529363 36:0f272c0105 42:04 44:03 46:07 48:0b 50:7e 52:01 54:5401 "
         "58:ffff04 62:03 64:07 66:0b 68:7e 70:01 72:5401 76:8d9097bd 127:0230332d31323334"},
        {"attachment record", EncodeAttachmentRecord(att), 1024,
         "1:433a5c646f635c612e747874 261:955c 312:4e3a5c3030315c617474303030312e747874"},
        {"registry record", EncodeRegistryRecord(MakeRegistryRecord("鈴木", 42, "suzuki")), 64,
         "0:97e996d8 21:303432 26:2a 28:73757a756b69"},
        {"post record", EncodePostRecord(post), 256,
         "1:0302 12:03 14:4162 36:0102010205 42:04 44:03 46:07 48:0b 50:7e 52:01 54:5401 76:496a"},
        {"memo record", EncodeMemoRecord(memo), 256,
         "1:0302 12:03 14:4162 36:0102010205 42:04 44:03 46:07 48:0b 50:7e 52:01 54:5401 "
         "58:ffff04 62:03 64:07 66:0b 68:7e 70:01 72:5401 76:496a"},
        {"broadcast list record", EncodeBroadcastListRecord(group), 256,
         "2:02 12:02018e529363 36:0102010205 42:04 44:03 46:07 48:0b 50:7e 52:01 54:5401 "
         "76:8a648cc7 150:03"},
        {"board title record", EncodeBoardTitleRecord({7, "総務"}), 256, "2:02 36:07 76:928e97b2"},
        {"read-mark map", marks.Bytes(), 2000, "0:0102 1999:08"},
        {"reader record", EncodeReaderRecord(MakeReaderRecord(12, SampleTime())), 32,
         "0:0c 2:7e 4:0b07030405"},
        {"whereabouts record", EncodeWhereabouts(bord), 256,
         "0:8e529363 21:89ef8b638eba 75:121e 78:4162 100:60 102:04070e0509 112:09 115:120f "
         "128:92bc8b41 200:7f"},
        {"menu.mox record", Raw(menu, sizeof menu), 10, "0:01 2:feff8002e0010b"},
        {"program.mox record", EncodeProgramRecord(program), 512,
         "0:0a 2:14 4:1e 6:28 8:65 10:43616c63 31:633a5c63616c632e657865"},
        {"chat log line", StoredChatText(ChatSaidLine("Ab", "c")), 8, "0:4263213f21640e0b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        EXPECT_EQ(c.bytes.size(), c.size);
        EXPECT_EQ(NonZeroRuns(c.bytes), c.dump);
    }
}
