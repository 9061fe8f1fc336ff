#include "app/settings/settings.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdlib>

#include "app/settings/fortune.h"
#include "app/settings/keys.h"
#include "app/settings/local_user.h"
#include "app/settings/profile.h"
#include "store/store.h"
#include "users/registry.h"

const char kSetupVersion[] = "0.14";

namespace {


void PlayThroughPlatform(const std::string& file) {
    // Stop whatever is playing, then start the file without waiting and without falling back
    // to the system's default sound when the file is missing.
    sndPlaySoundA(nullptr, 0);
    sndPlaySoundA(file.c_str(), SND_ASYNC | SND_NODEFAULT);
}

SoundPlayer g_player = PlayThroughPlatform;

// Old versions kept the preferences in the local file; they follow the user now.
void MovePreferencesToUserFile() {
    std::string title = LocalString(kSectionEnvironment, kKeyTitle, "", 20);
    int windowPos = LocalInt(kSectionEnvironment, kKeyWindowPos, 1);
    int animation = LocalInt(kSectionEnvironment, kKeyAnimation, 1);
    int wave = LocalInt(kSectionEnvironment, kKeyWave, 0);
    int mailPopup = LocalInt(kSectionEnvironment, kKeyMailPopup, 1);
    int mailSend = LocalInt(kSectionEnvironment, kKeyMailSend, 0);
    int loginCheck = LocalInt(kSectionEnvironment, kKeyLoginCheck, 0);
    int rclk = LocalInt(kSectionEnvironment, kKeyRclk, 0);
    WriteUserString(kSectionEnvironment, kKeyTitle, title);
    WriteUserInt(kSectionEnvironment, kKeyWindowPos, windowPos);
    WriteUserInt(kSectionEnvironment, kKeyAnimation, animation);
    WriteUserInt(kSectionEnvironment, kKeyWave, wave);
    WriteUserInt(kSectionEnvironment, kKeyMailPopup, mailPopup);
    WriteUserInt(kSectionEnvironment, kKeyMailSend, mailSend);
    WriteUserInt(kSectionEnvironment, kKeyLoginCheck, loginCheck);
    WriteUserInt(kSectionEnvironment, kKeyRclk, rclk);
    WriteLocalInt(kSectionEnvironment, kKeyAutoLogin, LocalSettings().autoLogin);
    static const char* const kOldKeys[] = {kKeyTitle,     kKeyName,     kKeyWindowPos,  kKeyAnimation, kKeyWave,
                                           kKeyMailPopup, kKeyMailSend, kKeyLoginCheck, kKeyRclk};
    for (const char* key : kOldKeys) DeleteIniKey(LocalSettingsName(), kSectionEnvironment, key);
}

// Seeds a [Wave] switch from the old single Wave switch the first time it is read.
int SeedWaveSwitch(const char* key, int oldWave) {
    int value = UserInt(kSectionWave, key, 2);
    if (value == 2) {
        WriteUserInt(kSectionWave, key, oldWave);
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

int ReadExecCheck() { return LocalInt(kSectionEnvironment, kKeyExecCheck, 0); }

void ReadLocalSettings() {
    LocalSettingsValues& s = LocalSettings();
    s.execCheck = ReadExecCheck();
    s.version = LocalString(kSectionEnvironment, kKeyVersion, "0.00", 4);
    if (s.version == "0.00") {
        s.autoLogin = 1;
        s.firstRun = true;
        return;
    }
    s.firstRun = false;
    s.netDir = LocalString(kSectionEnvironment, kKeyNetDir, "", 255);
    s.autoLogin = LocalInt(kSectionEnvironment, kKeyAutoLogin, 1);
    s.nameNumber = LocalInt(kSectionEnvironment, kKeyNameNumber, 0);
    SetCurrentUserNumber(s.nameNumber);

    if (s.version == kSetupVersion) {
        // ExecCheck belongs to the PC, not to the user.
        int execCheck = UserInt(kSectionEnvironment, kKeyExecCheck, 0);
        WriteLocalInt(kSectionEnvironment, kKeyExecCheck, execCheck);
        DeleteIniKey(UserSettingsPath(), kSectionEnvironment, kKeyExecCheck);
        s.execCheck = execCheck;
    } else if (s.version != "0.28" && s.version != "0.17" && s.version != "0.21") {
        MovePreferencesToUserFile();
    }
    WriteLocalString(kSectionEnvironment, kKeyVersion, "0.28");
    s.version = "0.28";
}

void ReadUserSettings() {
    UserSettingsValues& u = UserSettings();
    u.title = UserString(kSectionEnvironment, kKeyTitle, "", 20);
    u.windowPos = UserInt(kSectionEnvironment, kKeyWindowPos, 1);
    u.animation = UserInt(kSectionEnvironment, kKeyAnimation, 1);
    u.wave = UserInt(kSectionEnvironment, kKeyWave, 0);
    u.mailWave = SeedWaveSwitch(kKeyMailWave, u.wave);
    u.destWave = SeedWaveSwitch(kKeyDestWave, u.wave);
    u.mailPopup = UserInt(kSectionEnvironment, kKeyMailPopup, 1);
    u.mailSend = UserInt(kSectionEnvironment, kKeyMailSend, 0);
    u.loginCheck = UserInt(kSectionEnvironment, kKeyLoginCheck, 0);
    u.rclk = UserInt(kSectionEnvironment, kKeyRclk, 0);
    u.fortune = UserInt(kSectionEnvironment, kKeyFortune, 0);
    u.minimize = UserInt(kSectionEnvironment, kKeyMinimize, 0);
    u.confidentialColor = UserInt(kSectionEnvironment, kKeyConfidentialColor, 0);
    u.mailCheckSec = UserInt(kSectionEnvironment, kKeyMailCheckSec, 20);
    u.msgCheckSec = UserInt(kSectionEnvironment, kKeyMsgCheckSec, 1);
    u.chatCheckSec = UserInt(kSectionEnvironment, kKeyChatCheckSec, 1);
    u.bbsCheckSec = UserInt(kSectionEnvironment, kKeyBbsCheckSec, 360);
    u.bbsCheck = UserInt(kSectionEnvironment, kKeyBbsCheck, 1);
    u.bordType = UserInt(kSectionEnvironment, kKeyBordType, 2);
    // An unreadable registry leaves the user nameless; one without the number leaves the name.
    RegistryMatch own = LookupUserName(ClientStore(), CurrentUser().number);
    if (!own.ok) CurrentUser().name.clear();
    if (own.found) CurrentUser().name = own.record.name;
    CurrentUser().password = ReadPassword(ClientStore());
}

std::string TakeDailyFortune(int yearsSince1900, int month1to12, int day, unsigned seed) {
    if (UserSettings().fortune == 0) return std::string();
    std::string today = FortuneDateStamp(yearsSince1900, month1to12, day);
    if (UserString(kSectionEnvironment, kKeyAccessDate, "000000", 15) == today) return std::string();
    // Recorded before anything is shown: the fortune shows once a day whatever happens next.
    WriteUserString(kSectionEnvironment, kKeyAccessDate, today);
    std::srand(seed);
    return FortuneText(FortuneNumberFor(static_cast<unsigned>(std::rand())));
}

int PlaySettingSound(const char* switchKey, const char* fileKey) {
    if (switchKey && *switchKey && UserInt(kSectionWave, switchKey, 2) == 0) return 0;
    g_player(UserString(kSectionWave, fileKey, "", 127));
    return 1;
}

SoundPlayer SetSoundPlayer(SoundPlayer player) {
    SoundPlayer old = g_player;
    g_player = player ? player : PlayThroughPlatform;
    return old;
}
