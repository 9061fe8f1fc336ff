// The header of the launcher picture, a device-independent bitmap with or without its 14-byte
// file header, and the logical palette made from it. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr size_t kBmpFileHeaderSize = 14;
constexpr size_t kDibInfoHeaderSize = 40;  // the form kept in memory
constexpr size_t kDibCoreHeaderSize = 12;  // the old form, converted on reading
constexpr int kDibMaxColours = 256;
// The most bytes from the start of the file that the header reader needs.
constexpr size_t kDibHeaderPrefixMax = kBmpFileHeaderSize + kDibInfoHeaderSize + 4 * kDibMaxColours;
// The picture's coordinates are 16-bit everywhere (regions, scroll offset).
constexpr int kDibMaxSide = 32767;

// Offsets in the 40-byte information header (little-endian).
namespace dib_field {
constexpr size_t kSize = 0, kWidth = 4, kHeight = 8, kPlanes = 12, kBitCount = 14,
                 kCompression = 16, kSizeImage = 20, kXPels = 24, kYPels = 28, kClrUsed = 32,
                 kClrImportant = 36;
}

struct DibHeader {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    uint32_t compression = 0;  // 0 = rows as they are; otherwise run-length encoded, loaded whole
    uint32_t imageSize = 0;    // bytes of pixel data
    int colours = 0;           // entries of the colour table
    bool hadFileHeader = false;
    bool coreHeader = false;
    uint32_t bitsOffset = 0;   // where the pixel rows begin in the file
    // The 40-byte header followed by the colour table in 4-byte entries (blue, green, red, 0):
    // the block the platform's DIB functions take.
    std::vector<unsigned char> block;
};

// Bytes of one pixel row: rows are padded to whole 32-bit words.
uint32_t DibRowBytes(int width, int bitCount);

// Reads the header from the first bytes of the file (at most kDibHeaderPrefixMax are needed;
// prefixSize may be less for a short file) and checks it against the file's size. false for
// anything that is not a picture this launcher can show: a header size other than 12 or 40, a
// depth other than 1, 4, 8, 16, 24 or 32, a compression other than none or run-length, a side
// of 0, a negative or beyond 32767 (rows stored top-down included), more than 256 colours, or
// pixel data that the file does not hold.
bool ReadDibHeader(const unsigned char* prefix, size_t prefixSize, uint64_t fileSize,
                   DibHeader* out);

struct PaletteColour {
    unsigned char red = 0, green = 0, blue = 0, flags = 0;
};
// The logical palette for the picture: its colour table in table order, or for a 24-bit picture
// without one the 8-8-4 colour cube (red fastest, then green, then blue). Empty when neither
// applies: no palette can be made.
std::vector<PaletteColour> LauncherPalette(const DibHeader& header);
// Entry i of the 8-8-4 colour cube.
PaletteColour CubeColour(int i);

// Pictures of 8 or fewer bits per pixel are drawn through palette indices: the colour table in
// the block becomes the 16-bit indices 0, 1, 2, ...
bool UsesPaletteIndices(const DibHeader& header);
void ReplaceColoursByIndices(DibHeader* header);
// The block with its height field set to rows: one band of the picture is converted at a time.
std::vector<unsigned char> BandBlock(const std::vector<unsigned char>& block, int rows);

// A BMP file: the 14-byte file header, the 40-byte header, the colour table (given in table
// order) and rows bottom-up, each padded to whole 32-bit words (pixels holds them so).
std::string BmpFileBytes(int width, int height, int bitCount,
                         const std::vector<PaletteColour>& table, const std::string& pixels);
