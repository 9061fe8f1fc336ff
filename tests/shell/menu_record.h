// One menu.mox record as the file holds it, for setting up launcher tests.
#pragma once
#include <string>

#include "shell/menu_record.h"

inline std::string MenuRecord(int left, int top, int right, int bottom, int number) {
    FunctionSlot slot;
    slot.rect = MakeRegionRect(left, top, right, bottom);
    slot.number = static_cast<int16_t>(number);
    unsigned char bytes[kMenuRecordSize];
    EncodeMenuRecord(slot, bytes);
    return std::string(reinterpret_cast<char*>(bytes), sizeof bytes);
}
