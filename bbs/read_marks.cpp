#include "bbs/read_marks.h"

ReadMarks::ReadMarks(const std::string& stored) : bytes_(stored.substr(0, kReadMarkMapSize)) {
    bytes_.resize(kReadMarkMapSize, '\0');
}

bool ReadMarks::IsRead(int postNumber) const {
    if (postNumber < 1 || postNumber > kMaxPostNumber) return true;
    const unsigned char byte = static_cast<unsigned char>(bytes_[(postNumber - 1) / 5]);
    return (byte >> ((postNumber - 1) % 5)) & 1;
}

void ReadMarks::MarkRead(int postNumber) {
    if (postNumber < 1 || postNumber > kMaxPostNumber) return;
    bytes_[(postNumber - 1) / 5] =
        static_cast<char>(bytes_[(postNumber - 1) / 5] | (1 << ((postNumber - 1) % 5)));
}
