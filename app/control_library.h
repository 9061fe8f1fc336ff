// The optional three-dimensional control library, which gives dialogs a raised look on
// platforms that have it. Nothing depends on it: without it the client looks flatter.
#pragma once
#include <windows.h>

struct ControlLibrary {
    HMODULE module = nullptr;
    using Entry = BOOL(WINAPI*)(HINSTANCE);
    Entry registerApp = nullptr;
    Entry unregisterApp = nullptr;
    Entry autoSubclass = nullptr;
    bool inUse = false;
    bool registered = false;
};

// The file names tried, in order.
extern const char* const kControlLibraryNames[2];

// Tries each named file in turn: one that exists and loads is used only when it offers all
// three entry points, otherwise it is unloaded and the next name is tried. A library in use is
// registered for instance and subclasses its dialogs automatically.
ControlLibrary LoadControlLibrary(HINSTANCE instance, const char* const* names = kControlLibraryNames,
                                  int count = 2);
// Unregisters (when registered) and unloads a library in use.
void ReleaseControlLibrary(ControlLibrary& library, HINSTANCE instance);
