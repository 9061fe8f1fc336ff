#include "bbs/board_records.h"

#include <cstdio>
#include <cstring>

#include "store/names.h"
#include "store/sjis.h"

namespace tf = board_title_field;
namespace rf = reader_field;

std::string EncodePostRecord(const PostRecord& post) {
    // The post is the list frame with the author as the other party, never opened.
    MailRecord frame;
    frame.status = kStatusUnopened;
    frame.kind = kItemPost;
    frame.shiftFlag = post.shiftFlag;
    frame.userNumber = post.authorNumber;
    frame.userName = post.authorName;
    frame.sentNumber = post.number;
    frame.receivedNumber = post.number;
    frame.sentTime = post.postedTime;
    frame.subject = post.subject;
    return EncodeMailRecord(frame);
}

PostRecord DecodePostRecord(const unsigned char in[kListRecordSize]) {
    MailRecord frame = DecodeMailRecord(in);
    PostRecord post;
    post.shiftFlag = frame.shiftFlag;
    post.authorNumber = frame.userNumber;
    post.authorName = frame.userName;
    post.number = frame.receivedNumber;
    post.postedTime = frame.sentTime;
    post.subject = frame.subject;
    return post;
}

std::string EncodeBoardTitleRecord(const BoardTitleRecord& board) {
    std::string out(kListRecordSize, '\0');
    unsigned char* bytes = reinterpret_cast<unsigned char*>(&out[0]);
    bytes[tf::kShiftFlag] = kShiftOrdinary;
    PutInt16(bytes + tf::kBoardNumber, board.boardNumber);
    std::string title = CutSjis(board.title, kBoardTitleTextMax);
    ShiftBytes(title, +1);
    std::memcpy(bytes + tf::kTitle, title.data(), title.size());
    return out;
}

BoardTitleRecord DecodeBoardTitleRecord(const unsigned char in[kListRecordSize]) {
    BoardTitleRecord board;
    board.boardNumber = GetInt16(in + tf::kBoardNumber);
    board.title = FieldText(in + tf::kTitle, tf::kTitleWidth);
    if (IsSubjectShifted(in[tf::kShiftFlag])) ShiftBytes(board.title, -1);
    return board;
}

std::string BoardIdText(int boardNumber) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", static_cast<int>(static_cast<int16_t>(boardNumber)));
    return text;
}

std::string BoardFolder(const std::string& boardId) {
    return boardId.empty() ? std::string("bbs") : "bbs\\" + boardId;
}

ReadMarks::ReadMarks(const std::string& stored) : bytes_(stored.substr(0, kReadMarkMapSize)) {
    bytes_.resize(kReadMarkMapSize, '\0');
}

bool ReadMarks::IsRead(int postNumber) const {
    if (postNumber < 1 || postNumber > kMaxPostNumber) return true;
    const unsigned char byte = static_cast<unsigned char>(bytes_[(postNumber - 1) / 5]);
    return (byte >> ((postNumber - 1) % 5)) & 1;
}

void ReadMarks::MarkRead(int postNumber) {
    if (postNumber < 1 || postNumber > kMaxPostNumber) return;
    bytes_[(postNumber - 1) / 5] =
        static_cast<char>(bytes_[(postNumber - 1) / 5] | (1 << ((postNumber - 1) % 5)));
}

ReaderRecord MakeReaderRecord(int reader, const BrokenDownTime& when) {
    ReaderRecord r;
    r.reader = reader;
    r.year = when.year;
    r.month = when.month;
    r.day = when.day;
    r.hour = when.hours;
    r.minute = when.minutes;
    r.second = when.seconds;
    return r;
}

std::string EncodeReaderRecord(const ReaderRecord& record) {
    std::string out(kReaderRecordSize, '\0');
    unsigned char* bytes = reinterpret_cast<unsigned char*>(&out[0]);
    PutInt16(bytes + rf::kReader, record.reader);
    PutInt16(bytes + rf::kYear, record.year);
    bytes[rf::kMonth] = static_cast<unsigned char>(record.month);
    bytes[rf::kDay] = static_cast<unsigned char>(record.day);
    bytes[rf::kHour] = static_cast<unsigned char>(record.hour);
    bytes[rf::kMinute] = static_cast<unsigned char>(record.minute);
    bytes[rf::kSecond] = static_cast<unsigned char>(record.second);
    return out;
}

ReaderRecord DecodeReaderRecord(const unsigned char in[kReaderRecordSize]) {
    ReaderRecord r;
    r.reader = GetInt16(in + rf::kReader);
    r.year = GetInt16(in + rf::kYear);
    r.month = in[rf::kMonth];
    r.day = in[rf::kDay];
    r.hour = in[rf::kHour];
    r.minute = in[rf::kMinute];
    r.second = in[rf::kSecond];
    return r;
}

std::string PostListLine(const PostRecord& post, bool read) {
    char date[32];
    std::snprintf(date, sizeof date, "%2d/%2d", post.postedTime.month + 1, post.postedTime.day);
    return std::string(read ? "" : "未読") + "\t" + date + "\t" + post.authorName + "\t" + post.subject;
}

std::string ReaderListLine(const std::string& userName, const ReaderRecord* firstReading) {
    if (!firstReading) return userName + "\t未読";
    const ReaderRecord& r = *firstReading;
    // Two digits of the year, as the column was made for: the year counted from 1900 would show
    // 2026 as "126".
    char time[64];
    std::snprintf(time, sizeof time, "%02d/%02d/%02d %02d:%02d:%02d", ((r.year % 100) + 100) % 100,
                  r.month + 1, r.day, r.hour, r.minute, r.second);
    return userName + "\t" + time;
}
