// The 256-byte list record: one per line of every list file in the store (received and sent
// mail, bulletin-board posts, memos, broadcast lists, schedules). Zero-filled, little-endian,
// no header between records. MailRecord names the fields of the common frame and the mail and
// phone-memo uses of the other bytes; the other lists read the bytes they own from the raw
// record. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// store/bytes.h reads and writes single fields of a raw record: for lists whose other bytes
// belong to another subsystem, and for rewriting one field without touching what a peer wrote.
#include "store/bytes.h"
#include "store/lists/broken_time.h"

constexpr size_t kListRecordSize = 256;

// Field offsets and widths of the list record.
namespace mail_field {
constexpr size_t kStatus = 0;
constexpr size_t kKind = 1;
constexpr size_t kShiftFlag = 2;
constexpr size_t kUserNumber = 12;                      // signed 16-bit: the other party
constexpr size_t kUserName = 14, kUserNameWidth = 22;   // NUL-terminated, 20 bytes of text
constexpr size_t kSentNumber = 36;                      // signed 16-bit
constexpr size_t kReceivedNumber = 38;                  // signed 16-bit
constexpr size_t kSentTime = 40;                        // broken-down time, 18 bytes
constexpr size_t kOpenedTime = 58;                      // broken-down time, 18 bytes
constexpr size_t kSubject = 76, kSubjectWidth = 51;     // 50 bytes of text and a NUL
constexpr size_t kRequest = 127;                        // phone memo: what the caller asked
constexpr size_t kPhone = 128, kPhoneWidth = 21;        // phone memo: 20 bytes and a NUL
// The bytes that say which item a record stands for (who, which numbers, when it was made).
// Opening an item or a board update changes other bytes only, so a record keeps its identity.
constexpr size_t kIdentity = kUserNumber, kIdentityWidth = kOpenedTime - kUserNumber;
}  // namespace mail_field

constexpr size_t kUserNameTextMax = 20;
constexpr size_t kSubjectTextMax = 50;
constexpr size_t kPhoneTextMax = 20;

enum MailStatus { kStatusUnopened = 0, kStatusOpened = 1, kStatusDeleted = 2 };
enum ItemKind { kItemPhoneMemo = 1, kItemMail = 2, kItemPost = 3 };
// Shift flag: bit 0 confidential, bit 1 the subject is stored shifted; bodies are stored shifted
// whenever the flag is 1, 2 or 3.
enum ShiftFlag { kShiftPlain = 0, kShiftOrdinary = 2, kShiftConfidential = 3 };
enum PhoneRequest { kRequestNone = 0, kRequestCallBack = 1, kRequestWillCall = 2, kRequestMessage = 3 };

bool IsConfidential(int shiftFlag);
bool IsSubjectShifted(int shiftFlag);
bool IsBodyShifted(int shiftFlag);

struct MailRecord {
    int status = kStatusUnopened;
    int kind = kItemMail;
    int shiftFlag = kShiftOrdinary;
    int userNumber = 0;     // in a received list the sender, in a sent list the recipient
    std::string userName;   // as registered, at most 20 bytes
    int sentNumber = 0;
    int receivedNumber = 0;
    BrokenDownTime sentTime;
    BrokenDownTime openedTime;  // all 0 until the recipient opens the item
    std::string subject;    // plain text (the codec shifts it); a phone memo's caller
    int request = kRequestNone;
    std::string phone;      // phone memo: the caller's number, never shifted
};

// Zero-fills out and writes every field within its width (texts cut at a character boundary;
// the subject shifted by +1 when the shift flag says so).
void EncodeMailRecord(const MailRecord& record, unsigned char out[kListRecordSize]);
std::string EncodeMailRecord(const MailRecord& record);
// Reads every field within its bounds, NUL or not; the subject comes back plain.
MailRecord DecodeMailRecord(const unsigned char in[kListRecordSize]);
MailRecord DecodeMailRecord(const std::string& record);  // 256 bytes

// Marks an item opened (status 1 and the time of opening) or deleted by its recipient.
void MarkRecordOpened(unsigned char* record, const BrokenDownTime& when);
void MarkRecordDeleted(unsigned char* record);
// The identity bytes of a record (see mail_field::kIdentity).
std::string RecordIdentity(const unsigned char* record);
