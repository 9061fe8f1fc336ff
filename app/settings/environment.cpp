#include "app/settings/environment.h"

#include <cstdlib>

#include "app/settings/keys.h"
#include "app/settings/profile.h"
#include "app/settings/settings.h"

int IntervalSeconds(const std::string& text) {
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

EnvironmentValues CurrentEnvironment() {
    const UserSettingsValues& u = UserSettings();
    const LocalSettingsValues& l = LocalSettings();
    EnvironmentValues v;
    v.title = u.title;
    v.windowPos = u.windowPos;
    v.mailPopup = u.mailPopup;
    v.mailSend = u.mailSend;
    v.bbsCheck = UserInt(kSectionEnvironment, kKeyBbsCheck, 1);
    v.confidentialColor = u.confidentialColor;
    v.loginCheck = u.loginCheck;
    v.fortune = u.fortune;
    v.minimize = u.minimize;
    v.rclk = u.rclk;
    v.mailCheckSec = std::to_string(u.mailCheckSec);
    v.msgCheckSec = std::to_string(u.msgCheckSec);
    v.chatCheckSec = std::to_string(u.chatCheckSec);
    v.bbsCheckSec = std::to_string(u.bbsCheckSec);
    v.mailWave = UserInt(kSectionWave, kKeyMailWave, 0);
    v.mailWaveFile = UserString(kSectionWave, kKeyMailWaveFile, "", kWaveFileMax);
    v.destWave = UserInt(kSectionWave, kKeyDestWave, 0);
    v.destWaveFile = UserString(kSectionWave, kKeyDestWaveFile, "", kWaveFileMax);
    v.autoLogin = l.autoLogin;
    v.execCheck = l.execCheck;
    v.modem.use = LocalInt(kSectionModem, kKeyUse, 0);
    v.modem.port = LocalInt(kSectionModem, kKeyPort, 0);
    v.modem.type = LocalInt(kSectionModem, kKeyType, 0);
    v.modem.bps = LocalInt(kSectionModem, kKeyBps, 0);
    return v;
}

void SaveEnvironment(const EnvironmentValues& v) {
    UserSettingsValues& u = UserSettings();
    LocalSettingsValues& l = LocalSettings();
    // The order other versions of the client write them in: a fresh file reads the same.
    WriteUserString(kSectionEnvironment, kKeyTitle, v.title);
    WriteLocalString(kSectionEnvironment, kKeyNetDir, l.netDir);
    WriteUserInt(kSectionEnvironment, kKeyWindowPos, v.windowPos);
    WriteUserInt(kSectionEnvironment, kKeyMailPopup, v.mailPopup);
    WriteUserInt(kSectionEnvironment, kKeyMailSend, v.mailSend);
    WriteUserInt(kSectionEnvironment, kKeyLoginCheck, v.loginCheck);
    WriteUserInt(kSectionEnvironment, kKeyBbsCheck, v.bbsCheck);
    WriteLocalInt(kSectionEnvironment, kKeyExecCheck, v.execCheck);
    WriteLocalInt(kSectionEnvironment, kKeyAutoLogin, v.autoLogin);
    WriteUserInt(kSectionEnvironment, kKeyFortune, v.fortune);
    WriteUserInt(kSectionEnvironment, kKeyMinimize, v.minimize);
    WriteUserInt(kSectionEnvironment, kKeyConfidentialColor, v.confidentialColor);
    WriteUserInt(kSectionEnvironment, kKeyRclk, v.rclk);
    WriteUserString(kSectionEnvironment, kKeyMailCheckSec, v.mailCheckSec);
    WriteUserString(kSectionEnvironment, kKeyBbsCheckSec, v.bbsCheckSec);
    WriteUserString(kSectionEnvironment, kKeyMsgCheckSec, v.msgCheckSec);
    WriteUserString(kSectionEnvironment, kKeyChatCheckSec, v.chatCheckSec);
    WriteUserInt(kSectionWave, kKeyMailWave, v.mailWave);
    WriteUserString(kSectionWave, kKeyMailWaveFile, v.mailWaveFile);
    WriteUserInt(kSectionWave, kKeyDestWave, v.destWave);
    WriteUserString(kSectionWave, kKeyDestWaveFile, v.destWaveFile);
    WriteLocalInt(kSectionModem, kKeyUse, v.modem.use);
    WriteLocalInt(kSectionModem, kKeyPort, v.modem.port);
    WriteLocalInt(kSectionModem, kKeyType, v.modem.type);
    WriteLocalInt(kSectionModem, kKeyBps, v.modem.bps);

    // In use from now on: the main window reads these at its next tick, drawing or command.
    // AutoLogin, ExecCheck, LoginCheck, Fortune and BbsCheck only matter at the next start.
    u.title = v.title;
    u.windowPos = v.windowPos;
    u.mailPopup = v.mailPopup;
    u.mailSend = v.mailSend;
    u.loginCheck = v.loginCheck;
    u.bbsCheck = v.bbsCheck;
    u.fortune = v.fortune;
    u.minimize = v.minimize;
    u.confidentialColor = v.confidentialColor;
    u.rclk = v.rclk;
    u.mailCheckSec = IntervalSeconds(v.mailCheckSec);
    u.msgCheckSec = IntervalSeconds(v.msgCheckSec);
    u.chatCheckSec = IntervalSeconds(v.chatCheckSec);
    u.bbsCheckSec = IntervalSeconds(v.bbsCheckSec);
    u.mailWave = v.mailWave;
    u.destWave = v.destWave;
    l.autoLogin = v.autoLogin;
    l.execCheck = v.execCheck;
}
