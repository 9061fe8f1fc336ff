// menu.mox beside the program: 10-byte records, no header, one per function region. Pure
// logic: no windows.h.
#pragma once
#include <cstddef>
#include <string>

#include "shell/launcher_regions.h"

constexpr size_t kMenuRecordSize = 10;
namespace menu_field {
constexpr size_t kLeft = 0, kTop = 2, kRight = 4, kBottom = 6, kNumber = 8;  // signed 16-bit LE
}
void EncodeMenuRecord(const FunctionSlot& slot, unsigned char out[kMenuRecordSize]);
FunctionSlot DecodeMenuRecord(const unsigned char in[kMenuRecordSize]);
// The whole file as the writer stores it: all 20 slots in slot order, each numbered with its
// slot index.
std::string EncodeMenuFile(const LauncherRegions& tables);

// Each menu.mox record fills the slot its number names; a later record for a number replaces an
// earlier one, and numbers outside 0..19 are ignored. A trailing partial record is ignored.
void FillFunctionTable(const std::string& menuBytes, LauncherRegions& tables);

// The function list line of the menu settings dialog for slot n, "%s\t%d\t%d\t%d\t%d"
// (the function's name, left, top, right, bottom); its header is kProgramListHeader.
std::string FunctionListLine(const LauncherRegions& tables, int slot);
