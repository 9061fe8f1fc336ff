// The board title record (bbs\bbsttl.mox, one per board besides the default one): a use of the
// 256-byte list frame; and the ids and folders of the boards. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <string>

#include "store/lists/list_record.h"

namespace board_title_field {
constexpr size_t kShiftFlag = 2;                    // 2 or 3: the title is stored shifted
constexpr size_t kBoardNumber = 36;                 // signed 16-bit; its "%03d" is the board id
constexpr size_t kTitle = 76, kTitleWidth = 180;    // NUL-terminated, to the end of the record
}  // namespace board_title_field

constexpr size_t kBoardTitleTextMax = board_title_field::kTitleWidth - 1;
constexpr int kMaxBoardNumber = 999;  // board ids are three digits

struct BoardTitleRecord {
    int boardNumber = 0;
    std::string title;  // plain
};
// Shift flag 2 and the title shifted, as every record this system writes.
std::string EncodeBoardTitleRecord(const BoardTitleRecord& board);
BoardTitleRecord DecodeBoardTitleRecord(const unsigned char in[kListRecordSize]);

// Board ids and folders: the default board has the id "" and lives in "bbs"; every other board
// has the "%03d" of its number as id and lives in "bbs\<id>".
std::string BoardIdText(int boardNumber);
std::string BoardFolder(const std::string& boardId);
