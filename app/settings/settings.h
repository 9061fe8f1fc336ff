// The settings of this PC and of the signed-in user, read at start-up and kept for the whole
// run. Other parts read these values; the settings dialog writes the files and these together.
#pragma once
#include <string>

// Written by first-run setup, so that the next start migrates the local file from there.
extern const char kSetupVersion[];  // "0.14"

struct LocalSettingsValues {
    std::string version = "0.00";  // at most 4 characters; "0.00" means a first run
    bool firstRun = false;
    std::string netDir;   // at most 255 bytes
    int autoLogin = 1;
    int nameNumber = 0;
    int execCheck = 0;
};

struct UserSettingsValues {
    std::string title;  // at most 20 bytes
    int windowPos = 1;
    int animation = 1;
    int wave = 0;
    int mailWave = 2;  // 2 = not yet set
    int destWave = 2;
    int mailPopup = 1;
    int mailSend = 0;
    int loginCheck = 0;
    int rclk = 0;
    int fortune = 0;
    int minimize = 0;
    int confidentialColor = 0;
    int mailCheckSec = 20;
    int msgCheckSec = 1;
    int chatCheckSec = 1;
    int bbsCheckSec = 360;
    int bbsCheck = 1;
    int bordType = 2;
};

LocalSettingsValues& LocalSettings();
UserSettingsValues& UserSettings();

// Reads [Environment] ExecCheck from the local settings file (default 0).
int ReadExecCheck();

// Reads and migrates the local settings file; sets the network directory and the local user's
// number. A first run (no Version) reads and writes nothing else.
void ReadLocalSettings();

// Reads the per-user settings file into memory, seeds MailWave and DestWave from the old Wave
// switch, looks up the user's own name and reads the password.
void ReadUserSettings();

// The daily fortune: "" when Fortune is off or it was shown today already; otherwise the text
// to show, with AccessDate already set to today (so it shows once even if dismissed at once).
std::string TakeDailyFortune(int yearsSince1900, int month1to12, int day, unsigned seed);

// Plays the sound of fileKey from [Wave] unless switchKey is non-empty and its [Wave] value is
// 0. Returns 1 when a sound was started, 0 when the switch is off.
int PlaySettingSound(const char* switchKey, const char* fileKey);
// Where sounds go: the platform by default; tests record them instead.
using SoundPlayer = void (*)(const std::string& file);
SoundPlayer SetSoundPlayer(SoundPlayer player);
