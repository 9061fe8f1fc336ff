// Shift_JIS (code page 932) byte-string helpers. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <string>

// True when b starts a double-byte character in code page 932.
bool IsSjisLeadByte(unsigned char b);

// The longest prefix of text that fits in maxBytes without splitting a double-byte character.
std::string CutSjis(const std::string& text, size_t maxBytes);

// The NUL-terminated text stored in a fixed field of width bytes; a field without its NUL
// (written by a faulty peer) yields all width bytes, never more.
std::string FieldText(const unsigned char* field, size_t width);
