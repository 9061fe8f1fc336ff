// The arithmetic behind window placement, line heights and the list helpers. Pure logic: no
// windows.h, so it is tested without a window.
#pragma once
#include <cstddef>
#include <string>

// A window rectangle in screen pixels, as kept per sub-window in the per-user settings.
struct WindowRectValues {
    int left = 0;
    int top = 0;
    int right = 400;
    int bottom = 400;
};

// Where PlaceWindow puts a window: centred (when all four saved values are 0), or at x, y with
// width and height.
struct Placement {
    bool centre = false;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
// A rectangle saved on a larger screen comes back at the left or top edge instead of off the
// desktop, keeping its size.
Placement PlacementFor(const WindowRectValues& saved, int desktopRight, int desktopBottom);

// The position that centres a window of the given size on a desktop of the given size.
int CentredOrigin(int desktopSize, int windowSize);

// One text line for a font of fontHeight pixels: half again the font's height, at least 20.
int LineHeightFor(int fontHeight);

// The byte offset of the record shown at line index of a newest-first list with count lines
// of 256-byte records.
long ReverseRecordOffsetFor(int count, int index);

// For n >= 1, the offset just after the n-th tab of text: where field n (counting from 0) of a
// tab-separated line begins. Text with fewer than n tabs gives its length + 1.
size_t TabFieldOffset(const std::string& text, int n);
