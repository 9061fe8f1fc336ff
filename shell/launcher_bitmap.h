// The launcher picture mox.bmp in the main window: loading its header and palette, sizing the
// window to it, the scroll bars, painting it band by band, and the palette messages.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/launcher_regions.h"

extern const char kPictureFileName[];  // "mox.bmp", beside menu.mox and program.mox

// Loads the picture and sizes the window to it; false after showing why (the main window then
// ends with code 3). The drag rectangle is cleared.
bool LoadLauncherBitmap(HWND mainWindow, LauncherState& launcher);
// Frees the palette and the picture.
void ReleaseLauncherBitmap();
bool LauncherBitmapValid();
int LauncherBitmapWidth();
int LauncherBitmapHeight();

// The paint handler: draws the picture with its top-left corner at the scroll position, only
// the bands that the device context's clip area needs, then the drag rectangle's outline.
void PaintLauncher(HWND window, HDC dc, const LauncherState& launcher);
// Sizes a window that is not maximised so that its client area shows the whole picture.
void SizeToBitmap(HWND mainWindow, LauncherState& launcher);
// Sets both scroll ranges to the part of the picture that does not fit the client area, and
// keeps the scroll offset within them.
void UpdateScrollRanges(HWND mainWindow, LauncherState& launcher);
// A scroll bar message: bar is SB_HORZ or SB_VERT, code the scroll code.
void ScrollLauncher(HWND mainWindow, LauncherState& launcher, int bar, int code,
                    int thumbPosition);

// WM_QUERYNEWPALETTE: true when realising the palette changed the system palette.
bool LauncherQueryNewPalette(HWND mainWindow);
// WM_PALETTECHANGED.
void LauncherPaletteChanged(HWND mainWindow, HWND changer);

// How the last paints went: reads of the picture file and bands drawn.
struct LauncherPaintStats {
    uint64_t reads = 0;        // read calls on the picture file
    uint64_t bytesRead = 0;
    uint64_t bandsDrawn = 0;   // bands converted and copied to the window
    uint64_t bandsSkipped = 0;
    int bandRows = 0;          // band height of the last paint
};
LauncherPaintStats& LauncherPaintCounts();
// The most bytes of rows one band may take (its row buffer). A band that would need more is
// treated like one for which memory is short, so it shrinks by 20 rows.
void SetBandMemoryBudget(size_t bytes);
