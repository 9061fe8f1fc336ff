// Two PCs of the office as two processes: 山田太郎 (this process) works in his sent-mail
// window while 佐藤花子's client (a worker process) shows her received list, which the test
// drives as she would. What each does must reach the other through the store alone.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "mail/mail_store.h"
#include "mail/received_window.h"
#include "mail/sent_window.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "store/message_sink.h"
#include "tests/support/client_here.h"
#include "tests/support/office.h"
#include "tests/support/window_driver.h"

namespace {

// 佐藤花子's PC: her received list on the given network directory.
MOX_WORKER(sato_client) {
    LocalSettings().netDir = args.at(0);
    SetCurrentUserNumber(2);
    CurrentUser().name = "佐藤花子";
    return RunSubWindowHere(SubWindow::kRcvList, ReceivedListWindowProc);
}

// The status texts of a list window's lines, top first (the kind and confidential digits kept).
std::vector<std::string> Statuses(HWND window) {
    std::vector<std::string> statuses;
    for (const std::string& line : ListLines(window, IDC_MAIL_LIST))
        statuses.push_back(line.substr(0, line.find('\t')));
    return statuses;
}

// The user comes back to the window: by the keyboard (reloads) or by a click (does not).
void Activate(HWND window, UINT how) {
    DWORD_PTR ignored;
    SendMessageTimeoutA(window, WM_ACTIVATE, how, 0, SMTO_NORMAL, 5000, &ignored);
}

}  // namespace

TEST(SentWindow, TheRecipientsOpeningAndDeletionShowAndAnUnopenedCopyIsTakenBackUnlessReadMeanwhile) {
    TestOffice office;
    office.Register("山田太郎", "yamada");
    office.Register("佐藤花子", "sato");
    office.PersonalPc(1);
    SetCurrentUserNumber(1);
    CurrentUser().name = "山田太郎";
    CurrentUser().password = "himitsu";
    // What the store logic says, 山田太郎 sees in boxes as in the client.
    MessageSink previous = SetMessageSink(ShowInMessageBox);
    const StoreContext yamada = office.store.As(1);
    auto send = [&](const std::string& subject, bool confidential,
                    std::vector<AttachmentSource> attachments = {}) {
        OutgoingItem mail;
        mail.subject = subject;
        mail.body = subject + "の本文";
        mail.confidential = confidential;
        mail.attachments = attachments;
        mail.sentTime = LocalTimeNow();
        return DeliverItem(yamada, "山田太郎", {{2, "佐藤花子"}}, mail).copies.at(0);
    };
    auto satoFile = [&](const std::string& name) { return office.store.Path("002\\" + name); };
    TempFolder local("moxsnd");
    WriteRawFile(local.Path("見積.xls"), "estimate");

    send("予定", false);
    Child sato = StartWorker("sato_client", {office.store.Dir()});
    const DWORD satoPid = GetProcessId(sato.process);

    int shown = DriveModal([] { return RunSubWindowHere(SubWindow::kSndList, SentListWindowProc); }, [&] {
        HWND w = WaitForWindow("MoxSndList", "ミトカ");
        HWND b = WaitForWindow("MoxRcvList", "ミトカ", satoPid);
        ASSERT_TRUE(w && b);
        ASSERT_EQ(Statuses(w), std::vector<std::string>{"20未読"});

        // She opens it: he sees "受信" when he comes back to his window.
        ASSERT_TRUE(WaitFor([&] { return ListLines(b, IDC_MAIL_LIST).size() == 1; }));
        DoubleClickLine(b, IDC_MAIL_LIST, 0);
        HWND read = WaitForDialog("ミトカ　メール", satoPid);
        ASSERT_TRUE(read);
        Click(read, IDCANCEL);
        ASSERT_TRUE(WaitUntilGone(read));
        Activate(w, WA_ACTIVE);
        EXPECT_EQ(Statuses(w), std::vector<std::string>{"20受信"});

        // She deletes it: "削除"; his copy of it then goes without a question about hers.
        SelectLine(b, IDC_MAIL_LIST, 0);
        ASSERT_TRUE(WaitFor([&] { return IsEnabled(b, IDC_MAIL_DELETE); }));
        Click(b, IDC_MAIL_DELETE);
        // (Icon handles belong to her process: seen from here the icon is "other".)
        ExpectMessageBox("削除しますか？", MessageBoxSeen::kOther, IDOK, satoPid);
        ASSERT_TRUE(WaitFor([&] { return ListLines(b, IDC_MAIL_LIST).empty(); }));
        Activate(w, WA_ACTIVE);
        EXPECT_EQ(Statuses(w), std::vector<std::string>{"20削除"});
        SelectLine(w, IDC_MAIL_LIST, 0);
        ASSERT_TRUE(WaitFor([&] { return IsEnabled(w, IDC_MAIL_DELETE); }));
        Click(w, IDC_MAIL_DELETE);
        ExpectMessageBox("削除しますか？", MessageBoxSeen::kQuestion, IDOK);
        EXPECT_TRUE(WaitFor([&] { return ListLines(w, IDC_MAIL_LIST).empty(); }));

        // A confidential mail with an attachment: his copy asks the password, shows it without
        // answers and with nothing to save, and tells her nothing.
        // A click into his window does not reload it; coming back by other means does.
        // Windows of other tests come and go on the same desktop and hand the real activation
        // back to his window at any moment: disabled, it takes only the activations sent here.
        EnableWindow(w, FALSE);
        SettlePainting(w);
        const DeliveredCopy secret = send("人事", true, {{local.Path("見積.xls"), "見積書"}});
        Activate(w, WA_CLICKACTIVE);
        EXPECT_TRUE(ListLines(w, IDC_MAIL_LIST).empty());
        Activate(w, WA_ACTIVE);
        EnableWindow(w, TRUE);
        ASSERT_EQ(Statuses(w), std::vector<std::string>{"21未読"});
        DoubleClickLine(w, IDC_MAIL_LIST, 0);
        HWND password = WaitForDialog("ミトカ　パスワード入力");
        ASSERT_TRUE(password);
        SetText(password, IDC_PASSWORD, "himitsu");
        Click(password, IDOK);
        HWND mail = WaitForDialog("ミトカ　メール");
        ASSERT_TRUE(mail);
        EXPECT_EQ(Text(mail, IDC_MAIL_FROM), "佐藤花子様へ");
        EXPECT_EQ(Text(mail, IDC_SUBJECT), "人事");
        EXPECT_EQ(Text(mail, IDC_BODY), "人事の本文");
        for (int id : {IDC_MAIL_REPLY, IDC_MAIL_REPLY_QUOTED, IDC_MAIL_FORWARD})
            EXPECT_FALSE(IsShown(mail, id));
        EXPECT_EQ(ListLines(mail, IDC_ATTACH_TITLES), std::vector<std::string>{"見積書"});
        SelectLine(mail, IDC_ATTACH_TITLES, 0);
        Sleep(200);
        EXPECT_FALSE(IsEnabled(mail, IDC_ATTACH_SAVE));
        Click(mail, IDCANCEL);
        ASSERT_TRUE(WaitUntilGone(mail));
        EXPECT_TRUE(WaitFor([&] { return Statuses(w) == std::vector<std::string>{"21未読"}; }));

        // Taken back before she opened it: her line, body and attachment go.
        EXPECT_TRUE(RawFileExists(satoFile("att0001.xls")));
        SelectLine(w, IDC_MAIL_LIST, 0);
        ASSERT_TRUE(WaitFor([&] { return IsEnabled(w, IDC_MAIL_DELETE); }));
        Click(w, IDC_MAIL_DELETE);
        ExpectMessageBox("削除しますか？", MessageBoxSeen::kQuestion, IDOK);
        ExpectMessageBox("送信先のメールも削除しますか？", MessageBoxSeen::kNone, IDYES);
        EXPECT_TRUE(WaitFor([&] { return ListLines(w, IDC_MAIL_LIST).empty(); }));
        const std::string secretBody = "rcv000" + std::to_string(secret.receivedNumber) + ".txt";
        EXPECT_FALSE(RawFileExists(satoFile(secretBody)));
        EXPECT_FALSE(RawFileExists(satoFile("att0001.xls")));
        EXPECT_FALSE(RawFileExists(satoFile("fil000" + std::to_string(secret.receivedNumber) + ".lst")));
        Activate(b, WA_ACTIVE);
        EXPECT_TRUE(WaitFor([&] { return ListLines(b, IDC_MAIL_LIST).empty(); }));

        // No keeps hers whole.
        send("会議", false);
        Activate(w, WA_ACTIVE);
        SelectLine(w, IDC_MAIL_LIST, 0);
        ASSERT_TRUE(WaitFor([&] { return IsEnabled(w, IDC_MAIL_DELETE); }));
        Click(w, IDC_MAIL_DELETE);
        ExpectMessageBox("削除しますか？", MessageBoxSeen::kQuestion, IDOK);
        ExpectMessageBox("送信先のメールも削除しますか？", MessageBoxSeen::kNone, IDNO);
        EXPECT_TRUE(WaitFor([&] { return ListLines(w, IDC_MAIL_LIST).empty(); }));

        // She opens the next one while he is being asked: the retraction is refused.
        send("出張", false);
        Activate(w, WA_ACTIVE);
        Activate(b, WA_ACTIVE);
        ASSERT_TRUE(WaitFor([&] { return ListLines(b, IDC_MAIL_LIST).size() == 2; }));
        SelectLine(w, IDC_MAIL_LIST, 0);
        ASSERT_TRUE(WaitFor([&] { return IsEnabled(w, IDC_MAIL_DELETE); }));
        Click(w, IDC_MAIL_DELETE);
        ExpectMessageBox("削除しますか？", MessageBoxSeen::kQuestion, IDOK);
        MessageBoxSeen ask = WaitForMessageBox();
        ASSERT_TRUE(ask.box);
        EXPECT_EQ(ask.text, "送信先のメールも削除しますか？");
        DoubleClickLine(b, IDC_MAIL_LIST, 0);
        read = WaitForDialog("ミトカ　メール", satoPid);
        ASSERT_TRUE(read);
        Click(read, IDCANCEL);
        ASSERT_TRUE(WaitUntilGone(read));
        Answer(ask, IDYES);
        ExpectMessageBox("送信先でメールを読まれたので、削除できませんでした", MessageBoxSeen::kNone, IDOK);
        EXPECT_TRUE(WaitFor([&] { return ListLines(w, IDC_MAIL_LIST).empty(); }));
        Activate(b, WA_ACTIVE);
        EXPECT_TRUE(WaitFor([&] {
            const std::vector<std::string> lines = Statuses(b);
            return lines == std::vector<std::string>{"20", "20未読"};
        }));
        Click(b, IDCANCEL);
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
    SetMessageSink(previous);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(WaitChild(sato, nullptr), 1);
    // 会議 and 出張 stay with her, bodies included; his list and bodies are empty.
    const std::string left = ReadRawFile(satoFile("rcvlst.mox"));
    ASSERT_EQ(left.size(), 2 * kListRecordSize);
    EXPECT_EQ(DecodeMailRecord(left.substr(0, kListRecordSize)).subject, "会議");
    EXPECT_EQ(DecodeMailRecord(left.substr(kListRecordSize)).status, kStatusOpened);
    EXPECT_EQ(ReadRawFile(office.store.Path("001\\sndlst.mox")), "");
    EXPECT_FALSE(RawFileExists(office.store.Path("001\\snd0004.txt")));
    EXPECT_NE(office.User("001", "Left", "SndList"), "<none>");
}
