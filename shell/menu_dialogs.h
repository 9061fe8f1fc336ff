// The menu settings dialogs, all titled "ミトカ　メニュー設定" and centred on their owner: the
// region binding dialog (978) after a free rectangle was dragged on the launcher, the menu
// settings dialog (974) with every function and program region, and the region coordinates
// dialog (977) it opens for one function. Each works on the launcher state of the window that
// shows the launcher and ends by reloading it from menu.mox and program.mox.
#pragma once
#include <windows.h>

#include "shell/launcher_regions.h"

// 978: binds launcher.drag to a function (menu.mox) or to a new program (program.mox).
// 1 after OK, 0 after ｷｬﾝｾﾙ.
int RunRegionBinding(HWND owner, LauncherState& launcher);
// 974: lists, deletes and retypes the regions; OK writes both files. 1 after OK, 0 after ｷｬﾝｾﾙ.
int RunMenuSettings(HWND owner, LauncherState& launcher);
// 977: the coordinates of function slot `slot`, changed in tables only. 1 after OK.
int RunRegionCoordinates(HWND owner, LauncherRegions& tables, int slot);
