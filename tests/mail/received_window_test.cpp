// The received-mail window and dialog driven as 佐藤花子 would on her own PC, over mail that
// 山田太郎 sent her; then both users' lists and files are checked.
#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include <functional>
#include <string>
#include <vector>

#include "app/settings/local_user.h"
#include "mail/addressee.h"
#include "mail/mail_store.h"
#include "mail/received_window.h"
#include "res/resource.h"
#include "store/lists/list_kinds.h"
#include "tests/support/client_here.h"
#include "tests/support/office.h"
#include "tests/support/window_driver.h"

namespace {

// 佐藤花子's own PC, signed in, with password "himitsu".
struct SatoPc : TestOffice {
    SatoPc() {
        Register("山田太郎", "yamada");
        Register("佐藤花子", "sato");
        PersonalPc(2);
        SetCurrentUserNumber(2);
        CurrentUser().name = "佐藤花子";
        CurrentUser().password = "himitsu";
    }
    std::string File(const std::string& name) const { return store.Path("002\\" + name); }
    // 山田太郎 sends it to 佐藤花子.
    void Send(OutgoingItem item) {
        item.sentTime = LocalTimeNow();
        ASSERT_TRUE(DeliverItem(store.As(1), "山田太郎", {{2, "佐藤花子"}}, item).copies.at(0).delivered);
    }
    // 山田太郎's sent list as his window shows it.
    std::vector<std::string> SentLines() const {
        std::vector<std::string> lines;
        for (const ListLine& l : LoadList(store.As(1), MailListKind(kListSent), "001").lines)
            lines.push_back(l.text.substr(0, l.text.find('\t')));
        return lines;
    }
};

OutgoingItem Mail(const std::string& subject, const std::string& body, bool confidential = false) {
    OutgoingItem item;
    item.subject = subject;
    item.body = body;
    item.confidential = confidential;
    return item;
}

// The mail dialog opened over the received-mail dialog: same title, another window.
HWND WaitForOtherDialog(const std::string& title, HWND besides) {
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND w : FindWindows("#32770")) {
            char caption[256] = "";
            GetWindowTextA(w, caption, sizeof caption);
            if (w != besides && title == caption) found = w;
        }
        return found != nullptr;
    });
    return found;
}

}  // namespace

TEST(ReceivedWindow, NewestOnTopAConfidentialMailStaysOpenedWithoutPasswordAndTwoLinesGo) {
    SatoPc pc;
    pc.Send(Mail("予定", "来週の予定です"));
    OutgoingItem memo;
    memo.kind = kItemPhoneMemo;
    memo.subject = "田中";
    pc.Send(memo);
    pc.Send(Mail("人事", "内密に", true));

    int shown = DriveModal([] { return RunSubWindowHere(SubWindow::kRcvList, ReceivedListWindowProc); }, [&] {
        HWND w = WaitForWindow("MoxRcvList", "ミトカ");
        ASSERT_TRUE(w);
        auto lines = [&] { return ListLines(w, IDC_MAIL_LIST); };
        ASSERT_EQ(lines().size(), 3u);
        // Record 2 on top; the digits say kind and confidentiality.
        EXPECT_EQ(lines()[0].substr(0, 6), "21未読");
        EXPECT_NE(lines()[0].find("山田太郎様\t人事"), std::string::npos);
        EXPECT_EQ(lines()[1].substr(0, 6), "10未読");
        EXPECT_NE(lines()[1].find("田中様から電話です"), std::string::npos);
        EXPECT_NE(lines()[2].find("予定"), std::string::npos);
        EXPECT_FALSE(IsEnabled(w, IDC_MAIL_DELETE));
        EXPECT_FALSE(IsEnabled(w, IDC_MAIL_LOG));

        // Opened, then the password is not given: the mail stays closed but counts as read.
        DoubleClickLine(w, IDC_MAIL_LIST, 0);
        HWND password = WaitForDialog("ミトカ　パスワード入力");
        ASSERT_TRUE(password);
        Click(password, IDCANCEL);
        ASSERT_TRUE(WaitUntilGone(password));
        EXPECT_TRUE(WaitFor([&] { return lines().size() == 3 && lines()[0].substr(0, 3) == "21\t"; }));
        EXPECT_EQ(pc.SentLines()[0], "21受信");

        // The phone memo and the first mail, selected together.
        SelectLine(w, IDC_MAIL_LIST, 1);
        AddToSelection(w, IDC_MAIL_LIST, 2);
        ASSERT_TRUE(WaitFor([&] { return IsEnabled(w, IDC_MAIL_DELETE); }));
        EXPECT_TRUE(IsEnabled(w, IDC_MAIL_LOG));
        Click(w, IDC_MAIL_DELETE);
        ExpectMessageBox("削除しますか？", MessageBoxSeen::kQuestion, IDOK);
        EXPECT_TRUE(WaitFor([&] { return lines().size() == 1; }));
        EXPECT_FALSE(IsEnabled(w, IDC_MAIL_DELETE));
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
    EXPECT_EQ(shown, 1);
    const std::string left = ReadRawFile(pc.File("rcvlst.mox"));
    ASSERT_EQ(left.size(), kListRecordSize);
    EXPECT_EQ(DecodeMailRecord(left).subject, "人事");
    EXPECT_EQ(pc.SentLines(), (std::vector<std::string>{"21受信", "10削除", "20削除"}));
    EXPECT_FALSE(RawFileExists(pc.File("rcv0001.txt")));
    EXPECT_TRUE(RawFileExists(pc.File("rcv0003.txt")));
    EXPECT_NE(pc.User("002", "Left", "RcvList"), "<none>");
}

TEST(ReceivedMailDialog, AttachmentsAreCopiedAndRunAndAReplyClosesItEvenWhenCancelled) {
    SatoPc pc;
    TempFolder local("moxrcv");
    WriteRawFile(local.Path("見積.mxr"), "estimate");
    WriteRawFile(local.Path("notes"), "notes");
    OutgoingItem mail = Mail("見積", "見積書を送ります\r\nご確認ください");
    mail.attachments = {{local.Path("見積.mxr"), "見積書"}, {local.Path("notes"), ""}};
    pc.Send(Mail("挨拶", "こんにちは"));
    pc.Send(mail);

    // No attachments: none of their buttons.
    DriveModal([] { ShowReceivedMail(nullptr, 0); return 0; }, [&] {
        HWND d = WaitForDialog("ミトカ　メール");
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_SUBJECT), "挨拶");
        EXPECT_EQ(Text(d, IDC_BODY), "こんにちは");
        for (int id : {IDC_ATTACH_SAVE, IDC_ATTACH_RUN, IDC_ATTACH_SWITCH}) EXPECT_FALSE(IsShown(d, id));
        Click(d, IDCANCEL);
    });

    const std::string recorder = BinPath("record_exec.exe");
    const std::string record = local.Path("command.txt");
    SetEnvironmentVariableA("MOX_RECORD_FILE", record.c_str());
    Association mxr("mxr", recorder + " ^.mxr");
    const std::string copy = local.Path("控え.mxr");
    DriveModal([] { ShowReceivedMail(nullptr, 1); return 0; }, [&] {
        HWND d = WaitForDialog("ミトカ　メール");
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_MAIL_FROM), "山田太郎様から");
        EXPECT_EQ(Text(d, IDC_BODY), "見積書を送ります\r\nご確認ください");
        // The untitled attachment goes under its path in both views.
        EXPECT_EQ(ListLines(d, IDC_ATTACH_TITLES),
                  (std::vector<std::string>{"見積書", local.Path("notes")}));
        EXPECT_EQ(ListLines(d, IDC_ATTACH_PATHS),
                  (std::vector<std::string>{local.Path("見積.mxr"), local.Path("notes")}));
        EXPECT_FALSE(IsEnabled(d, IDC_ATTACH_SAVE));
        EXPECT_FALSE(IsEnabled(d, IDC_ATTACH_RUN));
        SelectLine(d, IDC_ATTACH_TITLES, 0);
        ASSERT_TRUE(WaitFor([&] { return IsEnabled(d, IDC_ATTACH_RUN); }));
        EXPECT_EQ(SendDlgItemMessageA(d, IDC_ATTACH_PATHS, LB_GETCURSEL, 0, 0), 0);
        Click(d, IDC_ATTACH_SWITCH);
        // One view is shown before the other is hidden: both are waited for together.
        EXPECT_TRUE(WaitFor([&] {
            return IsShown(d, IDC_ATTACH_PATHS) && !IsShown(d, IDC_ATTACH_TITLES);
        }));

        // 実行: the associated program gets the own stored copy.
        Click(d, IDC_ATTACH_RUN);
        EXPECT_TRUE(WaitFor([&] { return !ReadRawFile(record).empty(); }));
        EXPECT_EQ(ReadRawFile(record), recorder + " " + pc.File("att0001.mxr"));

        // 複写: the sender's file name proposed, a copy where the user says.
        Click(d, IDC_ATTACH_SAVE);
        HWND save = WaitForDialog("ミトカ　添付ファイル複写");
        ASSERT_TRUE(save);
        const int name = GetDlgItem(save, edt1) ? edt1 : cmb13;
        EXPECT_EQ(Text(save, name), "見積.mxr");
        SetText(save, name, copy);
        Click(save, IDOK);
        EXPECT_TRUE(WaitFor([&] { return ReadRawFile(copy) == "estimate"; }));

        // 返信, then cancelled: the reading dialog closes all the same.
        Click(d, IDC_MAIL_REPLY);
        HWND reply = WaitForOtherDialog("ミトカ　メール", d);
        ASSERT_TRUE(reply);
        EXPECT_EQ(Text(reply, IDC_SUBJECT), "RE:見積");
        Click(reply, IDC_DISCARD);
        EXPECT_TRUE(WaitUntilGone(d));
    });
    EXPECT_EQ(RememberedAddressee(), "001");
}
