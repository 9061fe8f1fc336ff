// Launcher regions: the rectangles on the launcher picture that start a built-in function or a
// user program, the two local files that hold them (menu.mox and program.mox), and the tests on
// points and rectangles that the main window makes. Pure logic: no windows.h.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "store/message_sink.h"  // kMsgWrongFormat and kMsgReadFailed of the launcher files

constexpr int kRegionSlots = 20;        // slots in each table
constexpr int kFunctionCount = 12;      // built-in functions 0..11
constexpr int kFirstProgram = 101;      // program numbers run from 101 in file order
constexpr int kLastUsableProgram = 110; // only ten programs react to clicks
constexpr size_t kProgramNameMax = 20;      // bytes of a program's name
constexpr size_t kProgramCommandMax = 255;  // bytes of a program's command line

// A rectangle in picture pixels: left and top inside, right and bottom outside.
struct RegionRect {
    int16_t left = 0, top = 0, right = 0, bottom = 0;

    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const {
        return !IsEmpty() && x >= left && x < right && y >= top && y < bottom;
    }
    bool Intersects(const RegionRect& other) const;
    bool operator==(const RegionRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
RegionRect MakeRegionRect(int left, int top, int right, int bottom);

struct FunctionSlot {
    RegionRect rect;
    int16_t number = 0;  // the function it starts; 0..11 have a meaning
};

struct ProgramSlot {
    RegionRect rect;
    int16_t number = 0;  // 101.. in file order
    std::string name;    // at most 20 bytes
};

struct LauncherRegions {
    FunctionSlot functions[kRegionSlots];
    ProgramSlot programs[kRegionSlots];
};

// The tables of this client, loaded once by the main window and changed by the menu dialogs.
LauncherRegions& LauncherTables();

// A picture position: the scroll offset of the launcher, or a point on it.
struct PicturePoint {
    int16_t x = 0, y = 0;
};
// The launcher's scroll offset: where the window's client origin lies on the picture.
PicturePoint& LauncherScrollOffset();

// The rectangle being dragged on the picture, or the one last dragged and not yet cleared;
// empty when nothing is selected.
RegionRect& DragSelection();

// The name of built-in function n as the status strip shows it; "" outside 0..11.
const char* FunctionName(int function);

// --- menu.mox: 10-byte records, no header -------------------------------------------------
constexpr size_t kMenuRecordSize = 10;
namespace menu_field {
constexpr size_t kLeft = 0, kTop = 2, kRight = 4, kBottom = 6, kNumber = 8;  // signed 16-bit LE
}
void EncodeMenuRecord(const FunctionSlot& slot, unsigned char out[kMenuRecordSize]);
FunctionSlot DecodeMenuRecord(const unsigned char in[kMenuRecordSize]);
// The whole file as the writer stores it: all 20 slots in slot order, each numbered with its
// slot index.
std::string EncodeMenuFile(const LauncherRegions& tables);

// --- program.mox: 512-byte records, no header ----------------------------------------------
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

// --- tables from file bytes ---------------------------------------------------------------
// Each menu.mox record fills the slot its number names; a later record for a number replaces an
// earlier one, and numbers outside 0..19 are ignored. A trailing partial record is ignored.
void FillFunctionTable(const std::string& menuBytes, LauncherRegions& tables);
// program.mox records fill program slots 0, 1, ... in file order; beyond the 20th they are
// ignored. Slots after the last record read are cleared.
void FillProgramTable(const std::string& programBytes, LauncherRegions& tables);

// --- tests on the tables ------------------------------------------------------------------
// The number of the first region containing the point plus the scroll offset, or -1. Slots are
// tested in order; at equal slot index the function region comes before the program region.
int HitTestRegions(const LauncherRegions& tables, int x, int y, PicturePoint scroll);
// true when the rectangle intersects no slot of either table.
bool RegionsAreFree(const LauncherRegions& tables, const RegionRect& candidate);
// What a hit-test result stands for. A function slot numbered 12..19 and a program past 110
// are treated as no region.
enum class RegionKind { kNone, kFunction, kProgram };
RegionKind KindOfRegion(int number);
// The status strip label for a hit-test result: the function's name or the program's name;
// "" for no region.
std::string RegionLabel(const LauncherRegions& tables, int number);
// The rectangle a drag from start to current (client points) marks on the picture: both points
// moved by the scroll offset, ordered so that left <= right and top <= bottom.
RegionRect DragRect(int startX, int startY, int currentX, int currentY, PicturePoint scroll);

// --- starting programs and documents ------------------------------------------------------
// The key under which the platform lists a path's association: its extension without the dot.
std::string AssociationKey(const std::string& path);
// The command that opens path with an association entry of the form "notepad.exe ^.txt": the
// entry's program (the text before the caret), a blank and the path. "" when the entry names no
// program (no association).
std::string AssociatedCommand(const std::string& entry, const std::string& path);

// Messages of this part, as the user sees them.
extern const char kMsgMenuSaveFailed[];
extern const char kMsgProgramSaveFailed[];
extern const char kMsgNoAssociation[];
extern const char kMsgRegionTaken[];      // a dragged rectangle that overlaps a region
