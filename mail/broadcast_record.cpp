#include "mail/broadcast_record.h"

#include "store/bytes.h"

std::string EncodeBroadcastListRecord(const BroadcastListRecord& record) {
    MailRecord frame;
    frame.status = kStatusUnopened;
    frame.kind = kBroadcastListKind;
    frame.shiftFlag = kShiftOrdinary;
    frame.userNumber = record.ownerNumber;
    frame.userName = record.ownerName;
    frame.sentNumber = record.number;
    frame.receivedNumber = record.number;
    frame.sentTime = record.created;
    frame.subject = record.name;
    std::string bytes = EncodeMailRecord(frame);
    PutInt16(reinterpret_cast<unsigned char*>(&bytes[0]) + broadcast_field::kMemberCount,
             record.memberCount);
    return bytes;
}

BroadcastListRecord DecodeBroadcastListRecord(const unsigned char record[kListRecordSize]) {
    const MailRecord frame = DecodeMailRecord(record);
    BroadcastListRecord r;
    r.ownerNumber = frame.userNumber;
    r.ownerName = frame.userName;
    r.number = frame.receivedNumber;
    r.created = frame.sentTime;
    r.name = frame.subject;
    r.memberCount = GetInt16(record + broadcast_field::kMemberCount);
    return r;
}
