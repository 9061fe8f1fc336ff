#include "users/password.h"

#include "store/bytes.h"

std::string EncodePasswordFile(const std::string& password, int dayOfYear) {
    std::string out;
    unsigned key = static_cast<unsigned>(dayOfYear) & 0xFFFF;
    AppendUint16(out, key);
    for (size_t i = 0; i < kPasswordMax; ++i) {
        int byte = i < password.size() ? static_cast<signed char>(password[i]) : 0;
        AppendUint16(out, static_cast<unsigned>(byte + static_cast<int>(key)));
    }
    return out;
}

std::string DecodePasswordFile(const std::string& bytes) {
    std::string password;
    if (bytes.empty()) return password;
    unsigned char keyLow = static_cast<unsigned char>(bytes[0]);
    for (size_t i = 0; i < kPasswordMax; ++i) {
        size_t at = 2 + 2 * i;
        if (at + 2 > bytes.size()) break;  // a word the file does not hold whole
        char c = static_cast<char>(static_cast<unsigned char>(bytes[at]) - keyLow);
        if (c == '\0') break;
        password += c;
    }
    return password;
}
