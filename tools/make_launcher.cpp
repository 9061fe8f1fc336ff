// Draws the launcher picture that ships with the client, mox.bmp, and writes the menu.mox whose
// twelve function regions are the picture's twelve tiles. Both come from tools/launcher_layout,
// so they cannot disagree.
//
// usage: make_launcher.exe FOLDER   (writes FOLDER\mox.bmp and FOLDER\menu.mox)
//
// The picture is drawn with GDI at four times its size and scaled down, which smooths the
// lines and letters, then reduced to 256 colours so that it keeps its colours on 256-colour
// displays too (an 8-bit picture is drawn through its own palette).
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "shell/dib_header.h"
#include "shell/launcher_regions.h"
#include "shell/menu_record.h"
#include "shell/window_names.h"
#include "tools/launcher_layout.h"

namespace {

constexpr int kScale = 4;
constexpr int kBackground = 0xF4F2ED;
constexpr int kHeader = 0x3B5871;
constexpr int kTileFace = 0xFFFFFF;
constexpr int kTileEdge = 0xDCD7CC;
constexpr int kTileShadow = 0xE4DFD5;
constexpr int kLabel = 0x33404D;
constexpr int kMuted = 0x8A8377;
constexpr int kWhite = 0xFFFFFF;
// One calm colour per row of tiles: mail, talking to colleagues, one's own day.
constexpr int kRowColours[3] = {0x4E7FAF, 0x4A9688, 0xBF8848};

int Px(double v) { return static_cast<int>(std::lround(v * kScale)); }
COLORREF Colour(int rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }
int Darker(int rgb, double f) {
    int r = static_cast<int>(((rgb >> 16) & 0xFF) * f), g = static_cast<int>(((rgb >> 8) & 0xFF) * f),
        b = static_cast<int>((rgb & 0xFF) * f);
    return (r << 16) | (g << 8) | b;
}

// GDI drawing in picture pixels on the enlarged canvas.
class Painter {
public:
    explicit Painter(HDC dc) : dc_(dc) {}

    void Box(double x0, double y0, double x1, double y1, int fill, int edge = -1,
             double radius = 0, double edgeWidth = 1) {
        Select(fill, edge, edgeWidth);
        if (radius > 0)
            RoundRect(dc_, Px(x0), Px(y0), Px(x1), Px(y1), Px(2 * radius), Px(2 * radius));
        else
            Rectangle(dc_, Px(x0), Px(y0), Px(x1), Px(y1));
        Deselect();
    }
    void Circle(double cx, double cy, double r, int fill, int edge = -1, double edgeWidth = 1) {
        Select(fill, edge, edgeWidth);
        Ellipse(dc_, Px(cx - r), Px(cy - r), Px(cx + r), Px(cy + r));
        Deselect();
    }
    void Polygon(const std::vector<std::pair<double, double>>& points, int fill, int edge = -1,
                 double edgeWidth = 1) {
        std::vector<POINT> p;
        for (const auto& q : points) p.push_back(POINT{Px(q.first), Px(q.second)});
        Select(fill, edge, edgeWidth);
        ::Polygon(dc_, p.data(), static_cast<int>(p.size()));
        Deselect();
    }
    void Lines(const std::vector<std::pair<double, double>>& points, int colour, double width,
               bool dashed = false) {
        std::vector<POINT> p;
        for (const auto& q : points) p.push_back(POINT{Px(q.first), Px(q.second)});
        HPEN pen = MakePen(colour, width, dashed);
        HGDIOBJ old = SelectObject(dc_, pen);
        Polyline(dc_, p.data(), static_cast<int>(p.size()));
        SelectObject(dc_, old);
        DeleteObject(pen);
    }
    void DashedBox(double x0, double y0, double x1, double y1, int colour) {
        Lines({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}}, colour, 1.2, true);
    }
    // Text in a face of the IPA family; centred on cx when centre is set, else from x.
    void Text(double x, double y, const std::string& text, double size, int colour,
              bool centre, const char* face = "IPAPGothic", int weight = FW_NORMAL) {
        HFONT font = CreateFontA(-Px(size), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                                 SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 ANTIALIASED_QUALITY, DEFAULT_PITCH, face);
        HGDIOBJ old = SelectObject(dc_, font);
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, Colour(colour));
        SetTextAlign(dc_, (centre ? TA_CENTER : TA_LEFT) | TA_TOP);
        TextOutA(dc_, Px(x), Px(y), text.c_str(), static_cast<int>(text.size()));
        SelectObject(dc_, old);
        DeleteObject(font);
    }
    std::string FaceOf(const char* face) {
        HFONT font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH, face);
        HGDIOBJ old = SelectObject(dc_, font);
        char name[LF_FACESIZE] = {0};
        GetTextFaceA(dc_, sizeof name, name);
        SelectObject(dc_, old);
        DeleteObject(font);
        return name;
    }

private:
    HPEN MakePen(int colour, double width, bool dashed) {
        LOGBRUSH lb = {BS_SOLID, Colour(colour), 0};
        DWORD style = PS_GEOMETRIC | PS_ENDCAP_ROUND | PS_JOIN_ROUND;
        if (!dashed) return ExtCreatePen(style | PS_SOLID, Px(width), &lb, 0, nullptr);
        DWORD dashes[2] = {static_cast<DWORD>(Px(5)), static_cast<DWORD>(Px(4))};
        return ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_USERSTYLE, Px(width), &lb, 2,
                            dashes);
    }
    void Select(int fill, int edge, double edgeWidth) {
        brush_ = fill >= 0 ? CreateSolidBrush(Colour(fill)) : nullptr;
        pen_ = edge >= 0 ? MakePen(edge, edgeWidth, false) : nullptr;
        oldBrush_ = SelectObject(dc_, brush_ ? static_cast<HGDIOBJ>(brush_) : GetStockObject(NULL_BRUSH));
        oldPen_ = SelectObject(dc_, pen_ ? static_cast<HGDIOBJ>(pen_) : GetStockObject(NULL_PEN));
    }
    void Deselect() {
        SelectObject(dc_, oldBrush_);
        SelectObject(dc_, oldPen_);
        if (brush_) DeleteObject(brush_);
        if (pen_) DeleteObject(pen_);
    }

    HDC dc_;
    HBRUSH brush_ = nullptr;
    HPEN pen_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr, oldPen_ = nullptr;
};

using Pts = std::vector<std::pair<double, double>>;

Pts Offset(Pts points, double cx, double cy) {
    for (auto& p : points) {
        p.first += cx;
        p.second += cy;
    }
    return points;
}

// The icon of a function, white on its row's colour, centred on (cx, cy) within about 16 pixels.
void DrawIcon(Painter& p, int function, double cx, double cy, int accent) {
    const int w = kWhite;
    const int dark = Darker(accent, 0.78);
    auto at = [&](Pts pts) { return Offset(pts, cx, cy); };
    switch (function) {
        case 5:  // メール: an envelope
            p.Box(cx - 14, cy - 10, cx + 14, cy + 10, w, -1, 2);
            p.Lines(at({{-12.5, -8}, {0, 2}, {12.5, -8}}), accent, 2);
            break;
        case 1:    // 受信簿: a tray with a mail coming in
        case 2: {  // 送信簿: a tray with a mail going out
            p.Lines(at({{-14, 1}, {-8, 1}, {-5, 6}, {5, 6}, {8, 1}, {14, 1}, {14, 13}, {-14, 13},
                        {-14, 1}}),
                    w, 2.5);
            const double tail = function == 1 ? -14 : -1, head = function == 1 ? -1 : -14;
            const double barbs = function == 1 ? -6 : -9;
            p.Lines(at({{0, tail}, {0, head}}), w, 2.5);
            p.Lines(at({{-5, barbs}, {0, head}, {5, barbs}}), w, 2.5);
            break;
        }
        case 3:  // 掲示板: a board with pinned notes
            p.Box(cx - 15, cy - 12, cx + 15, cy + 12, -1, w, 2, 2.5);
            p.Box(cx - 10, cy - 7, cx - 1, cy + 4, w);
            p.Box(cx + 2, cy - 5, cx + 10, cy + 7, w);
            p.Circle(cx - 5.5, cy - 5, 1.8, dark);
            p.Circle(cx + 6, cy - 3, 1.8, dark);
            break;
        case 4:  // チャット: two speech bubbles
            p.Box(cx - 15, cy - 13, cx + 5, cy + 2, -1, w, 5, 2.2);
            p.Lines(at({{-10, 2}, {-12, 7}, {-5, 2}}), w, 2.2);
            p.Box(cx - 3, cy - 4, cx + 15, cy + 10, w, -1, 5);
            p.Polygon(at({{6, 9}, {11, 15}, {11, 9}}), w);
            p.Circle(cx + 2, cy + 3, 1.5, accent);
            p.Circle(cx + 6, cy + 3, 1.5, accent);
            p.Circle(cx + 10, cy + 3, 1.5, accent);
            break;
        case 6:  // 電話メモ: a desk telephone
            p.Box(cx - 15, cy - 13, cx + 15, cy - 6, w, -1, 3.5);
            p.Box(cx - 13, cy - 8, cx - 8, cy - 2, w);
            p.Box(cx + 8, cy - 8, cx + 13, cy - 2, w);
            p.Polygon(at({{-10, -2}, {10, -2}, {14, 13}, {-14, 13}}), w);
            p.Circle(cx, cy + 5.5, 4.2, -1, accent, 1.6);
            p.Circle(cx, cy + 5.5, 1.2, accent);
            break;
        case 7:  // メッセージ: one bubble with a short note
            p.Box(cx - 15, cy - 12, cx + 15, cy + 6, w, -1, 5);
            p.Polygon(at({{-8, 5}, {-11, 13}, {0, 5}}), w);
            p.Lines(at({{-9, -5}, {9, -5}}), accent, 2);
            p.Lines(at({{-9, 0}, {3, 0}}), accent, 2);
            break;
        case 8:  // 行先掲示板: name plates with where-abouts marks
            p.Box(cx - 15, cy - 13, cx + 15, cy + 13, -1, w, 2, 2.5);
            for (int i = 0; i < 3; ++i) {
                const double y = cy - 8 + 7.5 * i;
                p.Box(cx - 10, y, cx + 3, y + 4.5, w, -1, 1);
                p.Circle(cx + 8, y + 2.2, 2.3, i == 1 ? -1 : w, w, 1.4);
            }
            break;
        case 0:  // 行先入力: a name card and a pencil
            p.Box(cx - 15, cy - 10, cx + 7, cy + 12, w, -1, 2);
            p.Lines(at({{-11, -4}, {2, -4}}), accent, 2);
            p.Lines(at({{-11, 2}, {-2, 2}}), accent, 2);
            p.Lines(at({{2, 12}, {14, -6}}), accent, 7);
            p.Lines(at({{2, 12}, {14, -6}}), w, 4);
            p.Polygon(at({{0.2, 14.5}, {0.8, 9.8}, {4.2, 12.1}}), dark);
            break;
        case 11:  // カレンダー: a page with rings and days
            p.Box(cx - 14, cy - 11, cx + 14, cy + 14, w, -1, 2.5);
            p.Box(cx - 14, cy - 11, cx + 14, cy - 4, dark, -1, 2.5);
            p.Box(cx - 14, cy - 6, cx + 14, cy - 3, dark);
            for (double x : {-7.0, 7.0}) p.Lines(at({{x, -15}, {x, -8}}), w, 2.6);
            for (int row = 0; row < 3; ++row)
                for (int col = 0; col < 4; ++col)
                    p.Box(cx - 10.5 + 6 * col, cy + 0.5 + 4.5 * row, cx - 7.5 + 6 * col,
                          cy + 3 + 4.5 * row, row == 1 && col == 2 ? dark : accent);
            break;
        case 9:  // メモ: a note with a turned corner
            p.Polygon(at({{-11, -14}, {11, -14}, {11, 7}, {4, 14}, {-11, 14}}), w);
            p.Polygon(at({{4, 14}, {4, 7}, {11, 7}}), Darker(kWhite, 0.82));
            for (double y : {-7.0, -1.5, 4.0}) p.Lines(at({{-6.5, y}, {6.5, y}}), accent, 1.8);
            break;
        case 10:  // 接続名一覧: colleagues who are signed in
            p.Circle(cx + 6, cy - 7, 5, w);
            p.Box(cx - 2, cy + 0.5, cx + 15, cy + 14, w, -1, 7);
            p.Circle(cx - 5, cy - 4, 6, w, accent, 1.6);
            p.Box(cx - 15.5, cy + 4, cx + 5.5, cy + 16, w, accent, 7, 1.6);
            break;
        default: break;
    }
}

void DrawPicture(Painter& p) {
    const double W = kArtWidth, H = kArtHeight;
    p.Box(0, 0, W, H, kBackground);
    // Header band with the product's name.
    p.Box(0, 0, W, kArtHeaderHeight, kHeader);
    p.Box(0, kArtHeaderHeight, W, kArtHeaderHeight + 2, 0xC7A66E);
    p.Text(24, 13, kCaption, 27, kWhite, false, "IPAGothic");
    p.Text(124, 24, "社内の連絡・予定・掲示を、ひとつの窓から", 13, 0xC9D6E2, false);

    for (int f = 0; f < kFunctionCount; ++f) {
        const RegionRect t = FunctionTile(f);
        const int accent = kRowColours[TileRow(f)];
        p.Box(t.left + 1, t.top + 2.5, t.right - 1, t.bottom + 2.5, kTileShadow, -1, 9);
        p.Box(t.left + 0.5, t.top + 0.5, t.right - 0.5, t.bottom - 0.5, kTileFace, kTileEdge, 9);
        const double cx = (t.left + t.right) / 2.0;
        const double cy = t.top + 38;
        p.Circle(cx, cy, 25, accent);
        DrawIcon(p, f, cx, cy, accent);
        p.Text(cx, t.top + 71, FunctionName(f), 15.5, kLabel, true);
    }

    const RegionRect shelf = ProgramShelf();
    p.DashedBox(shelf.left + 0.5, shelf.top + 0.5, shelf.right - 0.5, shelf.bottom - 0.5, 0xBDB6A8);
    p.Text((shelf.left + shelf.right) / 2.0, shelf.top + 13,
           "右ボタンでドラッグした範囲に、よく使うプログラムを登録できます", 12.5, kMuted, true);

    // The strip where the main window names the tile under the mouse, in the window colours
    // that the name is written with.
    p.Box(0, kArtStatusTop, W, H, kWhite);
    p.Box(0, kArtStatusTop, W, kArtStatusTop + 1, 0xD7D1C5);
}

// ---------------------------------------------------------------------------------------------
// Down to 256 colours: the flat colours of the design keep their own entries, the edge shades
// between them share the rest by median cut.

struct Weighted {
    int rgb;
    int count;
};

int Channel(int rgb, int c) { return (rgb >> (16 - 8 * c)) & 0xFF; }

std::vector<int> MedianCut(std::vector<Weighted> colours, size_t boxes) {
    std::vector<std::vector<Weighted>> parts;
    if (!colours.empty()) parts.push_back(std::move(colours));
    while (parts.size() < boxes) {
        // Split the part whose widest channel spread, weighted by its pixels, is largest.
        size_t best = parts.size();
        double bestScore = 0;
        int bestChannel = 0;
        for (size_t i = 0; i < parts.size(); ++i) {
            if (parts[i].size() < 2) continue;
            long pixels = 0;
            for (const Weighted& w : parts[i]) pixels += w.count;
            for (int c = 0; c < 3; ++c) {
                int lo = 255, hi = 0;
                for (const Weighted& w : parts[i]) {
                    lo = std::min(lo, Channel(w.rgb, c));
                    hi = std::max(hi, Channel(w.rgb, c));
                }
                double score = (hi - lo) * std::sqrt(static_cast<double>(pixels));
                if (score > bestScore) {
                    bestScore = score;
                    best = i;
                    bestChannel = c;
                }
            }
        }
        if (best == parts.size()) break;
        std::vector<Weighted>& part = parts[best];
        std::sort(part.begin(), part.end(), [&](const Weighted& a, const Weighted& b) {
            return Channel(a.rgb, bestChannel) < Channel(b.rgb, bestChannel);
        });
        long total = 0, half = 0;
        for (const Weighted& w : part) total += w.count;
        size_t cut = 0;
        while (cut < part.size() - 1 && half + part[cut].count <= total / 2) half += part[cut++].count;
        if (cut == 0) cut = 1;
        std::vector<Weighted> upper(part.begin() + static_cast<long>(cut), part.end());
        part.resize(cut);
        parts.push_back(std::move(upper));
    }
    std::vector<int> palette;
    for (const std::vector<Weighted>& part : parts) {
        double sum[3] = {0, 0, 0};
        long pixels = 0;
        for (const Weighted& w : part) {
            for (int c = 0; c < 3; ++c) sum[c] += static_cast<double>(Channel(w.rgb, c)) * w.count;
            pixels += w.count;
        }
        int rgb = 0;
        for (int c = 0; c < 3; ++c)
            rgb |= static_cast<int>(std::lround(sum[c] / pixels)) << (16 - 8 * c);
        palette.push_back(rgb);
    }
    return palette;
}

std::vector<int> ChoosePalette(const std::vector<int>& pixels) {
    std::map<int, int> counts;
    for (int rgb : pixels) ++counts[rgb];
    std::vector<int> palette;
    std::vector<Weighted> rest;
    for (const auto& c : counts) {
        if (c.second >= 150 && palette.size() < 96)
            palette.push_back(c.first);
        else
            rest.push_back(Weighted{c.first, c.second});
    }
    std::vector<int> shades = MedianCut(rest, 256 - palette.size());
    palette.insert(palette.end(), shades.begin(), shades.end());
    return palette;
}

int Nearest(const std::vector<int>& palette, int rgb) {
    int best = 0;
    long bestDistance = -1;
    for (size_t i = 0; i < palette.size(); ++i) {
        long d = 0;
        for (int c = 0; c < 3; ++c) {
            long delta = Channel(palette[i], c) - Channel(rgb, c);
            d += delta * delta;
        }
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD put = 0;
    BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
    CloseHandle(h);
    return ok && put == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_launcher FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int W = kArtWidth * kScale, H = kArtHeight * kScale;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = W;
    info.bmiHeader.biHeight = -H;  // top-down, so row y is at y * W
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!canvas) {
        std::fprintf(stderr, "make_launcher: no memory for the canvas\n");
        return 1;
    }
    HGDIOBJ old = SelectObject(dc, canvas);
    Painter painter(dc);
    for (const char* face : {"IPAGothic", "IPAPGothic"}) {
        if (painter.FaceOf(face) != face) {
            std::fprintf(stderr, "make_launcher: the font %s is not installed\n", face);
            return 1;
        }
    }
    DrawPicture(painter);
    GdiFlush();

    // Each picture pixel is the mean of its kScale x kScale canvas pixels.
    const uint32_t* big = static_cast<const uint32_t*>(bits);
    std::vector<int> pixels(kArtWidth * kArtHeight);
    for (int y = 0; y < kArtHeight; ++y) {
        for (int x = 0; x < kArtWidth; ++x) {
            int sum[3] = {0, 0, 0};
            for (int dy = 0; dy < kScale; ++dy)
                for (int dx = 0; dx < kScale; ++dx) {
                    uint32_t v = big[(y * kScale + dy) * W + x * kScale + dx];
                    sum[0] += (v >> 16) & 0xFF;
                    sum[1] += (v >> 8) & 0xFF;
                    sum[2] += v & 0xFF;
                }
            const int n = kScale * kScale;
            pixels[y * kArtWidth + x] =
                ((sum[0] + n / 2) / n << 16) | ((sum[1] + n / 2) / n << 8) | ((sum[2] + n / 2) / n);
        }
    }
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);

    const std::vector<int> palette = ChoosePalette(pixels);
    std::map<int, int> index;
    const uint32_t rowBytes = DibRowBytes(kArtWidth, 8);
    std::string rows;
    for (int y = kArtHeight - 1; y >= 0; --y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < kArtWidth; ++x) {
            const int rgb = pixels[y * kArtWidth + x];
            auto found = index.find(rgb);
            if (found == index.end()) found = index.emplace(rgb, Nearest(palette, rgb)).first;
            row[x] = static_cast<char>(found->second);
        }
        rows += row;
    }
    std::vector<PaletteColour> table;
    for (int rgb : palette) {
        PaletteColour c;
        c.red = static_cast<unsigned char>(rgb >> 16);
        c.green = static_cast<unsigned char>(rgb >> 8);
        c.blue = static_cast<unsigned char>(rgb);
        table.push_back(c);
    }
    const std::string bmp = BmpFileBytes(kArtWidth, kArtHeight, 8, table, rows);
    if (!WriteFileBytes(folder + "\\mox.bmp", bmp) ||
        !WriteFileBytes(folder + "\\menu.mox", EncodeMenuFile(ShippedRegions()))) {
        std::fprintf(stderr, "make_launcher: cannot write into %s\n", folder.c_str());
        return 1;
    }
    std::printf("mox.bmp %dx%d, %zu colours from %zu; menu.mox with %d tiles\n", kArtWidth,
                kArtHeight, palette.size(), index.size(), kFunctionCount);
    return 0;
}
