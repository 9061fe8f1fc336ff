// The post record of a board's post list (bbslst.mox of a board folder, oldest first): a use of
// the 256-byte list frame. Every field is read within its bounds: other clients write these
// files. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <string>

#include "store/lists/broken_time.h"
#include "store/lists/list_record.h"

// The list frame with the author as the other party and the post number in both number fields.
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

// The line of one post in the post list: "未読" when unread, TAB, "%2d/%2d" of month and day,
// TAB, the author's name, TAB, the subject.
std::string PostListLine(const PostRecord& post, bool read);
