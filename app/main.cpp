// ミトカ client entry.
#include <windows.h>

#include "app/profile.h"
#include "app/settings.h"
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

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    SetMessageSink(ClientMessageSink);
    SetLocalSettingsName(commandLine ? commandLine : "");
    ReadLocalSettings();
    return 0;
}
