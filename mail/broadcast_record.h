// A broadcast list in grplst.mox: the 256-byte list record with item kind 0, the owner as the
// other party, the list's number twice and its name as the subject, plus the number of members
// it was made with. Its members are grp<n>.lst: one registry record (users/registry_record.h)
// per member, the login name empty. Pure logic: no windows.h.
#pragma once
#include <string>

#include "store/lists/list_record.h"

namespace broadcast_field {
// The frame's fields (mail_field) hold the rest: owner at kUserNumber and kUserName, the
// number at kSentNumber and kReceivedNumber (the copy read back), the time of creation at
// kSentTime, the name at kSubject.
constexpr size_t kMemberCount = 150;  // 16-bit: at creation; an update leaves it alone
}  // namespace broadcast_field

constexpr int kBroadcastListKind = 0;  // the item kind of a broadcast list record

struct BroadcastListRecord {
    int ownerNumber = 0;
    std::string ownerName;
    int number = 0;
    BrokenDownTime created;
    std::string name;  // plain; at most 50 bytes, stored shifted
    int memberCount = 0;
};

std::string EncodeBroadcastListRecord(const BroadcastListRecord& record);
BroadcastListRecord DecodeBroadcastListRecord(const unsigned char record[kListRecordSize]);
