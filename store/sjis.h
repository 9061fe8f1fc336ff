// Shift_JIS (code page 932) byte-string helpers. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <string>

// True when b starts a double-byte character in code page 932.
bool IsSjisLeadByte(unsigned char b);
// True when b can follow a lead byte as the second byte of a character.
bool IsSjisTrailByte(unsigned char b);
// Length (1 or 2) of the character that starts at text[i]. A lead byte counts as a
// double-byte character only when a valid trail byte follows: in a damaged text a lone lead
// byte must not swallow the CR, TAB or backslash after it.
size_t SjisCharLength(const std::string& text, size_t i);

// The longest prefix of text that fits in maxBytes without splitting a double-byte character.
std::string CutSjis(const std::string& text, size_t maxBytes);
// The text without a lone lead byte at its end.
std::string WithoutTrailingLeadByte(std::string text);
