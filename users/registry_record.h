// The 64-byte registry record: the user registry (regist.mox in the network directory), every
// user's board member list (regist.mox in the user folder) and the chat member list share it.
// Pure logic: no windows.h.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

constexpr size_t kRegistryRecordSize = 64;

// Field offsets and widths of the registry record.
namespace registry_field {
constexpr size_t kName = 0, kNameWidth = 21;              // user name, NUL-terminated
constexpr size_t kNumberText = 21, kNumberTextWidth = 4;  // "%03d" and NUL
constexpr size_t kNumber = 26;                            // signed 16-bit little-endian
constexpr size_t kLogin = 28, kLoginWidth = 21;           // login name, NUL-terminated
}  // namespace registry_field

constexpr size_t kUserNameMax = 20;   // bytes of text in a user name
constexpr size_t kLoginNameMax = 20;  // bytes of text in a login name

struct RegistryRecord {
    std::string name;        // at most 20 bytes
    std::string numberText;  // "%03d"
    int number = 0;          // 16-bit in the record
    std::string loginName;   // at most 20 bytes; empty for names claimed from the import list
};

// A record for a user number: the text and the 16-bit value always agree.
RegistryRecord MakeRegistryRecord(const std::string& name, int number,
                                  const std::string& loginName);

// Zero-fills out and copies each field in within its width (texts cut at a character boundary).
void EncodeRegistryRecord(const RegistryRecord& record, unsigned char out[kRegistryRecordSize]);
std::string EncodeRegistryRecord(const RegistryRecord& record);
// Reads every field within its bounds, NUL or not.
RegistryRecord DecodeRegistryRecord(const unsigned char in[kRegistryRecordSize]);
// Every whole record of a registry file's bytes, in file order; a trailing partial record
// (a peer's interrupted append) is ignored.
std::vector<RegistryRecord> DecodeRegistry(const std::string& bytes);

// The list line of a record: user name, TAB, number text.
std::string RegistryListLine(const RegistryRecord& record);
// The connection list's line of a signed-in user: "%s\t%02d/%02d %02d:%02d\t%s" of the name,
// the month (1-12), day, hour and minute of the sign-in, and the number text.
std::string ConnectionListLine(const RegistryRecord& record, int month, int day, int hour,
                               int minute);
