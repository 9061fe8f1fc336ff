// The records of the bulletin boards: the post record and the board title record (two uses of
// the 256-byte list frame), the 2000-byte read-mark map of one user on one board, and the
// 32-byte reader record of a post's reader log. Every field is read within its bounds: other
// clients write these files. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "mail/broken_time.h"
#include "mail/mail_record.h"

// The post record (bbslst.mox of a board folder, oldest first): the list frame with the
// author as the other party and the post number in both number fields.
namespace post_field {
constexpr size_t kKind = mail_field::kKind;                  // kItemPost
constexpr size_t kShiftFlag = mail_field::kShiftFlag;        // 2; 0 in records written plain
constexpr size_t kAuthorNumber = mail_field::kUserNumber;    // signed 16-bit
constexpr size_t kAuthorName = mail_field::kUserName, kAuthorNameWidth = mail_field::kUserNameWidth;
constexpr size_t kListedNumber = mail_field::kSentNumber;    // the post number
constexpr size_t kNumber = mail_field::kReceivedNumber;      // the same again: this copy names the
                                                             // body, attachment list, reader log
                                                             // and read-mark bit
constexpr size_t kPostedTime = mail_field::kSentTime;        // broken-down local time
constexpr size_t kSubject = mail_field::kSubject, kSubjectWidth = mail_field::kSubjectWidth;
}  // namespace post_field

struct PostRecord {
    int shiftFlag = kShiftOrdinary;
    int authorNumber = 0;
    std::string authorName;  // as registered, at most 20 bytes
    int number = 0;          // 1..9999, from the board's bbsnum.mox
    BrokenDownTime postedTime;
    std::string subject;     // plain (the codec shifts it); at most 50 bytes
};

std::string EncodePostRecord(const PostRecord& post);
// The post number is the one that names the post's files (offset 38).
PostRecord DecodePostRecord(const unsigned char in[kListRecordSize]);

// The board title record (bbs\bbsttl.mox, one per board besides the default one).
namespace board_title_field {
constexpr size_t kShiftFlag = 2;                    // 2 or 3: the title is stored shifted
constexpr size_t kBoardNumber = 36;                 // signed 16-bit; its "%03d" is the board id
constexpr size_t kTitle = 76, kTitleWidth = 180;    // NUL-terminated, to the end of the record
}  // namespace board_title_field

constexpr size_t kBoardTitleTextMax = board_title_field::kTitleWidth - 1;
constexpr int kMaxBoardNumber = 999;  // board ids are three digits

struct BoardTitleRecord {
    int boardNumber = 0;
    std::string title;  // plain
};
// Shift flag 2 and the title shifted, as every record this system writes.
std::string EncodeBoardTitleRecord(const BoardTitleRecord& board);
BoardTitleRecord DecodeBoardTitleRecord(const unsigned char in[kListRecordSize]);

// Board ids and folders: the default board has the id "" and lives in "bbs"; every other board
// has the "%03d" of its number as id and lives in "bbs\<id>".
std::string BoardIdText(int boardNumber);
std::string BoardFolder(const std::string& boardId);

// The read-mark map (chk<u>.chk of a board folder): post n owns bit (n - 1) mod 5 of byte
// (n - 1) div 5, so each byte uses only its five low bits. A set bit: the user has opened, or
// written, that post.
constexpr size_t kReadMarkMapSize = 2000;
constexpr int kMaxPostNumber = 9999;

class ReadMarks {
public:
    ReadMarks() : bytes_(kReadMarkMapSize, '\0') {}
    // A map as found in the store: bytes beyond 2000 are not ours to read, and bytes missing
    // from a shorter map count as zero (nothing read).
    explicit ReadMarks(const std::string& stored);

    // A number outside 1..9999 owns no bit; such a post counts as read, so that a record with a
    // damaged number never keeps announcing itself as news.
    bool IsRead(int postNumber) const;
    void MarkRead(int postNumber);
    // Exactly 2000 bytes, to write back at offset 0.
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// The reader record (bbs<n>.chk of a board folder): one for the author when posting and one for
// each user when first opening the post.
constexpr size_t kReaderRecordSize = 32;
namespace reader_field {
constexpr size_t kReader = 0;  // signed 16-bit user number
constexpr size_t kYear = 2;    // signed 16-bit, counted from 1900
constexpr size_t kMonth = 4, kDay = 5, kHour = 6, kMinute = 7, kSecond = 8;  // one byte each
}  // namespace reader_field

struct ReaderRecord {
    int reader = 0;
    int year = 0;    // counted from 1900
    int month = 0;   // 0-11
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

ReaderRecord MakeReaderRecord(int reader, const BrokenDownTime& when);
std::string EncodeReaderRecord(const ReaderRecord& record);
ReaderRecord DecodeReaderRecord(const unsigned char in[kReaderRecordSize]);

// The line of one post in the post list: "未読" when unread, TAB, "%2d/%2d" of month and day,
// TAB, the author's name, TAB, the subject.
std::string PostListLine(const PostRecord& post, bool read);
// The line of one registered user in the reader list: the name, TAB, and the time of the first
// reading as "%02d/%02d/%02d %02d:%02d:%02d" (the last two digits of the year), or "未読" when
// none.
std::string ReaderListLine(const std::string& userName, const ReaderRecord* firstReading);
