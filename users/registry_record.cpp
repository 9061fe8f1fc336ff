#include "users/registry_record.h"

#include <cstdio>
#include <cstring>

#include "store/names.h"
#include "store/sjis.h"

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

static void PutText(unsigned char* out, size_t width, const std::string& text) {
    std::string cut = CutSjis(text, width - 1);
    std::memcpy(out, cut.data(), cut.size());
}

void EncodeRegistryRecord(const RegistryRecord& record, unsigned char out[kRegistryRecordSize]) {
    std::memset(out, 0, kRegistryRecordSize);
    PutText(out + rf::kName, rf::kNameWidth, record.name);
    PutText(out + rf::kNumberText, rf::kNumberTextWidth, record.numberText);
    out[rf::kNumber] = static_cast<unsigned char>(record.number & 0xFF);
    out[rf::kNumber + 1] = static_cast<unsigned char>((record.number >> 8) & 0xFF);
    PutText(out + rf::kLogin, rf::kLoginWidth, record.loginName);
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
    r.number = static_cast<int16_t>(in[rf::kNumber] | (in[rf::kNumber + 1] << 8));
    r.loginName = FieldText(in + rf::kLogin, rf::kLoginWidth);
    return r;
}

std::vector<RegistryRecord> DecodeRegistry(const std::string& bytes) {
    std::vector<RegistryRecord> records;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
    for (size_t off = 0; off + kRegistryRecordSize <= bytes.size(); off += kRegistryRecordSize)
        records.push_back(DecodeRegistryRecord(p + off));
    return records;
}

std::string RegistryListLine(const RegistryRecord& record) {
    return record.name + "\t" + record.numberText;
}
