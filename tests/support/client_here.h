// The client's main window created in the test's own process, for window tests that go through
// the start-up sequence without starting mox.exe.
#pragma once
#include <windows.h>

#include "shell/window_classes.h"

// Registers the main class once, creates the main window (its creation runs the start-up
// sequence) and runs the message loop on this thread until the window quits. Returns the quit
// code, or -1 when the start-up sequence refused.
int RunClientHere();
