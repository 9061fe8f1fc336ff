#include "store/sjis.h"

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

std::string WithoutTrailingLeadByte(std::string text) {
    size_t last = 0;  // where the last character starts
    for (size_t i = 0; i < text.size(); i += SjisCharLength(text, i)) last = i;
    if (!text.empty() && last == text.size() - 1 &&
        IsSjisLeadByte(static_cast<unsigned char>(text.back())))
        text.pop_back();
    return text;
}
