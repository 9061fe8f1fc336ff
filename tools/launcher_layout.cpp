#include "tools/launcher_layout.h"

namespace {

constexpr int kColumns = 4;
constexpr int kGapX = 16;
constexpr int kGapY = 12;
constexpr int kGridTop = 72;
constexpr int kGridLeft = (kArtWidth - kColumns * kTileWidth - (kColumns - 1) * kGapX) / 2;

// Tile order, row by row: mail first, then talking to colleagues, then one's own day.
constexpr int kTileOrder[kFunctionCount] = {
    5, 1, 2, 6,   // メール 受信簿 送信簿 電話メモ
    7, 4, 3, 8,   // メッセージ チャット 掲示板 行先掲示板
    0, 11, 9, 10  // 行先入力 カレンダー メモ 接続名一覧
};

}  // namespace

RegionRect FunctionTile(int function) {
    for (int position = 0; position < kFunctionCount; ++position) {
        if (kTileOrder[position] != function) continue;
        const int left = kGridLeft + (position % kColumns) * (kTileWidth + kGapX);
        const int top = kGridTop + (position / kColumns) * (kTileHeight + kGapY);
        return MakeRegionRect(left, top, left + kTileWidth, top + kTileHeight);
    }
    return RegionRect();
}

int TileRow(int function) {
    for (int position = 0; position < kFunctionCount; ++position)
        if (kTileOrder[position] == function) return position / kColumns;
    return 0;
}

RegionRect ProgramShelf() {
    const int top = kGridTop + 3 * kTileHeight + 2 * kGapY + kGapY;
    return MakeRegionRect(kGridLeft, top, kArtWidth - kGridLeft, kArtStatusTop - 8);
}

LauncherRegions ShippedRegions() {
    LauncherRegions tables;
    for (int f = 0; f < kFunctionCount; ++f) {
        tables.functions[f].rect = FunctionTile(f);
        tables.functions[f].number = static_cast<int16_t>(f);
    }
    return tables;
}
