// The read-mark map of one user on one board (chk<u>.chk of a board folder): post n owns bit
// (n - 1) mod 5 of byte (n - 1) div 5, so each byte uses only its five low bits. A set bit: the
// user has opened, or written, that post. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <string>

constexpr size_t kReadMarkMapSize = 2000;
constexpr int kMaxPostNumber = 9999;

class ReadMarks {
public:
    ReadMarks() : bytes_(kReadMarkMapSize, '\0') {}
    // A map as found in the store: bytes beyond 2000 are not ours to read, and bytes missing
    // from a shorter map count as zero (nothing read).
    explicit ReadMarks(const std::string& stored);

    // A number outside 1..9999 owns no bit; such a post counts as read, so that a record with a
    // damaged number never keeps announcing itself as news.
    bool IsRead(int postNumber) const;
    void MarkRead(int postNumber);
    // Exactly 2000 bytes, to write back at offset 0.
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};
