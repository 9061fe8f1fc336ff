#include "shell/launcher_view.h"

#include <algorithm>

#include "store/sjis.h"

const char kMsgPaletteFailed[] = "CreatePalette()に失敗しました。";
const char kMsgRleLoadFailed[] = "RLEをロードできません。";
const char kMsgBandMemoryFailed[] = "メモリの割り当てに失敗しました。";
const char kMsgConvertFailed[] = "DIBを描画できません。";
const char kMsgBlitFailed[] = "画面上にビットマップを描画できません。";

namespace {

constexpr size_t kWarningMax = 127;

// The name is cut, never the text after it, so the warning always says what went wrong.
std::string WarningWithName(const std::string& quote, const std::string& name,
                            const std::string& after) {
    size_t room = kWarningMax - std::min(kWarningMax, quote.size() * 2 + after.size());
    return quote + CutSjis(name, room) + quote + after;
}

}  // namespace

std::vector<int> BandHeightCandidates(int pictureHeight) {
    std::vector<int> heights;
    heights.push_back(pictureHeight);
    for (int h = pictureHeight - kBandShrinkStep; h >= kBandMinRows; h -= kBandShrinkStep)
        heights.push_back(h);
    return heights;
}

std::vector<PictureBand> BandsBottomUp(int pictureHeight, int bandRows) {
    std::vector<PictureBand> bands;
    if (bandRows <= 0) return bands;
    for (int below = 0; below < pictureHeight; below += bandRows) {
        PictureBand band;
        band.rows = std::min(bandRows, pictureHeight - below);
        band.top = pictureHeight - below - band.rows;
        bands.push_back(band);
    }
    return bands;
}

bool BandIsVisible(const PictureBand& band, int pictureWidth, const PaintArea& area) {
    return area.left < pictureWidth && area.right > 0 && area.top < band.top + band.rows &&
           area.bottom > band.top;
}

BandWalk WalkBands(BandSource& source, int pictureWidth, int pictureHeight, uint32_t rowBytes,
                   int bandRows, const PaintArea& area, unsigned char* buffer,
                   const std::function<bool(const PictureBand&, const unsigned char*)>& draw) {
    for (const PictureBand& band : BandsBottomUp(pictureHeight, bandRows)) {
        const size_t bytes = static_cast<size_t>(rowBytes) * static_cast<size_t>(band.rows);
        if (!BandIsVisible(band, pictureWidth, area)) {
            if (!source.Skip(static_cast<long>(bytes))) return BandWalk::kReadFailed;
            continue;
        }
        for (size_t done = 0; done < bytes;) {
            long got = source.Read(buffer + done, std::min(bytes - done, kPictureReadBlock));
            if (got <= 0) return BandWalk::kReadFailed;
            done += static_cast<size_t>(got);
        }
        if (!draw(band, buffer)) return BandWalk::kDrawFailed;
    }
    return BandWalk::kDone;
}

int ScrollStep(int code, int position, int clientExtent, int thumbPosition) {
    switch (code) {
        case kScrollLineBack: return -(clientExtent / 16 - 1);
        case kScrollLineForward: return clientExtent / 16 + 1;
        case kScrollPageBack: return -(clientExtent / 2 - 1);
        case kScrollPageForward: return clientExtent / 2 + 1;
        case kScrollThumbPosition:
        case kScrollThumbTrack: return thumbPosition - position;
        default: return 0;
    }
}

int ScrollTarget(int code, int position, int rangeMin, int rangeMax, int clientExtent,
                 int thumbPosition) {
    int target = position + ScrollStep(code, position, clientExtent, thumbPosition);
    return std::max(rangeMin, std::min(rangeMax, target));
}

int ScrollMaximum(int pictureExtent, int clientExtent) {
    return std::max(0, pictureExtent - clientExtent);
}

std::vector<int> WrappedMenuHeights(int adjustedHeight, int menuBarHeight) {
    std::vector<int> heights;
    for (int k = 2; k <= 6; ++k) heights.push_back(adjustedHeight + k + (k - 1) * menuBarHeight);
    return heights;
}

std::string PictureOpenFailedText(const std::string& fileName) {
    return WarningWithName("'", fileName, " ファイルを開けません。");
}

std::string PictureNotDibText(const std::string& fileName) {
    return WarningWithName("", fileName, " は、DIB形式のファイルではありません。");
}
