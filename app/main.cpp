// ミトカ client entry: fixes the local settings file, applies the single-instance rule,
// registers the main class, loads the optional control library, creates the main window (whose
// creation signs the user in) and runs the message loop until the main window quits.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "app/control_library.h"
#include "app/settings/profile.h"
#include "app/settings/settings.h"
#include "app/single_instance.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "store/message_sink.h"
#include "store/tally.h"

namespace {

// A benchmark (never a user) may ask, through the environment variable MOX_TALLY_FILE, for
// the client's store tally: written to that file at exit, split into the start-up and the run
// after it, with the time from the process's creation to the painted main window.
class TallyReport {
public:
    TallyReport() {
        char path[MAX_PATH] = "";
        DWORD n = GetEnvironmentVariableA("MOX_TALLY_FILE", path, sizeof path);
        if (n > 0 && n < sizeof path) path_ = path;
    }
    // The main window has been created and painted.
    void StartedUp() {
        if (path_.empty()) return;
        FILETIME created, exited, kernel, user, now;
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
        GetSystemTimeAsFileTime(&now);
        const unsigned long long ms = (Ticks(now) - Ticks(created)) / 10000;
        startUp_ = "start-up " + std::to_string(ms) + " ms\n" + FormatTally(Tally());
        ResetTally();
        running_ = GetTickCount();
    }
    void Write() const {
        if (path_.empty()) return;
        std::string text = startUp_ + "running " + std::to_string(GetTickCount() - running_) +
                           " ms\n" + FormatTally(Tally());
        if (FILE* f = std::fopen(path_.c_str(), "wb")) {
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
    }

private:
    static unsigned long long Ticks(const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    }
    std::string path_;
    std::string startUp_;
    DWORD running_ = 0;
};

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
    SetMessageSink(ShowInMessageBox);
    SetLocalSettingsName(LocalSettingsNameFrom(commandLine ? commandLine : ""));
    if (HandOverToRunningCopy(ReadExecCheck())) return 0;
    if (!RegisterMainWindowClass(instance, MainWindowProc)) return 0;
    ControlLibrary library = LoadControlLibrary(instance);
    // A refused start-up has shown its messages already; the library stays as it is, the
    // process ends anyway.
    TallyReport tally;
    if (!CreateMainWindow(instance, showCommand)) return 0;
    tally.StartedUp();
    int code = RunMessageLoop();
    tally.Write();
    ReleaseControlLibrary(library, instance);
    return code;
}
