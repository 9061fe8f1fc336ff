// Launcher regions: the rectangles on the launcher picture that start a built-in function or a
// user program, and the tests on points and rectangles that the main window makes. Their two
// local files are shell/menu_record.h and shell/program_record.h. Pure logic: no windows.h.
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
// The rectangle as both launcher files store it at a record's start: left, top, right, bottom,
// signed 16-bit.
RegionRect GetRegionRect(const unsigned char* p);
void PutRegionRect(unsigned char* p, const RegionRect& rect);

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

// A picture position: the scroll offset of the launcher, or a point on it.
struct PicturePoint {
    int16_t x = 0, y = 0;
};

// What a window that shows the launcher keeps of it (the main window, in its own state): the
// regions, loaded at start-up and changed by the menu dialogs; the scroll offset; and the
// rectangle being dragged.
struct LauncherState {
    LauncherRegions tables;
    PicturePoint scroll;  // where the window's client origin lies on the picture
    RegionRect drag;      // being dragged, or dragged and not yet cleared; empty when none
};

// The name of built-in function n as the status strip shows it; "" outside 0..11.
const char* FunctionName(int function);

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
// entry's program (the text before the caret), a blank and the path, quoted when it holds a
// blank. "" when the entry names no program (no association).
std::string AssociatedCommand(const std::string& entry, const std::string& path);

// Messages of this part, as the user sees them.
extern const char kMsgMenuSaveFailed[];
extern const char kMsgProgramSaveFailed[];
extern const char kMsgNoAssociation[];
extern const char kMsgRegionTaken[];      // a dragged rectangle that overlaps a region
