// The memo record of a user's memo list (memolst.mox of the own user folder, oldest first): a use
// of the 256-byte list frame with the writer as the user and the memo number in both number
// fields. Every field is read within its bounds. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <string>

#include "store/lists/broken_time.h"
#include "store/lists/list_record.h"

namespace memo_field {
constexpr size_t kKind = mail_field::kKind;                  // kItemMemo
constexpr size_t kShiftFlag = mail_field::kShiftFlag;        // 2; 0 in records written plain
constexpr size_t kWriterNumber = mail_field::kUserNumber;    // signed 16-bit
constexpr size_t kWriterName = mail_field::kUserName, kWriterNameWidth = mail_field::kUserNameWidth;
constexpr size_t kListedNumber = mail_field::kSentNumber;    // the memo number
constexpr size_t kNumber = mail_field::kReceivedNumber;      // the same again: names mem<n>.txt
constexpr size_t kCreatedTime = mail_field::kSentTime;       // broken-down local time
constexpr size_t kUpdatedTime = mail_field::kOpenedTime;     // all 0 until the first update
constexpr size_t kSubject = mail_field::kSubject, kSubjectWidth = mail_field::kSubjectWidth;
}  // namespace memo_field

constexpr int kItemMemo = 3;

struct MemoRecord {
    int shiftFlag = kShiftOrdinary;
    int writerNumber = 0;
    std::string writerName;  // as registered, at most 20 bytes
    int number = 0;          // 1..9999, from memonum.mox
    BrokenDownTime createdTime;
    BrokenDownTime updatedTime;
    std::string subject;     // plain (the codec shifts it); at most 50 bytes
};

std::string EncodeMemoRecord(const MemoRecord& memo);
// The memo number is the one that names the body file (offset 38).
MemoRecord DecodeMemoRecord(const unsigned char in[kListRecordSize]);

// The line of one memo in the memo list: "%02d/%02d %02d:%02d" of the creation time's month,
// day, hour and minute, TAB, the subject.
std::string MemoListLine(const MemoRecord& memo);
