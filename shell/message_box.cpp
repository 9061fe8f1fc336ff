#include "shell/message_box.h"

#include "shell/window_names.h"

void ShowInMessageBox(const std::string& text) {
    static bool showing = false;
    if (showing) return;
    showing = true;
    ShowNotice(GetActiveWindow(), text);
    showing = false;
}

void ShowNotice(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), kCaption, MB_OK);
}

void ShowWarning(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), kCaption, MB_OK | MB_ICONWARNING);
}

bool AskYesNo(HWND owner, const std::string& text) {
    return MessageBoxA(owner, text.c_str(), kCaption, MB_YESNO) == IDYES;
}

bool AskOkCancel(HWND owner, const std::string& text) {
    return MessageBoxA(owner, text.c_str(), kCaption, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}
