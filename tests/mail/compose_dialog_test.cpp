// The mail dialog driven for real: replies and forwards of a shown mail, the refusals and
// questions before sending, quoting, reading a file in, attachments and the broadcast list
// dialogs; then the records and files that the colleagues' clients would find.
#include <gtest/gtest.h>

#include <functional>

#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "mail/addressee.h"
#include "mail/broadcast_record.h"
#include "mail/broadcast_store.h"
#include "mail/compose_dialog.h"
#include "mail/mail_store.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "store/message_sink.h"
#include "store/store.h"
#include "tests/support/office.h"
#include "tests/support/window_driver.h"
#include "users/registry.h"

namespace {

const char kMailTitle[] = "ミトカ　メール";
const char kListsTitle[] = "ミトカ　同報リスト";
const MessageBoxSeen::Icon kNoIcon = MessageBoxSeen::kNone;
const MessageBoxSeen::Icon kQuestion = MessageBoxSeen::kQuestion;

// An office of four colleagues, this PC signed in as 山田太郎 (001). What the store logic has
// to say reaches the user as in the client: through the message sink, in a box.
struct MailOffice : TestOffice {
    MailOffice() {
        for (const char* name : {"山田太郎", "佐藤花子", "鈴木一郎", "高橋次郎"}) Register(name, "");
        SetCurrentUserNumber(1);
        CurrentUser().name = "山田太郎";
        RememberedAddressee().clear();
    }
    ~MailOffice() { SetMessageSink(previousSink_); }
    std::vector<MailRecord> Records(const std::string& relative) const {
        const std::string bytes = ReadRawFile(store.Path(relative));
        std::vector<MailRecord> records;
        for (size_t at = 0; at + 256 <= bytes.size(); at += 256)
            records.push_back(DecodeMailRecord(bytes.substr(at, 256)));
        return records;
    }
    MessageSink previousSink_ = SetMessageSink(ShowInMessageBox);
};

LRESULT Send(HWND dialog, int control, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, control), message, wParam, lParam, SMTO_NORMAL,
                        kWindowWaitMs, &result);
    return static_cast<LRESULT>(result);
}

void SelectRecipient(HWND dialog, int line) { Send(dialog, IDC_RECIPIENTS, LB_SETSEL, TRUE, line); }

std::vector<int> SelectedLines(HWND dialog, int control) {
    std::vector<int> selected;
    const int count = static_cast<int>(Send(dialog, control, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (Send(dialog, control, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) selected.push_back(i);
    return selected;
}

// The dialog of this title that has the control (975 and 976 share their title).
HWND WaitForDialogWith(const char* title, int control) {
    for (DWORD waited = 0; waited < kWindowWaitMs; waited += 20) {
        for (HWND w : FindWindows("#32770")) {
            char caption[64] = "";
            GetWindowTextA(w, caption, sizeof caption);
            if (GetDlgItem(w, control) && std::string(caption) == title) return w;
        }
        Sleep(20);
    }
    ADD_FAILURE() << "no dialog \"" << title << "\" with control " << control;
    return nullptr;
}

}  // namespace

TEST(MailDialog, RepliesAndForwardsAShownMail) {
    MailOffice office;
    TempFolder pc;
    WriteRawFile(pc.Path("report.txt"), "売上報告");
    // 佐藤花子 sent 山田太郎 a mail with an attachment; this is how it lies in 001.
    OutgoingItem sent;
    sent.subject = "予定";
    sent.body = "明日は\r\n会議です\r\n";
    sent.attachments = {AttachmentSource{pc.Path("report.txt"), "報告書"}};
    sent.sentTime = LocalTimeNow();
    ASSERT_TRUE(DeliverItem(office.store.As(2), "佐藤花子", {Party{1, "山田太郎"}}, sent).ok);
    const std::vector<AttachmentRecord> stored =
        LoadAttachmentList(office.store.Path("001\\fil0001.lst"));
    ASSERT_EQ(stored.size(), 1u);
    AnsweredItem shown;
    shown.subject = "予定";
    shown.body = sent.body;
    shown.senderNumber = 2;
    shown.senderName = "佐藤花子";
    shown.attachments = {ForwardedAttachment{stored[0].storedPath, "報告書"}};

    // A reply: "RE:" and the sender chosen; a subject too long for the record is cut to 50
    // bytes, never in the middle of a character.
    AnsweredItem longOne = shown;
    longOne.subject = std::string(46, 'a') + "予" + std::string(9, 'b');
    EXPECT_EQ(1, DriveModal([&] { return OpenMailDialog(nullptr, kMailReply, &longOne); }, [&] {
        HWND d = WaitForDialog(kMailTitle);
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_SUBJECT), "RE:" + longOne.subject);
        EXPECT_EQ(SelectedLines(d, IDC_RECIPIENTS), std::vector<int>{1});
        EXPECT_EQ(Text(d, IDC_BODY), "");
        Click(d, IDOK);
    }));
    ASSERT_EQ(office.Records("002\\rcvlst.mox").size(), 1u);
    EXPECT_EQ(office.Records("002\\rcvlst.mox")[0].subject, "RE:" + std::string(46, 'a'));

    // A reply with quotation: every line of the body marked.
    EXPECT_EQ(0, DriveModal([&] { return OpenMailDialog(nullptr, kMailReplyQuoted, &shown); }, [&] {
        HWND d = WaitForDialog(kMailTitle);
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_SUBJECT), "RE:予定");
        EXPECT_EQ(SelectedLines(d, IDC_RECIPIENTS), std::vector<int>{1});
        EXPECT_EQ(Text(d, IDC_BODY), ">明日は\r\n>会議です\r\n");
        Click(d, IDC_DISCARD);
    }));

    // A forward: nobody chosen, the attachment carried, the sender's line first.
    EXPECT_EQ(1, DriveModal([&] { return OpenMailDialog(nullptr, kMailForward, &shown); }, [&] {
        HWND d = WaitForDialog(kMailTitle);
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_SUBJECT), "FWD:予定");
        EXPECT_TRUE(SelectedLines(d, IDC_RECIPIENTS).empty());
        EXPECT_EQ(ListLines(d, IDC_ATTACH_PATHS), std::vector<std::string>{stored[0].storedPath});
        EXPECT_EQ(ListLines(d, IDC_ATTACH_TITLES), std::vector<std::string>{"報告書"});
        EXPECT_EQ(Text(d, IDC_BODY), "佐藤花子様から\r\n>明日は\r\n>会議です\r\n");
        SelectRecipient(d, 2);
        Click(d, IDOK);
    }));
    const std::vector<MailRecord> forwarded = office.Records("003\\rcvlst.mox");
    ASSERT_EQ(forwarded.size(), 1u);
    EXPECT_EQ(forwarded[0].subject, "FWD:予定");
    EXPECT_EQ(forwarded[0].userNumber, 1);
    const int r = forwarded[0].receivedNumber;
    EXPECT_EQ(LoadItemBody(NumberedFileName(office.Office(), "003", r, kPrefixRcv, kExtTxt),
                           kShiftOrdinary).text,
              "佐藤花子様から\r\n>明日は\r\n>会議です\r\n");
    const std::vector<AttachmentRecord> carried =
        LoadAttachmentList(NumberedFileName(office.Office(), "003", r, kPrefixFil, kExtLst));
    ASSERT_EQ(carried.size(), 1u);
    EXPECT_EQ(carried[0].title, "報告書");
    EXPECT_EQ(ReadRawFile(carried[0].storedPath), "売上報告");
}

TEST(MailDialog, RefusesAndAsksBeforeWritingAnything) {
    MailOffice office;
    UserSettings().mailSend = 1;
    EXPECT_EQ(1, DriveModal([] { return RunMailDialog(nullptr); }, [&] {
        HWND d = WaitForDialog(kMailTitle);
        ASSERT_TRUE(d);
        EXPECT_EQ(ListLines(d, IDC_RECIPIENTS),
                  (std::vector<std::string>{"山田太郎", "佐藤花子", "鈴木一郎", "高橋次郎"}));
        EXPECT_TRUE(SelectedLines(d, IDC_RECIPIENTS).empty());
        Click(d, IDOK);
        ExpectMessageBox("送信しますか？", kQuestion, IDOK);
        ExpectMessageBox("誰宛ですか", kNoIcon, IDOK);
        SelectRecipient(d, 1);
        Click(d, IDC_CONFIDENTIAL);
        ExpectMessageBox("送信しますか？", kQuestion, IDOK);
        ExpectMessageBox("表題がありません", kNoIcon, IDOK);
        EXPECT_TRUE(ListFolder(office.store.Path("002")).empty());

        SetText(d, IDC_SUBJECT, "会議");
        SetText(d, IDC_BODY, "十時から\r\n");
        Click(d, IDC_CONFIDENTIAL);
        ExpectMessageBox("送信しますか？", kQuestion, IDCANCEL);
        EXPECT_TRUE(IsWindowVisible(d));
        EXPECT_EQ(Text(d, IDC_SUBJECT), "会議");
        EXPECT_EQ(SelectedLines(d, IDC_RECIPIENTS), std::vector<int>{1});
        EXPECT_TRUE(ListFolder(office.store.Path("002")).empty());

        // Escape asks; 取消 would not.
        PostCommand(d, IDCANCEL);
        ExpectMessageBox("キャンセルしますか？", kQuestion, IDCANCEL);
        // What the wrapping view holds is what is sent.
        Click(d, IDC_WRAP);
        EXPECT_TRUE(WaitFor([&] { return IsShown(d, IDC_BODY_WRAPPED) && !IsShown(d, IDC_BODY); }));
        EXPECT_EQ(Text(d, IDC_BODY_WRAPPED), "十時から\r\n");
        SetText(d, IDC_BODY_WRAPPED, "十一時から\r\n");
        Click(d, IDC_CONFIDENTIAL);
        ExpectMessageBox("送信しますか？", kQuestion, IDOK);
    }));
    const std::vector<MailRecord> received = office.Records("002\\rcvlst.mox");
    const std::vector<MailRecord> twins = office.Records("001\\sndlst.mox");
    ASSERT_EQ(received.size(), 1u);
    ASSERT_EQ(twins.size(), 1u);
    EXPECT_EQ(received[0].shiftFlag, kShiftConfidential);
    EXPECT_EQ(twins[0].shiftFlag, kShiftConfidential);
    EXPECT_EQ(twins[0].userName, "佐藤花子");
    EXPECT_EQ(LoadItemBody(NumberedFileName(office.Office(), "002", received[0].receivedNumber,
                                            kPrefixRcv, kExtTxt),
                           received[0].shiftFlag).text,
              "十一時から\r\n");
}

TEST(MailDialog, QuotesReadsFilesInAndAttaches) {
    MailOffice office;
    TempFolder pc;
    const std::string fits = pc.Path("fits.txt"), tooLarge = pc.Path("large.txt");
    WriteRawFile(fits, std::string(32765, 'x') + "\r\n");
    WriteRawFile(tooLarge, std::string(32768, 'y'));
    WriteRawFile(pc.Path("plan.doc"), "計画");
    WriteRawFile(pc.Path("memo.txt"), "メモ");
    EXPECT_EQ(1, DriveModal([] { return RunMailDialog(nullptr); }, [&] {
        HWND d = WaitForDialog(kMailTitle);
        ASSERT_TRUE(d);
        // Lines 2 and 3 of five, the selection ending inside line 3.
        SetText(d, IDC_BODY, "one\r\ntwo\r\nthree\r\nfour\r\nfive");
        Send(d, IDC_BODY, EM_SETSEL, 6, 12);
        Click(d, IDC_QUOTE);
        WaitFor([&] { return Text(d, IDC_BODY).find('>') != std::string::npos; });
        EXPECT_EQ(Text(d, IDC_BODY), "one\r\n>two\r\n>three\r\nfour\r\nfive");

        SetText(d, IDC_BODY, "");
        Click(d, IDC_INSERT_FILE);
        ChooseInFileDialog("ミトカ　読込みファイル選択", tooLarge);
        ExpectMessageBox("ファイルが大きすぎます", kNoIcon, IDOK);
        EXPECT_EQ(Text(d, IDC_BODY), "");
        Click(d, IDC_INSERT_FILE);
        ChooseInFileDialog("ミトカ　読込みファイル選択", fits);
        WaitFor([&] { return !Text(d, IDC_BODY).empty(); });
        EXPECT_EQ(Text(d, IDC_BODY), ReadRawFile(fits));

        // Two attachments, one titled; the title dialog closes only by its ＯＫ.
        Click(d, IDC_ATTACH_ADD);
        ChooseInFileDialog("ミトカ　添付ファイル選択", pc.Path("plan.doc"));
        HWND title = WaitForDialog("ファイルタイトル入力");
        ASSERT_TRUE(title);
        EXPECT_EQ(Text(title, IDC_TITLE_PATH), pc.Path("plan.doc"));
        PostCommand(title, IDCANCEL);
        SetText(title, IDC_TITLE_TEXT, "計画書");
        EXPECT_TRUE(IsWindowVisible(title));
        Click(title, IDOK);
        ASSERT_TRUE(WaitUntilGone(title));
        Click(d, IDC_ATTACH_ADD);
        ChooseInFileDialog("ミトカ　添付ファイル選択", pc.Path("memo.txt"));
        title = WaitForDialog("ファイルタイトル入力");
        ASSERT_TRUE(title);
        Click(title, IDOK);
        ASSERT_TRUE(WaitUntilGone(title));
        EXPECT_EQ(ListLines(d, IDC_ATTACH_PATHS),
                  (std::vector<std::string>{pc.Path("plan.doc"), pc.Path("memo.txt")}));
        EXPECT_EQ(ListLines(d, IDC_ATTACH_TITLES), (std::vector<std::string>{"計画書", ""}));
        DoubleClickLine(d, IDC_ATTACH_PATHS, 0);
        ExpectMessageBox("計画書", kNoIcon, IDOK);
        // 切換 shows the titles; 削除 takes the selected line out of both lists.
        Click(d, IDC_ATTACH_SWITCH);
        EXPECT_TRUE(WaitFor([&] { return IsShown(d, IDC_ATTACH_TITLES) && !IsShown(d, IDC_ATTACH_PATHS); }));
        SelectLine(d, IDC_ATTACH_TITLES, 1);
        Click(d, IDC_ATTACH_REMOVE);
        WaitFor([&] { return ListLines(d, IDC_ATTACH_PATHS).size() == 1; });
        EXPECT_EQ(ListLines(d, IDC_ATTACH_PATHS), std::vector<std::string>{pc.Path("plan.doc")});
        EXPECT_EQ(ListLines(d, IDC_ATTACH_TITLES), std::vector<std::string>{"計画書"});

        SetText(d, IDC_SUBJECT, "計画");
        Click(d, IDC_SELECT_ALL);
        WaitFor([&] { return SelectedLines(d, IDC_RECIPIENTS).size() == 4; });
        Click(d, IDOK);
    }));
    for (const char* folder : {"001", "002", "003", "004"}) {
        const std::vector<AttachmentRecord> attached =
            LoadAttachmentList(NumberedFileName(office.Office(), folder, 1, kPrefixFil, kExtLst));
        ASSERT_EQ(attached.size(), 1u) << folder;
        EXPECT_EQ(attached[0].title, "計画書");
        EXPECT_EQ(ReadRawFile(attached[0].storedPath), "計画");
    }
    EXPECT_EQ(RawFileSize(office.store.Path("004\\rcv0001.txt")), 32767);
}

TEST(BroadcastLists, MadeChangedDeletedAndAppliedInTheMailDialog) {
    MailOffice office;
    EXPECT_EQ(0, DriveModal([] { return RunMailDialog(nullptr); }, [&] {
        HWND mail = WaitForDialog(kMailTitle);
        ASSERT_TRUE(mail);
        Click(mail, IDC_BROADCAST);
        HWND lists = WaitForDialogWith(kListsTitle, IDC_GROUP_LIST);
        ASSERT_TRUE(lists);
        EXPECT_TRUE(ListLines(lists, IDC_GROUP_LIST).empty());
        for (int button : {IDOK, IDC_GROUP_UPDATE, IDC_GROUP_DELETE})
            EXPECT_FALSE(IsEnabled(lists, button));

        // Two new lists; the editor refuses a list of nobody and a list without a name.
        Click(lists, IDC_GROUP_ADD);
        HWND editor = WaitForDialogWith(kListsTitle, IDC_RECIPIENTS);
        ASSERT_TRUE(editor);
        SetText(editor, IDC_SUBJECT, "営業");
        Click(editor, IDOK);
        ExpectMessageBox("誰宛ですか", kNoIcon, IDOK);
        SelectRecipient(editor, 1);
        SelectRecipient(editor, 2);
        SetText(editor, IDC_SUBJECT, "");
        Click(editor, IDOK);
        ExpectMessageBox("名前がありません", kNoIcon, IDOK);
        SetText(editor, IDC_SUBJECT, "営業");
        Click(editor, IDOK);
        ASSERT_TRUE(WaitUntilGone(editor));
        Click(lists, IDC_GROUP_ADD);
        editor = WaitForDialogWith(kListsTitle, IDC_RECIPIENTS);
        ASSERT_TRUE(editor);
        SetText(editor, IDC_SUBJECT, "総務");
        SelectRecipient(editor, 3);
        Click(editor, IDOK);
        ASSERT_TRUE(WaitUntilGone(editor));
        WaitFor([&] { return ListLines(lists, IDC_GROUP_LIST).size() == 2; });
        EXPECT_EQ(ListLines(lists, IDC_GROUP_LIST), (std::vector<std::string>{"総務", "営業"}));

        // 更新 shows the members and keeps the name; a list of nobody is refused here too.
        SelectLine(lists, IDC_GROUP_LIST, 1);
        ASSERT_TRUE(WaitFor([&] { return IsEnabled(lists, IDC_GROUP_UPDATE); }));
        Click(lists, IDC_GROUP_UPDATE);
        editor = WaitForDialogWith(kListsTitle, IDC_RECIPIENTS);
        ASSERT_TRUE(editor);
        EXPECT_EQ(Text(editor, IDC_SUBJECT), "営業");
        EXPECT_TRUE(GetWindowLongA(GetDlgItem(editor, IDC_SUBJECT), GWL_STYLE) & ES_READONLY);
        EXPECT_EQ(SelectedLines(editor, IDC_RECIPIENTS), (std::vector<int>{1, 2}));
        Send(editor, IDC_RECIPIENTS, LB_SETSEL, FALSE, -1);
        Click(editor, IDOK);
        ExpectMessageBox("誰宛ですか", kNoIcon, IDOK);
        for (int line : {1, 2, 3}) SelectRecipient(editor, line);
        Click(editor, IDOK);
        ASSERT_TRUE(WaitUntilGone(editor));

        // 削除 asks nothing.
        SelectLine(lists, IDC_GROUP_LIST, 0);
        ASSERT_TRUE(WaitFor([&] { return IsEnabled(lists, IDC_GROUP_DELETE); }));
        Click(lists, IDC_GROUP_DELETE);
        EXPECT_TRUE(WaitFor([&] { return !IsEnabled(lists, IDC_GROUP_DELETE); }));
        EXPECT_EQ(ListLines(lists, IDC_GROUP_LIST), std::vector<std::string>{"営業"});

        SelectRecipient(mail, 0);
        DoubleClickLine(lists, IDC_GROUP_LIST, 0);
        ASSERT_TRUE(WaitUntilGone(lists));
        EXPECT_EQ(SelectedLines(mail, IDC_RECIPIENTS), (std::vector<int>{1, 2, 3}));
        Click(mail, IDC_DISCARD);
    }));
    const std::string index = ReadRawFile(office.store.Path("001\\grplst.mox"));
    ASSERT_EQ(index.size(), 256u);
    const BroadcastListRecord kept =
        DecodeBroadcastListRecord(reinterpret_cast<const unsigned char*>(index.data()));
    EXPECT_EQ(kept.number, 1);
    EXPECT_EQ(kept.name, "営業");
    EXPECT_EQ(kept.memberCount, 2);  // as made: an update leaves it
    EXPECT_FALSE(RawFileExists(office.store.Path("001\\grp0002.lst")));
    const BroadcastMembers members = ReadBroadcastMembers(office.store.As(1), 1);
    ASSERT_EQ(members.members.size(), 3u);
    EXPECT_EQ(members.members[0].name, "佐藤花子");
    EXPECT_EQ(members.members[2].numberText, "004");
}

TEST(BroadcastLists, AMemberWhoLeftTheRegistryIsPassedOver) {
    MailOffice office;
    ASSERT_TRUE(CreateBroadcastList(office.store.As(1), "山田太郎", "全員",
                                    {Party{2, "佐藤花子"}, Party{3, "鈴木一郎"}, Party{4, "高橋次郎"}},
                                    LocalTimeNow()).ok);
    // 鈴木一郎 leaves: the registry is written without him.
    std::string rest;
    for (const RegistryRecord& r : ReadRegistry(office.Office()).records)
        if (r.number != 3) rest += EncodeRegistryRecord(r);
    WriteRawFile(office.store.Path("regist.mox"), rest);
    EXPECT_EQ(0, DriveModal([] { return RunMailDialog(nullptr); }, [&] {
        HWND mail = WaitForDialog(kMailTitle);
        ASSERT_TRUE(mail);
        Click(mail, IDC_BROADCAST);
        HWND lists = WaitForDialogWith(kListsTitle, IDC_GROUP_LIST);
        ASSERT_TRUE(lists);
        SelectLine(lists, IDC_GROUP_LIST, 0);
        ASSERT_TRUE(WaitFor([&] { return IsEnabled(lists, IDOK); }));
        Click(lists, IDOK);
        ASSERT_TRUE(WaitUntilGone(lists));
        EXPECT_EQ(SelectedLines(mail, IDC_RECIPIENTS), (std::vector<int>{1, 2}));
        EXPECT_EQ(ListLines(mail, IDC_RECIPIENTS)[2], "高橋次郎");
        Click(mail, IDC_DISCARD);
    }));
}
