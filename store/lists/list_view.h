// What a list window shows: which list (the list kinds and their files), its tab stops, and how
// the positions of a newest-first view name records. Pure logic: no windows.h.
#pragma once
#include <string>
#include <vector>

// Which list a list window shows; the loader and the deletion take it as their selector.
enum ListKind {
    kListReceived = 0,     // rcvlst.mox of a user folder
    kListSent = 1,         // sndlst.mox of a user folder
    kListPosts = 3,        // bbslst.mox of a board folder
    kListMemos = 4,        // memolst.mox of a user folder
    kListGroups = 5,       // grplst.mox of a user folder
    kListSchedule = 6,     // schlst.mox of a user's schedule folder
    kListPhoneMemos = 7,   // rcvlst.mox of a user folder, phone memos only
};

// The list file of a kind ("" for a kind that names none).
const char* ListFileName(int listKind);
// The view's tab stops for a kind, in dialog units (empty: none set).
std::vector<int> ListTabStops(int listKind);

// Turns a list position into a record index: the view shows the newest record on top, so with
// lineCount lines the line at position is the record at lineCount - position - 1.
long RecordIndexAt(long lineCount, long position);

// One step of deleting the selected lines of a multiple-selection view: the position and the
// line count at that moment.
struct DeletionStep {
    long position;
    long lineCount;
};
// Walks the selected positions from the last line down to 0, the line count shrinking after
// each deletion, so the positions still to be deleted stay valid.
std::vector<DeletionStep> DeletionOrder(long lineCount, const std::vector<long>& selected);
