// The in/out board window, its entry dialog and the destination list dialog, driven as a user
// would, while moxctl writes entries from "another PC" of the same office.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "board/board_dialogs.h"
#include "board/bord_store.h"
#include "board/bord_window.h"
#include "res/resource.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "store/message_sink.h"
#include "tests/support/office.h"
#include "tests/support/window_driver.h"
#include "users/registry.h"

namespace {

std::vector<std::string> g_played;
void RecordSound(const std::string& file) { g_played.push_back(file); }

// 山田太郎's own PC, signed in; 佐藤 and 鈴木 on his board.
struct BoardPc : TestOffice {
    BoardPc() {
        Register("山田太郎", "yamada");
        Register("佐藤", "sato");
        Register("鈴木", "suzuki");
        PersonalPc(1);
        ReadLocalSettings();
        SetCurrentUserNumber(1);
        CurrentUser().name = "山田太郎";
        UserSettings().bordType = 2;
        SaveBoardMembers(store.As(1), {"山田太郎\t001", "佐藤\t002", "鈴木\t003"});
        SetUser("001", "DestWave", "1", "Wave");
        SetUser("001", "DestWaveFile", "c:\\dest.wav", "Wave");
    }
    std::string File(const std::string& relative) const { return store.Path(relative); }
    WhereaboutsRecord Entry(const std::string& folder) const {
        const std::string bytes = ReadRawFile(store.Path(folder + "\\bord.mox"));
        return bytes.size() == kWhereaboutsSize
                   ? DecodeWhereabouts(reinterpret_cast<const unsigned char*>(bytes.data()))
                   : WhereaboutsRecord();
    }
};

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

std::string TodayTitle() { return EntryDialogTitle(EntryDateFromTime(LocalTimeNow())); }

int ItemHeight(HWND w) {
    return static_cast<int>(SendDlgItemMessageA(w, IDC_BORD_LIST, LB_GETITEMHEIGHT, 1, 0));
}

bool Starts(const std::string& text, const std::string& head) { return text.rfind(head, 0) == 0; }

}  // namespace

TEST(BordWindow, EntriesFromTheBoardAndFromAnotherPc) {
    BoardPc pc;
    // 山田太郎's own entry: back at 18:30.
    WhereaboutsRecord own = EmptyWhereabouts("山田太郎");
    own.destination = "外出";
    own.returnHour = 18; own.returnMinute = 30; own.leaveHour = 7; own.leaveMinute = 12;
    own.writer = "山田太郎";
    own.written = LocalTimeNow();
    WriteRawFile(pc.File("001\\bord.mox"), EncodeWhereabouts(own));
    SoundPlayer previous = SetSoundPlayer(RecordSound);
    g_played.clear();

    int shown = DriveModal([] { return RunSubWindowHere(SubWindow::kBord, BordWindowProc); }, [&] {
        HWND w = WaitForWindow("MoxBord", "ミトカ");
        ASSERT_TRUE(w);
        std::vector<std::string> lines = ListLines(w, IDC_BORD_LIST);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[0], kBoardHeader);
        EXPECT_TRUE(Starts(lines[1], "山田太郎\t外出\t18時30分\t"));
        EXPECT_EQ(lines[2].substr(0, 5 + 25), "佐藤\t" + std::string(kMsgNoWhereabouts) + "\t");
        EXPECT_EQ(ListLines(w, IDC_BORD_NUMBERS), (std::vector<std::string>{"000", "001", "002", "003"}));
        EXPECT_FALSE(IsEnabled(w, IDC_BORD_MAIL));
        SelectLine(w, IDC_BORD_LIST, 2);
        EXPECT_TRUE(WaitFor([&] { return IsEnabled(w, IDC_BORD_PHONE_LIST); }));
        SelectLine(w, IDC_BORD_LIST, 0);
        EXPECT_TRUE(WaitFor([&] { return !IsEnabled(w, IDC_BORD_MAIL); }));

        // 切換 twice gives the layout back.
        const int twoLines = ItemHeight(w);
        Click(w, IDC_BORD_SWITCH);
        ASSERT_TRUE(WaitFor([&] { return ItemHeight(w) * 2 == twoLines; }));
        Click(w, IDC_BORD_SWITCH);
        ASSERT_TRUE(WaitFor([&] { return ItemHeight(w) == twoLines; }));

        // The own row: 18:30 on the buttons, the leaving time 7:12 under その他.
        DoubleClickLine(w, IDC_BORD_LIST, 1);
        HWND d = WaitForDialog(TodayTitle());
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_ENTRY_NAME), "山田太郎");
        EXPECT_TRUE(Checked(d, IDC_KIND_RETURN));
        EXPECT_TRUE(Checked(d, IDC_HOUR_FIRST + 10));
        EXPECT_TRUE(Checked(d, IDC_MINUTE_FIRST + 6));
        Click(d, IDC_KIND_LEAVE);
        ASSERT_TRUE(WaitFor([&] { return Checked(d, IDC_HOUR_OTHER); }));
        EXPECT_EQ(Text(d, IDC_HOUR_OTHER_EDIT), "7");
        EXPECT_TRUE(Checked(d, IDC_MINUTE_OTHER));
        EXPECT_EQ(Text(d, IDC_MINUTE_OTHER_EDIT), "12");
        EXPECT_EQ(Text(d, IDC_RETURN_HOUR), "18");
        // The IME's full-width digits count; letters do not, and the dialog stays.
        SetText(d, IDC_HOUR_OTHER_EDIT, "２０");
        EXPECT_EQ(Text(d, IDC_LEAVE_HOUR), "２０");
        SetText(d, IDC_MINUTE_OTHER_EDIT, "ab");
        Click(d, IDOK);
        ExpectMessageBox("時刻が正しくありません", MessageBoxSeen::kWarning, IDOK);
        EXPECT_TRUE(IsWindow(d));
        SetText(d, IDC_MINUTE_OTHER_EDIT, "7");
        Click(d, IDC_KIND_RETURN);
        Click(d, IDC_HOUR_FIRST + 1);  // ９時
        Click(d, IDC_MINUTE_FIRST + 3);  // 15分
        // A destination longer than the record takes is cut before it reaches the return hour.
        SetText(d, IDC_ENTRY_DEST, std::string(39, 'x') + "会議室");
        Click(d, IDOK);
        ASSERT_TRUE(WaitUntilGone(d));
        ASSERT_TRUE(WaitFor([&] { return Starts(ListLines(w, IDC_BORD_LIST)[1], "山田太郎\t" + std::string(30, 'x')); }));
        WhereaboutsRecord saved = pc.Entry("001");
        EXPECT_EQ(saved.destination, std::string(39, 'x'));
        EXPECT_EQ(saved.returnHour, 9);
        EXPECT_EQ(saved.returnMinute, 15);
        EXPECT_EQ(saved.leaveHour, 20);
        EXPECT_EQ(saved.leaveMinute, 7);
        EXPECT_EQ(saved.writer, "山田太郎");
        EXPECT_EQ(g_played, std::vector<std::string>{"c:\\dest.wav"});

        // 鈴木 (user 3) on another PC writes 佐藤's entry; 更新 shows it with its writer.
        ProcessResult other = RunMoxctl({"--netdir", pc.store.Dir(), "--user", "3", "set-where", "2",
                                         "--dest", "出張", "--arrive", "9:00", "--leave", "18:00"});
        EXPECT_EQ(other.exitCode, 0) << other.err;
        Click(w, IDC_BORD_RELOAD);
        ASSERT_TRUE(WaitFor([&] { return Starts(ListLines(w, IDC_BORD_LIST)[2], "佐藤\t出張\t"); }));
        lines = ListLines(w, IDC_BORD_LIST);
        EXPECT_EQ(lines[2].substr(lines[2].rfind('\t')), "\t鈴木");

        // Here: 佐藤 in the meeting room, then present again.
        DoubleClickLine(w, IDC_BORD_LIST, 2);
        d = WaitForDialog(TodayTitle());
        ASSERT_TRUE(d);
        SetText(d, IDC_ENTRY_DEST, "会議室");
        Click(d, IDOK);
        ASSERT_TRUE(WaitUntilGone(d));
        ASSERT_TRUE(WaitFor([&] { return Starts(ListLines(w, IDC_BORD_LIST)[2], "佐藤\t会議室\t"); }));
        EXPECT_EQ(g_played.size(), 1u);  // not the own row: no sound
        SelectLine(w, IDC_BORD_LIST, 2);
        PostMessageA(GetDlgItem(w, IDC_BORD_LIST), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
        ExpectMessageBox("佐藤さんを在席にしますか？", MessageBoxSeen::kQuestion, IDOK);
        ASSERT_TRUE(WaitFor([&] { return Starts(ListLines(w, IDC_BORD_LIST)[2], "佐藤\t在席\t"); }));
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
    EXPECT_EQ(shown, 1);
    SetSoundPlayer(previous);
    // Elsewhere in the office: 在席 with the planned times kept.
    ProcessResult where = RunMoxctl({"--netdir", pc.store.Dir(), "--user", "1", "where"});
    EXPECT_NE(where.out.find("002\t佐藤\t在席\t 0時 0分\t 9時 0分\t18時 0分\t"), std::string::npos) << where.out;
    EXPECT_NE(pc.User("001", "Left", "Bord"), "<none>");
}

TEST(DestinationDialog, EditsThePersonalListAndWritesOnlyOnOk) {
    BoardPc pc;
    WriteRawFile(pc.File("001\\dest.mox"), "会議室\r\n外出");
    auto run = [] { return RunDestinationDialog(nullptr); };
    int answer = DriveModal(run, [&] {
        HWND d = WaitForDialog("ミトカ　行先登録");
        ASSERT_TRUE(d);
        EXPECT_EQ(ListLines(d, IDC_DEST_LIST), (std::vector<std::string>{"会議室", "外出"}));
        Click(d, IDC_DEST_ADD);
        ExpectMessageBox("行先がありません", MessageBoxSeen::kNone, IDOK);
        SetText(d, IDC_DEST_NEW, "直帰");
        Click(d, IDC_DEST_ADD);
        ASSERT_TRUE(WaitFor([&] { return ListLines(d, IDC_DEST_LIST).size() == 3; }));
        EXPECT_EQ(Text(d, IDC_DEST_NEW), "");
        Click(d, IDC_DEST_UP);
        ExpectMessageBox("選択されてません", MessageBoxSeen::kNone, IDOK);
        SendDlgItemMessageA(d, IDC_DEST_LIST, LB_SETSEL, TRUE, 0);
        Click(d, IDC_DEST_UP);  // the top one goes to the bottom
        ASSERT_TRUE(WaitFor([&] { return ListLines(d, IDC_DEST_LIST)[2] == "会議室"; }));
        Click(d, IDC_DEST_DOWN);  // and the bottom one back to the top
        ASSERT_TRUE(WaitFor([&] { return ListLines(d, IDC_DEST_LIST)[0] == "会議室"; }));
        SendDlgItemMessageA(d, IDC_DEST_LIST, LB_SETSEL, TRUE, 1);
        Click(d, IDC_DEST_DOWN);
        ExpectMessageBox("複数選択はできません", MessageBoxSeen::kNone, IDOK);
        Click(d, IDC_DEST_DELETE);
        ASSERT_TRUE(WaitFor([&] { return ListLines(d, IDC_DEST_LIST).size() == 1; }));
        // Nothing is written before OK.
        EXPECT_EQ(ReadRawFile(pc.File("001\\dest.mox")), "会議室\r\n外出");
        Click(d, IDOK);
    });
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(ReadRawFile(pc.File("001\\dest.mox")), "直帰\r\n");
}
