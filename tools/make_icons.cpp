// Draws the client's icons (the program icon and one per sub-window kind) and writes them as
// .ico files, each with a 32 x 32 and a 16 x 16 image in 32-bit colour with an alpha channel,
// the cursor shown over a launcher region as a .cur file with one 32 x 32 image, and the two
// 18 x 18 one-bit pictures of the mail list lines as .bmp files.
// The pictures are plain shapes, drawn with 4 x 4 samples per pixel for smooth edges.
// Portable C++ with no platform headers; run it again after changing a picture:
//     make_icons OUTPUT_FOLDER
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "store/bytes.h"

namespace {

struct Colour {
    double r, g, b, a;
};

// A picture is drawn on a 32 x 32 unit canvas; each layer paints a colour where its shape is.
using Shape = std::function<bool(double x, double y)>;
struct Layer {
    Shape shape;
    Colour colour;
};

Shape RoundRect(double x0, double y0, double x1, double y1, double radius) {
    return [=](double x, double y) {
        if (x < x0 || x > x1 || y < y0 || y > y1) return false;
        double cx = x < x0 + radius ? x0 + radius : (x > x1 - radius ? x1 - radius : x);
        double cy = y < y0 + radius ? y0 + radius : (y > y1 - radius ? y1 - radius : y);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
    };
}
Shape Rect(double x0, double y0, double x1, double y1) { return RoundRect(x0, y0, x1, y1, 0); }
Shape Circle(double cx, double cy, double r) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}
// The filled triangle a, b, c.
Shape Triangle(double ax, double ay, double bx, double by, double cx, double cy) {
    return [=](double x, double y) {
        double d1 = (x - bx) * (ay - by) - (ax - bx) * (y - by);
        double d2 = (x - cx) * (by - cy) - (bx - cx) * (y - cy);
        double d3 = (x - ax) * (cy - ay) - (cx - ax) * (y - ay);
        bool negative = d1 < 0 || d2 < 0 || d3 < 0, positive = d1 > 0 || d2 > 0 || d3 > 0;
        return !(negative && positive);
    };
}
// A stroke of the given width from a to b.
Shape Line(double ax, double ay, double bx, double by, double width) {
    return [=](double x, double y) {
        double dx = bx - ax, dy = by - ay, length2 = dx * dx + dy * dy;
        double t = length2 > 0 ? ((x - ax) * dx + (y - ay) * dy) / length2 : 0;
        t = t < 0 ? 0 : (t > 1 ? 1 : t);
        double px = ax + t * dx - x, py = ay + t * dy - y;
        return px * px + py * py <= width * width / 4;
    };
}
Shape Minus(Shape a, Shape b) { return [=](double x, double y) { return a(x, y) && !b(x, y); }; }

Colour Hex(uint32_t rgb, double alpha = 1) {
    return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0, alpha};
}

// Renders the layers into size x size BGRA pixels, top row first.
std::vector<uint8_t> Render(const std::vector<Layer>& layers, int size) {
    std::vector<uint8_t> pixels(static_cast<size_t>(size * size * 4), 0);
    const int samples = 4;
    double scale = 32.0 / size;
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    double x = (px + (sx + 0.5) / samples) * scale;
                    double y = (py + (sy + 0.5) / samples) * scale;
                    Colour c = {0, 0, 0, 0};
                    for (const Layer& layer : layers) {
                        if (!layer.shape(x, y)) continue;
                        const Colour& t = layer.colour;
                        double outA = t.a + c.a * (1 - t.a);
                        if (outA > 0) {
                            c.r = (t.r * t.a + c.r * c.a * (1 - t.a)) / outA;
                            c.g = (t.g * t.a + c.g * c.a * (1 - t.a)) / outA;
                            c.b = (t.b * t.a + c.b * c.a * (1 - t.a)) / outA;
                        }
                        c.a = outA;
                    }
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            }
            uint8_t* p = &pixels[static_cast<size_t>((py * size + px) * 4)];
            if (a > 0) {
                p[0] = static_cast<uint8_t>(std::lround(b / a * 255));
                p[1] = static_cast<uint8_t>(std::lround(g / a * 255));
                p[2] = static_cast<uint8_t>(std::lround(r / a * 255));
            }
            p[3] = static_cast<uint8_t>(std::lround(a / (samples * samples) * 255));
        }
    }
    return pixels;
}

// One icon image: a bitmap header, the colour rows bottom-up and the transparency mask.
std::string IconImage(const std::vector<uint8_t>& pixels, int size) {
    std::string out;
    int maskRow = ((size + 31) / 32) * 4;
    AppendUint32(out, 40);
    AppendUint32(out, static_cast<uint32_t>(size));
    AppendUint32(out, static_cast<uint32_t>(size * 2));
    AppendUint16(out, 1);
    AppendUint16(out, 32);
    AppendUint32(out, 0);
    AppendUint32(out, static_cast<uint32_t>(size * size * 4 + maskRow * size));
    for (int i = 0; i < 4; ++i) AppendUint32(out, 0);
    for (int y = size - 1; y >= 0; --y)
        out.append(reinterpret_cast<const char*>(&pixels[static_cast<size_t>(y * size * 4)]),
                   static_cast<size_t>(size * 4));
    for (int y = size - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(maskRow), '\0');
        for (int x = 0; x < size; ++x)
            if (pixels[static_cast<size_t>((y * size + x) * 4 + 3)] < 128)
                row[static_cast<size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        out += row;
    }
    return out;
}

// An .ico (type 1) or .cur (type 2) file of the layers in the given sizes; a cursor's directory
// entries hold its hotspot where an icon's hold planes and depth.
std::string ImageFile(const std::vector<Layer>& layers, const std::vector<int>& sizes, int type,
                      int hotX = 0, int hotY = 0) {
    std::vector<std::string> images;
    for (int size : sizes) images.push_back(IconImage(Render(layers, size), size));
    std::string out;
    AppendUint16(out, 0);
    AppendUint16(out, static_cast<unsigned>(type));
    AppendUint16(out, static_cast<unsigned>(images.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out += static_cast<char>(sizes[i]);
        out += static_cast<char>(sizes[i]);
        out += '\0';
        out += '\0';
        AppendUint16(out, type == 2 ? static_cast<unsigned>(hotX) : 1);
        AppendUint16(out, type == 2 ? static_cast<unsigned>(hotY) : 32);
        AppendUint32(out, static_cast<uint32_t>(images[i].size()));
        AppendUint32(out, offset);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const std::string& image : images) out += image;
    return out;
}

std::string IconFile(const std::vector<Layer>& layers) { return ImageFile(layers, {32, 16}, 1); }

const Colour kOutline = Hex(0x303030);

// The program: a shared folder with three colleagues in front of it.
std::vector<Layer> ProgramIcon() {
    return {
        {RoundRect(1, 1, 31, 31, 6), Hex(0x1F5FA8)},
        {RoundRect(5, 8, 16, 14, 2), Hex(0xE8A317)},
        {RoundRect(5, 11, 27, 26, 2), Hex(0xF6C445)},
        {Circle(10, 18, 2.6), Hex(0xD9453B)},
        {Rect(7.2, 21, 12.8, 24.5), Hex(0xD9453B)},
        {Circle(16, 18, 2.6), Hex(0x2E8B57)},
        {Rect(13.2, 21, 18.8, 24.5), Hex(0x2E8B57)},
        {Circle(22, 18, 2.6), Hex(0x1F5FA8)},
        {Rect(19.2, 21, 24.8, 24.5), Hex(0x1F5FA8)},
    };
}

// Chat: two speech bubbles.
std::vector<Layer> ChatIcon() {
    return {
        {RoundRect(2, 4, 22, 17, 4), kOutline},
        {RoundRect(3, 5, 21, 16, 3.5), Hex(0x4A90D9)},
        {Triangle(6, 15, 11, 15, 5, 21), Hex(0x4A90D9)},
        {RoundRect(10, 13, 30, 26, 4), kOutline},
        {RoundRect(11, 14, 29, 25, 3.5), Hex(0x7BC67B)},
        {Triangle(21, 24, 26, 24, 27, 30), Hex(0x7BC67B)},
        {Circle(15.5, 19.5, 1.3), Hex(0xFFFFFF)},
        {Circle(20, 19.5, 1.3), Hex(0xFFFFFF)},
        {Circle(24.5, 19.5, 1.3), Hex(0xFFFFFF)},
    };
}

// Mail lists and calendar: a sheet with a coloured head and lines.
std::vector<Layer> ListIcon() {
    std::vector<Layer> layers = {
        {Rect(5, 2, 27, 30), kOutline},
        {Rect(6, 3, 26, 29), Hex(0xFFFFFF)},
        {Rect(6, 3, 26, 9), Hex(0xD9453B)},
    };
    for (int i = 0; i < 5; ++i) {
        double y = 12.5 + i * 3.5;
        layers.push_back({Rect(9, y, 23, y + 1.4), Hex(0x4A6FA5)});
    }
    return layers;
}

// In/out board: rows with a name and an in or out marker.
std::vector<Layer> BordIcon() {
    std::vector<Layer> layers = {
        {RoundRect(2, 4, 30, 28, 2), Hex(0x5A5A5A)},
        {Rect(4, 6, 28, 26), Hex(0xFFFFFF)},
    };
    const uint32_t marks[] = {0x2E8B57, 0xD9453B, 0x2E8B57, 0x2E8B57};
    for (int i = 0; i < 4; ++i) {
        double y = 7.5 + i * 4.7;
        layers.push_back({Rect(6, y, 19, y + 2.2), Hex(0x4A6FA5)});
        layers.push_back({Circle(24, y + 1.1, 1.9), Hex(marks[i])});
    }
    return layers;
}

// Bulletin board: a cork board with a pinned note.
std::vector<Layer> BbsIcon() {
    return {
        {RoundRect(1, 3, 31, 29, 2), Hex(0x7A4B1E)},
        {Rect(3.5, 5.5, 28.5, 26.5), Hex(0xC8955A)},
        {Rect(7, 9, 20, 23), Hex(0xFFF4A8)},
        {Rect(9, 13, 18, 14.2), Hex(0x8A7A40)},
        {Rect(9, 16, 18, 17.2), Hex(0x8A7A40)},
        {Rect(9, 19, 15, 20.2), Hex(0x8A7A40)},
        {Rect(21, 12, 26.5, 20), Hex(0xBFE3FF)},
        {Circle(13.5, 9.5, 2), Hex(0xD9453B)},
    };
}

// Memo: a yellow note with a folded corner.
std::vector<Layer> MemoIcon() {
    std::vector<Layer> layers = {
        {Minus(Rect(5, 3, 27, 29), Triangle(20, 29, 27, 29, 27, 22)), Hex(0xB89B2E)},
        {Minus(Rect(6, 4, 26, 28), Triangle(19.5, 28, 26, 28, 26, 21.5)), Hex(0xFFE98A)},
        {Triangle(20, 28.5, 26.5, 22, 20, 22), Hex(0xE2C65A)},
    };
    for (int i = 0; i < 4; ++i) {
        double y = 8 + i * 3.6;
        layers.push_back({Rect(9, y, 23, y + 1.2), Hex(0x9C8A50)});
    }
    return layers;
}

// Message: an envelope.
std::vector<Layer> MsgIcon() {
    return {
        {Rect(2, 7, 30, 26), kOutline},
        {Rect(3, 8, 29, 25), Hex(0xFFFFFF)},
        {Line(3.5, 8.5, 16, 18, 1.6), Hex(0x4A6FA5)},
        {Line(16, 18, 28.5, 8.5, 1.6), Hex(0x4A6FA5)},
        {Circle(25, 22, 4.2), Hex(0xD9453B)},
        {Rect(24.3, 19.2, 25.7, 22.6), Hex(0xFFFFFF)},
        {Rect(24.3, 23.4, 25.7, 24.8), Hex(0xFFFFFF)},
    };
}

// Over a launcher region: a hand pointing up, its fingertip the hotspot, white with a dark
// outline so that it shows on light and dark parts of the picture alike.
constexpr int kRegionCursorHotX = 12, kRegionCursorHotY = 1;
std::vector<Layer> RegionCursor() {
    struct Part {
        double x0, y0, x1, y1, radius;
    };
    const Part parts[] = {
        {9.5, 1, 14.5, 18, 2.5},    // index finger
        {14.2, 9, 18.4, 20, 2.1},   // middle finger
        {18.2, 10, 22.4, 21, 2.1},  // ring finger
        {22.2, 11.5, 26, 22, 1.9},  // little finger
        {9.5, 15, 26, 29, 4},       // palm
    };
    std::vector<Layer> layers;
    const Colour outline = Hex(0x000000), fill = Hex(0xFFFFFF);
    for (const Part& p : parts)
        layers.push_back({RoundRect(p.x0 - 1.2, p.y0 - 1.2, p.x1 + 1.2, p.y1 + 1.2, p.radius + 1.2), outline});
    layers.push_back({Line(11, 22, 5, 15.5, 6.6), outline});  // thumb
    for (const Part& p : parts) layers.push_back({RoundRect(p.x0, p.y0, p.x1, p.y1, p.radius), fill});
    layers.push_back({Line(11, 22, 5, 15.5, 4.2), fill});
    for (double x : {14.3, 18.3, 22.3}) layers.push_back({Line(x, 12, x, 19.5, 0.9), outline});
    return layers;
}

// The pictures at the start of a mail list line: 18 x 18, one bit per pixel, black on white,
// so that an inverted (selected) line inverts them too.
constexpr int kLinePictureSize = 18;
// Mail: an envelope with its flap.
std::vector<Layer> MailLinePicture() {
    const Colour ink = Hex(0x000000), paper = Hex(0xFFFFFF);
    return {
        {Rect(2, 7, 30, 26), ink},
        {Rect(4.2, 9.2, 27.8, 23.8), paper},
        {Line(4.5, 9.5, 16, 18.5, 2.4), ink},
        {Line(16, 18.5, 27.5, 9.5, 2.4), ink},
    };
}
// Phone memo: a desk telephone with its handset on top and the dial in front.
std::vector<Layer> PhoneLinePicture() {
    const Colour ink = Hex(0x000000), paper = Hex(0xFFFFFF);
    return {
        {RoundRect(2, 5, 30, 11.5, 3), ink},
        {Rect(9, 10, 13, 17), ink},
        {Rect(19, 10, 23, 17), ink},
        {RoundRect(5, 15.5, 27, 29, 3), ink},
        {Circle(16, 22.3, 4.4), paper},
        {Circle(16, 22.3, 1.8), ink},
    };
}
// A 1-bit BMP file: palette black, white; rows bottom-up, each padded to four bytes. A pixel is
// black where the drawing is mostly covered and dark.
std::string OneBitBitmapFile(const std::vector<Layer>& layers, int size) {
    const std::vector<uint8_t> pixels = Render(layers, size);
    const uint32_t rowBytes = static_cast<uint32_t>((size + 31) / 32 * 4);
    const uint32_t bitsOffset = 14 + 40 + 8;
    std::string out = "BM";
    AppendUint32(out, bitsOffset + rowBytes * static_cast<uint32_t>(size));
    AppendUint32(out, 0);
    AppendUint32(out, bitsOffset);
    AppendUint32(out, 40);
    AppendUint32(out, static_cast<uint32_t>(size));
    AppendUint32(out, static_cast<uint32_t>(size));
    AppendUint16(out, 1);
    AppendUint16(out, 1);
    AppendUint32(out, 0);
    AppendUint32(out, rowBytes * static_cast<uint32_t>(size));
    AppendUint32(out, 2835);
    AppendUint32(out, 2835);
    AppendUint32(out, 2);
    AppendUint32(out, 2);
    AppendUint32(out, 0x00000000);  // black
    AppendUint32(out, 0x00FFFFFF);  // white
    for (int y = size - 1; y >= 0; --y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < size; ++x) {
            const uint8_t* p = &pixels[static_cast<size_t>((y * size + x) * 4)];
            const bool ink = p[3] >= 128 && (p[0] + p[1] + p[2]) < 3 * 128;
            if (!ink) row[static_cast<size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        }
        out += row;
    }
    return out;
}

bool SaveFile(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        std::fprintf(stderr, "make_icons: cannot write %s\n", path.c_str());
        if (f) std::fclose(f);
        return false;
    }
    return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_FOLDER\n");
        return 2;
    }
    const struct {
        const char* name;
        std::vector<Layer> layers;
    } icons[] = {{"mox.ico", ProgramIcon()}, {"chat.ico", ChatIcon()}, {"list.ico", ListIcon()},
                 {"bord.ico", BordIcon()},   {"bbs.ico", BbsIcon()},   {"memo.ico", MemoIcon()},
                 {"msg.ico", MsgIcon()}};
    for (const auto& icon : icons)
        if (!SaveFile(std::string(argv[1]) + "/" + icon.name, IconFile(icon.layers))) return 1;
    if (!SaveFile(std::string(argv[1]) + "/mail_line.bmp",
                  OneBitBitmapFile(MailLinePicture(), kLinePictureSize)) ||
        !SaveFile(std::string(argv[1]) + "/phone_line.bmp",
                  OneBitBitmapFile(PhoneLinePicture(), kLinePictureSize)))
        return 1;
    const std::string cursor =
        ImageFile(RegionCursor(), {32}, 2, kRegionCursorHotX, kRegionCursorHotY);
    return SaveFile(std::string(argv[1]) + "/region.cur", cursor) ? 0 : 1;
}
