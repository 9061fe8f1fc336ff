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

// The bytes stored in a fixed field of width bytes, up to its NUL; a field without its NUL
// (written by a faulty peer) yields all width bytes, never more. For writing a field back as
// it was.
std::string FieldBytes(const unsigned char* field, size_t width);
// The text of a fixed field as every reader shows, prints and compares it: FieldBytes, shifted
// by shift (-1 for a field stored shifted), without a lone lead byte at its end. Such a byte,
// left by a peer that cut a name in the middle of a character, would swallow whatever is
// written after the text: the TAB of a list line, a line end.
std::string FieldText(const unsigned char* field, size_t width, int shift = 0);
// The text without a lone lead byte at its end.
std::string WithoutTrailingLeadByte(std::string text);
