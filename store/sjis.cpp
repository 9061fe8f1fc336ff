#include "store/sjis.h"

#include <cstring>
#include <utility>

bool IsSjisLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool IsSjisTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

size_t SjisCharLength(const std::string& text, size_t i) {
    if (i + 1 < text.size() && IsSjisLeadByte(static_cast<unsigned char>(text[i])) &&
        IsSjisTrailByte(static_cast<unsigned char>(text[i + 1])))
        return 2;
    return 1;
}

std::string CutSjis(const std::string& text, size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    size_t i = 0;
    while (i < maxBytes) {
        size_t step = SjisCharLength(text, i);
        if (i + step > maxBytes) break;
        i += step;
    }
    return text.substr(0, i);
}

std::string FieldBytes(const unsigned char* field, size_t width) {
    const void* nul = std::memchr(field, 0, width);
    size_t len = nul ? static_cast<size_t>(static_cast<const unsigned char*>(nul) - field) : width;
    return std::string(reinterpret_cast<const char*>(field), len);
}

std::string WithoutTrailingLeadByte(std::string text) {
    size_t last = 0;  // where the last character starts
    for (size_t i = 0; i < text.size(); i += SjisCharLength(text, i)) last = i;
    if (!text.empty() && last == text.size() - 1 &&
        IsSjisLeadByte(static_cast<unsigned char>(text.back())))
        text.pop_back();
    return text;
}

std::string FieldText(const unsigned char* field, size_t width, int shift) {
    std::string text = FieldBytes(field, width);
    if (shift != 0)
        for (char& c : text) c = static_cast<char>(static_cast<unsigned char>(c) + shift);
    return WithoutTrailingLeadByte(std::move(text));
}
