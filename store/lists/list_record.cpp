#include "store/lists/list_record.h"

#include <cstring>

#include "store/names.h"

namespace mf = mail_field;

bool IsConfidential(int shiftFlag) { return shiftFlag == 1 || shiftFlag == 3; }
bool IsSubjectShifted(int shiftFlag) { return shiftFlag == 2 || shiftFlag == 3; }
bool IsBodyShifted(int shiftFlag) { return shiftFlag >= 1 && shiftFlag <= 3; }

void EncodeMailRecord(const MailRecord& r, unsigned char out[kListRecordSize]) {
    std::memset(out, 0, kListRecordSize);
    out[mf::kStatus] = static_cast<unsigned char>(r.status);
    out[mf::kKind] = static_cast<unsigned char>(r.kind);
    out[mf::kShiftFlag] = static_cast<unsigned char>(r.shiftFlag);
    PutInt16(out + mf::kUserNumber, r.userNumber);
    PutFieldText(out + mf::kUserName, kUserNameTextMax, r.userName);
    PutInt16(out + mf::kSentNumber, r.sentNumber);
    PutInt16(out + mf::kReceivedNumber, r.receivedNumber);
    EncodeBrokenDownTime(r.sentTime, out + mf::kSentTime);
    EncodeBrokenDownTime(r.openedTime, out + mf::kOpenedTime);
    PutFieldText(out + mf::kSubject, kSubjectTextMax, r.subject);
    if (IsSubjectShifted(r.shiftFlag)) ShiftText(reinterpret_cast<char*>(out + mf::kSubject), +1);
    out[mf::kRequest] = static_cast<unsigned char>(r.request);
    PutFieldText(out + mf::kPhone, kPhoneTextMax, r.phone);
}

std::string EncodeMailRecord(const MailRecord& record) {
    unsigned char bytes[kListRecordSize];
    EncodeMailRecord(record, bytes);
    return std::string(reinterpret_cast<const char*>(bytes), kListRecordSize);
}

MailRecord DecodeMailRecord(const unsigned char in[kListRecordSize]) {
    MailRecord r;
    r.status = in[mf::kStatus];
    r.kind = in[mf::kKind];
    r.shiftFlag = in[mf::kShiftFlag];
    r.userNumber = GetInt16(in + mf::kUserNumber);
    r.userName = FieldText(in + mf::kUserName, mf::kUserNameWidth);
    r.sentNumber = GetInt16(in + mf::kSentNumber);
    r.receivedNumber = GetInt16(in + mf::kReceivedNumber);
    r.sentTime = DecodeBrokenDownTime(in + mf::kSentTime);
    r.openedTime = DecodeBrokenDownTime(in + mf::kOpenedTime);
    r.subject =
        FieldText(in + mf::kSubject, mf::kSubjectWidth, IsSubjectShifted(r.shiftFlag) ? -1 : 0);
    r.request = in[mf::kRequest];
    r.phone = FieldText(in + mf::kPhone, mf::kPhoneWidth);
    return r;
}

MailRecord DecodeMailRecord(const std::string& record) {
    unsigned char bytes[kListRecordSize] = {0};
    std::memcpy(bytes, record.data(), record.size() < kListRecordSize ? record.size() : kListRecordSize);
    return DecodeMailRecord(bytes);
}

void MarkRecordOpened(unsigned char* record, const BrokenDownTime& when) {
    record[mf::kStatus] = kStatusOpened;
    EncodeBrokenDownTime(when, record + mf::kOpenedTime);
}

void MarkRecordDeleted(unsigned char* record) { record[mf::kStatus] = kStatusDeleted; }

std::string RecordIdentity(const unsigned char* record) {
    return std::string(reinterpret_cast<const char*>(record + mf::kIdentity), mf::kIdentityWidth);
}
