// The names the client's windows go by: the caption of every window and message box, and the
// main window's class, by which a second start finds the running copy. Pure logic: no windows.h.
#pragma once

inline constexpr char kCaption[] = "ミトカ";
inline constexpr char kMainWindowClass[] = "Mox";
