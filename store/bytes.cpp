#include "store/bytes.h"

#include <cstring>
#include <utility>

#include "store/sjis.h"

int16_t GetInt16(const unsigned char* p) { return static_cast<int16_t>(GetUint16(p)); }

uint16_t GetUint16(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t GetUint32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void PutInt16(unsigned char* p, int value) {
    p[0] = static_cast<unsigned char>(value & 0xFF);
    p[1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}

void PutUint32(unsigned char* p, uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(value >> (8 * i));
}

void AppendUint16(std::string& out, unsigned value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void AppendUint32(std::string& out, uint32_t value) {
    AppendUint16(out, value & 0xFFFF);
    AppendUint16(out, value >> 16);
}

std::string FieldBytes(const unsigned char* field, size_t width) {
    const void* nul = std::memchr(field, 0, width);
    size_t len = nul ? static_cast<size_t>(static_cast<const unsigned char*>(nul) - field) : width;
    return std::string(reinterpret_cast<const char*>(field), len);
}

std::string FieldText(const unsigned char* field, size_t width, int shift) {
    std::string text = FieldBytes(field, width);
    if (shift != 0)
        for (char& c : text) c = static_cast<char>(static_cast<unsigned char>(c) + shift);
    return WithoutTrailingLeadByte(std::move(text));
}

void PutFieldText(unsigned char* field, size_t maxBytes, const std::string& text) {
    std::string cut = CutSjis(text, maxBytes);
    std::memcpy(field, cut.data(), cut.size());
}
