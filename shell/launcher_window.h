// The window side of the launcher regions: the right-button drag with its inverted outline, and
// the operations that the main window and the menu dialogs call with their window and the
// launcher state it keeps, showing the messages of the launcher files.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "shell/launcher_regions.h"
#include "shell/program_record.h"
#include "store/context.h"

// Every message box of the launcher goes through here, so that a test can answer it. Returns
// the box's answer.
using LauncherBox = int (*)(HWND owner, const std::string& text, const char* caption,
                            unsigned flags);
LauncherBox SetLauncherBox(LauncherBox box);  // null restores the platform's message box
int ShowLauncherBox(HWND owner, const std::string& text, const char* caption, unsigned flags);

// Reads menu.mox and program.mox into the tables; a faulty file's message is shown with no owner.
void LoadLauncherRegions(LauncherState& launcher);
// The region number under a client point of the launcher window, or -1.
int RegionHitTest(const LauncherState& launcher, int x, int y);
// true when the rectangle overlaps no region; otherwise the caller shows kMsgRegionTaken.
bool RegionIsFree(const LauncherState& launcher, const RegionRect& rect);

// Lets the user drag a rectangle with the right button from start (a client point): the outline
// follows the mouse until the button is released and stays on screen; launcher.drag holds the
// rectangle in picture coordinates (empty after a click without movement).
void DragRectangle(HWND window, LauncherState& launcher, int startX, int startY);
// Erases the outline of the drag rectangle and empties it.
void ClearDragRectangle(HWND window, LauncherState& launcher);
// Inverts the pixels along the four edges of a picture rectangle; dc's origin is the picture's.
void InvertRegionOutline(HDC dc, const RegionRect& rect);

// The writers, each showing its failure as a warning ("ミトカ") owned by owner. true on success.
bool SaveFunctionRegions(HWND owner, const LauncherRegions& tables);
// A program bound to a rectangle (the one dragged).
bool AppendProgram(HWND owner, const RegionRect& rect, const std::string& name,
                   const std::string& command);
bool RewritePrograms(HWND owner, const std::vector<ProgramRecord>& programs);

// Starts program 101..110; a faulty program.mox is reported with no owner.
void LaunchProgram(int number);
// Opens a document through its association; "関連付けされていません" (owned by owner) when there
// is none.
void OpenByAssociation(HWND owner, const std::string& path);
// Shows info.txt of the network directory, when there is one, owned by owner.
void ShowInfoText(HWND owner, const StoreContext& store);
