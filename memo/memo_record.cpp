#include "memo/memo_record.h"

#include <cstdio>

std::string EncodeMemoRecord(const MemoRecord& memo) {
    // The memo is the list frame with its writer as the user; the update time takes the place
    // that mail gives the time of opening.
    MailRecord frame;
    frame.status = kStatusUnopened;
    frame.kind = kItemMemo;
    frame.shiftFlag = memo.shiftFlag;
    frame.userNumber = memo.writerNumber;
    frame.userName = memo.writerName;
    frame.sentNumber = memo.number;
    frame.receivedNumber = memo.number;
    frame.sentTime = memo.createdTime;
    frame.openedTime = memo.updatedTime;
    frame.subject = memo.subject;
    return EncodeMailRecord(frame);
}

MemoRecord DecodeMemoRecord(const unsigned char in[kListRecordSize]) {
    MailRecord frame = DecodeMailRecord(in);
    MemoRecord memo;
    memo.shiftFlag = frame.shiftFlag;
    memo.writerNumber = frame.userNumber;
    memo.writerName = frame.userName;
    memo.number = frame.receivedNumber;
    memo.createdTime = frame.sentTime;
    memo.updatedTime = frame.openedTime;
    memo.subject = frame.subject;
    return memo;
}

std::string MemoListLine(const MemoRecord& memo) {
    char date[48];
    const BrokenDownTime& t = memo.createdTime;
    std::snprintf(date, sizeof date, "%02d/%02d %02d:%02d", t.month + 1, t.day, t.hours, t.minutes);
    return std::string(date) + "\t" + memo.subject;
}
