// The destination lists dest.mox (shared: the network directory; personal: the own user folder):
// Shift_JIS text, one destination a line, each line ended by CR LF. Also the moves of one entry
// of an ordered list that the destination dialog and the board member page share. Pure logic: no
// windows.h.
#pragma once
#include <string>
#include <vector>

// Entries the program writes are at most this long.
constexpr size_t kDestinationEntryMax = 26;

// CR ends an entry; LF discards what was collected since the last CR; a last line without CR LF
// counts. Lines longer than an entry the program writes (a hand-made shared list) are kept whole.
std::vector<std::string> ParseDestinations(const std::string& bytes);
// Every entry followed by CR LF.
std::string FormatDestinations(const std::vector<std::string>& entries);

extern const char kMsgNoDestination[];     // "行先がありません"
extern const char kMsgNothingSelected[];   // "選択されてません"
extern const char kMsgSeveralSelected[];   // "複数選択はできません"

// Moves the one selected entry one place up (the top one to the bottom) or down (the bottom one
// to the top). selected holds the selection state of every entry. Returns the entry's new place,
// or -1 with *message set when not exactly one entry is selected.
int MoveEntry(std::vector<std::string>& entries, const std::vector<bool>& selected, bool up,
              std::string* message);
