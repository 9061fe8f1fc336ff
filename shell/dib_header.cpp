#include "shell/dib_header.h"

#include <cstring>

#include "store/bytes.h"

namespace {

int ColoursForDepth(int bitCount) {
    switch (bitCount) {
        case 1: return 2;
        case 4: return 16;
        case 8: return 256;
        default: return 0;
    }
}

bool KnownDepth(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
           bitCount == 32;
}

}  // namespace

uint32_t DibRowBytes(int width, int bitCount) {
    return ((static_cast<uint32_t>(width) * static_cast<uint32_t>(bitCount) + 31) / 32) * 4;
}

bool ReadDibHeader(const unsigned char* prefix, size_t prefixSize, uint64_t fileSize,
                   DibHeader* out) {
    *out = DibHeader();
    DibHeader& h = *out;
    size_t start = 0;  // where the information header begins
    uint32_t fileBitsOffset = 0;
    if (prefixSize >= kBmpFileHeaderSize && GetUint16(prefix) == 0x4D42) {
        h.hadFileHeader = true;
        fileBitsOffset = GetUint32(prefix + 10);
        start = kBmpFileHeaderSize;
    }
    if (prefixSize < start + 4) return false;
    const unsigned char* info = prefix + start;
    const uint32_t headerSize = GetUint32(info);
    if (headerSize != kDibInfoHeaderSize && headerSize != kDibCoreHeaderSize) return false;
    if (prefixSize < start + headerSize) return false;

    h.block.assign(kDibInfoHeaderSize, 0);
    unsigned char* b = h.block.data();
    size_t entryBytes;  // bytes of one colour table entry in the file
    if (headerSize == kDibCoreHeaderSize) {
        // The old form holds 16-bit sides, planes and depth only; everything else is zero and
        // the colour count follows from the depth.
        h.coreHeader = true;
        h.width = static_cast<int>(GetUint16(info + 4));
        h.height = static_cast<int>(GetUint16(info + 6));
        PutInt16(b + dib_field::kPlanes, GetUint16(info + 8));
        h.bitCount = static_cast<int>(GetUint16(info + 10));
        h.colours = ColoursForDepth(h.bitCount);
        entryBytes = 3;
    } else {
        h.width = static_cast<int32_t>(GetUint32(info + dib_field::kWidth));
        h.height = static_cast<int32_t>(GetUint32(info + dib_field::kHeight));
        std::memcpy(b + dib_field::kPlanes, info + dib_field::kPlanes,
                    kDibInfoHeaderSize - dib_field::kPlanes);
        h.bitCount = static_cast<int>(GetUint16(info + dib_field::kBitCount));
        h.compression = GetUint32(info + dib_field::kCompression);
        h.imageSize = GetUint32(info + dib_field::kSizeImage);
        uint32_t used = GetUint32(info + dib_field::kClrUsed);
        if (used > static_cast<uint32_t>(kDibMaxColours)) return false;
        h.colours = used != 0 ? static_cast<int>(used) : ColoursForDepth(h.bitCount);
        entryBytes = 4;
    }
    if (!KnownDepth(h.bitCount)) return false;
    // A side of 0 has nothing to show, a negative height stores its rows top-down (the bands are
    // read bottom-up), and regions and scroll offsets cannot reach beyond 32767.
    if (h.width <= 0 || h.height <= 0 || h.width > kDibMaxSide || h.height > kDibMaxSide)
        return false;
    // Rows as they are, or the platform's run-length encodings (1 with 8 bits, 2 with 4 bits);
    // other codes hold colour masks or other formats that the bands cannot be drawn from.
    if (h.compression == 1 && h.bitCount != 8) return false;
    if (h.compression == 2 && h.bitCount != 4) return false;
    if (h.compression > 2) return false;

    const uint32_t rowBytes = DibRowBytes(h.width, h.bitCount);
    if (h.imageSize == 0) h.imageSize = rowBytes * static_cast<uint32_t>(h.height);

    const size_t tableStart = start + headerSize;
    const size_t tableBytes = static_cast<size_t>(h.colours) * entryBytes;
    if (prefixSize < tableStart + tableBytes) return false;
    h.block.resize(kDibInfoHeaderSize + 4 * static_cast<size_t>(h.colours), 0);
    b = h.block.data();
    for (int i = 0; i < h.colours; ++i) {
        const unsigned char* e = prefix + tableStart + static_cast<size_t>(i) * entryBytes;
        unsigned char* d = b + kDibInfoHeaderSize + 4 * static_cast<size_t>(i);
        d[0] = e[0];  // blue
        d[1] = e[1];  // green
        d[2] = e[2];  // red
        d[3] = 0;
    }
    PutUint32(b + dib_field::kSize, kDibInfoHeaderSize);
    PutUint32(b + dib_field::kWidth, static_cast<uint32_t>(h.width));
    PutUint32(b + dib_field::kHeight, static_cast<uint32_t>(h.height));
    PutInt16(b + dib_field::kBitCount, h.bitCount);
    PutUint32(b + dib_field::kCompression, h.compression);
    PutUint32(b + dib_field::kSizeImage, h.imageSize);
    PutUint32(b + dib_field::kClrUsed, static_cast<uint32_t>(h.colours));

    const uint32_t tableEnd = static_cast<uint32_t>(tableStart + tableBytes);
    h.bitsOffset = h.hadFileHeader ? fileBitsOffset : tableEnd;
    // Pixels that would overlap the header, or that the file does not hold, make no picture:
    // the rows are read from the file again at every paint.
    if (h.bitsOffset < tableEnd) return false;
    const uint64_t pixelBytes =
        h.compression == 0 ? static_cast<uint64_t>(rowBytes) * h.height : h.imageSize;
    return h.bitsOffset + pixelBytes <= fileSize;
}

PaletteColour CubeColour(int i) {
    PaletteColour c;
    c.red = static_cast<unsigned char>(32 * (i % 8));
    c.green = static_cast<unsigned char>(32 * ((i / 8) % 8));
    c.blue = static_cast<unsigned char>(64 * (i / 64));
    return c;
}

std::vector<PaletteColour> LauncherPalette(const DibHeader& header) {
    std::vector<PaletteColour> palette;
    if (header.block.size() < kDibInfoHeaderSize) return palette;
    if (header.colours > 0) {
        for (int i = 0; i < header.colours; ++i) {
            const unsigned char* e = header.block.data() + kDibInfoHeaderSize + 4 * i;
            PaletteColour c;
            c.blue = e[0];
            c.green = e[1];
            c.red = e[2];
            palette.push_back(c);
        }
    } else if (header.bitCount == 24) {
        for (int i = 0; i < 256; ++i) palette.push_back(CubeColour(i));
    }
    return palette;
}

bool UsesPaletteIndices(const DibHeader& header) { return header.bitCount <= 8; }

void ReplaceColoursByIndices(DibHeader* header) {
    unsigned char* table = header->block.data() + kDibInfoHeaderSize;
    std::memset(table, 0, header->block.size() - kDibInfoHeaderSize);
    for (int i = 0; i < header->colours; ++i) PutInt16(table + 2 * i, i);
}

std::vector<unsigned char> BandBlock(const std::vector<unsigned char>& block, int rows) {
    std::vector<unsigned char> band = block;
    PutUint32(band.data() + dib_field::kHeight, static_cast<uint32_t>(rows));
    // The size of one band's pixels, so the conversion never looks beyond them.
    PutUint32(band.data() + dib_field::kSizeImage,
          DibRowBytes(static_cast<int32_t>(GetUint32(block.data() + dib_field::kWidth)),
                      static_cast<int>(GetUint16(block.data() + dib_field::kBitCount))) *
              static_cast<uint32_t>(rows));
    return band;
}

std::string BmpFileBytes(int width, int height, int bitCount,
                         const std::vector<PaletteColour>& table, const std::string& pixels) {
    const uint32_t headerBytes =
        static_cast<uint32_t>(kBmpFileHeaderSize + kDibInfoHeaderSize + 4 * table.size());
    std::string bytes(headerBytes, '\0');
    unsigned char* p = reinterpret_cast<unsigned char*>(&bytes[0]);
    PutInt16(p, 0x4D42);
    PutUint32(p + 2, headerBytes + static_cast<uint32_t>(pixels.size()));
    PutUint32(p + 10, headerBytes);
    unsigned char* info = p + kBmpFileHeaderSize;
    PutUint32(info + dib_field::kSize, kDibInfoHeaderSize);
    PutUint32(info + dib_field::kWidth, static_cast<uint32_t>(width));
    PutUint32(info + dib_field::kHeight, static_cast<uint32_t>(height));
    PutInt16(info + dib_field::kPlanes, 1);
    PutInt16(info + dib_field::kBitCount, bitCount);
    PutUint32(info + dib_field::kSizeImage, static_cast<uint32_t>(pixels.size()));
    PutUint32(info + dib_field::kXPels, 2835);  // 72 dots per inch
    PutUint32(info + dib_field::kYPels, 2835);
    PutUint32(info + dib_field::kClrUsed, static_cast<uint32_t>(table.size()));
    for (size_t i = 0; i < table.size(); ++i) {
        unsigned char* e = info + kDibInfoHeaderSize + 4 * i;
        e[0] = table[i].blue;
        e[1] = table[i].green;
        e[2] = table[i].red;
    }
    return bytes + pixels;
}
