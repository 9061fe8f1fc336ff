// The launcher picture: header reading and palettes as data, the band and scroll decisions, and
// the real thing under Wine: pictures loaded, painted band by band into a window, scrolled and
// sized, and the right-button drag with its inverted outline.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "shell/dib_header.h"
#include "shell/launcher_bitmap.h"
#include "shell/launcher_files.h"
#include "shell/launcher_view.h"
#include "shell/launcher_window.h"
#include "tests/support/support.h"

namespace {

PaletteColour Rgb(int r, int g, int b) {
    PaletteColour c;
    c.red = static_cast<unsigned char>(r);
    c.green = static_cast<unsigned char>(g);
    c.blue = static_cast<unsigned char>(b);
    return c;
}

// Rows bottom-up, each padded to whole 32-bit words; value(x, y) gives the pixel at (x, y) of
// the picture counted from its top: an index for 8 bits or less, 0xRRGGBB for 24 bits.
std::string Rows(int width, int height, int bitCount, const std::function<int(int, int)>& value) {
    const uint32_t rowBytes = DibRowBytes(width, bitCount);
    std::string bytes;
    for (int y = height - 1; y >= 0; --y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            int v = value(x, y);
            if (bitCount == 24) {
                row[3 * x] = static_cast<char>(v & 0xFF);
                row[3 * x + 1] = static_cast<char>((v >> 8) & 0xFF);
                row[3 * x + 2] = static_cast<char>((v >> 16) & 0xFF);
            } else if (bitCount == 8) {
                row[x] = static_cast<char>(v);
            } else if (bitCount == 4) {
                row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 ? v : v << 4));
            }
        }
        bytes += row;
    }
    return bytes;
}

const std::vector<PaletteColour> kStripes = {Rgb(200, 30, 30), Rgb(30, 160, 40), Rgb(20, 40, 200),
                                             Rgb(240, 240, 240)};

// 64 x 200, 8 bits: four horizontal stripes of 50 rows, red at the top, white at the bottom.
std::string StripedPicture() {
    return BmpFileBytes(64, 200, 8, kStripes,
                        Rows(64, 200, 8, [](int, int y) { return y / 50; }));
}

// The same stripes as an old core-header file: 12-byte header, 3-byte colour entries, 4 bits.
std::string CoreHeaderPicture() {
    std::string core(12, '\0');
    core[0] = 12;
    core[4] = 64;  // width
    core[6] = static_cast<char>(200);
    core[8] = 1;   // planes
    core[10] = 4;  // bits
    std::string table;
    for (int i = 0; i < 16; ++i) {
        PaletteColour c = kStripes[i % 4];
        table += std::string{static_cast<char>(c.blue), static_cast<char>(c.green),
                             static_cast<char>(c.red)};
    }
    std::string pixels = Rows(64, 200, 4, [](int, int y) { return y / 50; });
    std::string file(14, '\0');
    const uint32_t offset = 14 + 12 + 48;
    const uint32_t size = offset + static_cast<uint32_t>(pixels.size());
    file[0] = 'B';
    file[1] = 'M';
    std::memcpy(&file[2], &size, 4);
    std::memcpy(&file[10], &offset, 4);
    return file + core + table + pixels;
}

// The stripes run-length encoded (8 bits): each row one run of 64 pixels, then end of line.
std::string RlePicture() {
    std::string data;
    for (int y = 199; y >= 0; --y)
        data += std::string{64, static_cast<char>(y / 50), 0, 0};
    data += std::string{0, 1};
    std::string bmp = BmpFileBytes(64, 200, 8, kStripes, data);
    bmp[14 + dib_field::kCompression] = 1;
    return bmp;
}

DibHeader Parse(const std::string& file, bool expectOk = true) {
    DibHeader h;
    EXPECT_EQ(ReadDibHeader(reinterpret_cast<const unsigned char*>(file.data()),
                            std::min(file.size(), kDibHeaderPrefixMax), file.size(), &h),
              expectOk);
    return h;
}

// A band source over bytes in memory that counts what it is asked for.
struct MemorySource : BandSource {
    std::string bytes;
    size_t pos = 0;
    int reads = 0, skips = 0;
    size_t largestRead = 0;
    long Read(unsigned char* into, size_t count) override {
        ++reads;
        largestRead = std::max(largestRead, count);
        size_t n = std::min(count, bytes.size() - pos);
        std::memcpy(into, bytes.data() + pos, n);
        pos += n;
        return static_cast<long>(n);
    }
    bool Skip(long count) override {
        ++skips;
        pos += static_cast<size_t>(count);
        return true;
    }
};

}  // namespace

TEST(PictureHeader, BareDibAndFileWithHeaderReadAlike) {
    const std::string file = StripedPicture();
    DibHeader withHeader = Parse(file);
    DibHeader bare = Parse(file.substr(14));
    EXPECT_TRUE(withHeader.hadFileHeader);
    EXPECT_FALSE(bare.hadFileHeader);
    EXPECT_EQ(withHeader.block, bare.block);
    EXPECT_EQ(withHeader.bitsOffset, 14u + 40 + 16);
    EXPECT_EQ(bare.bitsOffset, 40u + 16);
    EXPECT_EQ(bare.width, 64);
    EXPECT_EQ(bare.height, 200);
    EXPECT_EQ(bare.colours, 4);
    EXPECT_EQ(bare.imageSize, 64u * 200);
}

TEST(PictureHeader, CoreHeaderIsWidenedWithFourByteColours) {
    DibHeader h = Parse(CoreHeaderPicture());
    EXPECT_TRUE(h.coreHeader);
    EXPECT_EQ(h.width, 64);
    EXPECT_EQ(h.height, 200);
    EXPECT_EQ(h.bitCount, 4);
    EXPECT_EQ(h.colours, 16);  // from the depth
    EXPECT_EQ(h.bitsOffset, 14u + 12 + 48);
    ASSERT_EQ(h.block.size(), 40u + 16 * 4);
    EXPECT_EQ(h.block[0], 40);
    EXPECT_EQ(h.block[dib_field::kCompression], 0);
    EXPECT_EQ(h.imageSize, 32u * 200);  // computed: 64 pixels of 4 bits are 32 bytes a row
    // Entry 1 (blue, green, red) = (40, 160, 30), now with a zero fourth byte.
    const unsigned char* e = h.block.data() + 40 + 4;
    EXPECT_EQ(e[0], 40);
    EXPECT_EQ(e[1], 160);
    EXPECT_EQ(e[2], 30);
    EXPECT_EQ(e[3], 0);
    EXPECT_EQ(LauncherPalette(h)[2].blue, 200);
}

TEST(PictureHeader, TrueColourPictureGetsTheColourCube) {
    DibHeader h = Parse(BmpFileBytes(3, 2, 24, {}, Rows(3, 2, 24, [](int, int) { return 0; })));
    EXPECT_EQ(h.colours, 0);
    EXPECT_EQ(h.imageSize, 24u);  // rows of 9 bytes padded to 12
    EXPECT_FALSE(UsesPaletteIndices(h));
    std::vector<PaletteColour> palette = LauncherPalette(h);
    ASSERT_EQ(palette.size(), 256u);
    EXPECT_EQ(palette[9].red, 32);
    EXPECT_EQ(palette[9].green, 32);
    EXPECT_EQ(palette[9].blue, 0);
    EXPECT_EQ(palette[255].red, 224);
    EXPECT_EQ(palette[255].green, 224);
    EXPECT_EQ(palette[255].blue, 192);
    EXPECT_EQ(palette[64].blue, 64);

    // 16 bits without a colour table: no palette can be made.
    DibHeader h16 = Parse(BmpFileBytes(2, 2, 16, {}, std::string(8, '\0')));
    EXPECT_TRUE(LauncherPalette(h16).empty());
}

TEST(PictureHeader, MalformedHeadersAreRejected) {
    std::string file = StripedPicture();
    std::string bad = file;
    bad[14] = 64;  // header size 64
    Parse(bad, false);
    bad = file;
    bad[14 + dib_field::kClrUsed + 1] = 1;  // 260 colours
    Parse(bad, false);
    bad = file;
    std::memset(&bad[14 + dib_field::kHeight], 0xFF, 4);  // height -1: rows stored top-down
    Parse(bad, false);
    bad = file;
    bad[14 + dib_field::kBitCount] = 7;
    Parse(bad, false);
    bad = file;
    bad[10] = 20;  // pixels said to start inside the header
    Parse(bad, false);
    Parse(file.substr(0, file.size() - 1), false);  // one byte of pixels missing
    Parse(file.substr(0, 30), false);
    Parse("", false);
    bad = file;
    bad[14 + dib_field::kCompression] = 2;  // 4-bit run-length code on an 8-bit picture
    Parse(bad, false);
}

TEST(PictureHeader, PaletteIndicesReplaceTheColourTable) {
    DibHeader h = Parse(StripedPicture());
    ASSERT_TRUE(UsesPaletteIndices(h));
    ReplaceColoursByIndices(&h);
    const unsigned char* t = h.block.data() + 40;
    EXPECT_EQ(std::vector<unsigned char>(t, t + 16),
              (std::vector<unsigned char>{0, 0, 1, 0, 2, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    std::vector<unsigned char> band = BandBlock(h.block, 60);
    EXPECT_EQ(band[dib_field::kHeight], 60);
    EXPECT_EQ(band[dib_field::kSizeImage] | (band[dib_field::kSizeImage + 1] << 8), 64 * 60);
}

TEST(PictureBands, HeightsShrinkByTwentyRowsDownToFifty) {
    EXPECT_EQ(BandHeightCandidates(30), std::vector<int>({30}));
    EXPECT_EQ(BandHeightCandidates(100), std::vector<int>({100, 80, 60}));
    EXPECT_EQ(BandHeightCandidates(70), std::vector<int>({70, 50}));
    std::vector<PictureBand> bands = BandsBottomUp(200, 60);
    ASSERT_EQ(bands.size(), 4u);
    EXPECT_EQ(bands[0].top, 140);
    EXPECT_EQ(bands[2].top, 20);
    EXPECT_EQ(bands[3].top, 0);
    EXPECT_EQ(bands[3].rows, 20);
}

TEST(PictureBands, OnlyBandsInTheAreaAreReadInBoundedBlocks) {
    MemorySource source;
    source.bytes = Rows(64, 200, 8, [](int, int y) { return y; });
    std::vector<unsigned char> buffer(64 * 60);
    std::vector<int> drawnTops;
    auto draw = [&](const PictureBand& band, const unsigned char* rows) {
        drawnTops.push_back(band.top);
        // The band's first stored row is its bottom row.
        EXPECT_EQ(rows[0], band.top + band.rows - 1);
        return true;
    };
    PaintArea bottom{0, 190, 64, 200};
    EXPECT_EQ(WalkBands(source, 64, 200, 64, 60, bottom, buffer.data(), draw), BandWalk::kDone);
    EXPECT_EQ(drawnTops, std::vector<int>({140}));
    EXPECT_EQ(source.reads, 1);
    EXPECT_EQ(source.skips, 3);

    // An area across two bands reads both; one beside the picture reads nothing.
    source.pos = 0;
    source.reads = 0;
    drawnTops.clear();
    PaintArea middle{10, 70, 20, 85};
    WalkBands(source, 64, 200, 64, 60, middle, buffer.data(), draw);
    EXPECT_EQ(drawnTops, std::vector<int>({80, 20}));
    source.pos = 0;
    source.reads = 0;
    PaintArea beside{64, 0, 300, 200};
    WalkBands(source, 64, 200, 64, 60, beside, buffer.data(), draw);
    EXPECT_EQ(source.reads, 0);

    // A band larger than one block is read in blocks of at most 32 768 bytes.
    MemorySource wide;
    wide.bytes = std::string(1000 * 100, '\0');
    std::vector<unsigned char> big(1000 * 100);
    WalkBands(wide, 1000, 100, 1000, 100, PaintArea{0, 0, 1, 1}, big.data(),
              [](const PictureBand&, const unsigned char*) { return true; });
    EXPECT_EQ(wide.reads, 4);
    EXPECT_EQ(wide.largestRead, 32768u);
}

TEST(PictureScrolling, StepsAreAsymmetricAndClamped) {
    EXPECT_EQ(ScrollStep(kScrollLineForward, 0, 400, 0), 26);
    EXPECT_EQ(ScrollStep(kScrollLineBack, 100, 400, 0), -24);
    EXPECT_EQ(ScrollStep(kScrollPageForward, 0, 400, 0), 201);
    EXPECT_EQ(ScrollStep(kScrollPageBack, 0, 400, 0), -199);
    EXPECT_EQ(ScrollStep(kScrollThumbTrack, 30, 400, 100), 70);
    EXPECT_EQ(ScrollStep(kScrollThumbPosition, 30, 400, 10), -20);
    EXPECT_EQ(ScrollStep(8, 30, 400, 10), 0);  // end of scroll
    EXPECT_EQ(ScrollTarget(kScrollPageForward, 100, 0, 240, 400, 0), 240);
    EXPECT_EQ(ScrollTarget(kScrollLineBack, 10, 0, 240, 400, 0), 0);
    EXPECT_EQ(ScrollMaximum(640, 400), 240);
    EXPECT_EQ(ScrollMaximum(300, 400), 0);
    EXPECT_EQ(WrappedMenuHeights(500, 19), std::vector<int>({521, 541, 561, 581, 601}));
}

TEST(PictureMessages, NameIsCutButNeverTheMessage) {
    EXPECT_EQ(PictureOpenFailedText("mox.bmp"), "'mox.bmp' ファイルを開けません。");
    EXPECT_EQ(PictureNotDibText("mox.bmp"), "mox.bmp は、DIB形式のファイルではありません。");
    std::string text = PictureNotDibText(std::string(200, 'a'));
    EXPECT_LE(text.size(), 127u);
    const std::string suffix = " は、DIB形式のファイルではありません。";
    ASSERT_GT(text.size(), suffix.size());
    EXPECT_EQ(text.substr(text.size() - suffix.size()), suffix);
    EXPECT_EQ(text.substr(0, 10), "aaaaaaaaaa");
}

// ---------------------------------------------------------------------------------------------
// Under Wine: a window that shows the launcher picture the way the main window does.

namespace {

std::vector<std::string> g_boxes;
// The host window's launcher state, kept as the main window keeps its own.
LauncherState g_launcher;

int RecordBox(HWND, const std::string& text, const char* caption, unsigned) {
    g_boxes.push_back(text + "|" + (caption ? caption : "(default)"));
    return IDOK;
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            PaintLauncher(hwnd, dc, g_launcher);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_SIZE: UpdateScrollRanges(hwnd, g_launcher); return 0;
        case WM_HSCROLL:
            ScrollLauncher(hwnd, g_launcher, SB_HORZ, LOWORD(wp), static_cast<short>(HIWORD(wp)));
            return 0;
        case WM_VSCROLL:
            ScrollLauncher(hwnd, g_launcher, SB_VERT, LOWORD(wp), static_cast<short>(HIWORD(wp)));
            return 0;
        default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

// A launcher folder holding the picture, and a window whose client area is clientW x clientH.
// What a test reads back from the window must not be covered by another test's window: the
// window stays on top, and one such test at a time has the screen.
struct PictureHost {
    HANDLE screen = CreateMutexA(nullptr, FALSE, "MoxTestScreen");
    DWORD screenWait = WaitForSingleObject(screen, 60000);
    TempFolder folder{"moxpic"};
    HWND hwnd = nullptr;
    LauncherBox previousBox;

    PictureHost() {
        SetLauncherFolder(folder.Dir());
        g_launcher = LauncherState();
        LauncherPaintCounts() = LauncherPaintStats();
        g_boxes.clear();
        previousBox = SetLauncherBox(RecordBox);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = "MoxPictureHost";
        RegisterClassA(&wc);
    }
    ~PictureHost() {
        if (hwnd) DestroyWindow(hwnd);
        ReleaseLauncherBitmap();
        SetLauncherBox(previousBox);
        SetLauncherFolder("");
        SetBandMemoryBudget(16u << 20);
        ReleaseMutex(screen);
        CloseHandle(screen);
    }
    void Picture(const std::string& bytes) { WriteRawFile(folder.Path("mox.bmp"), bytes); }
    void Open(int clientW, int clientH, HMENU menu = nullptr) {
        RECT r = {0, 0, clientW, clientH};
        AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, menu != nullptr);
        hwnd = CreateWindowExA(WS_EX_TOPMOST, "MoxPictureHost", "ミトカ",
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, r.right - r.left,
                               r.bottom - r.top, nullptr, menu, GetModuleHandleA(nullptr),
                               nullptr);
    }
    void Resize(int clientW, int clientH) {
        RECT r = {0, 0, clientW, clientH};
        AdjustWindowRect(&r, GetWindowLongA(hwnd, GWL_STYLE), FALSE);
        SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                     SWP_NOMOVE | SWP_NOZORDER);
    }
    void Repaint(const RECT* area = nullptr) {
        InvalidateRect(hwnd, area, FALSE);
        UpdateWindow(hwnd);
    }
    COLORREF Pixel(int x, int y) {
        HDC dc = GetDC(hwnd);
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(hwnd, dc);
        return c;
    }
    RECT Client() {
        RECT r;
        GetClientRect(hwnd, &r);
        return r;
    }
    std::pair<int, int> Range(int bar) {
        int lo = -1, hi = -1;
        GetScrollRange(hwnd, bar, &lo, &hi);
        return {lo, hi};
    }
};

COLORREF Ref(const PaletteColour& c) { return RGB(c.red, c.green, c.blue); }

}  // namespace

TEST(PictureWindow, EveryKindOfPicturePaintsItsColours) {
    const std::string striped = StripedPicture();
    const std::vector<std::string> pictures = {striped, striped.substr(14), CoreHeaderPicture(),
                                               RlePicture()};
    for (size_t i = 0; i < pictures.size(); ++i) {
        PictureHost host;
        host.Picture(pictures[i]);
        host.Open(64, 200);
        ASSERT_TRUE(LoadLauncherBitmap(host.hwnd, g_launcher)) << i;
        host.Repaint();
        for (int stripe = 0; stripe < 4; ++stripe)
            EXPECT_EQ(host.Pixel(10, stripe * 50 + 25), Ref(kStripes[stripe])) << i;
        EXPECT_TRUE(g_boxes.empty()) << i;
    }

    PictureHost host;
    host.Picture(BmpFileBytes(4, 4, 24, {}, Rows(4, 4, 24, [](int x, int) {
                                  return x < 2 ? 0x336699 : 0xF0E0D0;
                              })));
    host.Open(64, 64);
    ASSERT_TRUE(LoadLauncherBitmap(host.hwnd, g_launcher));
    host.Repaint();
    EXPECT_EQ(host.Pixel(1, 1), RGB(0x33, 0x66, 0x99));
    EXPECT_EQ(host.Pixel(3, 3), RGB(0xF0, 0xE0, 0xD0));
}

TEST(PictureWindow, RunLengthPictureIsLoadedWholeAndPaintedWithoutReads) {
    PictureHost host;
    host.Picture(RlePicture());
    host.Open(64, 200);
    ASSERT_TRUE(LoadLauncherBitmap(host.hwnd, g_launcher));
    LauncherPaintCounts() = LauncherPaintStats();
    host.Repaint();
    EXPECT_EQ(LauncherPaintCounts().reads, 0u);
    EXPECT_EQ(host.Pixel(63, 199), Ref(kStripes[3]));
}

TEST(PictureWindow, LoadFailuresAreWarnedWithTheFileName) {
    PictureHost host;
    host.Open(64, 64);
    EXPECT_FALSE(LoadLauncherBitmap(host.hwnd, g_launcher));
    std::string bad = StripedPicture();
    bad[14] = 64;
    host.Picture(bad);
    EXPECT_FALSE(LoadLauncherBitmap(host.hwnd, g_launcher));
    host.Picture(BmpFileBytes(2, 2, 32, {}, std::string(16, '\0')));
    EXPECT_FALSE(LoadLauncherBitmap(host.hwnd, g_launcher));
    std::string rle = RlePicture();
    rle[14 + dib_field::kSizeImage + 2] = 1;  // more run-length data than the file holds
    host.Picture(rle);
    EXPECT_FALSE(LoadLauncherBitmap(host.hwnd, g_launcher));
    EXPECT_FALSE(LauncherBitmapValid());
    EXPECT_EQ(g_boxes, (std::vector<std::string>{
                           "'mox.bmp' ファイルを開けません。|(default)",
                           "mox.bmp は、DIB形式のファイルではありません。|(default)",
                           "CreatePalette()に失敗しました。|(default)",
                           "mox.bmp は、DIB形式のファイルではありません。|(default)"}));
}

TEST(PictureWindow, PartialRepaintReadsOnlyTheBandsItCovers) {
    PictureHost host;
    host.Picture(StripedPicture());
    SetBandMemoryBudget(64 * 60);  // bands of 60 rows: 140..199, 80..139, 20..79, 0..19
    host.Open(64, 200);
    ASSERT_TRUE(LoadLauncherBitmap(host.hwnd, g_launcher));
    host.Repaint();
    EXPECT_EQ(LauncherPaintCounts().bandRows, 60);
    EXPECT_EQ(LauncherPaintCounts().bandsDrawn, 4u);

    // Spoil the window, then repaint the bottom 10 rows only.
    HDC dc = GetDC(host.hwnd);
    PatBlt(dc, 0, 0, 64, 200, BLACKNESS);
    ReleaseDC(host.hwnd, dc);
    LauncherPaintCounts() = LauncherPaintStats();
    RECT bottom = {0, 190, 64, 200};
    host.Repaint(&bottom);
    EXPECT_EQ(LauncherPaintCounts().reads, 1u);
    EXPECT_EQ(LauncherPaintCounts().bytesRead, 64u * 60);
    EXPECT_EQ(LauncherPaintCounts().bandsDrawn, 1u);
    EXPECT_EQ(LauncherPaintCounts().bandsSkipped, 3u);
    EXPECT_EQ(host.Pixel(5, 195), Ref(kStripes[3]));
    EXPECT_EQ(host.Pixel(5, 150), RGB(0, 0, 0));  // outside the area: left alone
}

TEST(PictureWindow, ScrollRangesFollowTheClientArea) {
    PictureHost host;
    host.Picture(BmpFileBytes(640, 300, 8, kStripes, std::string(640 * 300, '\0')));
    host.Open(400, 400);
    ASSERT_TRUE(LoadLauncherBitmap(host.hwnd, g_launcher));
    host.Resize(400, 400);  // the load sized the window to the picture
    EXPECT_EQ(host.Range(SB_HORZ), std::make_pair(0, 240));
    EXPECT_EQ(host.Range(SB_VERT), std::make_pair(0, 0));

    // Both bars: each takes room from the other direction.
    host.Resize(400, 250);
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    EXPECT_EQ(host.Range(SB_HORZ), std::make_pair(0, 240 + barWidth));
    EXPECT_EQ(host.Range(SB_VERT), std::make_pair(0, 50 + barHeight));

    // A picture that fits needs no scrolling.
    host.Resize(700, 400);
    EXPECT_EQ(host.Range(SB_HORZ), std::make_pair(0, 0));
    EXPECT_EQ(host.Range(SB_VERT), std::make_pair(0, 0));
    EXPECT_EQ(host.Client().right, 700);
}

TEST(PictureWindow, LineStepsAndAShrinkingRangeMoveTheOffset) {
    PictureHost host;
    host.Picture(BmpFileBytes(640, 300, 8, kStripes, std::string(640 * 300, '\0')));
    host.Open(400, 400);
    ASSERT_TRUE(LoadLauncherBitmap(host.hwnd, g_launcher));
    host.Resize(400, 400);
    SendMessageA(host.hwnd, WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(g_launcher.scroll.x, 26);
    EXPECT_EQ(GetScrollPos(host.hwnd, SB_HORZ), 26);
    SendMessageA(host.hwnd, WM_HSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(g_launcher.scroll.x, 2);
    SendMessageA(host.hwnd, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 240), 0);
    EXPECT_EQ(g_launcher.scroll.x, 240);
    SendMessageA(host.hwnd, WM_HSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(g_launcher.scroll.x, 240);

    // A wider window cuts the range to 40: the picture moves with the bar.
    host.Resize(600, 400);
    EXPECT_EQ(host.Range(SB_HORZ), std::make_pair(0, 40));
    EXPECT_EQ(GetScrollPos(host.hwnd, SB_HORZ), 40);
    EXPECT_EQ(g_launcher.scroll.x, 40);
    SendMessageA(host.hwnd, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
    EXPECT_EQ(g_launcher.scroll.x, 0);
}

TEST(PictureWindow, WindowIsSizedToThePictureEvenWithAWrappedMenuBar) {
    PictureHost host;
    host.Picture(BmpFileBytes(160, 120, 8, kStripes, std::string(160 * 120, '\0')));
    HMENU menu = CreateMenu();
    for (const char* item : {"オプション(&O)", "送信(&S)", "受信(&R)", "お話し(&T)", "掲示板(&B)",
                             "ヘルプ(&H)"})
        AppendMenuA(menu, MF_STRING, 1, item);
    host.Open(300, 300, menu);
    ASSERT_TRUE(LoadLauncherBitmap(host.hwnd, g_launcher));
    RECT client = host.Client();
    EXPECT_GE(client.right, 160);
    EXPECT_LE(client.right, 161);
    EXPECT_GE(client.bottom, 120);
    RECT bar;
    GetMenuItemRect(host.hwnd, menu, 5, &bar);
    RECT first;
    GetMenuItemRect(host.hwnd, menu, 0, &first);
    EXPECT_GT(bar.top, first.top);  // the menu bar did wrap at this width
}

TEST(PictureWindow, DragLeavesAnInvertedOutlineThatClearingRemoves) {
    PictureHost host;
    host.Picture(StripedPicture());
    host.Open(64, 200);
    ASSERT_TRUE(LoadLauncherBitmap(host.hwnd, g_launcher));
    host.Repaint();
    const COLORREF before = host.Pixel(10, 110);
    // Right to left and bottom to top, as the user may drag.
    PostMessageA(host.hwnd, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(20, 150));
    PostMessageA(host.hwnd, WM_RBUTTONUP, 0, MAKELPARAM(10, 110));
    DragRectangle(host.hwnd, g_launcher, 50, 180);
    EXPECT_EQ(g_launcher.drag, MakeRegionRect(10, 110, 50, 180));
    EXPECT_NE(GetCapture(), host.hwnd);
    EXPECT_EQ(host.Pixel(10, 110), before ^ 0xFFFFFF);
    EXPECT_EQ(host.Pixel(11, 111), before);  // inside: untouched
    // A repaint keeps the outline, clearing removes it.
    host.Repaint();
    EXPECT_EQ(host.Pixel(10, 110), before ^ 0xFFFFFF);
    ClearDragRectangle(host.hwnd, g_launcher);
    EXPECT_TRUE(g_launcher.drag.IsEmpty());
    EXPECT_EQ(host.Pixel(10, 110), before);
    EXPECT_EQ(host.Pixel(49, 179), host.Pixel(48, 178));

    // A click without movement selects nothing.
    PostMessageA(host.hwnd, WM_RBUTTONUP, 0, MAKELPARAM(30, 30));
    DragRectangle(host.hwnd, g_launcher, 30, 30);
    EXPECT_TRUE(g_launcher.drag.IsEmpty());
}
