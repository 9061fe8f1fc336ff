// Where the shipped launcher picture puts things: the twelve function tiles, the shelf for the
// user's own programs and the status strip. The picture and its menu.mox are both made from
// this, so the regions always cover the tiles. Pure logic: no windows.h.
#pragma once
#include "shell/launcher_regions.h"

constexpr int kArtWidth = 640;
constexpr int kArtHeight = 480;
constexpr int kArtHeaderHeight = 56;
constexpr int kTileWidth = 136;
constexpr int kTileHeight = 100;
// The strip at the bottom where the main window writes the name under the mouse.
constexpr int kArtStatusTop = kArtHeight - 24;

// The tile of built-in function 0..11 on the picture.
RegionRect FunctionTile(int function);
// The row (0..2) of a function's tile.
int TileRow(int function);
// The free area below the tiles where the user may drag regions for programs.
RegionRect ProgramShelf();
// The function tables of the shipped menu.mox: slot n holds function n's tile, 12..19 empty.
LauncherRegions ShippedRegions();
