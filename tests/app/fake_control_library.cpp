// A stand-in for the optional three-dimensional control library: it notes each call in the
// environment variable FAKE3D_CALLS (R register, A auto-subclass, U unregister), which outlives
// the library being unloaded. Built twice: with all three entry points and without
// Ctl3dAutoSubclass.
#include <windows.h>

namespace {
void Note(const char* letter) {
    char calls[256] = "";
    GetEnvironmentVariableA("FAKE3D_CALLS", calls, sizeof calls);
    lstrcatA(calls, letter);
    SetEnvironmentVariableA("FAKE3D_CALLS", calls);
}
}  // namespace

extern "C" {
BOOL WINAPI Ctl3dRegister(HINSTANCE) {
    Note("R");
    return TRUE;
}
BOOL WINAPI Ctl3dUnregister(HINSTANCE) {
    Note("U");
    return TRUE;
}
BOOL WINAPI Ctl3dAutoSubclass(HINSTANCE) {
    Note("A");
    return TRUE;
}
}
