// The password file mox.mox: nine 16-bit words, a day-of-year key and the password bytes
// offset by it. Pure logic: no windows.h.
#pragma once
#include <string>

constexpr size_t kPasswordFileSize = 18;
constexpr size_t kPasswordMax = 8;

// The 18 bytes for a password (at most 8 bytes are kept) written on day of year key.
std::string EncodePasswordFile(const std::string& password, int dayOfYear);
// The password held in a password file's bytes. A file shorter than 18 bytes yields the bytes
// its whole words hold; the password ends at its first NUL.
std::string DecodePasswordFile(const std::string& bytes);
