#include "shell/menu_record.h"

#include <cstdio>

#include "store/bytes.h"

void EncodeMenuRecord(const FunctionSlot& slot, unsigned char out[kMenuRecordSize]) {
    PutRegionRect(out, slot.rect);
    PutInt16(out + menu_field::kNumber, slot.number);
}

FunctionSlot DecodeMenuRecord(const unsigned char in[kMenuRecordSize]) {
    FunctionSlot slot;
    slot.rect = GetRegionRect(in);
    slot.number = GetInt16(in + menu_field::kNumber);
    return slot;
}

std::string EncodeMenuFile(const LauncherRegions& tables) {
    std::string bytes(kMenuRecordSize * kRegionSlots, '\0');
    for (int i = 0; i < kRegionSlots; ++i) {
        FunctionSlot slot = tables.functions[i];
        slot.number = static_cast<int16_t>(i);
        EncodeMenuRecord(slot, reinterpret_cast<unsigned char*>(&bytes[i * kMenuRecordSize]));
    }
    return bytes;
}

void FillFunctionTable(const std::string& menuBytes, LauncherRegions& tables) {
    for (size_t off = 0; off + kMenuRecordSize <= menuBytes.size(); off += kMenuRecordSize) {
        FunctionSlot slot = DecodeMenuRecord(BytesOf(menuBytes) + off);
        // The number names the slot; a number outside the table must not write past it.
        if (slot.number < 0 || slot.number >= kRegionSlots) continue;
        tables.functions[slot.number] = slot;
    }
}

std::string FunctionListLine(const LauncherRegions& tables, int slot) {
    const RegionRect& r = tables.functions[slot].rect;
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "\t%d\t%d\t%d\t%d", r.left, r.top, r.right, r.bottom);
    return FunctionName(slot) + std::string(numbers);
}
