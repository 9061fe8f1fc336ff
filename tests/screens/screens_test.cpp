// The screenshot tour: every window and dialog built so far, opened with the content of a
// small office and captured as one PNG each into the folder named by MOX_SCREENSHOTS (see
// scripts/screenshots.sh). Without that variable the tour only checks that each window opens
// and closes, which CTest does on every run. A window of a later step adds its own TEST here.
#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include <cstdlib>

#include "app/settings/local_user.h"
#include "app/settings/profile.h"
#include "app/settings/settings.h"
#include "bbs/bbs_store.h"
#include "bbs/bbs_window.h"
#include "calendar/calendar_window.h"
#include "calendar/schedule_store.h"
#include "print/print_text.h"
#include "mail/broadcast_store.h"
#include "mail/compose_dialog.h"
#include "mail/addressee.h"
#include "mail/mail_store.h"
#include "mail/phone_dialogs.h"
#include "mail/received_window.h"
#include "mail/sent_window.h"
#include "board/board_dialogs.h"
#include "board/bord_store.h"
#include "board/bord_window.h"
#include "chat/chat_store.h"
#include "chat/chat_window.h"
#include "memo/memo_store.h"
#include "memo/memo_window.h"
#include "messages/message_dialog.h"
#include "messages/message_store.h"
#include "messages/message_window.h"
#include "res/resource.h"
#include "shell/about_dialog.h"
#include "shell/environment_dialog.h"
#include "shell/launcher_files.h"
#include "shell/launcher_window.h"
#include "shell/menu_dialogs.h"
#include "shell/plumbing.h"
#include "shell/message_box.h"
#include "store/message_sink.h"
#include "shell/window_classes.h"
#include "store/store.h"
#include "tests/support/client_here.h"
#include "tests/support/office.h"
#include "tests/support/window_driver.h"
#include "tools/launcher_layout.h"
#include "users/connection_dialog.h"
#include "users/registry.h"
#include "users/signin_dialogs.h"

namespace {

// Saves the window as NAME.png in the screenshot folder, once it has painted.
void Shoot(HWND window, const char* name) {
    ASSERT_TRUE(window);
    SettlePainting(window);
    const char* folder = std::getenv("MOX_SCREENSHOTS");
    if (!folder || !*folder) return;
    std::string path = std::string(folder) + "\\" + name + ".png";
    EXPECT_TRUE(CaptureWindow(window, path)) << path;
}

// An office with three colleagues, two names still waiting in the import list, and this PC
// set up for 山田太郎. MOX_SHOT_NETDIR, when set, names the network directory the pictures show
// (scripts/screenshots.sh maps a drive for it); its contents are made anew.
struct DemoOffice : TestOffice {
    DemoOffice() {
        const char* shown = std::getenv("MOX_SHOT_NETDIR");
        if (shown && *shown) {
            RemoveTree(shown);
            CreateDirectoryA(shown, nullptr);
            LocalSettings().netDir = shown;
        }
        Register("山田太郎", "yamada");
        Register("佐藤花子", "sato");
        Register("鈴木一郎", "suzuki");
        WriteRawFile(StorePath(Office(), "regist.txt"), "高橋次郎\r\n田中美咲\r\n伊藤健太\r\n");
        PersonalPc(1);
        SetLocal("NetDir", LocalSettings().netDir);
        SetCurrentUserNumber(1);
        CurrentUser().name = "山田太郎";
    }
};

}  // namespace

TEST(Screens, FirstRunSetup) {
    DemoOffice office;
    DriveModal([] { return RunFirstRunDialog(nullptr, LocalSettings().netDir).done ? 1 : 0; }, [&] {
        HWND d = WaitForDialog("ミトカ　初期設定");
        ASSERT_TRUE(d);
        SelectLine(d, IDC_LIST, 1);
        Shoot(d, "first-run-800");
        Click(d, IDOK);
        MessageBoxSeen question = WaitForMessageBox();
        Shoot(question.box, "first-run-question");
        Answer(question, IDNO);
        SetText(d, IDC_NET_DIR, LocalSettings().netDir + "\\nowhere");
        Shoot(d, "first-run-800-no-directory");
        Click(d, IDCANCEL);
    });
}

TEST(Screens, SelfRegistration) {
    DemoOffice office;
    DriveModal([] { return RunSelfRegistrationDialog(nullptr, LocalSettings().netDir).done ? 1 : 0; },
               [&] {
        HWND d = WaitForDialog("自分で名前の登録");
        ASSERT_TRUE(d);
        SetText(d, IDC_USER_NAME, "高橋次郎");
        SetText(d, IDC_LOGIN_NAME, "takahashi");
        Shoot(d, "self-registration-210");
        Click(d, IDCANCEL);
    });
}

TEST(Screens, Login) {
    DemoOffice office;
    DriveModal([] { return RunLoginDialog(nullptr, LocalSettings().netDir).done ? 1 : 0; }, [&] {
        HWND d = WaitForDialog("ミトカ　ログイン");
        ASSERT_TRUE(d);
        SetText(d, IDC_LOGIN_NAME, "suzuki");
        SetText(d, IDC_PASSWORD, "secret");
        Shoot(d, "login-971");
        SetText(d, IDC_LOGIN_NAME, "suzuk");
        Click(d, IDOK);
        MessageBoxSeen warning = WaitForMessageBox();
        Shoot(warning.box, "login-wrong-name");
        Answer(warning, IDOK);
        Click(d, IDCANCEL);
    });
}

TEST(Screens, PasswordCheckAndChange) {
    DemoOffice office;
    DriveModal([] { return RunPasswordCheckDialog(nullptr, "1234"); }, [&] {
        HWND d = WaitForDialog("ミトカ　パスワード入力");
        ASSERT_TRUE(d);
        SetText(d, IDC_PASSWORD, "1234");
        Shoot(d, "password-check-400");
        Click(d, IDCANCEL);
    });
    DriveModal([] { return RunPasswordChangeDialog(nullptr, ClientStore(), "1234").done ? 1 : 0; },
               [&] {
        HWND d = WaitForDialog("パスワードの変更");
        ASSERT_TRUE(d);
        SetText(d, IDC_OLD_PASSWORD, "1234");
        SetText(d, IDC_NEW_PASSWORD, "yamada99");
        SetText(d, IDC_NEW_PASSWORD_AGAIN, "yamada99");
        Shoot(d, "password-change-410");
        Click(d, IDCANCEL);
    });
}

TEST(Screens, UserPicker) {
    DemoOffice office;
    DriveModal([] { return RunUserPickerDialog(nullptr, ClientStore()); }, [&] {
        HWND d = WaitForDialog("ミトカ　環境設定");
        ASSERT_TRUE(d);
        SelectLine(d, IDC_LIST, 0);
        Shoot(d, "user-picker-973");
        Click(d, IDCANCEL);
    });
}

TEST(Screens, AboutBox) {
    DriveModal([] { RunAboutBox(nullptr); return 0; }, [&] {
        HWND d = WaitForDialog("ミトカ　バージョン情報");
        Shoot(d, "about-200");
        Click(d, IDOK);
    });
}

TEST(Screens, MainWindow) {
    DemoOffice office;
    WriteUserString("Environment", "Title", "営業部");
    DriveModal(RunClientHere, [&] {
        HWND main = WaitForWindow("Mox", "ミトカ 営業部");
        ASSERT_TRUE(main);
        SetWindowPos(main, nullptr, 40, 40, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
        SetCursorPos(1020, 760);  // away from the launcher
        Shoot(main, "main-window");
        // The mouse over the メモ tile: its name on the status strip.
        RECT tile = {};
        GetWindowRect(main, &tile);
        POINT over = {(FunctionTile(9).left + FunctionTile(9).right) / 2, FunctionTile(9).top + 30};
        ClientToScreen(main, &over);
        SetCursorPos(over.x, over.y);
        Shoot(main, "main-window-label");
        SetCursorPos(1020, 760);
        // The オプション menu opened by its access key.
        PostMessageA(main, WM_SYSCOMMAND, SC_KEYMENU, 'o');
        WaitFor([&] { return !FindWindows("#32768").empty(); });
        ASSERT_FALSE(FindWindows("#32768").empty());
        Shoot(main, "main-window-menu");
        PostMessageA(main, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageA(main, WM_KEYDOWN, VK_ESCAPE, 0);
        WaitFor([&] { return FindWindows("#32768").empty(); });
        PostMessageA(main, WM_CLOSE, 0, 0);
        MessageBoxSeen quit = WaitForMessageBox();
        Shoot(quit.box, "main-window-quit");
        Answer(quit, IDOK);
    });
}

TEST(Screens, PrintDialogAndProgress) {
    // A spooler that takes the job without printing it and holds it at its first page until the
    // pictures are taken (keeping the windows painted meanwhile); the tests that print for real
    // have the prefix's spooler to themselves.
    static HANDLE shot = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ResetEvent(shot);
    SpoolerCalls held;
    held.startDoc = [](HDC, const char*) { return 1; };
    held.startPage = [](HDC) { return 1; };
    held.endPage = [](HDC) {
        while (MsgWaitForMultipleObjects(1, &shot, FALSE, kWindowWaitMs, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        return 1;
    };
    held.endDoc = [](HDC) { return 1; };
    held.abortDoc = [](HDC) { return 1; };
    SpoolerCalls previous = SetSpoolerCalls(held);
    HWND owner = CreateWindowA("STATIC", "受信メール", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                               480, 320, nullptr, nullptr, nullptr, nullptr);
    HWND edit = CreateWindowA("EDIT", "お疲れさまです。\r\n明日の会議は十時からです。",
                              WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 460, 280, owner, nullptr,
                              nullptr, nullptr);
    DriveModal([&] { return PrintEditText(owner, edit, "ミトカ"); }, [&] {
        HWND print = nullptr;
        for (DWORD start = GetTickCount(); !print && GetTickCount() - start < kWindowWaitMs; Sleep(20))
            for (HWND d : FindWindows("#32770"))
                if (GetDlgItem(d, cmb4)) print = d;
        ASSERT_TRUE(print);
        Shoot(print, "print-dialog");
        Click(print, IDOK);
        HWND progress = WaitForDialog("ミトカ　印刷");
        Shoot(progress, "print-progress-108");
        Click(progress, IDCANCEL);
        SetEvent(shot);
    });
    SetSpoolerCalls(previous);
    DestroyWindow(owner);
}

TEST(Screens, MailDialogs) {
    DemoOffice office;
    TempFolder pc;
    WriteRawFile(pc.Path("見積書.xls"), "estimate");
    WriteRawFile(pc.Path("地図.bmp"), "map");
    WriteRawFile(pc.Path("議事録.doc"), "minutes");
    OutgoingItem shown;
    shown.subject = "来週の打合せ";
    shown.body = "来週の打合せは火曜日の十時からです。\r\n見積書と地図を添付します。\r\n\r\n佐藤\r\n";
    shown.attachments = {AttachmentSource{pc.Path("見積書.xls"), "見積書"},
                         AttachmentSource{pc.Path("地図.bmp"), "会場の地図"}};
    shown.sentTime = LocalTimeNow();
    ASSERT_TRUE(DeliverItem(StoreContext{ClientStore().netDir, 2}, "佐藤花子", {Party{1, "山田太郎"}},
                            shown).ok);
    ASSERT_TRUE(CreateBroadcastList(ClientStore(), "山田太郎", "営業部",
                                    {Party{2, "佐藤花子"}, Party{3, "鈴木一郎"}}, LocalTimeNow()).ok);
    ASSERT_TRUE(CreateBroadcastList(ClientStore(), "山田太郎", "全員",
                                    {Party{1, "山田太郎"}, Party{2, "佐藤花子"}, Party{3, "鈴木一郎"}},
                                    LocalTimeNow()).ok);

    DriveModal([] { return RunMailDialog(nullptr); }, [&] {
        HWND d = WaitForDialog("ミトカ　メール");
        Shoot(d, "mail-930");
        Click(d, IDC_DISCARD);
    });

    AnsweredItem item;
    item.subject = shown.subject;
    item.body = shown.body;
    item.senderNumber = 2;
    item.senderName = "佐藤花子";
    for (const AttachmentRecord& a :
         LoadAttachmentList(NumberedFileName(ClientStore(), "001", 1, kPrefixFil, kExtLst)))
        item.attachments.push_back(ForwardedAttachment{a.storedPath, a.title});
    DriveModal([&] { return OpenMailDialog(nullptr, kMailForward, &item); }, [&] {
        HWND d = WaitForDialog("ミトカ　メール");
        ASSERT_TRUE(d);
        SendMessageA(GetDlgItem(d, IDC_RECIPIENTS), LB_SETSEL, TRUE, 2);
        Shoot(d, "mail-930-forward");
        Click(d, IDC_ATTACH_ADD);
        ChooseInFileDialog("ミトカ　添付ファイル選択", pc.Path("議事録.doc"));
        HWND title = WaitForDialog("ファイルタイトル入力");
        ASSERT_TRUE(title);
        SetText(title, IDC_TITLE_TEXT, "先週の議事録");
        Shoot(title, "attachment-title-940");
        Click(title, IDOK);
        ASSERT_TRUE(WaitUntilGone(title));

        Click(d, IDC_BROADCAST);
        HWND lists = WaitForDialog("ミトカ　同報リスト");
        ASSERT_TRUE(lists);
        SelectLine(lists, IDC_GROUP_LIST, 1);
        WaitFor([&] { return IsEnabled(lists, IDC_GROUP_UPDATE); });
        Shoot(lists, "broadcast-lists-975");
        Click(lists, IDC_GROUP_UPDATE);
        HWND editor = nullptr;
        WaitFor([&] {
            for (HWND w : FindWindows("#32770"))
                if (GetDlgItem(w, IDC_RECIPIENTS) && w != d) editor = w;
            return editor != nullptr;
        });
        ASSERT_TRUE(editor);
        Shoot(editor, "broadcast-editor-976");
        Click(editor, IDCANCEL);
        ASSERT_TRUE(WaitUntilGone(editor));
        Click(lists, IDCANCEL);
        ASSERT_TRUE(WaitUntilGone(lists));
        Click(d, IDC_DISCARD);
    });
}

TEST(Screens, PhoneMemos) {
    DemoOffice office;
    RememberedAddressee() = "002";
    DriveModal([] { return OpenPhoneMemoEntry(nullptr); }, [&] {
        HWND d = WaitForDialog("ミトカ　電話メモ");
        ASSERT_TRUE(d);
        SetText(d, IDC_CALLER, "株式会社東西商事　田中");
        SetText(d, IDC_CALLER_PHONE, "03-1234-5678");
        SendMessageA(GetDlgItem(d, IDC_REQUEST_CALL_BACK), BM_CLICK, 0, 0);
        SetText(d, IDC_TEXT, "見積書の件で、本日中に折り返しお電話をお願いしたいとのことです。\r\n"
                             "午後は外出されるそうです。");
        Shoot(d, "phone-memo-entry");
        Click(d, IDC_DISCARD);
    });
    // 佐藤花子 took two calls: one for 山田太郎, one for 鈴木一郎, who also has a mail.
    OutgoingItem memo;
    memo.kind = kItemPhoneMemo;
    memo.subject = "株式会社東西商事　田中";
    memo.phone = "03-1234-5678";
    memo.request = kRequestCallBack;
    memo.body = "見積書の件で、本日中に折り返しお電話をお願いしたいとのことです。\r\n"
                "午後は外出されるそうです。";
    memo.sentTime = LocalTimeNow();
    OutgoingItem mail;
    mail.subject = "会議の資料";
    mail.sentTime = memo.sentTime;
    StoreContext sato = office.Office();
    sato.user = 2;
    DeliverItem(sato, "佐藤花子", {Party{1, "山田太郎"}, Party{3, "鈴木一郎"}}, memo);
    DeliverItem(sato, "佐藤花子", {Party{3, "鈴木一郎"}}, mail);
    memo.subject = "高橋";
    memo.request = kRequestWillCall;
    memo.phone = "045-987-6543";
    memo.body = "明日また電話するそうです。";
    DeliverItem(sato, "佐藤花子", {Party{3, "鈴木一郎"}}, memo);
    DriveModal([] { ShowReceivedPhoneMemo(nullptr, 0); return 0; }, [&] {
        HWND d = WaitForDialog("ミトカ　電話メモ");
        ASSERT_TRUE(d);
        Shoot(d, "phone-memo");
        Click(d, IDCANCEL);
    });
    DriveModal([] { ShowColleaguePhoneMemos(nullptr, "003"); return 0; }, [&] {
        HWND d = WaitForDialog("ミトカ　電話メモ");
        ASSERT_TRUE(d);
        SelectLine(d, IDC_PHONE_LIST, 1);
        WaitFor([&] { return !Text(d, IDC_CALLER).empty(); });
        Shoot(d, "phone-memo-colleague");
        Click(d, IDCANCEL);
    });
}

TEST(Screens, ConnectionList) {
    DemoOffice office;
    MarkSignedIn(StoreContext{LocalSettings().netDir, 1});
    MarkSignedIn(StoreContext{LocalSettings().netDir, 2});
    DriveModal([] { return RunConnectionListDialog(nullptr); }, [&] {
        HWND d = WaitForDialog("ミトカ　接続名一覧");
        ASSERT_TRUE(d);
        Shoot(d, "connections-979");
        Click(d, IDOK);
    });
}

TEST(Screens, MemoWindow) {
    DemoOffice office;
    // Where the user left it last time, at its first size.
    SaveWindowRect("Memo", WindowRectValues{200, 150, 800, 550});
    MemoCreate(ClientStore(), "山田太郎", "会議の準備", "資料を10部コピーする\r\n会議室の予約を確認");
    MemoCreate(ClientStore(), "山田太郎", "見積書の件", "佐藤さんに単価を確認\r\n金曜までに提出");
    MemoCreate(ClientStore(), "山田太郎", "買い物", "コピー用紙\r\nトナー");
    DriveModal(
        [] {
            RegisterSubWindowClasses(AppInstance(), [](SubWindow which) -> WNDPROC {
                return which == SubWindow::kMemo ? MemoWindowProc : nullptr;
            });
            HWND window = CreateSubWindow(AppInstance(), SubWindow::kMemo);
            while (IsWindow(window)) {
                MSG msg;
                if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                    TranslateMessage(&msg);
                    DispatchMessageA(&msg);
                } else {
                    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
                }
            }
            return window ? 1 : 0;
        },
        [&] {
            HWND w = WaitForWindow("MoxMemo", "ミトカ");
            ASSERT_TRUE(w);
            SelectLine(w, IDC_MEMO_LIST, 1);
            Shoot(w, "memo");
            Click(w, IDCANCEL);
            EXPECT_TRUE(WaitUntilGone(w));
        });
}

namespace {

// The dialog of this process titled `title` other than `under`: one opened on top of it.
HWND DialogOver(HWND under, const char* title) {
    for (int i = 0; i < 100; ++i) {
        for (HWND w : FindWindows("#32770")) {
            char text[128] = "";
            GetWindowTextA(w, text, sizeof text);
            if (w != under && title == std::string(text)) return w;
        }
        Sleep(100);
    }
    return nullptr;
}

// A launcher folder of its own with the shipped regions and a few programs.
struct DemoLauncher {
    TempFolder folder{"moxshots"};
    LauncherState launcher;
    explicit DemoLauncher(int programs) {
        CopyFileA(BinPath("menu.mox").c_str(), folder.Path("menu.mox").c_str(), FALSE);
        SetLauncherFolder(folder.Dir());
        const char* const names[] = {"電卓", "メモ帳", "ペイント", "表計算", "ワープロ",
                                     "辞書", "時計", "地図", "名刺", "家計簿"};
        for (int i = 0; i < programs; ++i)
            AppendProgramRecord(MakeRegionRect(560, 20 + 30 * i, 620, 45 + 30 * i), names[i],
                                std::string("C:\\tools\\prog") + std::to_string(i + 1) + ".exe");
        LoadLauncherRegions(launcher);
        launcher.drag = MakeRegionRect(500, 300, 540, 330);
    }
    ~DemoLauncher() { SetLauncherFolder(""); }
};

}  // namespace

TEST(Screens, EnvironmentSettings) {
    DemoOffice office;
    UserSettings().title = "営業部";
    SaveBoardMembers(ClientStore(), {"佐藤花子\t002"});
    WriteLocalInt("Modem", "Use", 1);
    WriteLocalInt("Modem", "Port", 2);
    WriteLocalInt("Modem", "Type", 1);
    WriteLocalInt("Modem", "Bps", 7);
    DriveModal([] { return OpenEnvironmentDialog(nullptr); }, [&] {
        HWND d = WaitForDialog("ミトカ　環境設定");
        ASSERT_TRUE(d);
        Shoot(d, "environment-220-general");
        Click(d, IDC_ENV_CHANGE_USER);
        HWND picker = DialogOver(d, "ミトカ　環境設定");
        ASSERT_TRUE(picker);
        SelectLine(picker, IDC_LIST, 0);
        Shoot(picker, "environment-973");
        Click(picker, IDCANCEL);
        ASSERT_TRUE(WaitUntilGone(picker));
        const struct {
            int tab;
            const char* name;
        } pages[] = {{IDC_TAB_TIMER, "environment-220-timer"},
                     {IDC_TAB_SOUND, "environment-220-sound"},
                     {IDC_TAB_MODEM, "environment-220-modem"},
                     {IDC_TAB_MEMBERS, "environment-220-members"}};
        for (const auto& page : pages) {
            Click(d, page.tab);
            Sleep(200);
            if (page.tab == IDC_TAB_SOUND) SetText(d, IDC_ENV_MAIL_WAVE_FILE, "C:\\WINDOWS\\MEDIA\\CHIMES.WAV");
            if (page.tab == IDC_TAB_MEMBERS) SendMessageA(GetDlgItem(d, IDC_ENV_ALL_USERS), LB_SETSEL, TRUE, 1);
            Shoot(d, page.name);
        }
        Click(d, IDCANCEL);
    });
}

TEST(Screens, MenuSettings) {
    DemoOffice office;
    {
        DemoLauncher pc(3);
        DriveModal([&] { return RunRegionBinding(nullptr, pc.launcher); }, [&] {
            HWND d = WaitForDialog("ミトカ　メニュー設定");
            ASSERT_TRUE(d);
            SendMessageA(GetDlgItem(d, IDC_BIND_PROGRAM), BM_CLICK, 0, 0);
            SetText(d, IDC_BIND_TITLE, "電卓");
            SetText(d, IDC_BIND_FILE, "C:\\WINDOWS\\CALC.EXE");
            Shoot(d, "menu-978");
            Click(d, IDCANCEL);
        });
        DriveModal([&] { return RunMenuSettings(nullptr, pc.launcher); }, [&] {
            HWND d = WaitForDialog("ミトカ　メニュー設定");
            ASSERT_TRUE(d);
            SelectLine(d, IDC_MENU_FUNCTIONS, 6);
            Shoot(d, "menu-974-functions");
            DoubleClickLine(d, IDC_MENU_FUNCTIONS, 6);
            HWND coordinates = DialogOver(d, "ミトカ　メニュー設定");
            ASSERT_TRUE(coordinates);
            Shoot(coordinates, "menu-977");
            Click(coordinates, IDCANCEL);
            ASSERT_TRUE(WaitUntilGone(coordinates));
            Click(d, IDC_MENU_TAB_PROGRAMS);
            SelectLine(d, IDC_MENU_PROGRAMS, 2);
            Shoot(d, "menu-974-programs");
            Click(d, IDCANCEL);
        });
    }
    DemoLauncher full(10);
    DriveModal([&] { return RunRegionBinding(nullptr, full.launcher); }, [&] {
        HWND d = WaitForDialog("ミトカ　メニュー設定");
        ASSERT_TRUE(d);
        Shoot(d, "menu-978-functions-only");
        Click(d, IDCANCEL);
    });
}

TEST(Screens, ReceivedMail) {
    DemoOffice office;
    SaveWindowRect("RcvList", WindowRectValues{100, 100, 700, 400});
    UserSettings().confidentialColor = 1;
    TempFolder files("moxshot");
    WriteRawFile(files.Path("議事録.txt"), "第3回定例会議\r\n");
    WriteRawFile(files.Path("予算.xls"), "budget");
    StoreContext sato = office.Office(), suzuki = office.Office();
    sato.user = 2;
    suzuki.user = 3;
    OutgoingItem item;
    item.sentTime = LocalTimeNow();
    item.subject = "週報";
    item.body = "今週の作業をまとめました。";
    DeliverItem(suzuki, "鈴木一郎", {Party{1, "山田太郎"}}, item);
    MarkItemOpened(ClientStore(), 0);
    item.kind = kItemPhoneMemo;
    item.subject = "株式会社東西商事　田中";
    item.request = kRequestCallBack;
    item.body = "見積書の件で折り返しお電話ください。";
    DeliverItem(sato, "佐藤花子", {Party{1, "山田太郎"}}, item);
    item = OutgoingItem();
    item.sentTime = LocalTimeNow();
    item.subject = "人事異動の件";
    item.body = "内示の内容です。";
    item.confidential = true;
    DeliverItem(suzuki, "鈴木一郎", {Party{1, "山田太郎"}}, item);
    item.confidential = false;
    item.subject = "会議の資料";
    item.body = "明日の会議の資料を送ります。\r\n議事録と予算案を添付しました。\r\n\r\n"
                "ご確認のほど、よろしくお願いいたします。";
    item.attachments = {{files.Path("議事録.txt"), "第3回議事録"}, {files.Path("予算.xls"), ""}};
    DeliverItem(sato, "佐藤花子", {Party{1, "山田太郎"}}, item);
    DriveModal([] { return RunSubWindowHere(SubWindow::kRcvList, ReceivedListWindowProc); }, [&] {
        HWND w = WaitForWindow("MoxRcvList", "ミトカ");
        ASSERT_TRUE(w);
        SelectLine(w, IDC_MAIL_LIST, 0);
        Shoot(w, "received-list");
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
    DriveModal([] { ShowReceivedMail(nullptr, 3); return 0; }, [&] {
        HWND d = WaitForDialog("ミトカ　メール");
        ASSERT_TRUE(d);
        SelectLine(d, IDC_ATTACH_TITLES, 0);
        Shoot(d, "received-mail-931");
        Click(d, IDCANCEL);
    });
    UserSettings().confidentialColor = 0;
}

TEST(Screens, SentMail) {
    DemoOffice office;
    SaveWindowRect("SndList", WindowRectValues{100, 100, 700, 400});
    UserSettings().confidentialColor = 1;
    TempFolder files("moxshot");
    WriteRawFile(files.Path("議事録.txt"), "第3回定例会議\r\n");
    WriteRawFile(files.Path("予算.xls"), "budget");
    StoreContext sato = office.Office(), suzuki = office.Office();
    sato.user = 2;
    suzuki.user = 3;
    // 山田太郎 sent a report that 佐藤花子 read, a phone memo that 鈴木一郎 deleted, the
    // meeting papers to both, and a confidential mail to 鈴木一郎.
    OutgoingItem item;
    item.sentTime = LocalTimeNow();
    item.subject = "週報";
    item.body = "今週の作業をまとめました。";
    DeliverItem(ClientStore(), "山田太郎", {Party{2, "佐藤花子"}}, item);
    MarkItemOpened(sato, 0);
    item.kind = kItemPhoneMemo;
    item.subject = "株式会社東西商事　田中";
    item.phone = "03-1234-5678";
    item.request = kRequestCallBack;
    item.body = "見積書の件で折り返しお電話ください。";
    DeliverItem(ClientStore(), "山田太郎", {Party{3, "鈴木一郎"}}, item);
    DeleteListEntry(suzuki, MailListKind(kListReceived), "003", 1, 0);
    item = OutgoingItem();
    item.sentTime = LocalTimeNow();
    item.subject = "会議の資料";
    item.body = "明日の会議の資料を送ります。\r\n議事録と予算案を添付しました。";
    item.attachments = {{files.Path("議事録.txt"), "第3回議事録"}, {files.Path("予算.xls"), ""}};
    DeliverItem(ClientStore(), "山田太郎", {Party{2, "佐藤花子"}, Party{3, "鈴木一郎"}}, item);
    item = OutgoingItem();
    item.sentTime = LocalTimeNow();
    item.subject = "人事異動の件";
    item.body = "内示の内容です。";
    item.confidential = true;
    DeliverItem(ClientStore(), "山田太郎", {Party{3, "鈴木一郎"}}, item);
    DriveModal([] { ShowSentMail(nullptr, 2); return 0; }, [&] {
        HWND d = WaitForDialog("ミトカ　メール");
        ASSERT_TRUE(d);
        SelectLine(d, IDC_ATTACH_TITLES, 0);
        Shoot(d, "sent-mail-931");
        Click(d, IDCANCEL);
    });
    DriveModal([] { ShowSentPhoneMemo(nullptr, 1); return 0; }, [&] {
        HWND d = WaitForDialog("ミトカ　電話メモ");
        ASSERT_TRUE(d);
        Shoot(d, "sent-phone-memo");
        Click(d, IDCANCEL);
    });
    DriveModal([] { return RunSubWindowHere(SubWindow::kSndList, SentListWindowProc); }, [&] {
        HWND w = WaitForWindow("MoxSndList", "ミトカ");
        ASSERT_TRUE(w);
        SelectLine(w, IDC_MAIL_LIST, 1);
        Shoot(w, "sent-list");
        Click(w, IDC_MAIL_DELETE);
        ExpectMessageBox("削除しますか？", MessageBoxSeen::kQuestion, IDOK);
        MessageBoxSeen retract = WaitForMessageBox();
        Shoot(retract.box, "sent-retract-question");
        Answer(retract, IDNO);
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
    UserSettings().confidentialColor = 0;
}

TEST(Screens, InOutBoard) {
    DemoOffice office;
    SaveWindowRect("Bord", WindowRectValues{100, 100, 760, 460});
    const StoreContext yamada = ClientStore();
    SaveBoardMembers(yamada, {"山田太郎\t001", "佐藤花子\t002", "鈴木一郎\t003"});
    WriteRawFile(StorePath(yamada, "dest.mox"), "会議室\r\n外出\r\n出張\r\n");
    WriteRawFile(UserStorePath(yamada, "001", "dest.mox"), "営業二課\r\n");
    const EntryDate today = EntryDateFromTime(LocalTimeNow());
    WhereaboutsRecord r = EmptyWhereabouts("山田太郎");
    r.destination = "横浜支店 第三会議室（新製品の販売計画打合せ）";
    r.returnHour = 7; r.returnMinute = 12; r.arriveHour = 8; r.arriveMinute = 30;
    r.leaveHour = 18; r.writer = "山田太郎"; r.written = LocalTimeNow();
    WriteWhereabouts(yamada, "001", today, today, r);
    r = EmptyWhereabouts("佐藤花子");
    r.destination = "外出"; r.note = "直帰"; r.arriveHour = 9; r.leaveHour = 17; r.leaveMinute = 30;
    r.writer = "鈴木一郎"; r.written = LocalTimeNow();
    WriteWhereabouts(yamada, "002", today, today, r);
    DriveModal([] { return RunSubWindowHere(SubWindow::kBord, BordWindowProc); }, [&] {
        HWND w = WaitForWindow("MoxBord", "ミトカ");
        ASSERT_TRUE(w);
        SelectLine(w, IDC_BORD_LIST, 2);
        Shoot(w, "bord-type2");
        Click(w, IDC_BORD_SWITCH);
        Sleep(300);
        SelectLine(w, IDC_BORD_LIST, 2);
        Shoot(w, "bord-type1");
        Click(w, IDC_BORD_SWITCH);
        Sleep(300);
        SelectLine(w, IDC_BORD_LIST, 2);
        PostMessageA(GetDlgItem(w, IDC_BORD_LIST), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
        MessageBoxSeen question = WaitForMessageBox();
        Shoot(question.box, "bord-present-question");
        Answer(question, IDCANCEL);
        DoubleClickLine(w, IDC_BORD_LIST, 1);
        HWND d = WaitForDialog(EntryDialogTitle(today));
        ASSERT_TRUE(d);
        Shoot(d, "bord-entry-310");
        Click(d, IDC_ENTRY_CANCEL);
        EXPECT_TRUE(WaitUntilGone(d));
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
    DriveModal([] { return RunDestinationDialog(nullptr); }, [&] {
        HWND d = WaitForDialog("ミトカ　行先登録");
        ASSERT_TRUE(d);
        SetText(d, IDC_DEST_NEW, "本社");
        Shoot(d, "destinations-320");
        Click(d, IDCANCEL);
    });
}

TEST(Screens, BoardWindow) {
    DemoOffice office;
    const StoreContext netDir = office.Office();
    BbsAddBoard(netDir, 5, "総務部からのお知らせ");
    WriteRawFile(office.pc.Path("日程表.xls"), "xls");
    WriteRawFile(office.pc.Path("地図.bmp"), "bmp");
    auto post = [&](int author, const char* name, const char* subject, const char* body,
                    std::vector<AttachmentSource> attachments = {}) {
        BbsCreatePost(StoreContext{netDir.netDir, author}, "", name,
                      NewPost{subject, body, std::move(attachments)});
    };
    post(3, "鈴木一郎", "駐車場の利用について", "来週から駐車場の割り当てが変わります。\r\n");
    post(1, "山田太郎", "社員旅行のご案内", "今年の社員旅行は箱根です。\r\n日程表と地図を添付します。\r\n",
         {{office.pc.Path("日程表.xls"), "日程表"}, {office.pc.Path("地図.bmp"), "集合場所の地図"}});
    post(2, "佐藤花子", "健康診断の日程", "健康診断は10月15日です。\r\n");
    BbsShowPost(StoreContext{netDir.netDir, 1}, "", 0);  // 鈴木's post has been read
    DriveModal([] { return RunSubWindowHere(SubWindow::kBbs, BbsWindowProc); }, [&] {
        HWND w = WaitForWindow("MoxBbs", "ミトカ");
        ASSERT_TRUE(w);
        SelectLine(w, IDC_BBS_POSTS, 1);
        WaitFor([&] { return IsShown(w, IDC_BBS_SWITCH); });
        SendDlgItemMessageA(w, IDC_BBS_TITLES, CB_SHOWDROPDOWN, TRUE, 0);
        Shoot(w, "bbs-window-boards");
        SendDlgItemMessageA(w, IDC_BBS_TITLES, CB_SHOWDROPDOWN, FALSE, 0);
        Shoot(w, "bbs-window");
        Click(w, IDC_BBS_SWITCH);
        Shoot(w, "bbs-window-paths");
        Click(w, IDC_BBS_READERS);
        HWND readers = WaitForDialog("ミトカ　掲示板管理");
        Shoot(readers, "bbs-readers-107");
        Click(readers, IDCANCEL);
        WaitUntilGone(readers);
        Click(w, IDC_BBS_UPDATE);
        HWND update = WaitForDialog("ミトカ　掲示板登録");
        Shoot(update, "bbs-post-970-update");
        Click(update, IDC_DISCARD);
        WaitUntilGone(update);
        SelectComboLine(w, IDC_BBS_TITLES, 1);
        Click(w, IDC_BBS_NEW);
        HWND d = WaitForDialog("ミトカ　掲示板登録");
        ASSERT_TRUE(d);
        SetText(d, IDC_BBS_POSTS, "備品購入の申請方法");
        SetText(d, IDC_TEXT, "備品の購入は申請書を総務部へ提出してください。\r\n");
        Click(d, IDC_BBS_SAVE);
        ChooseInFileDialog("ミトカ　添付ファイル選択", office.pc.Path("日程表.xls"));
        HWND title = WaitForDialog("ファイルタイトル入力");
        SetText(title, IDC_TITLE_TEXT, "申請書の様式");
        Shoot(title, "bbs-attachment-title-940");
        Click(title, IDOK);
        WaitUntilGone(title);
        Shoot(d, "bbs-post-970");
        Click(d, IDC_DISCARD);
        WaitUntilGone(d);
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
}

TEST(Screens, Calendar) {
    DemoOffice office;
    auto add = [](const char* subject, int y, int m, int d, int h, int y2, int m2, int d2, int h2) {
        CalendarDate start, end;
        start.year = y; start.month = m - 1; start.day = d;
        end.year = y2; end.month = m2 - 1; end.day = d2;
        ScheduleRecord e;
        e.subject = subject;
        e.start = ToBrokenDownTime(start, h, 0);
        e.end = ToBrokenDownTime(end, h2, 30);
        ScheduleAdd(ClientStore(), e);
    };
    add("大阪出張", 1999, 11, 29, 9, 1999, 12, 2, 18);
    add("定例会議", 1999, 12, 15, 10, 1999, 12, 15, 11);
    add("来客（山田商事）", 1999, 12, 15, 13, 1999, 12, 15, 14);
    add("見積提出", 1999, 12, 15, 16, 1999, 12, 15, 16);
    add("忘年会", 1999, 12, 24, 18, 1999, 12, 24, 21);
    add("年末年始休暇", 1999, 12, 29, 9, 2000, 1, 3, 18);
    add("新年会", 2000, 1, 1, 18, 2000, 1, 1, 20);
    SaveWindowRect("Cale", WindowRectValues{150, 100, 790, 620});
    DriveModal(
        [] {
            RegisterSubWindowClasses(AppInstance(), [](SubWindow which) -> WNDPROC {
                return which == SubWindow::kCale ? CalendarWindowProc
                       : which == SubWindow::kCaleMonth ? CalendarGridProc : nullptr;
            });
            HWND window = CreateSubWindow(AppInstance(), SubWindow::kCale);
            while (IsWindow(window)) {
                MSG msg;
                if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                    TranslateMessage(&msg);
                    DispatchMessageA(&msg);
                } else {
                    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
                }
            }
            return window ? 1 : 0;
        },
        [&] {
            HWND w = WaitForWindow("MoxCale", "ミトカ");
            ASSERT_TRUE(w);
            CalendarDate day;
            day.year = 1999; day.month = 11; day.day = 15;
            CalendarSelectDate(w, day);
            Shoot(w, "calendar-month");
            day.day = 29;
            CalendarSelectDate(w, day);
            Click(w, IDC_CALE_WEEK_VIEW);
            Shoot(w, "calendar-week");
            Click(w, IDC_CALE_MONTH_VIEW);
            day.day = 15;
            CalendarSelectDate(w, day);
            SettlePainting(w);
            Click(w, IDC_CALE_SCHEDULE);
            HWND d = WaitForDialog("ミトカ　予定");
            ASSERT_TRUE(d);
            SetText(d, IDC_SCHED_SUBJECT, "打合せ（会議室Ａ）");
            Shoot(d, "schedule-330-new");
            Click(d, IDC_DISCARD);
            EXPECT_TRUE(WaitUntilGone(d));
            SelectLine(w, IDC_CALE_LIST, 1);
            Click(w, IDC_CALE_SCHEDULE);
            d = WaitForDialog("ミトカ　予定");
            ASSERT_TRUE(d);
            Shoot(d, "schedule-330-edit");
            Click(d, IDC_DISCARD);
            EXPECT_TRUE(WaitUntilGone(d));
            Click(w, IDCANCEL);
            EXPECT_TRUE(WaitUntilGone(w));
        });
}

TEST(Screens, Messages) {
    DemoOffice office;
    RememberedAddressee() = "002";
    MarkSignedIn(StoreContext{LocalSettings().netDir, 2});
    MessageSink previousSink = SetMessageSink(ShowInMessageBox);
    DriveModal([] { return RunMessageDialog(nullptr); }, [&] {
        HWND d = WaitForDialog("ミトカ　メッセージ送信");
        ASSERT_TRUE(d);
        SendMessageA(GetDlgItem(d, IDC_RECIPIENTS), LB_SETSEL, TRUE, 2);
        SetText(d, IDC_TEXT, "会議は十時からに変更です。\r\n資料は各自お持ちください。");
        Shoot(d, "message-950");
        SendMessageA(GetDlgItem(d, IDC_RECIPIENTS), LB_SETSEL, FALSE, 1);
        Click(d, IDOK);
        MessageBoxSeen notRunning = WaitForMessageBox();
        Shoot(notRunning.box, "message-not-running");
        Answer(notRunning, IDOK);
    });
    SetMessageSink(previousSink);
    // Two messages waiting for 山田太郎, from two colleagues.
    DeliverMessage(office.Office(), "佐藤花子", "001", "了解しました。", 9, 5);
    DeliverMessage(office.Office(), "鈴木一郎", "001",
                   "お客様がお見えです。\r\n受付までお願いします。", 9, 12);
    SaveWindowRect("Msg", WindowRectValues{200, 150, 600, 450});
    DriveModal([] { return RunSubWindowHere(SubWindow::kMsg, MessageWindowProc); }, [&] {
        HWND w = WaitForWindow("MoxMsg", "ミトカ");
        ASSERT_TRUE(w);
        Shoot(w, "message-window");
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
}

TEST(Screens, Chat) {
    DemoOffice office;
    DriveModal([] { return RunChatEntryDialog(nullptr); }, [&] {
        HWND d = WaitForDialog("ミトカ　チャット");
        ASSERT_TRUE(d);
        SetText(d, IDC_CHAT_HANDLE, "やまだ");
        Shoot(d, "chat-510");
        Click(d, IDOK);
    });
    // Two colleagues in the room already; one more comes and goes after 山田太郎 entered.
    ChatView peer;
    EnterChat(StoreContext{LocalSettings().netDir, 2}, "佐藤花子", &peer);
    EnterChat(StoreContext{LocalSettings().netDir, 3}, "すずき", &peer);
    SaveWindowRect("Chat", WindowRectValues{150, 120, 750, 520});
    DriveModal([] { return RunSubWindowHere(SubWindow::kChat, ChatWindowProc); }, [&] {
        HWND w = WaitForWindow("MoxChat", "ミトカ");
        ASSERT_TRUE(w);
        const StoreContext sato{LocalSettings().netDir, 2}, suzuki{LocalSettings().netDir, 3};
        SayInChat(sato, "佐藤花子", "おはようございます。");
        SayInChat(suzuki, "すずき", "今日の会議は十時からです。場所は第二会議室、資料は各自で印刷して"
                                    "持ってきてください。よろしくお願いします。");
        ChatView guest;
        EnterChat(StoreContext{LocalSettings().netDir, 4}, "たなか", &guest);
        LeaveChat(StoreContext{LocalSettings().netDir, 4}, "たなか");
        SetText(w, IDC_CHAT_INPUT, "了解です");
        Sleep(2500);
        Shoot(w, "chat-window");
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
    LeaveChat(StoreContext{LocalSettings().netDir, 2}, "佐藤花子");
    LeaveChat(StoreContext{LocalSettings().netDir, 3}, "すずき");
}
