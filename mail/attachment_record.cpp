#include "mail/attachment_record.h"

#include <cstdio>

#include "store/bytes.h"
#include "store/names.h"

namespace af = attachment_field;

std::string EncodeAttachmentRecord(const AttachmentRecord& record) {
    unsigned char bytes[kAttachmentRecordSize] = {0};
    PutFieldText(bytes + af::kSourcePath, af::kSourcePathWidth - 1, record.sourcePath);
    PutFieldText(bytes + af::kTitle, af::kTitleWidth - 1, record.title);
    PutFieldText(bytes + af::kStoredPath, af::kStoredPathWidth - 1, record.storedPath);
    return std::string(reinterpret_cast<const char*>(bytes), kAttachmentRecordSize);
}

AttachmentRecord DecodeAttachmentRecord(const unsigned char in[kAttachmentRecordSize]) {
    AttachmentRecord r;
    r.sourcePath = FieldText(in + af::kSourcePath, af::kSourcePathWidth);
    r.title = FieldText(in + af::kTitle, af::kTitleWidth);
    r.storedPath = FieldText(in + af::kStoredPath, af::kStoredPathWidth);
    return r;
}

std::vector<AttachmentRecord> DecodeAttachmentList(const std::string& bytes) {
    std::vector<AttachmentRecord> records;
    const unsigned char* p = BytesOf(bytes);
    for (size_t off = 0; off + kAttachmentRecordSize <= bytes.size(); off += kAttachmentRecordSize)
        records.push_back(DecodeAttachmentRecord(p + off));
    return records;
}

std::string StoredAttachmentName(int attachmentNumber, const std::string& sourcePath) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "att%04d", attachmentNumber);
    return digits + PathExtension(sourcePath);
}

bool IsStoredAttachmentName(const std::string& name) {
    if (name.size() < 7) return false;
    for (size_t i = 0; i < 3; ++i)
        if ((name[i] | 0x20) != "att"[i]) return false;
    for (size_t i = 3; i < 7; ++i)
        if (name[i] < '0' || name[i] > '9') return false;
    if (name.size() == 7) return true;
    // The rest is the extension of the attached file: a dot and a name, no further folders.
    return name[7] == '.' && PathFileName(name) == name;
}
