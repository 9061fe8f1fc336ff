// The first-run, login and password dialogs, driven for real: a second thread types, clicks and
// answers the message boxes while the dialog runs; then the store and settings files are checked.
#include <gtest/gtest.h>

#include <functional>

#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "store/message_sink.h"
#include "store/store.h"
#include "tests/support/office.h"
#include "tests/support/window_driver.h"
#include "users/password.h"
#include "users/registry.h"
#include "users/signin_dialogs.h"
#include "users/signin_texts.h"

namespace {

const char kSetupTitle[] = "ミトカ　初期設定";
const char kLoginTitle[] = "ミトカ　ログイン";
const MessageBoxSeen::Icon kNoIcon = MessageBoxSeen::kNone;
const MessageBoxSeen::Icon kWarning = MessageBoxSeen::kWarning;

// The first-run dialog as the start-up sequence runs it, starting from the directory that the
// test names; its choice is kept for the test to look at.
SetupChoice g_setup;

std::vector<RegistryRecord> Registry(const TempStore& store) { return ReadRegistry(store.As()).records; }

// What the store logic has to say reaches the message sink; the client's sink shows it in a box
// captioned "ミトカ", and these tests answer that box as a user would.
struct ClientMessageBoxes {
    MessageSink previous = SetMessageSink(ShowInMessageBox);
    ~ClientMessageBoxes() { SetMessageSink(previous); }
};

// An office whose administrator prepared two names to claim.
struct ImportOffice : TestOffice {
    ImportOffice() { WriteRawFile(store.Path("regist.txt"), "高橋次郎\r\n田中美咲\r\n"); }

    // First-run setup starting from this office's directory (or from netDir); 1 when done.
    std::function<int()> FirstRun(const std::string* netDir = nullptr) const {
        std::string start = netDir ? *netDir : store.Dir();
        return [start] {
            g_setup = RunFirstRunDialog(nullptr, start);
            return g_setup.done ? 1 : 0;
        };
    }
};

}  // namespace

TEST(FirstRunDialog, ButtonsAndNamesFollowTheTypedDirectory) {
    ImportOffice office;
    const std::string none;
    int result = DriveModal(office.FirstRun(&none), [&] {
        HWND d = WaitForDialog(kSetupTitle);
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_NET_DIR), "");
        EXPECT_FALSE(IsShown(d, IDC_SELF_REGISTER));
        EXPECT_FALSE(IsShown(d, IDC_SHARED_PC));
        EXPECT_TRUE(ListLines(d, IDC_LIST).empty());

        SetText(d, IDC_NET_DIR, office.store.Path("nothing-here"));
        EXPECT_FALSE(IsShown(d, IDC_SELF_REGISTER));
        EXPECT_FALSE(IsShown(d, IDC_SHARED_PC));
        EXPECT_TRUE(ListLines(d, IDC_LIST).empty());

        SetText(d, IDC_NET_DIR, office.store.Dir());
        EXPECT_TRUE(IsShown(d, IDC_SELF_REGISTER));
        EXPECT_TRUE(IsShown(d, IDC_SHARED_PC));
        EXPECT_EQ(ListLines(d, IDC_LIST), (std::vector<std::string>{"高橋次郎", "田中美咲"}));

        // A drive that does not exist is typed on the way to a path: no message per keystroke.
        SetText(d, IDC_NET_DIR, "Q:\\office");
        EXPECT_FALSE(IsShown(d, IDC_SHARED_PC));
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(RecordedMessages().empty());
    EXPECT_FALSE(RawFileExists(office.local));  // a cancelled setup writes nothing
}

TEST(FirstRunDialog, ClaimsTheChosenNameAfterAskingOnce) {
    ImportOffice office;
    int result = DriveModal(office.FirstRun(), [&] {
        HWND d = WaitForDialog(kSetupTitle);
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_NET_DIR), office.store.Dir());
        Click(d, IDOK);
        ExpectMessageBox("あなたの名前を選択してください", kNoIcon, IDOK);

        SelectLine(d, IDC_LIST, 1);
        Click(d, IDOK);
        ExpectMessageBox("ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：" + office.store.Dir() + "\n名前：田中美咲\nで登録してもいいですか？",
                         kNoIcon, IDNO);
        EXPECT_FALSE(RawFileExists(office.store.Path("count.mox")));

        DoubleClickLine(d, IDC_LIST, 0);
        ExpectMessageBox("ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：" + office.store.Dir() + "\n名前：高橋次郎\nで登録してもいいですか？",
                         kNoIcon, IDYES);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(ReadRawFile(office.store.Path("regist.txt")), "田中美咲\r\n");
    auto records = Registry(office.store);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, "高橋次郎");
    EXPECT_EQ(records[0].numberText, "001");
    EXPECT_TRUE(RawFileExists(office.store.Path("001")));
    EXPECT_EQ(office.Local("NetDir"), office.store.Dir());
    EXPECT_EQ(office.Local("NameNumber"), "1");
    EXPECT_EQ(office.Local("Version"), "0.14");
    EXPECT_EQ(office.Local("AutoLogin"), "<none>");
    EXPECT_EQ(g_setup.netDir, office.store.Dir());
    EXPECT_EQ(g_setup.number, 1);
    EXPECT_EQ(g_setup.name, "高橋次郎");
    EXPECT_FALSE(g_setup.sharedPc);
    EXPECT_EQ(CurrentUser().number, 0);  // the start-up sequence takes the choice in
}

TEST(FirstRunDialog, ANameClaimedMeanwhileElsewhereReloadsTheList) {
    ImportOffice office;
    ClientMessageBoxes boxes;
    int result = DriveModal(office.FirstRun(), [&] {
        HWND d = WaitForDialog(kSetupTitle);
        ASSERT_TRUE(d);
        // Another PC claims 高橋次郎 while this dialog shows the old list.
        WriteRawFile(office.store.Path("regist.txt"), "田中美咲\r\n");
        SelectLine(d, IDC_LIST, 0);
        Click(d, IDOK);
        ExpectMessageBox("ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：" + office.store.Dir() + "\n名前：高橋次郎\nで登録してもいいですか？",
                         kNoIcon, IDYES);
        ExpectMessageBox("利用者ファイルが更新されていました。", kNoIcon, IDOK);
        EXPECT_EQ(ListLines(d, IDC_LIST), std::vector<std::string>{"田中美咲"});
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(Registry(office.store).empty());
    EXPECT_EQ(office.Local("NameNumber"), "<none>");
    EXPECT_EQ(office.Local("Version"), "<none>");
}

TEST(FirstRunDialog, SelfRegistrationRegistersTheTypedNames) {
    ImportOffice office;
    int result = DriveModal(office.FirstRun(), [&] {
        HWND d = WaitForDialog(kSetupTitle);
        ASSERT_TRUE(d);
        Click(d, IDC_SELF_REGISTER);
        HWND r = WaitForDialog("自分で名前の登録");
        ASSERT_TRUE(r);
        EXPECT_EQ(Text(r, IDC_NET_DIR), office.store.Dir());
        SetText(r, IDC_USER_NAME, "山田太郎");
        SetText(r, IDC_LOGIN_NAME, "yamada");
        Click(r, IDOK);
        ExpectMessageBox("ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：" + office.store.Dir() +
                             "\n名前：山田太郎\nLOGIN名：yamadaで登録してもいいですか？",
                         kNoIcon, IDYES);
    });
    EXPECT_EQ(result, 1);
    auto records = Registry(office.store);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, "山田太郎");
    EXPECT_EQ(records[0].loginName, "yamada");
    EXPECT_EQ(g_setup.loginName, "yamada");
    EXPECT_EQ(office.Local("NameNumber"), "1");
    EXPECT_EQ(office.Local("Version"), "0.14");
    EXPECT_EQ(office.Local("NetDir"), office.store.Dir());
    EXPECT_EQ(office.Local("AutoLogin"), "<none>");
    // The import list is left for the others.
    EXPECT_EQ(ReadRawFile(office.store.Path("regist.txt")), "高橋次郎\r\n田中美咲\r\n");
}

TEST(FirstRunDialog, AnEmptyNameOrTheSharedButtonMakesASharedPc) {
    for (bool throughSelfRegistration : {true, false}) {
        SCOPED_TRACE(throughSelfRegistration ? "empty name" : "共　用");
        ImportOffice office;
        int result = DriveModal(office.FirstRun(), [&] {
            HWND d = WaitForDialog(kSetupTitle);
            ASSERT_TRUE(d);
            if (throughSelfRegistration) {
                Click(d, IDC_SELF_REGISTER);
                HWND r = WaitForDialog("自分で名前の登録");
                ASSERT_TRUE(r);
                SetText(r, IDC_LOGIN_NAME, "kyoyo");
                Click(r, IDOK);
                ExpectMessageBox("ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：" + office.store.Dir() +
                                     "\n名前：\nLOGIN名：kyoyoで登録してもいいですか？",
                                 kNoIcon, IDYES);
            } else {
                Click(d, IDC_SHARED_PC);
                ExpectMessageBox("ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：" + office.store.Dir() +
                                     "\n共用パソコンで登録してもいいですか？",
                                 kNoIcon, IDYES);
            }
        });
        EXPECT_EQ(result, 1);
        EXPECT_EQ(office.Local("AutoLogin"), "0");
        EXPECT_EQ(office.Local("Version"), "0.14");
        EXPECT_EQ(office.Local("NetDir"), office.store.Dir());
        EXPECT_EQ(office.Local("NameNumber"), "<none>");
        EXPECT_TRUE(g_setup.sharedPc);
        EXPECT_FALSE(RawFileExists(office.store.Path("regist.mox")));
        EXPECT_FALSE(RawFileExists(office.store.Path("count.mox")));
    }
}

TEST(FirstRunDialog, AFailedSelfRegistrationKeepsTheDialogOpenAndFinishesNothing) {
    ImportOffice office;
    WriteRawFile(office.store.Path("count.mox"), std::string(1000, '\1'));  // every number taken
    ClientMessageBoxes boxes;
    int result = DriveModal(office.FirstRun(), [&] {
        HWND d = WaitForDialog(kSetupTitle);
        ASSERT_TRUE(d);
        Click(d, IDC_SELF_REGISTER);
        HWND r = WaitForDialog("自分で名前の登録");
        ASSERT_TRUE(r);
        SetText(r, IDC_USER_NAME, "山田太郎");
        Click(r, IDOK);
        ExpectMessageBox("ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：" + office.store.Dir() +
                             "\n名前：山田太郎\nLOGIN名：で登録してもいいですか？",
                         kNoIcon, IDYES);
        ExpectMessageBox("利用者番号に空きがありません。これ以上は登録できません。", kNoIcon, IDOK);
        EXPECT_TRUE(IsWindowVisible(r));
        Click(r, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(r));
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(office.Local("Version"), "<none>");
    EXPECT_EQ(office.Local("NameNumber"), "<none>");
}

TEST(FirstRunDialog, SelfRegistrationCutsNamesToTwentyBytes) {
    ImportOffice office;
    int result = DriveModal(office.FirstRun(), [&] {
        HWND d = WaitForDialog(kSetupTitle);
        ASSERT_TRUE(d);
        Click(d, IDC_SELF_REGISTER);
        HWND r = WaitForDialog("自分で名前の登録");
        ASSERT_TRUE(r);
        // Eleven double-byte characters: 22 bytes, of which ten characters fit.
        SetText(r, IDC_USER_NAME, "一二三四五六七八九十百");
        SetText(r, IDC_LOGIN_NAME, "abcdefghijklmnopqrstuvwxyz");
        Click(r, IDOK);
        ExpectMessageBox("ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：" + office.store.Dir() +
                             "\n名前：一二三四五六七八九十\nLOGIN名：abcdefghijklmnopqrstで登録してもいいですか？",
                         kNoIcon, IDYES);
    });
    EXPECT_EQ(result, 1);
    auto records = Registry(office.store);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, "一二三四五六七八九十");
    EXPECT_EQ(records[0].loginName, "abcdefghijklmnopqrst");
}

TEST(FirstRunDialog, SelfRegistrationRefusesALoginNameThatAColleagueHas) {
    ImportOffice office;
    office.Register("山田太郎", "yamada");
    int result = DriveModal(office.FirstRun(), [&] {
        HWND d = WaitForDialog(kSetupTitle);
        ASSERT_TRUE(d);
        Click(d, IDC_SELF_REGISTER);
        HWND r = WaitForDialog("自分で名前の登録");
        ASSERT_TRUE(r);
        SetText(r, IDC_USER_NAME, "山田次郎");
        SetText(r, IDC_LOGIN_NAME, "yamada");
        Click(r, IDOK);
        ExpectMessageBox("ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：" + office.store.Dir() +
                             "\n名前：山田次郎\nLOGIN名：yamadaで登録してもいいですか？",
                         kNoIcon, IDYES);
        ExpectMessageBox("ＬＯＧＩＮ名はすでに使われています", kWarning, IDOK);
        EXPECT_TRUE(IsWindowVisible(r));
        SetText(r, IDC_LOGIN_NAME, "jiro");
        Click(r, IDOK);
        ExpectMessageBox("ﾈｯﾄﾜｰｸﾃﾞｨﾚｸﾄﾘ：" + office.store.Dir() +
                             "\n名前：山田次郎\nLOGIN名：jiroで登録してもいいですか？",
                         kNoIcon, IDYES);
    });
    EXPECT_EQ(result, 1);
    auto records = Registry(office.store);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].loginName, "jiro");
    EXPECT_EQ(office.Local("NameNumber"), "2");
    RegistryMatch yamada = FindLoginName(office.store.As(), "yamada");
    ASSERT_TRUE(yamada.found);
    EXPECT_EQ(yamada.record.number, 1);
}

// ---- Login ----

namespace {
// An office with two registered users; 佐藤 has the password "hana".
struct LoginOffice : TestOffice {
    LoginOffice() {
        Register("山田太郎", "yamada");
        Register("佐藤花子", "sato");
        WritePassword(store.As(2), "hana", 100);
        PersonalPc(1);
        SetLocal("AutoLogin", "0");
    }

    // The login dialog in this office; its choice is kept for the test to look at.
    std::function<int()> Login() {
        return [this] {
            login = RunLoginDialog(nullptr, store.Dir());
            return login.done ? 1 : 0;
        };
    }
    LoginChoice login;
};
}  // namespace

TEST(LoginDialog, WrongLoginNameAndWrongPasswordSayDifferentThings) {
    LoginOffice office;
    int result = DriveModal(office.Login(), [&] {
        HWND d = WaitForDialog(kLoginTitle);
        ASSERT_TRUE(d);
        SetText(d, IDC_LOGIN_NAME, "suzuki");
        SetText(d, IDC_PASSWORD, "hana");
        Click(d, IDOK);
        ExpectMessageBox("ＬＯＧＩＮ名が違います", kWarning, IDOK);
        SetText(d, IDC_LOGIN_NAME, "sato");
        SetText(d, IDC_PASSWORD, "hanako");
        Click(d, IDOK);
        ExpectMessageBox("パスワードが違います", kWarning, IDOK);
        SetText(d, IDC_PASSWORD, "hana");
        Click(d, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(office.login.user.number, 2);
    EXPECT_EQ(office.login.user.numberText, "002");
    EXPECT_EQ(office.login.user.name, "佐藤花子");
    EXPECT_EQ(office.login.user.loginName, "sato");
    EXPECT_EQ(office.Local("NameNumber"), "1");  // chosen for this run only
    EXPECT_EQ(CurrentUser().number, 0);          // the start-up sequence takes the choice in
}

TEST(LoginDialog, AUserWithoutPasswordSignsInWithAnEmptyField) {
    LoginOffice office;
    int result = DriveModal(office.Login(), [&] {
        HWND d = WaitForDialog(kLoginTitle);
        ASSERT_TRUE(d);
        SetText(d, IDC_LOGIN_NAME, "yamada");
        SetText(d, IDC_PASSWORD, "x");
        Click(d, IDOK);
        ExpectMessageBox("パスワードが違います", kWarning, IDOK);
        SetText(d, IDC_PASSWORD, "");
        Click(d, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(office.login.user.number, 1);
}

TEST(LoginDialog, AnEmptyLoginNameMatchesNoneOfTheUsersClaimedFromTheList) {
    ImportOffice office;
    for (int claim = 0; claim < 2; ++claim)
        ASSERT_TRUE(
            RegisterFromImportList(office.store.As(), LoadNameImportList(office.store.As()), 0).ok);
    LoginChoice login;
    int result = DriveModal([&] {
        login = RunLoginDialog(nullptr, office.store.Dir());
        return login.done ? 1 : 0;
    }, [&] {
        HWND d = WaitForDialog(kLoginTitle);
        ASSERT_TRUE(d);
        Click(d, IDOK);  // empty login name, empty password
        ExpectMessageBox("ＬＯＧＩＮ名が違います", kWarning, IDOK);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(login.done);
}

TEST(LoginDialog, CancelSignsNobodyIn) {
    LoginOffice office;
    int result = DriveModal(office.Login(), [&] {
        HWND d = WaitForDialog(kLoginTitle);
        ASSERT_TRUE(d);
        SetText(d, IDC_LOGIN_NAME, "sato");
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(office.login.done);
}

// ---- Password check and change ----

TEST(PasswordDialogs, CheckAcceptsOnlyTheExactPassword) {
    LoginOffice office;
    const std::string stored = ReadPassword(office.store.As(2));
    int result = DriveModal([&] { return RunPasswordCheckDialog(nullptr, stored); }, [&] {
        HWND d = WaitForDialog("ミトカ　パスワード入力");
        ASSERT_TRUE(d);
        Click(d, IDOK);
        ExpectMessageBox("パスワードが違います", kWarning, IDOK);
        SetText(d, IDC_PASSWORD, "HANA");
        Click(d, IDOK);
        ExpectMessageBox("パスワードが違います", kWarning, IDOK);
        SetText(d, IDC_PASSWORD, "hana");
        Click(d, IDOK);
    });
    EXPECT_EQ(result, 1);

    // An empty password is matched by an empty entry; Cancel answers 0.
    EXPECT_EQ(DriveModal([] { return RunPasswordCheckDialog(nullptr, ""); }, [&] {
                  HWND d = WaitForDialog("ミトカ　パスワード入力");
                  ASSERT_TRUE(d);
                  Click(d, IDOK);
              }),
              1);
    EXPECT_EQ(DriveModal([] { return RunPasswordCheckDialog(nullptr, ""); }, [&] {
                  HWND d = WaitForDialog("ミトカ　パスワード入力");
                  ASSERT_TRUE(d);
                  Click(d, IDCANCEL);
              }),
              0);
}

TEST(PasswordDialogs, ChangeChecksTheOldPasswordAndTheRetypedOne) {
    LoginOffice office;
    PasswordChoice choice;
    auto change = [&](const std::string& current) {
        return [&office, &choice, current] {
            choice = RunPasswordChangeDialog(nullptr, office.store.As(2), current);
            return choice.done ? 1 : 0;
        };
    };
    int result = DriveModal(change("hana"), [&] {
        HWND d = WaitForDialog("パスワードの変更");
        ASSERT_TRUE(d);
        SetText(d, IDC_OLD_PASSWORD, "hanako");
        SetText(d, IDC_NEW_PASSWORD, "sakura");
        SetText(d, IDC_NEW_PASSWORD_AGAIN, "sakura");
        Click(d, IDOK);
        ExpectMessageBox("旧パスワードに誤りがあります", kWarning, IDOK);
        SetText(d, IDC_OLD_PASSWORD, "hana");
        SetText(d, IDC_NEW_PASSWORD_AGAIN, "sakuro");
        Click(d, IDOK);
        ExpectMessageBox("パスワードの再入力に誤りがあります", kWarning, IDOK);
        SetText(d, IDC_NEW_PASSWORD_AGAIN, "sakura");
        Click(d, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(choice.password, "sakura");
    EXPECT_EQ(DecodePasswordFile(ReadRawFile(office.store.Path("002\\mox.mox"))), "sakura");

    // Cancel changes nothing.
    EXPECT_EQ(DriveModal(change("sakura"), [&] {
                  HWND d = WaitForDialog("パスワードの変更");
                  ASSERT_TRUE(d);
                  SetText(d, IDC_OLD_PASSWORD, "sakura");
                  Click(d, IDCANCEL);
              }),
              0);
    EXPECT_EQ(DecodePasswordFile(ReadRawFile(office.store.Path("002\\mox.mox"))), "sakura");
}

TEST(PasswordDialogs, AChangeThatCannotBeWrittenSaysSoAndKeepsTheOldPassword) {
    LoginOffice office;
    CreateDirectoryA(office.store.Path("001\\mox.mox").c_str(), nullptr);  // cannot be written
    PasswordChoice choice;
    int result = DriveModal([&] {
        choice = RunPasswordChangeDialog(nullptr, office.store.As(1), "");
        return choice.done ? 1 : 0;
    }, [&] {
        HWND d = WaitForDialog("パスワードの変更");
        ASSERT_TRUE(d);
        SetText(d, IDC_NEW_PASSWORD, "taro");
        SetText(d, IDC_NEW_PASSWORD_AGAIN, "taro");
        Click(d, IDOK);
        ExpectMessageBox("パスワードの書き込みに失敗しました", kWarning, IDOK);
        EXPECT_TRUE(IsWindowVisible(d));
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(choice.done);  // the client keeps the old password
}

// ---- User picker ----

TEST(UserPicker, WritesThePickedNumberForTheNextStart) {
    LoginOffice office;
    SetCurrentUserNumber(1);
    int result = DriveModal([&] { return RunUserPickerDialog(nullptr, office.store.As(1)); }, [&] {
        HWND d = WaitForDialog("ミトカ　環境設定");
        ASSERT_TRUE(d);
        EXPECT_EQ(ListLines(d, IDC_LIST),
                  (std::vector<std::string>{"山田太郎\t001", "佐藤花子\t002"}));
        Click(d, IDOK);  // nothing selected: nothing written
        ASSERT_TRUE(WaitUntilGone(d));
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(office.Local("NameNumber"), "1");

    result = DriveModal([&] { return RunUserPickerDialog(nullptr, office.store.As(1)); }, [&] {
        HWND d = WaitForDialog("ミトカ　環境設定");
        ASSERT_TRUE(d);
        SelectLine(d, IDC_LIST, 1);
        Click(d, IDOK);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(office.Local("NameNumber"), "2");
    EXPECT_EQ(CurrentUser().number, 1);  // this run keeps its user
}

TEST(UserPicker, AnUnreadableRegistryIsNamedInAMessage) {
    LoginOffice office;
    DeleteFileA(office.store.Path("regist.mox").c_str());
    ClientMessageBoxes boxes;
    int result = DriveModal([&] { return RunUserPickerDialog(nullptr, office.store.As(1)); }, [&] {
        ExpectMessageBox(office.store.Path("regist.mox"), kNoIcon, IDOK);
        HWND d = WaitForDialog("ミトカ　環境設定");
        ASSERT_TRUE(d);
        EXPECT_TRUE(ListLines(d, IDC_LIST).empty());
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, 0);
}

TEST(SigninRules, PasswordChangeAndPickedNumbers) {
    EXPECT_EQ(CheckPasswordChange("old", "old", "new", "new"), PasswordChangeCheck::kOk);
    EXPECT_EQ(CheckPasswordChange("old", "Old", "new", "new"), PasswordChangeCheck::kWrongOld);
    // The old password is checked first, whatever the new entries say.
    EXPECT_EQ(CheckPasswordChange("old", "x", "a", "b"), PasswordChangeCheck::kWrongOld);
    EXPECT_EQ(CheckPasswordChange("old", "old", "a", "b"), PasswordChangeCheck::kRetypeMismatch);
    EXPECT_EQ(CheckPasswordChange("", "", "", ""), PasswordChangeCheck::kOk);

    EXPECT_EQ(PickedUserNumber("山田太郎\t001"), 1);
    EXPECT_EQ(PickedUserNumber("佐藤\t120"), 120);
    EXPECT_EQ(PickedUserNumber("名前だけ"), 0);
    EXPECT_EQ(PickedUserNumber("a\t007\tx"), 7);
}
