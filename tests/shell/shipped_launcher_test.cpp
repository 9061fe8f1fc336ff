// The launcher picture and menu.mox that the build places beside the client: the regions are the
// layout's tiles, and the picture shows a tile exactly where each region lies.
#include <gtest/gtest.h>

#include "shell/dib_header.h"
#include "shell/launcher_files.h"
#include "shell/menu_record.h"
#include "tests/support/support.h"
#include "tools/launcher_layout.h"

namespace {

struct ShippedPicture {
    std::string bytes = ReadRawFile(BinPath("mox.bmp"));
    DibHeader header;
    bool ok = ReadDibHeader(reinterpret_cast<const unsigned char*>(bytes.data()),
                            std::min(bytes.size(), kDibHeaderPrefixMax), bytes.size(), &header);

    // The colour at (x, y) from the top, read from the file's rows and colour table.
    uint32_t Colour(int x, int y) const {
        const size_t row = static_cast<size_t>(header.height - 1 - y);
        const unsigned char index = static_cast<unsigned char>(
            bytes[header.bitsOffset + row * DibRowBytes(header.width, 8) + x]);
        const unsigned char* e = header.block.data() + 40 + 4 * index;
        return (e[2] << 16) | (e[1] << 8) | e[0];
    }
};

}  // namespace

TEST(ShippedLauncher, MenuFileHoldsTheTwelveTilesAndNothingElse) {
    const std::string menu = ReadRawFile(BinPath("menu.mox"));
    ASSERT_EQ(menu, EncodeMenuFile(ShippedRegions()));
    SetLauncherFolder(BinDir());
    ClearMessages();
    LauncherRegions t;
    StoreResult read = ReadLauncherRegions(t);
    EXPECT_TRUE(read.ok && read.messages.empty());
    SetLauncherFolder("");
    for (int f = 0; f < kRegionSlots; ++f) {
        const RegionRect r = t.functions[f].rect;
        if (f >= kFunctionCount) {
            EXPECT_TRUE(r.IsEmpty()) << f;
            continue;
        }
        EXPECT_EQ(HitTestRegions(t, (r.left + r.right) / 2, (r.top + r.bottom) / 2, PicturePoint()), f);
        EXPECT_GE(r.top, kArtHeaderHeight);
        EXPECT_LE(r.bottom, kArtStatusTop);  // the status strip stays free for the names
        for (int g = 0; g < f; ++g) EXPECT_FALSE(r.Intersects(t.functions[g].rect)) << f << g;
    }
    // The shelf that the picture offers for programs is free to drag on.
    EXPECT_TRUE(RegionsAreFree(t, ProgramShelf()));
}

TEST(ShippedLauncher, PictureShowsATileUnderEveryRegion) {
    ShippedPicture picture;
    ASSERT_TRUE(picture.ok);
    EXPECT_EQ(picture.header.width, kArtWidth);
    EXPECT_EQ(picture.header.height, kArtHeight);
    EXPECT_EQ(picture.header.bitCount, 8);
    const uint32_t face = 0xFFFFFF;
    const uint32_t background = picture.Colour(4, kArtHeaderHeight + 8);
    EXPECT_NE(background, face);
    for (int f = 0; f < kFunctionCount; ++f) {
        const RegionRect r = FunctionTile(f);
        const int midY = (r.top + r.bottom) / 2, midX = (r.left + r.right) / 2;
        // Just inside each edge: the tile's face; just outside: the page around it.
        EXPECT_EQ(picture.Colour(r.left + 3, midY), face) << f;
        EXPECT_EQ(picture.Colour(r.right - 4, midY), face) << f;
        EXPECT_EQ(picture.Colour(midX + 30, r.top + 3), face) << f;
        EXPECT_EQ(picture.Colour(r.left - 4, midY), background) << f;
        EXPECT_EQ(picture.Colour(r.right + 3, midY), background) << f;
        EXPECT_EQ(picture.Colour(midX + 30, r.top - 4), background) << f;
    }
}
