// The decisions behind showing the launcher picture: which bands of rows to read and draw,
// how far a scroll bar moves, what its range is, and the window heights tried when the menu bar
// wraps. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// File reads are made in blocks of at most this many bytes.
constexpr size_t kPictureReadBlock = 32768;
// The band height shrinks in steps of 20 rows, down to 50, while memory is short.
constexpr int kBandShrinkStep = 20;
constexpr int kBandMinRows = 50;

// Band heights to try in order: the whole picture first (always, however small), then 20 rows
// fewer each time while at least 50 rows remain.
std::vector<int> BandHeightCandidates(int pictureHeight);

// A band: rows [top, top + rows) of the picture, counted from its top edge.
struct PictureBand {
    int top = 0;
    int rows = 0;
};
// The bands in file order: rows are stored bottom-up, so the first band is the bottom one and
// the last (top) band may be shorter.
std::vector<PictureBand> BandsBottomUp(int pictureHeight, int bandRows);

// The area to paint, in picture coordinates; right and bottom outside.
struct PaintArea {
    int left = 0, top = 0, right = 0, bottom = 0;
};
// Does any part of the band, across the picture's full width, lie in the area?
bool BandIsVisible(const PictureBand& band, int pictureWidth, const PaintArea& area);

// Where the rows come from: the picture file, positioned at the first row.
class BandSource {
public:
    virtual ~BandSource() = default;
    // Reads up to count bytes; returns the bytes read, or -1.
    virtual long Read(unsigned char* into, size_t count) = 0;
    // Moves past count bytes without reading them.
    virtual bool Skip(long count) = 0;
};

enum class BandWalk { kDone, kReadFailed, kDrawFailed };
// Walks the bands bottom-up. A band in the area is read (in blocks of at most 32 768 bytes) into
// buffer, which holds rowBytes * bandRows bytes, and passed to draw; any other band is skipped
// without being read. Stops at a failed read or when draw returns false.
BandWalk WalkBands(BandSource& source, int pictureWidth, int pictureHeight, uint32_t rowBytes,
                   int bandRows, const PaintArea& area, unsigned char* buffer,
                   const std::function<bool(const PictureBand&, const unsigned char*)>& draw);

// Scroll bar codes, with the platform's values.
enum ScrollCode {
    kScrollLineBack = 0,     // line left / line up
    kScrollLineForward = 1,  // line right / line down
    kScrollPageBack = 2,
    kScrollPageForward = 3,
    kScrollThumbPosition = 4,
    kScrollThumbTrack = 5,
};
// The step of a scroll code for a client extent (width for the horizontal bar, height for the
// vertical one). A line or page back moves 2 pixels less than one forward.
int ScrollStep(int code, int position, int clientExtent, int thumbPosition);
// The new position: position plus the step, kept within the range.
int ScrollTarget(int code, int position, int rangeMin, int rangeMax, int clientExtent,
                 int thumbPosition);
// The largest scroll position: the part of the picture that does not fit, at least 0.
int ScrollMaximum(int pictureExtent, int clientExtent);

// Window heights tried when the menu bar has wrapped onto more lines and the client area is
// still lower than the picture: adjusted + k + (k - 1) * menu bar height for k = 2..6.
std::vector<int> WrappedMenuHeights(int adjustedHeight, int menuBarHeight);

// Repaint decision after in-place colour remaps: the third change in a row draws the picture
// anew instead of trusting the remapped pixels.
constexpr int kRemapsBeforeRepaint = 2;

// Warning texts of the launcher picture (at most 127 bytes; a long file name is cut).
std::string PictureOpenFailedText(const std::string& fileName);  // 'name' ファイルを開けません。
std::string PictureNotDibText(const std::string& fileName);  // name は、DIB形式のファイルではありません。
extern const char kMsgPaletteFailed[];
extern const char kMsgRleLoadFailed[];
extern const char kMsgBandMemoryFailed[];
extern const char kMsgConvertFailed[];
extern const char kMsgBlitFailed[];
