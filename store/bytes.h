// The byte layer of every stored layout: little-endian 16- and 32-bit values and fixed-width
// text fields, read and written at named offsets. Every codec goes through here, so a layout's
// bytes never depend on the build's own integer order or width. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The value stored at p, low byte first.
int16_t GetInt16(const unsigned char* p);
uint16_t GetUint16(const unsigned char* p);
uint32_t GetUint32(const unsigned char* p);

// Stores the low 16 or 32 bits of value at p, low byte first.
void PutInt16(unsigned char* p, int value);
void PutUint32(unsigned char* p, uint32_t value);

// Appends the low 16 or 32 bits of value to out, low byte first.
void AppendUint16(std::string& out, unsigned value);
void AppendUint32(std::string& out, uint32_t value);

// The bytes stored in a fixed field of width bytes, up to its NUL; a field without its NUL
// (written by a faulty peer) yields all width bytes, never more. For writing a field back as
// it was.
std::string FieldBytes(const unsigned char* field, size_t width);
// The text of a fixed field as every reader shows, prints and compares it: FieldBytes, shifted
// by shift (-1 for a field stored shifted), without a lone lead byte at its end. Such a byte,
// left by a peer that cut a name in the middle of a character, would swallow whatever is
// written after the text: the TAB of a list line, a line end.
std::string FieldText(const unsigned char* field, size_t width, int shift = 0);
// Copies text into a zero-filled field, cut to maxBytes at a character boundary (callers leave
// room for the NUL).
void PutFieldText(unsigned char* field, size_t maxBytes, const std::string& text);

// A record's bytes as the codecs address them.
inline const unsigned char* BytesOf(const std::string& bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.data());
}
