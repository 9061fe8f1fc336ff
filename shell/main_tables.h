// The fixed tables of the main window: what the built-in launcher functions and a right click
// on the caption run, the additions to the system menu, the kana access keys of the menu bar,
// and the window title. Pure logic: no windows.h.
#pragma once
#include <string>

// What a launcher function or a right click runs: a command number of res/main_ids.h, or one
// of these.
constexpr int kRunNothing = -1;
constexpr int kRunOwnDestinationEntry = 0;  // the in/out board entry for oneself

// Function 0 is the own destination entry, functions 1..11 post their command.
int FunctionCommand(int function);
// Rclk 0 works as function 0; 1..7 post the commands of the received and sent lists, the
// boards, chat, mail, phone memo and message.
int RightClickCommand(int rclk);

// The system menu gets, after a separator, pop-ups with items and then two items of its own.
struct SystemMenuEntry {
    enum Kind { kPopup, kPopupItem, kItem } kind;
    int command;  // 0 for a pop-up
    const char* text;
};
extern const SystemMenuEntry kSystemMenuEntries[];
extern const int kSystemMenuEntryCount;

// The half-width kana access key of a menu bar label such as "メール(&M/ﾒ)...": the character
// after the slash that follows the Latin key. 0 when the label names none.
unsigned char MenuKanaKey(const std::string& label);

// "ミトカ", a blank and the user's Title; " メール" after it while new mail is waiting.
std::string MainTitleText(const std::string& title, bool newMail);
