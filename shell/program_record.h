// program.mox beside the program: 512-byte records, no header, one per program region, numbered
// 101, 102, ... in file order. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <string>

#include "shell/launcher_regions.h"

constexpr size_t kProgramRecordSize = 512;
namespace program_field {
constexpr size_t kLeft = 0, kTop = 2, kRight = 4, kBottom = 6, kNumber = 8;  // signed 16-bit LE
constexpr size_t kName = 10, kNameWidth = 21;          // NUL-terminated, at most 20 bytes
constexpr size_t kCommand = 31, kCommandWidth = 256;   // NUL-terminated, at most 255 bytes
// 287..511 zero
}  // namespace program_field

struct ProgramRecord {
    RegionRect rect;
    int16_t number = 0;
    std::string name;
    std::string command;
};
// Zero-fills out and copies each field within its width (texts cut at a character boundary).
void EncodeProgramRecord(const ProgramRecord& record, unsigned char out[kProgramRecordSize]);
std::string EncodeProgramRecord(const ProgramRecord& record);
// Reads every field within its bounds, NUL or not.
ProgramRecord DecodeProgramRecord(const unsigned char in[kProgramRecordSize]);

// The program list line of the menu settings dialog, "%s\t%d\t%d\t%d\t%d\t%s" (name, left, top,
// right, bottom, command line), and its header.
extern const char kProgramListHeader[];
std::string ProgramListLine(const ProgramRecord& record);
// Reads a list line back. Missing fields read as 0 or empty; a number that is not one reads as
// its leading digits.
ProgramRecord ParseProgramListLine(const std::string& line);

// program.mox records fill program slots 0, 1, ... in file order; beyond the 20th they are
// ignored. Slots after the last record read are cleared.
void FillProgramTable(const std::string& programBytes, LauncherRegions& tables);
