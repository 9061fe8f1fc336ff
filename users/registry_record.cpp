#include "users/registry_record.h"

#include <cstdio>
#include <cstring>

#include "store/bytes.h"
#include "store/names.h"

namespace rf = registry_field;

RegistryRecord MakeRegistryRecord(const std::string& name, int number,
                                  const std::string& loginName) {
    RegistryRecord r;
    r.name = name;
    r.number = number;
    r.numberText = UserFolderName(number);
    r.loginName = loginName;
    return r;
}

void EncodeRegistryRecord(const RegistryRecord& record, unsigned char out[kRegistryRecordSize]) {
    std::memset(out, 0, kRegistryRecordSize);
    PutFieldText(out + rf::kName, rf::kNameWidth - 1, record.name);
    PutFieldText(out + rf::kNumberText, rf::kNumberTextWidth - 1, record.numberText);
    PutInt16(out + rf::kNumber, record.number);
    PutFieldText(out + rf::kLogin, rf::kLoginWidth - 1, record.loginName);
}

std::string EncodeRegistryRecord(const RegistryRecord& record) {
    unsigned char bytes[kRegistryRecordSize];
    EncodeRegistryRecord(record, bytes);
    return std::string(reinterpret_cast<const char*>(bytes), kRegistryRecordSize);
}

RegistryRecord DecodeRegistryRecord(const unsigned char in[kRegistryRecordSize]) {
    RegistryRecord r;
    r.name = FieldText(in + rf::kName, rf::kNameWidth);
    r.numberText = FieldText(in + rf::kNumberText, rf::kNumberTextWidth);
    r.number = GetInt16(in + rf::kNumber);
    r.loginName = FieldText(in + rf::kLogin, rf::kLoginWidth);
    return r;
}

std::vector<RegistryRecord> DecodeRegistry(const std::string& bytes) {
    std::vector<RegistryRecord> records;
    const unsigned char* p = BytesOf(bytes);
    for (size_t off = 0; off + kRegistryRecordSize <= bytes.size(); off += kRegistryRecordSize)
        records.push_back(DecodeRegistryRecord(p + off));
    return records;
}

std::string ConnectionListLine(const RegistryRecord& record, int month, int day, int hour,
                               int minute) {
    char when[48];
    std::snprintf(when, sizeof when, "%02d/%02d %02d:%02d", month, day, hour, minute);
    return record.name + "\t" + when + "\t" + record.numberText;
}

std::string RegistryListLine(const RegistryRecord& record) {
    return record.name + "\t" + record.numberText;
}
