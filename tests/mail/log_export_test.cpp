// The ログ button's export driven as a user would: the save dialog, the question before appending
// to an existing file, and what the file holds afterwards.
#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include "mail/mail_log.h"
#include "mail/mail_log_export.h"
#include "mail/mail_store.h"
#include "res/resource.h"
#include "store/lists/list_kinds.h"
#include "tests/support/support.h"
#include "tests/support/window_driver.h"

namespace {

// A list window as far as the export needs it: the list view with the lines shown, and ログ.
struct ListWindow {
    HWND window = nullptr;
    explicit ListWindow(const std::vector<ListLine>& lines) {
        window = CreateWindowA("STATIC", "受信メール", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 400,
                               300, nullptr, nullptr, nullptr, nullptr);
        HWND list = CreateWindowA("LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_EXTENDEDSEL, 0, 0, 380,
                                  200, window, reinterpret_cast<HMENU>(IDC_MAIL_LIST), nullptr, nullptr);
        CreateWindowA("BUTTON", "ログ", WS_CHILD | WS_VISIBLE, 0, 210, 60, 20, window,
                      reinterpret_cast<HMENU>(IDC_MAIL_LOG), nullptr, nullptr);
        for (const ListLine& line : lines) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.text.c_str()));
    }
    ~ListWindow() { DestroyWindow(window); }
    void Select(int position) { SendDlgItemMessageA(window, IDC_MAIL_LIST, LB_SETSEL, TRUE, position); }
};

// Types the file name into the save dialog and saves.
void SaveAs(const std::string& path) {
    HWND d = WaitForDialog("ミトカ　メールログファイル");
    ASSERT_TRUE(d);
    SetText(d, GetDlgItem(d, edt1) ? edt1 : cmb13, path);
    Click(d, IDOK);
}

}  // namespace

TEST(MailLogExport, SaveDialogAndTheQuestionBeforeAppending) {
    TempStore store;
    TempFolder local;
    OutgoingItem item;
    item.subject = "予定";
    item.body = "来週の予定です";
    item.sentTime = LocalTimeNow();
    ASSERT_TRUE(DeliverItem(store.As(1), "山田", {{2, "佐藤"}}, item).copies.at(0).delivered);
    ListLoad shown = LoadList(store.As(2), MailListKind(kListReceived), "002");
    ListWindow window(shown.lines);
    const std::string log = local.Path("maillog.txt");

    // Nothing selected: nothing asked.
    EXPECT_EQ(ExportMailLog(window.window, store.As(2), kListReceived, shown.lines), 1);
    window.Select(0);
    EXPECT_EQ(DriveModal([&] { return ExportMailLog(window.window, store.As(2), kListReceived, shown.lines); },
                         [&] { SaveAs(log); }), 1);
    const std::string once = ReadRawFile(log);
    EXPECT_NE(once.find("\t山田様より\t予定\r\n来週の予定です\r\n"), std::string::npos);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window.window, IDC_MAIL_LOG)));

    // An existing file: Cancel leaves it alone, OK appends.
    EXPECT_EQ(DriveModal([&] { return ExportMailLog(window.window, store.As(2), kListReceived, shown.lines); },
                         [&] {
                             SaveAs(log);
                             ExpectMessageBox(kMsgLogExists, MessageBoxSeen::kQuestion, IDCANCEL);
                         }), 0);
    EXPECT_EQ(ReadRawFile(log), once);
    EXPECT_EQ(DriveModal([&] { return ExportMailLog(window.window, store.As(2), kListReceived, shown.lines); },
                         [&] {
                             SaveAs(log);
                             ExpectMessageBox(kMsgLogExists, MessageBoxSeen::kQuestion, IDOK);
                         }), 1);
    EXPECT_EQ(ReadRawFile(log), once + once);
}
