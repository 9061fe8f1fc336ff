// The in/out board's pure logic: entry dates and file names, board lines, the dialog's title and
// clock fields, the destination list's text and the moves of one entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/destination_text.h"
#include "board/whereabouts_record.h"

namespace {

EntryDate Date(int y, int m, int d) {
    EntryDate date;
    EXPECT_TRUE(MakeEntryDate(y, m, d, &date));
    return date;
}

}  // namespace

TEST(WhereaboutsRecords, DatesNamesLinesAndTitles) {
    // The full year orders the turn of the century; scheduled files carry four-digit years.
    EXPECT_LT(DateKey(Date(1999, 12, 31)), DateKey(Date(2000, 1, 1)));
    EXPECT_EQ(ScheduledFileName(Date(2000, 2, 29)), "20000229.mox");
    EXPECT_EQ(ScheduledFileName(Date(1996, 5, 20)), "19960520.mox");
    EntryDate none;
    EXPECT_FALSE(MakeEntryDate(1999, 2, 29, &none));
    EXPECT_FALSE(MakeEntryDate(2026, 4, 31, &none));
    EXPECT_EQ(EntryDialogTitle(Date(2000, 1, 1)), "2000年  1月  1日（土曜）");
    EXPECT_EQ(EntryDialogTitle(Date(1996, 5, 7)), "1996年  5月  7日（火曜）");
    EXPECT_EQ(EntryDialogTitle(Date(2026, 12, 7)), "2026年 12月  7日（月曜）");

    WhereaboutsRecord r = EmptyWhereabouts("山田");
    r.destination = "会議室";
    r.returnHour = 18; r.returnMinute = 30; r.arriveHour = 9; r.leaveHour = 18; r.leaveMinute = 5;
    r.written.year = 96; r.written.month = 4; r.written.day = 7; r.written.hours = 14;
    r.written.minutes = 5; r.written.seconds = 9; r.writer = "佐藤";
    EXPECT_EQ(BoardLine(r), "山田\t会議室\t18時30分\t 9時 0分\t18時 5分\t 5/ 7 14: 5\t佐藤");
    r.note = "直帰";
    EXPECT_EQ(BoardLine(r), "山田\t会議室\t直帰\t 9時 0分\t18時 5分\t 5/ 7 14: 5\t佐藤");
    // A 40-byte destination shows its first 30 bytes; a cut inside a character goes before it.
    r.destination = std::string(29, 'a') + "会議室外出外";
    EXPECT_EQ(BoardLine(r).substr(5, 30), std::string(29, 'a') + "\t");
    // Signed bytes, as stored by a peer.
    const std::string bytes = EncodeWhereabouts(r);
    std::string damaged = bytes;
    damaged[75] = static_cast<char>(0xff);
    EXPECT_EQ(DecodeWhereabouts(reinterpret_cast<const unsigned char*>(damaged.data())).returnHour, -1);
    EXPECT_EQ(DecodeWhereabouts(reinterpret_cast<const unsigned char*>(bytes.data())).destination,
              std::string(29, 'a') + "会議室外出");  // 40 bytes at most, on a character boundary
}

TEST(WhereaboutsRecords, ClockFieldsDestinationTextAndMoves) {
    struct Clock { const char* text; int max; bool ok; int value; };
    const Clock clocks[] = {{"7", 23, true, 7},   {"７", 23, true, 7},  {"１２", 59, true, 12},
                            {"23", 23, true, 23}, {"24", 23, false, 0}, {"60", 59, false, 0},
                            {"ab", 59, false, 0}, {"-5", 59, false, 0}, {"", 23, false, 0},
                            {"123", 59, false, 0}};
    for (const Clock& c : clocks) {
        SCOPED_TRACE(c.text);
        int v = -1;
        EXPECT_EQ(ParseClockField(c.text, c.max, &v), c.ok);
        if (c.ok) {
            EXPECT_EQ(v, c.value);
        }
    }

    EXPECT_EQ(ParseDestinations("会議室\r\n外出"), (std::vector<std::string>{"会議室", "外出"}));
    EXPECT_EQ(ParseDestinations("a\r\n\r\nb\nc\r\n"), (std::vector<std::string>{"a", "", "c"}));
    const std::string longLine(60, 'x');
    EXPECT_EQ(ParseDestinations(longLine + "\r\n"), std::vector<std::string>{longLine});
    EXPECT_EQ(FormatDestinations({"a", "会議室"}), "a\r\n会議室\r\n");

    std::vector<std::string> list{"a", "b", "c"};
    std::string message;
    EXPECT_EQ(MoveEntry(list, {true, false, false}, true, &message), 2);
    EXPECT_EQ(list, (std::vector<std::string>{"b", "c", "a"}));
    EXPECT_EQ(MoveEntry(list, {false, false, true}, false, &message), 0);
    EXPECT_EQ(list, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(MoveEntry(list, {false, true, false}, false, &message), 2);
    EXPECT_EQ(list, (std::vector<std::string>{"a", "c", "b"}));
    EXPECT_EQ(MoveEntry(list, {false, false, false}, true, &message), -1);
    EXPECT_EQ(message, kMsgNothingSelected);
    EXPECT_EQ(MoveEntry(list, {true, true, false}, true, &message), -1);
    EXPECT_EQ(message, kMsgSeveralSelected);
}
