// Local and per-user settings: reading, migrating from old versions, the Wave seeding and the
// daily fortune, through the platform's profile functions.
#include <gtest/gtest.h>

#include "app/settings/fortune.h"
#include "app/settings/local_user.h"
#include "app/settings/profile.h"
#include "app/settings/settings.h"
#include "store/store.h"
#include "tests/support/support.h"

namespace {

// A PC with its local settings file in a temp folder and a network directory with user 001.
struct Office {
    TempStore store;
    TempFolder pc{"moxpc"};
    std::string local = pc.Path("mox.ini");
    std::string user = store.Path("001\\mox.ini");

    Office() {
        MakeStoreFolder(store.Path("001"));
        SetLocalSettingsName(local);
        LocalSettings() = LocalSettingsValues();
        UserSettings() = UserSettingsValues();
        CurrentUser() = LocalUser();
    }
    ~Office() { SetLocalSettingsName(""); }
    void Local(const char* section, const char* key, const std::string& v) {
        WriteIniString(local, section, key, v);
    }
    void User(const char* section, const char* key, const std::string& v) {
        WriteIniString(user, section, key, v);
    }
    std::string LocalValue(const char* section, const char* key) {
        return IniString(local, section, key, "<none>", 255);
    }
    std::string UserValue(const char* section, const char* key) {
        return IniString(user, section, key, "<none>", 255);
    }
    void PersonalPc(const char* version) {
        Local("Environment", "Version", version);
        Local("Environment", "NetDir", store.Dir());
        Local("Environment", "NameNumber", "1");
    }
};

std::vector<std::string> g_played;
void RecordSound(const std::string& file) { g_played.push_back(file); }

}  // namespace

TEST(LocalSettings, NoFileIsAFirstRunAndWritesNothing) {
    Office o;
    ReadLocalSettings();
    EXPECT_TRUE(LocalSettings().firstRun);
    EXPECT_EQ(LocalSettings().autoLogin, 1);
    EXPECT_FALSE(RawFileExists(o.local));
}

TEST(LocalSettings, CurrentVersionSetsNetworkDirectoryAndUser) {
    Office o;
    o.PersonalPc("0.28");
    o.Local("Environment", "AutoLogin", "0");
    ReadLocalSettings();
    EXPECT_FALSE(LocalSettings().firstRun);
    EXPECT_EQ(LocalSettings().netDir, o.store.Dir());
    EXPECT_EQ(CurrentUser().number, 1);
    EXPECT_EQ(CurrentUser().numberText, "001");
    EXPECT_EQ(LocalSettings().autoLogin, 0);
    EXPECT_EQ(o.LocalValue("Environment", "Version"), "0.28");
}

TEST(LocalSettings, OldVersionMovesPreferencesToTheUserFile) {
    Office o;
    o.PersonalPc("0.12");
    o.Local("Environment", "Title", "営業");
    o.Local("Environment", "Name", "古い名前");
    o.Local("Environment", "MailPopup", "0");
    o.Local("Environment", "Rclk", "4");
    ReadLocalSettings();
    EXPECT_EQ(o.UserValue("Environment", "Title"), "営業");
    EXPECT_EQ(o.UserValue("Environment", "MailPopup"), "0");
    EXPECT_EQ(o.UserValue("Environment", "Rclk"), "4");
    EXPECT_EQ(o.UserValue("Environment", "WindowPos"), "1");
    for (const char* key : {"Title", "Name", "WindowPos", "Animation", "Wave", "MailPopup",
                            "MailSend", "LoginCheck", "Rclk"})
        EXPECT_EQ(o.LocalValue("Environment", key), "<none>") << key;
    EXPECT_EQ(o.LocalValue("Environment", "AutoLogin"), "1");
    EXPECT_EQ(o.LocalValue("Environment", "Version"), "0.28");
}

TEST(LocalSettings, Version014MovesExecCheckToThePc) {
    Office o;
    o.PersonalPc("0.14");
    o.User("Environment", "ExecCheck", "1");
    ReadLocalSettings();
    EXPECT_EQ(o.LocalValue("Environment", "ExecCheck"), "1");
    EXPECT_EQ(o.UserValue("Environment", "ExecCheck"), "<none>");
    EXPECT_EQ(LocalSettings().execCheck, 1);
    EXPECT_EQ(o.LocalValue("Environment", "Version"), "0.28");
}

TEST(LocalSettings, Versions017And021NeedNoMigration) {
    for (const char* v : {"0.17", "0.21"}) {
        Office o;
        o.PersonalPc(v);
        o.Local("Environment", "Title", "残る");
        ReadLocalSettings();
        EXPECT_EQ(o.LocalValue("Environment", "Title"), "残る") << v;
        EXPECT_EQ(o.UserValue("Environment", "Title"), "<none>") << v;
        EXPECT_EQ(o.LocalValue("Environment", "Version"), "0.28") << v;
    }
}

TEST(LocalSettings, CommandLinePathKeepsItsFileNameBelowTheUserFolder) {
    Office o;
    std::string officeIni = o.pc.Path("office.ini");
    SetLocalSettingsName(officeIni);
    WriteIniString(officeIni, "Environment", "Version", "0.28");
    WriteIniString(officeIni, "Environment", "NetDir", o.store.Dir());
    WriteIniString(officeIni, "Environment", "NameNumber", "1");
    WriteIniString(o.store.Path("001\\office.ini"), "Environment", "Title", "本社");
    ReadLocalSettings();
    EXPECT_EQ(UserSettingsPath(), o.store.Path("001\\office.ini"));
    ReadUserSettings();
    EXPECT_EQ(UserSettings().title, "本社");
    SetLocalSettingsName("");
    EXPECT_EQ(LocalSettingsName(), "mox.ini");
}

TEST(UserSettings, DefaultsAndValuesAreRead) {
    Office o;
    o.PersonalPc("0.28");
    o.User("Environment", "MailCheckSec", "0");
    o.User("Environment", "BordType", "1");
    ReadLocalSettings();
    ReadUserSettings();
    EXPECT_EQ(UserSettings().mailCheckSec, 0);
    EXPECT_EQ(UserSettings().bordType, 1);
    EXPECT_EQ(UserSettings().msgCheckSec, 1);
    EXPECT_EQ(UserSettings().bbsCheckSec, 360);
    EXPECT_EQ(UserSettings().windowPos, 1);
    EXPECT_EQ(UserSettings().mailPopup, 1);
}

TEST(UserSettings, OldWaveSwitchSeedsBothSoundsOnce) {
    Office o;
    o.PersonalPc("0.28");
    o.User("Environment", "Wave", "1");
    ReadLocalSettings();
    ReadUserSettings();
    EXPECT_EQ(o.UserValue("Wave", "MailWave"), "1");
    EXPECT_EQ(o.UserValue("Wave", "DestWave"), "1");
    o.User("Wave", "MailWave", "0");
    ReadUserSettings();
    EXPECT_EQ(UserSettings().mailWave, 0);
    EXPECT_EQ(o.UserValue("Wave", "MailWave"), "0");
    EXPECT_EQ(UserSettings().destWave, 1);
}

TEST(UserSettings, SoundsPlayUnlessTheirSwitchIsOff) {
    Office o;
    o.PersonalPc("0.28");
    ReadLocalSettings();
    SoundPlayer old = SetSoundPlayer(RecordSound);
    g_played.clear();
    o.User("Wave", "MailWave", "0");
    o.User("Wave", "MailWaveFile", "c:\\sound\\mail.wav");
    EXPECT_EQ(PlaySettingSound("MailWave", "MailWaveFile"), 0);
    EXPECT_TRUE(g_played.empty());
    // The board check passes no switch: its sound always plays.
    EXPECT_EQ(PlaySettingSound("", "MailWaveFile"), 1);
    o.User("Wave", "MailWave", "1");
    EXPECT_EQ(PlaySettingSound("MailWave", "MailWaveFile"), 1);
    EXPECT_EQ(g_played, (std::vector<std::string>{"c:\\sound\\mail.wav", "c:\\sound\\mail.wav"}));
    SetSoundPlayer(old);
}

TEST(DailyFortune, ShowsOncePerDayAndRecordsTheDayFirst) {
    Office o;
    o.PersonalPc("0.28");
    ReadLocalSettings();
    ReadUserSettings();
    EXPECT_EQ(TakeDailyFortune(96, 4, 1, 1), "");  // Fortune is off by default
    UserSettings().fortune = 1;
    std::string text = TakeDailyFortune(96, 4, 1, 7);
    EXPECT_FALSE(text.empty());
    bool known = false;
    for (int i = 1; i <= kFortuneCount; ++i) known = known || text == FortuneText(i);
    EXPECT_TRUE(known);
    EXPECT_EQ(o.UserValue("Environment", "AccessDate"), "960401");
    EXPECT_EQ(TakeDailyFortune(96, 4, 1, 8), "");
    EXPECT_FALSE(TakeDailyFortune(126, 12, 7, 9).empty());
    EXPECT_EQ(o.UserValue("Environment", "AccessDate"), "1261207");
}

TEST(DailyFortune, TextsAndStamps) {
    EXPECT_STREQ(FortuneText(1), "今日のラッキーカラーは黄色");
    EXPECT_STREQ(FortuneText(41), "パソコンばかりしないで映画でも観よう");
    EXPECT_STREQ(FortuneText(42), "");
    EXPECT_EQ(FortuneNumberFor(0), 1);
    EXPECT_EQ(FortuneNumberFor(40), 41);
    EXPECT_EQ(FortuneNumberFor(41), 1);
    EXPECT_EQ(FortuneDateStamp(96, 4, 1), "960401");
}
