#include "users/import_list.h"

#include "store/sjis.h"
#include "users/registry_record.h"

std::vector<std::string> ParseNameImportList(const std::string& bytes) {
    std::vector<std::string> entries;
    std::string current;
    for (size_t i = 0; i < bytes.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '\r') {
            if (!current.empty()) entries.push_back(current);
            current.clear();
        } else if (c == '\n') {
            current.clear();
        } else {
            // A name holds at most 20 bytes; a double-byte character that would not fit
            // whole starts the next entry instead of being split.
            size_t width = SjisCharLength(bytes, i);
            if (current.size() + width > kUserNameMax) {
                entries.push_back(current);
                current.clear();
            }
            current.append(bytes, i, width);
            i += width - 1;
        }
    }
    return entries;
}

std::string FormatNameImportList(const std::vector<std::string>& entries) {
    std::string out;
    for (const std::string& e : entries) out += e + "\r\n";
    return out;
}
