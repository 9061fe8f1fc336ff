// The 1024-byte attachment record: one per attached file in an attachment list (fil<r>.lst of
// a received item or a board post, sfl<s>.lst of a sent item), in the order the files were
// attached. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

constexpr size_t kAttachmentRecordSize = 1024;

namespace attachment_field {
constexpr size_t kSourcePath = 1, kSourcePathWidth = 260;  // the file as picked on the sender's PC
constexpr size_t kTitle = 261, kTitleWidth = 51;            // 50 bytes and a NUL; may be empty
constexpr size_t kStoredPath = 312, kStoredPathWidth = 260; // the stored copy in the store
}  // namespace attachment_field

constexpr size_t kAttachmentTitleMax = 50;
constexpr size_t kAttachmentPathMax = 259;

struct AttachmentRecord {
    std::string sourcePath;
    std::string title;
    std::string storedPath;
};

// Zero-fills out and writes each field within its width (cut at a character boundary).
std::string EncodeAttachmentRecord(const AttachmentRecord& record);
// Reads each field within its bounds, NUL or not.
AttachmentRecord DecodeAttachmentRecord(const unsigned char in[kAttachmentRecordSize]);
// Every whole record of an attachment list's bytes; a trailing partial record is ignored.
std::vector<AttachmentRecord> DecodeAttachmentList(const std::string& bytes);

// The stored copy's name for attachment number a: "att" + "%04d" + the source's extension.
std::string StoredAttachmentName(int attachmentNumber, const std::string& sourcePath);
// Is name one that this system gives stored copies: "att", four digits, and either nothing or
// an extension ("." and more)? Other clients write the stored paths; only such names are ever
// deleted on their word.
bool IsStoredAttachmentName(const std::string& name);
