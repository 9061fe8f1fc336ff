// ミトカ client entry: fixes the local settings file, applies the single-instance rule,
// registers the main class, loads the optional control library, creates the main window (whose
// creation signs the user in) and runs the message loop until the main window quits.
#include <windows.h>

#include "app/command_line.h"
#include "app/control_library.h"
#include "app/profile.h"
#include "app/settings.h"
#include "app/single_instance.h"
#include "app/window_classes.h"
#include "shell/main_window.h"
#include "shell/plumbing.h"
#include "store/message_sink.h"

namespace {

// Store messages appear in a box captioned "ミトカ". A poll that fails again while such a box
// is open (its modal loop keeps the timer running) must not stack a second box on top.
void ClientMessageSink(const std::string& text) {
    static bool showing = false;
    if (showing) return;
    showing = true;
    MessageBoxA(GetActiveWindow(), text.c_str(), "ミトカ", MB_OK);
    showing = false;
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    SetAppInstance(instance);
    SetMessageSink(ClientMessageSink);
    SetLocalSettingsName(LocalSettingsNameFrom(commandLine ? commandLine : ""));
    if (HandOverToRunningCopy(ReadExecCheck())) return 0;
    if (!RegisterMainWindowClass(instance, MainWindowProc)) return 0;
    ControlLibrary library = LoadControlLibrary(instance);
    // A refused start-up has shown its messages already; the library stays as it is, the
    // process ends anyway.
    if (!CreateMainWindow(instance, showCommand)) return 0;
    int code = RunMessageLoop();
    ReleaseControlLibrary(library, instance);
    return code;
}
