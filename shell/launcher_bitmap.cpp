#include "shell/launcher_bitmap.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "shell/dib_header.h"
#include "shell/launcher_files.h"
#include "shell/launcher_regions.h"
#include "shell/launcher_view.h"
#include "shell/launcher_window.h"

const char kPictureFileName[] = "mox.bmp";

namespace {

// The loaded picture: kept for the whole run, because the rows of an uncompressed picture are
// read from the file again at every paint.
struct Picture {
    bool valid = false;
    bool paletteIndices = false;
    DibHeader header;                     // its block holds palette indices when paletteIndices
    std::unique_ptr<unsigned char[]> whole;  // run-length encoded: RGB block, then the pixels
    HPALETTE palette = nullptr;
    int updateCounter = 0;  // in-place colour remaps since the last full repaint
    bool updatingRanges = false;
};

Picture g_picture;
LauncherPaintStats g_stats;
size_t g_bandBudget = 16u << 20;

// The picture's warnings: no owner and the platform's default caption.
void ShowPictureWarning(const std::string& text) {
    ShowLauncherBox(nullptr, text, nullptr, MB_OK | MB_ICONEXCLAMATION);
}

BITMAPINFO* Info(const std::vector<unsigned char>& block) {
    return reinterpret_cast<BITMAPINFO*>(const_cast<unsigned char*>(block.data()));
}

// The picture file, opened directly: it is local to this PC, and other programs may read it.
class PictureFile : public BandSource {
public:
    explicit PictureFile(const std::string& path)
        : h_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~PictureFile() override {
        if (IsOpen()) CloseHandle(h_);
    }
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    bool IsOpen() const { return h_ != INVALID_HANDLE_VALUE; }
    uint64_t Size() const {
        DWORD high = 0;
        DWORD low = GetFileSize(h_, &high);
        return (static_cast<uint64_t>(high) << 32) | low;
    }
    bool SeekTo(uint32_t offset) {
        return SetFilePointer(h_, static_cast<LONG>(offset), nullptr, FILE_BEGIN) == offset;
    }
    long Read(unsigned char* into, size_t count) override {
        DWORD got = 0;
        ++g_stats.reads;
        if (!ReadFile(h_, into, static_cast<DWORD>(count), &got, nullptr)) return -1;
        g_stats.bytesRead += got;
        return static_cast<long>(got);
    }
    bool Skip(long count) override {
        return SetFilePointer(h_, count, nullptr, FILE_CURRENT) != INVALID_SET_FILE_POINTER;
    }
    // Reads exactly count bytes in blocks of at most 32 768 bytes.
    bool ReadAll(unsigned char* into, size_t count) {
        for (size_t done = 0; done < count;) {
            size_t want = count - done < kPictureReadBlock ? count - done : kPictureReadBlock;
            long got = Read(into + done, want);
            if (got <= 0) return false;
            done += static_cast<size_t>(got);
        }
        return true;
    }

private:
    HANDLE h_;
};

HPALETTE CreateLauncherPalette(const DibHeader& header) {
    std::vector<PaletteColour> colours = LauncherPalette(header);
    if (colours.empty()) return nullptr;
    std::vector<unsigned char> bytes(sizeof(LOGPALETTE) + colours.size() * sizeof(PALETTEENTRY));
    LOGPALETTE* lp = reinterpret_cast<LOGPALETTE*>(bytes.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = static_cast<WORD>(colours.size());
    for (size_t i = 0; i < colours.size(); ++i) {
        lp->palPalEntry[i].peRed = colours[i].red;
        lp->palPalEntry[i].peGreen = colours[i].green;
        lp->palPalEntry[i].peBlue = colours[i].blue;
        lp->palPalEntry[i].peFlags = colours[i].flags;
    }
    return CreatePalette(lp);
}

// A run-length encoded picture is drawn from memory: the header with the file's own RGB colours,
// then every byte of pixel data.
bool LoadWholePicture(const std::string& path, const std::vector<unsigned char>& rgbBlock) {
    PictureFile file(path);
    if (!file.IsOpen() || !file.SeekTo(g_picture.header.bitsOffset)) return false;
    const size_t total = rgbBlock.size() + g_picture.header.imageSize;
    std::unique_ptr<unsigned char[]> whole(new (std::nothrow) unsigned char[total]);
    if (!whole) return false;
    std::copy(rgbBlock.begin(), rgbBlock.end(), whole.get());
    if (!file.ReadAll(whole.get() + rgbBlock.size(), g_picture.header.imageSize)) return false;
    g_picture.whole = std::move(whole);
    return true;
}

// What a band of the picture needs while it is drawn.
struct BandTools {
    std::unique_ptr<unsigned char[]> rows;
    HBITMAP bitmap = nullptr;
    HDC memory = nullptr;
    int bandRows = 0;

    ~BandTools() { Release(); }
    void Release() {
        rows.reset();
        if (memory) DeleteDC(memory);
        if (bitmap) DeleteObject(bitmap);
        memory = nullptr;
        bitmap = nullptr;
        bandRows = 0;
    }
    // Tries the band heights from the whole picture down; false when none could be had.
    bool Reserve(HDC dc, int width, int height, uint32_t rowBytes) {
        for (int h : BandHeightCandidates(height)) {
            const size_t bytes = static_cast<size_t>(rowBytes) * static_cast<size_t>(h);
            if (bytes <= g_bandBudget) {
                rows.reset(new (std::nothrow) unsigned char[bytes]);
                bitmap = CreateCompatibleBitmap(dc, width, h);
                memory = CreateCompatibleDC(dc);
                if (rows && bitmap && memory) {
                    bandRows = h;
                    return true;
                }
                Release();
            }
        }
        return false;
    }
};

void PaintBands(HWND window, HDC dc) {
    const DibHeader& header = g_picture.header;
    PictureFile file(LauncherFilePath(kPictureFileName));
    if (!file.IsOpen()) return;
    const uint32_t rowBytes = DibRowBytes(header.width, header.bitCount);
    BandTools tools;
    if (!tools.Reserve(dc, header.width, header.height, rowBytes)) {
        if (GetFocus() == window) {
            ShowPictureWarning(kMsgBandMemoryFailed);
            // Asking again at once would only show the same warning again.
            ValidateRect(window, nullptr);
        } else {
            MessageBeep(0);
        }
        return;
    }
    g_stats.bandRows = tools.bandRows;
    HPALETTE oldMemoryPalette = SelectPalette(tools.memory, g_picture.palette, FALSE);
    RealizePalette(tools.memory);
    RECT clip;
    GetClipBox(dc, &clip);
    PaintArea area;
    area.left = clip.left;
    area.top = clip.top;
    area.right = clip.right;
    area.bottom = clip.bottom;
    const UINT usage = g_picture.paletteIndices ? DIB_PAL_COLORS : DIB_RGB_COLORS;
    const int width = header.width;
    if (file.SeekTo(header.bitsOffset)) {
        auto draw = [&](const PictureBand& band, const unsigned char* rows) {
            std::vector<unsigned char> block = BandBlock(header.block, band.rows);
            if (!SetDIBits(dc, tools.bitmap, 0, static_cast<UINT>(band.rows), rows, Info(block),
                           usage)) {
                ShowPictureWarning(kMsgConvertFailed);
                return false;
            }
            HGDIOBJ old = SelectObject(tools.memory, tools.bitmap);
            BOOL copied = BitBlt(dc, 0, band.top, width, band.rows, tools.memory, 0, 0, SRCCOPY);
            SelectObject(tools.memory, old);
            if (!copied) {
                ShowPictureWarning(kMsgBlitFailed);
                return false;
            }
            ++g_stats.bandsDrawn;
            return true;
        };
        const size_t before = g_stats.bandsDrawn;
        WalkBands(file, width, header.height, rowBytes, tools.bandRows, area, tools.rows.get(),
                  draw);
        g_stats.bandsSkipped += BandsBottomUp(header.height, tools.bandRows).size() -
                                (g_stats.bandsDrawn - before);
    }
    SelectPalette(tools.memory, oldMemoryPalette, FALSE);
}

}  // namespace

bool LauncherBitmapValid() { return g_picture.valid; }
int LauncherBitmapWidth() { return g_picture.valid ? g_picture.header.width : 0; }
int LauncherBitmapHeight() { return g_picture.valid ? g_picture.header.height : 0; }

LauncherPaintStats& LauncherPaintCounts() { return g_stats; }
void SetBandMemoryBudget(size_t bytes) { g_bandBudget = bytes; }

void ReleaseLauncherBitmap() {
    if (g_picture.palette) DeleteObject(g_picture.palette);
    g_picture = Picture();
}

bool LoadLauncherBitmap(HWND mainWindow, LauncherState& launcher) {
    ReleaseLauncherBitmap();
    launcher.drag = RegionRect();  // a rectangle on the previous picture means nothing now
    const std::string path = LauncherFilePath(kPictureFileName);
    DibHeader header;
    {
        PictureFile file(path);
        if (!file.IsOpen()) {
            ShowPictureWarning(PictureOpenFailedText(kPictureFileName));
            return false;
        }
        unsigned char prefix[kDibHeaderPrefixMax];
        long got = file.Read(prefix, sizeof prefix);
        if (got < 0 || !ReadDibHeader(prefix, static_cast<size_t>(got), file.Size(), &header)) {
            ShowPictureWarning(PictureNotDibText(kPictureFileName));
            return false;
        }
    }
    HPALETTE palette = CreateLauncherPalette(header);
    if (!palette) {
        ShowPictureWarning(kMsgPaletteFailed);
        return false;
    }
    const std::vector<unsigned char> rgbBlock = header.block;
    g_picture.palette = palette;
    g_picture.paletteIndices = UsesPaletteIndices(header);
    if (g_picture.paletteIndices) ReplaceColoursByIndices(&header);
    g_picture.header = std::move(header);
    g_picture.valid = true;
    if (g_picture.header.compression != 0 && !LoadWholePicture(path, rgbBlock)) {
        ShowPictureWarning(kMsgRleLoadFailed);
        ReleaseLauncherBitmap();
        return false;
    }
    SizeToBitmap(mainWindow, launcher);
    return true;
}

void PaintLauncher(HWND window, HDC dc, const LauncherState& launcher) {
    if (g_picture.updateCounter >= kRemapsBeforeRepaint) {
        // The remapped pixels have drifted too far from the picture: draw it anew.
        g_picture.updateCounter = 0;
        InvalidateRect(window, nullptr, TRUE);
        return;
    }
    POINT oldOrigin;
    SetViewportOrgEx(dc, -launcher.scroll.x, -launcher.scroll.y, &oldOrigin);
    SetBkMode(dc, TRANSPARENT);
    if (g_picture.valid) {
        HPALETTE oldPalette = SelectPalette(dc, g_picture.palette, FALSE);
        RealizePalette(dc);
        const DibHeader& h = g_picture.header;
        if (g_picture.whole) {
            const BITMAPINFO* info = reinterpret_cast<const BITMAPINFO*>(g_picture.whole.get());
            const unsigned char* bits = g_picture.whole.get() + h.block.size();
            if (!SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(h.width),
                                   static_cast<DWORD>(h.height), 0, 0, 0,
                                   static_cast<UINT>(h.height), bits, info, DIB_RGB_COLORS))
                ShowPictureWarning(kMsgBlitFailed);
        } else {
            PaintBands(window, dc);
        }
        SelectPalette(dc, oldPalette, FALSE);
    }
    InvertRegionOutline(dc, launcher.drag);
    SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
}

void SizeToBitmap(HWND mainWindow, LauncherState& launcher) {
    if (IsZoomed(mainWindow)) {
        UpdateScrollRanges(mainWindow, launcher);
        return;
    }
    const int width = LauncherBitmapWidth(), height = LauncherBitmapHeight();
    RECT r = {0, 0, width, height};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, TRUE);
    const int windowWidth = r.right - r.left + 1;
    const int adjustedHeight = r.bottom - r.top;
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(mainWindow, nullptr, 0, 0, windowWidth, adjustedHeight + 1, flags);
    RECT client;
    GetClientRect(mainWindow, &client);
    // A menu bar that wrapped onto more lines takes height that the adjustment did not know of.
    if (client.bottom < height) {
        for (int h : WrappedMenuHeights(adjustedHeight, GetSystemMetrics(SM_CYMENU))) {
            SetWindowPos(mainWindow, nullptr, 0, 0, windowWidth, h, flags);
            GetClientRect(mainWindow, &client);
            if (client.bottom >= height) break;
        }
    }
    InvalidateRect(mainWindow, nullptr, TRUE);
}

void UpdateScrollRanges(HWND mainWindow, LauncherState& launcher) {
    // Setting a range shows or hides a bar, which resizes the client area and calls us again.
    if (g_picture.updatingRanges) return;
    g_picture.updatingRanges = true;
    RECT client;
    GetClientRect(mainWindow, &client);
    const LONG style = GetWindowLongA(mainWindow, GWL_STYLE);
    if (style & WS_VSCROLL) client.right += GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) client.bottom += GetSystemMetrics(SM_CYHSCROLL);
    PicturePoint& offset = launcher.scroll;
    for (int pass = 0; pass < 2; ++pass) {
        const int vMax = ScrollMaximum(LauncherBitmapHeight(), client.bottom);
        const int hMax = ScrollMaximum(LauncherBitmapWidth(), client.right);
        if (GetScrollPos(mainWindow, SB_VERT) > vMax || GetScrollPos(mainWindow, SB_HORZ) > hMax)
            InvalidateRect(mainWindow, nullptr, TRUE);
        SetScrollRange(mainWindow, SB_VERT, 0, vMax, TRUE);
        SetScrollRange(mainWindow, SB_HORZ, 0, hMax, TRUE);
        // The picture must stay where the bars say it is: a position cut back by the new range
        // moves the offset with it, or hit tests and scrolling would be off by the difference
        // for the rest of the run.
        if (offset.y > vMax) offset.y = static_cast<int16_t>(vMax);
        if (offset.x > hMax) offset.x = static_cast<int16_t>(hMax);
        SetScrollPos(mainWindow, SB_VERT, offset.y, TRUE);
        SetScrollPos(mainWindow, SB_HORZ, offset.x, TRUE);
        GetClientRect(mainWindow, &client);
    }
    g_picture.updatingRanges = false;
}

void ScrollLauncher(HWND mainWindow, LauncherState& launcher, int bar, int code,
                    int thumbPosition) {
    const int position = GetScrollPos(mainWindow, bar);
    int rangeMin = 0, rangeMax = 0;
    GetScrollRange(mainWindow, bar, &rangeMin, &rangeMax);
    RECT client;
    GetClientRect(mainWindow, &client);
    const int extent = bar == SB_HORZ ? client.right : client.bottom;
    const int target = ScrollTarget(code, position, rangeMin, rangeMax, extent, thumbPosition);
    const int delta = target - position;
    if (delta == 0) return;
    PicturePoint& offset = launcher.scroll;
    if (bar == SB_HORZ) {
        ScrollWindow(mainWindow, -delta, 0, nullptr, nullptr);
        offset.x = static_cast<int16_t>(offset.x + delta);
    } else {
        ScrollWindow(mainWindow, 0, -delta, nullptr, nullptr);
        offset.y = static_cast<int16_t>(offset.y + delta);
    }
    SetScrollPos(mainWindow, bar, target, TRUE);
}

bool LauncherQueryNewPalette(HWND mainWindow) {
    if (!g_picture.valid) return false;
    HDC dc = GetDC(mainWindow);
    HPALETTE old = SelectPalette(dc, g_picture.palette, FALSE);
    UINT changed = RealizePalette(dc);
    SelectPalette(dc, old, FALSE);
    ReleaseDC(mainWindow, dc);
    if (changed == 0 || changed == GDI_ERROR) return false;
    InvalidateRect(mainWindow, nullptr, TRUE);
    g_picture.updateCounter = 0;
    return true;
}

void LauncherPaletteChanged(HWND mainWindow, HWND changer) {
    if (changer == mainWindow || !g_picture.valid) return;
    HDC dc = GetDC(mainWindow);
    HPALETTE old = SelectPalette(dc, g_picture.palette, TRUE);
    UINT changed = RealizePalette(dc);
    if (changed != 0 && changed != GDI_ERROR) {
        UpdateColors(dc);
        ++g_picture.updateCounter;
    }
    SelectPalette(dc, old, TRUE);
    ReleaseDC(mainWindow, dc);
}
