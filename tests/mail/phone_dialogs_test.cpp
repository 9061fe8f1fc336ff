// The phone-memo dialogs driven for real: a memo written while the call is fresh and sent a
// quarter of an hour later, the refusals and questions on the way, the memo as its recipient
// sees it, and a colleague's memos read from the in/out board; then the records that the
// colleagues' clients would find.
#include <gtest/gtest.h>

#include <functional>

#include "app/settings/local_user.h"
#include "app/settings/settings.h"
#include "mail/addressee.h"
#include "mail/mail_lines.h"
#include "mail/mail_store.h"
#include "mail/phone_dialogs.h"
#include "res/resource.h"
#include "shell/message_box.h"
#include "store/message_sink.h"
#include "store/store.h"
#include "tests/support/office.h"
#include "tests/support/window_driver.h"

namespace {

const char kPhoneTitle[] = "ミトカ　電話メモ";
const MessageBoxSeen::Icon kNoIcon = MessageBoxSeen::kNone;
const MessageBoxSeen::Icon kQuestion = MessageBoxSeen::kQuestion;

// An office of three colleagues, this PC signed in as 山田太郎 (001), messages shown in boxes.
struct PhoneOffice : TestOffice {
    PhoneOffice() {
        for (const char* name : {"山田太郎", "佐藤花子", "鈴木一郎"}) Register(name, "");
        SignIn(1, "山田太郎");
        RememberedAddressee() = "002";
        UserSettings().mailSend = 1;
    }
    ~PhoneOffice() {
        UserSettings().mailSend = 0;
        SetMessageSink(previousSink_);
    }
    void SignIn(int number, const char* name) {
        SetCurrentUserNumber(number);
        CurrentUser().name = name;
    }
    std::vector<MailRecord> Records(const std::string& relative) const {
        const std::string bytes = ReadRawFile(store.Path(relative));
        std::vector<MailRecord> records;
        for (size_t at = 0; at + 256 <= bytes.size(); at += 256)
            records.push_back(DecodeMailRecord(bytes.substr(at, 256)));
        return records;
    }
    MessageSink previousSink_ = SetMessageSink(ShowInMessageBox);
};

// The call came at 9:05 on 5 January; any later look at the clock says 9:20.
int clockReadings = 0;
BrokenDownTime CallAtNineOhFive() {
    BrokenDownTime t;
    t.year = 126;
    t.day = 5;
    t.hours = 9;
    t.minutes = clockReadings++ == 0 ? 5 : 20;
    return t;
}

LRESULT Send(HWND dialog, int control, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, control), message, wParam, lParam, SMTO_NORMAL,
                        kWindowWaitMs, &result);
    return static_cast<LRESULT>(result);
}

// Which of the request buttons 電話をいただきたい, また電話します, 伝言があります are on.
std::string Requests(HWND dialog) {
    std::string on;
    for (int id : {IDC_REQUEST_CALL_BACK, IDC_REQUEST_WILL_CALL, IDC_REQUEST_MESSAGE})
        on += Send(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED ? "1" : "0";
    return on;
}

std::string Shown(HWND d) {
    return Text(d, IDC_CALL_TIME) + "|" + Text(d, IDC_CALLER) + "|" + Text(d, IDC_CALLER_PHONE) +
           "|" + Requests(d) + "|" + Text(d, IDC_TEXT) + "|" + Text(d, IDC_TAKEN_BY);
}

}  // namespace

TEST(PhoneMemo, WrittenAtTheCallSentLaterShownAndReadByAColleague) {
    PhoneOffice office;

    // Escape asks before the memo is thrown away.
    EXPECT_EQ(0, DriveModal([] { return OpenPhoneMemoEntry(nullptr); }, [] {
        HWND d = WaitForDialog(kPhoneTitle);
        ASSERT_TRUE(d);
        PostCommand(d, IDCANCEL);
        ExpectMessageBox("キャンセルしますか？", kQuestion, IDCANCEL);
        PostCommand(d, IDCANCEL);
        ExpectMessageBox("キャンセルしますか？", kQuestion, IDOK);
        EXPECT_TRUE(WaitUntilGone(d));
    }));

    EXPECT_EQ(1, DriveModal([] { return OpenPhoneMemoEntry(nullptr, CallAtNineOhFive); }, [] {
        HWND d = WaitForDialog(kPhoneTitle);
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_CALL_TIME), " 1月 5日  9時 5分");
        EXPECT_EQ(Text(d, IDC_TAKEN_BY), "山田太郎");
        EXPECT_EQ(Requests(d), "000");
        EXPECT_GT(Send(d, IDC_RECIPIENTS, LB_GETSEL, 1, 0), 0);  // the remembered addressee
        Send(d, IDC_RECIPIENTS, LB_SETSEL, FALSE, -1);
        Click(d, IDOK);
        ExpectMessageBox("送信しますか？", kQuestion, IDOK);
        ExpectMessageBox("誰宛ですか", kNoIcon, IDOK);
        Send(d, IDC_RECIPIENTS, LB_SETSEL, TRUE, 1);
        Send(d, IDC_RECIPIENTS, LB_SETSEL, TRUE, 2);
        Click(d, IDOK);
        ExpectMessageBox("送信しますか？", kQuestion, IDOK);
        ExpectMessageBox("誰からの電話ですか", kNoIcon, IDOK);
        SetText(d, IDC_CALLER, "田中");
        SetText(d, IDC_CALLER_PHONE, "03-1234-5678");
        SetText(d, IDC_TEXT, "至急お願いします");
        Click(d, IDOK);
        ExpectMessageBox("送信しますか？", kQuestion, IDCANCEL);
        Click(d, IDOK);
        ExpectMessageBox("送信しますか？", kQuestion, IDOK);
    }));

    // Two records in the sender's list, both with the call's time and no request; the number
    // plain in the file, the caller's name shifted.
    const std::vector<MailRecord> sent = office.Records("001\\sndlst.mox");
    ASSERT_EQ(sent.size(), 2u);
    for (const MailRecord& r : sent) {
        const std::string line = MailListLine(r, kListSent);
        EXPECT_EQ(line.substr(line.size() - 14), "様から電話です") << line;
        EXPECT_NE(line.find(" 1/ 5  9: 5\t"), std::string::npos) << line;
        EXPECT_EQ(r.request, kRequestNone);
    }
    EXPECT_EQ(sent[0].userName + sent[1].userName, "佐藤花子鈴木一郎");
    const std::string received = ReadRawFile(office.store.Path("002\\rcvlst.mox"));
    ASSERT_EQ(received.size(), 256u);
    EXPECT_EQ(std::string(received.c_str() + 128), "03-1234-5678");
    std::string shifted = "田中";
    for (char& c : shifted) c = static_cast<char>(c + 1);
    EXPECT_EQ(received.substr(76, 5), shifted + '\0');

    // 佐藤花子 opens it: everything as written at 9:05, no request on; 電話 changes nothing.
    office.SignIn(2, "佐藤花子");
    DriveModal([] { ShowReceivedPhoneMemo(nullptr, 0); return 0; }, [] {
        HWND d = WaitForDialog(kPhoneTitle);
        ASSERT_TRUE(d);
        const std::string memo =
            " 1月 5日  9時 5分|田中|03-1234-5678|000|至急お願いします|山田太郎";
        EXPECT_EQ(Shown(d), memo);
        Click(d, IDC_DIAL);
        Send(d, IDC_REQUEST_CALL_BACK, BM_CLICK, 0, 0);  // shown, not chosen: stays off
        Sleep(200);
        EXPECT_EQ(Shown(d), memo);
        EXPECT_EQ(FindWindows("#32770").size(), 1u);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(ReadRawFile(office.store.Path("002\\rcvlst.mox")), received);

    // 鈴木一郎 has a mail and a second memo besides; 山田太郎 reads his memos from the in/out
    // board. Only the memos are listed, and nobody's list changes.
    OutgoingItem mail;
    mail.subject = "会議";
    mail.sentTime = LocalTimeNow();
    OutgoingItem memo = mail;
    memo.kind = kItemPhoneMemo;
    memo.subject = "高橋";
    memo.request = kRequestWillCall;
    ASSERT_TRUE(DeliverItem(office.store.As(2), "佐藤花子", {Party{3, "鈴木一郎"}}, mail).ok);
    ASSERT_TRUE(DeliverItem(office.store.As(2), "佐藤花子", {Party{3, "鈴木一郎"}}, memo).ok);
    office.SignIn(1, "山田太郎");
    const std::string before = ReadRawFile(office.store.Path("003\\rcvlst.mox")) +
                               ReadRawFile(office.store.Path("001\\sndlst.mox")) +
                               ReadRawFile(office.store.Path("002\\sndlst.mox"));
    DriveModal([] { ShowColleaguePhoneMemos(nullptr, "003"); return 0; }, [] {
        HWND d = WaitForDialog(kPhoneTitle);
        ASSERT_TRUE(d);
        const std::vector<std::string> lines = ListLines(d, IDC_PHONE_LIST);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_NE(lines[0].find("\t高橋様から電話です\t0002"), std::string::npos) << lines[0];
        EXPECT_NE(lines[1].find("\t田中様から電話です\t0000"), std::string::npos) << lines[1];
        SelectLine(d, IDC_PHONE_LIST, 0);
        // The fields fill one after another: each check waits for the last of them it reads.
        EXPECT_TRUE(WaitFor([&] { return Text(d, IDC_CALLER) == "高橋" && Requests(d) == "010"; }));
        EXPECT_EQ(Text(d, IDC_TAKEN_BY), "佐藤花子");
        SelectLine(d, IDC_PHONE_LIST, 1);
        const std::string tanaka = " 1月 5日  9時 5分|田中|03-1234-5678|000|至急お願いします|山田太郎";
        EXPECT_TRUE(WaitFor([&] { return Shown(d) == tanaka; })) << Shown(d);
        Click(d, IDCANCEL);
    });
    // His own copy of the memo to 鈴木一郎 (record 1 of his sent list) names the recipient.
    DriveModal([] { ShowSentPhoneMemo(nullptr, 1); return 0; }, [] {
        HWND d = WaitForDialog(kPhoneTitle);
        ASSERT_TRUE(d);
        EXPECT_EQ(Shown(d), " 1月 5日  9時 5分|田中|03-1234-5678|000|至急お願いします|鈴木一郎");
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(ReadRawFile(office.store.Path("003\\rcvlst.mox")) +
                  ReadRawFile(office.store.Path("001\\sndlst.mox")) +
                  ReadRawFile(office.store.Path("002\\sndlst.mox")),
              before);
}
