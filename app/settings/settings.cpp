#include "app/settings/settings.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdlib>

#include "app/settings/fortune.h"
#include "app/settings/local_user.h"
#include "app/settings/profile.h"
#include "store/store.h"
#include "users/registry.h"

const char kSetupVersion[] = "0.14";

namespace {

const char kEnv[] = "Environment";
const char kWave[] = "Wave";

void PlayThroughPlatform(const std::string& file) {
    // Stop whatever is playing, then start the file without waiting and without falling back
    // to the system's default sound when the file is missing.
    sndPlaySoundA(nullptr, 0);
    sndPlaySoundA(file.c_str(), SND_ASYNC | SND_NODEFAULT);
}

SoundPlayer g_player = PlayThroughPlatform;

// Old versions kept the preferences in the local file; they follow the user now.
void MovePreferencesToUserFile() {
    std::string title = LocalString(kEnv, "Title", "", 20);
    int windowPos = LocalInt(kEnv, "WindowPos", 1);
    int animation = LocalInt(kEnv, "Animation", 1);
    int wave = LocalInt(kEnv, "Wave", 0);
    int mailPopup = LocalInt(kEnv, "MailPopup", 1);
    int mailSend = LocalInt(kEnv, "MailSend", 0);
    int loginCheck = LocalInt(kEnv, "LoginCheck", 0);
    int rclk = LocalInt(kEnv, "Rclk", 0);
    WriteUserString(kEnv, "Title", title);
    WriteUserInt(kEnv, "WindowPos", windowPos);
    WriteUserInt(kEnv, "Animation", animation);
    WriteUserInt(kEnv, "Wave", wave);
    WriteUserInt(kEnv, "MailPopup", mailPopup);
    WriteUserInt(kEnv, "MailSend", mailSend);
    WriteUserInt(kEnv, "LoginCheck", loginCheck);
    WriteUserInt(kEnv, "Rclk", rclk);
    WriteLocalInt(kEnv, "AutoLogin", LocalSettings().autoLogin);
    static const char* const kOldKeys[] = {"Title",     "Name",     "WindowPos",  "Animation", "Wave",
                                           "MailPopup", "MailSend", "LoginCheck", "Rclk"};
    for (const char* key : kOldKeys) DeleteIniKey(LocalSettingsName(), kEnv, key);
}

// Seeds a [Wave] switch from the old single Wave switch the first time it is read.
int SeedWaveSwitch(const char* key, int oldWave) {
    int value = UserInt(kWave, key, 2);
    if (value == 2) {
        WriteUserInt(kWave, key, oldWave);
        value = oldWave;
    }
    return value;
}

}  // namespace

LocalSettingsValues& LocalSettings() {
    static LocalSettingsValues values;
    return values;
}

UserSettingsValues& UserSettings() {
    static UserSettingsValues values;
    return values;
}

int ReadExecCheck() { return LocalInt(kEnv, "ExecCheck", 0); }

void ReadLocalSettings() {
    LocalSettingsValues& s = LocalSettings();
    s.execCheck = ReadExecCheck();
    s.version = LocalString(kEnv, "Version", "0.00", 4);
    if (s.version == "0.00") {
        s.autoLogin = 1;
        s.firstRun = true;
        return;
    }
    s.firstRun = false;
    s.netDir = LocalString(kEnv, "NetDir", "", 255);
    s.autoLogin = LocalInt(kEnv, "AutoLogin", 1);
    s.nameNumber = LocalInt(kEnv, "NameNumber", 0);
    SetCurrentUserNumber(s.nameNumber);

    if (s.version == kSetupVersion) {
        // ExecCheck belongs to the PC, not to the user.
        int execCheck = UserInt(kEnv, "ExecCheck", 0);
        WriteLocalInt(kEnv, "ExecCheck", execCheck);
        DeleteIniKey(UserSettingsPath(), kEnv, "ExecCheck");
        s.execCheck = execCheck;
    } else if (s.version != "0.28" && s.version != "0.17" && s.version != "0.21") {
        MovePreferencesToUserFile();
    }
    WriteLocalString(kEnv, "Version", "0.28");
    s.version = "0.28";
}

void ReadUserSettings() {
    UserSettingsValues& u = UserSettings();
    u.title = UserString(kEnv, "Title", "", 20);
    u.windowPos = UserInt(kEnv, "WindowPos", 1);
    u.animation = UserInt(kEnv, "Animation", 1);
    u.wave = UserInt(kEnv, "Wave", 0);
    u.mailWave = SeedWaveSwitch("MailWave", u.wave);
    u.destWave = SeedWaveSwitch("DestWave", u.wave);
    u.mailPopup = UserInt(kEnv, "MailPopup", 1);
    u.mailSend = UserInt(kEnv, "MailSend", 0);
    u.loginCheck = UserInt(kEnv, "LoginCheck", 0);
    u.rclk = UserInt(kEnv, "Rclk", 0);
    u.fortune = UserInt(kEnv, "Fortune", 0);
    u.minimize = UserInt(kEnv, "Minimize", 0);
    u.confidentialColor = UserInt(kEnv, "ConfidentialColor", 0);
    u.mailCheckSec = UserInt(kEnv, "MailCheckSec", 20);
    u.msgCheckSec = UserInt(kEnv, "MsgCheckSec", 1);
    u.chatCheckSec = UserInt(kEnv, "ChatCheckSec", 1);
    u.bbsCheckSec = UserInt(kEnv, "BbsCheckSec", 360);
    u.bbsCheck = UserInt(kEnv, "BbsCheck", 1);
    u.bordType = UserInt(kEnv, "BordType", 2);
    // An unreadable registry leaves the user nameless; one without the number leaves the name.
    RegistryMatch own = LookupUserName(ClientStore(), CurrentUser().number);
    if (!own.ok) CurrentUser().name.clear();
    if (own.found) CurrentUser().name = own.record.name;
    CurrentUser().password = ReadPassword(ClientStore());
}

std::string TakeDailyFortune(int yearsSince1900, int month1to12, int day, unsigned seed) {
    if (UserSettings().fortune == 0) return std::string();
    std::string today = FortuneDateStamp(yearsSince1900, month1to12, day);
    if (UserString(kEnv, "AccessDate", "000000", 15) == today) return std::string();
    // Recorded before anything is shown: the fortune shows once a day whatever happens next.
    WriteUserString(kEnv, "AccessDate", today);
    std::srand(seed);
    return FortuneText(FortuneNumberFor(static_cast<unsigned>(std::rand())));
}

int PlaySettingSound(const char* switchKey, const char* fileKey) {
    if (switchKey && *switchKey && UserInt(kWave, switchKey, 2) == 0) return 0;
    g_player(UserString(kWave, fileKey, "", 127));
    return 1;
}

SoundPlayer SetSoundPlayer(SoundPlayer player) {
    SoundPlayer old = g_player;
    g_player = player ? player : PlayThroughPlatform;
    return old;
}
