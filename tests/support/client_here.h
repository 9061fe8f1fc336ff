// The client's main window created in the test's own process, for window tests that go through
// the start-up sequence without starting mox.exe.
#pragma once
#include <windows.h>

#include "shell/window_classes.h"

// Registers the main class once, creates the main window (its creation runs the start-up
// sequence) and runs the message loop on this thread until the window quits. Returns the quit
// code, or -1 when the start-up sequence refused.
int RunClientHere();

// One sub-window as the main window opens it, without the main window: registers the class
// with procedure, creates the window and runs the message loop on this thread until it is gone.
// Returns 1, or 0 when the window could not be created.
int RunSubWindowHere(SubWindow which, WNDPROC procedure);
