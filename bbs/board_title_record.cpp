#include "bbs/board_title_record.h"

#include <cstdio>
#include <cstring>

#include "store/names.h"
#include "store/sjis.h"

namespace tf = board_title_field;

std::string EncodeBoardTitleRecord(const BoardTitleRecord& board) {
    std::string out(kListRecordSize, '\0');
    unsigned char* bytes = reinterpret_cast<unsigned char*>(&out[0]);
    bytes[tf::kShiftFlag] = kShiftOrdinary;
    PutInt16(bytes + tf::kBoardNumber, board.boardNumber);
    std::string title = CutSjis(board.title, kBoardTitleTextMax);
    ShiftBytes(title, +1);
    std::memcpy(bytes + tf::kTitle, title.data(), title.size());
    return out;
}

BoardTitleRecord DecodeBoardTitleRecord(const unsigned char in[kListRecordSize]) {
    BoardTitleRecord board;
    board.boardNumber = GetInt16(in + tf::kBoardNumber);
    board.title =
        FieldText(in + tf::kTitle, tf::kTitleWidth, IsSubjectShifted(in[tf::kShiftFlag]) ? -1 : 0);
    return board;
}

std::string BoardIdText(int boardNumber) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", static_cast<int>(static_cast<int16_t>(boardNumber)));
    return text;
}

std::string BoardFolder(const std::string& boardId) {
    return boardId.empty() ? std::string("bbs") : "bbs\\" + boardId;
}
