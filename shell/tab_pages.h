// Pages behind tabs that a dialog draws itself: owner-drawn buttons in a row as the tabs, a
// hidden group frame that gives the page area, and the light-grey dialog they stand on. The
// environment settings and the menu settings dialogs share the look.
#pragma once
#include <windows.h>

// The bevel of a page: `width` one-pixel rings inside rect, white along the left and top and
// grey along the right and bottom when raised, the other way round when sunken.
void DrawRaisedFrame(HDC dc, const RECT& rect, int width, bool raised);
// The bevel of a tab: the same without the bottom edge, where the tab opens into its page.
void DrawTabFrame(HDC dc, const RECT& rect, int width, bool raised);

// Draws one tab button (from its WM_DRAWITEM); the current tab opens into the page below it.
void DrawTab(const DRAWITEMSTRUCT& item, bool current);
// Frames the page area: the hidden frame control's rectangle, its top 3 pixels above the bottom
// of the tab firstTab.
void DrawPageFrame(HWND dialog, HDC dc, int frameControl, int firstTab);

// The dialog's light-grey background, for its WM_CTLCOLORDLG; labels, check boxes and radio
// buttons (WM_CTLCOLORSTATIC, WM_CTLCOLORBTN) draw their text transparently on it.
HBRUSH PageBackground(HDC dc, bool transparentText);
