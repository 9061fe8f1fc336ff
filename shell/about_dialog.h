// The About box (template 200): the program icon, the version line and the machine's memory.
#pragma once
#include <windows.h>

void RunAboutBox(HWND owner);
