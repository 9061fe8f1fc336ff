// What the environment settings dialog shows and writes: every setting of its pages, taken from
// the values in use and the files, and written back to both files and to the values in use at
// once. The dialog only moves these values between its controls and here.
#pragma once
#include <string>

// The modem keys' values that mean something; anything else a hand-edited file holds is no
// choice of a button.
struct ModemValues {
    int use = 0;   // 1 present, 2 not present; 0 never chosen
    int port = 0;  // 1..4 = COM1..COM4
    int type = 0;  // 1 tone, 2 pulse
    int bps = 0;   // 4..8 = 1200..19200
};

struct EnvironmentValues {
    // Per-user [Environment].
    std::string title;  // at most 20 bytes
    int windowPos = 1;
    int mailPopup = 1;
    int mailSend = 0;
    int bbsCheck = 1;
    int confidentialColor = 0;
    int loginCheck = 0;
    int fortune = 0;
    int minimize = 0;
    int rclk = 0;
    // The intervals as typed: the text is stored as it stands, its number is used.
    std::string mailCheckSec, msgCheckSec, chatCheckSec, bbsCheckSec;
    // Per-user [Wave].
    int mailWave = 0;
    std::string mailWaveFile;
    int destWave = 0;
    std::string destWaveFile;
    // Local [Environment].
    int autoLogin = 1;
    int execCheck = 0;
    // Local [Modem].
    ModemValues modem;
};

constexpr size_t kWaveFileMax = 260;  // bytes of a sound file's path as the dialog reads it

// The values the dialog opens with: those in use, and BbsCheck, the [Wave] keys (switches off
// when absent) and [Modem] from the files.
EnvironmentValues CurrentEnvironment();

// Writes every key of the dialog, in its fixed order, to the per-user and the local settings
// file, and makes each value the one in use. NetDir is written again as it is.
void SaveEnvironment(const EnvironmentValues& values);

// An interval's text as the start-up reading takes it: its leading decimal number ("12a" is
// 12), 0 when it starts with none.
int IntervalSeconds(const std::string& text);
