// The memo window, driven by a second thread as a user would, over the files of the own user
// folder; then the stored bytes are checked with the raw file helpers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/settings/local_user.h"
#include "memo/memo_record.h"
#include "memo/memo_store.h"
#include "memo/memo_window.h"
#include "res/resource.h"
#include "shell/plumbing.h"
#include "shell/window_classes.h"
#include "store/message_sink.h"
#include "store/names.h"
#include "tests/support/office.h"
#include "tests/support/print_check.h"
#include "tests/support/window_driver.h"

namespace mf = memo_field;

namespace {

// 山田太郎's own PC, signed in.
struct MemoPc : TestOffice {
    MemoPc() {
        Register("山田太郎", "yamada");
        PersonalPc(1);
        SetCurrentUserNumber(1);
        CurrentUser().name = "山田太郎";
    }
    std::string File(const std::string& name) const { return store.Path("001\\" + name); }
};

std::string Record(const std::string& list, size_t index) {
    return list.substr(index * kListRecordSize, kListRecordSize);
}

std::string Shifted(std::string text) {
    ShiftBytes(text, +1);
    return text;
}

bool HasMessage(const std::string& text) {
    for (const std::string& m : RecordedMessages())
        if (m == text) return true;
    return false;
}

}  // namespace

TEST(MemoWindow, UpdatesAPlainMemoStoresAWholeSubjectAndDeletesWithoutAsking) {
    MemoPc pc;
    // A memo written plain by another program: nothing of it shifted.
    MemoRecord plain;
    plain.shiftFlag = kShiftPlain;
    plain.writerNumber = 1;
    plain.writerName = "山田太郎";
    plain.number = 1;
    plain.createdTime.month = 2;
    plain.createdTime.day = 4;
    plain.createdTime.hours = 10;
    plain.createdTime.minutes = 5;
    plain.subject = "平文の表題";
    const std::string plainBody = "平文の本文\r\n二行目";
    WriteRawFile(pc.File("memolst.mox"), EncodeMemoRecord(plain));
    WriteRawFile(pc.File("mem0001.txt"), plainBody);
    const std::string fifty = std::string("あいうえおかきくけこさしすせそたちつてとなにぬね") + "xy";
    const std::string secondBody = "二番目の本文\r\n";

    int shown = DriveModal([] { return RunSubWindowHere(SubWindow::kMemo, MemoWindowProc); }, [&] {
        HWND w = WaitForWindow("MoxMemo", "ミトカ");
        ASSERT_TRUE(w);
        EXPECT_EQ(ListLines(w, IDC_MEMO_LIST), std::vector<std::string>{"03/04 10:05\t平文の表題"});
        EXPECT_FALSE(IsEnabled(w, IDC_MEMO_UPDATE));
        EXPECT_FALSE(IsEnabled(w, IDC_MEMO_DELETE));
        EXPECT_FALSE(IsEnabled(w, IDC_MEMO_PRINT));
        // Nothing saved for "Memo" yet: 600 by 400, centred on the screen.
        RECT r, screen;
        GetWindowRect(w, &r);
        GetWindowRect(GetDesktopWindow(), &screen);
        EXPECT_EQ(r.right - r.left, 600);
        EXPECT_EQ(r.bottom - r.top, 400);
        EXPECT_LE(std::abs((r.left + r.right) - (screen.left + screen.right)), 1);
        EXPECT_LE(std::abs((r.top + r.bottom) - (screen.top + screen.bottom)), 1);
        EXPECT_TRUE(WaitFor([&] {  // the subject box has the focus
            GUITHREADINFO gui = {};
            gui.cbSize = sizeof gui;
            return GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &gui) &&
                   gui.hwndFocus == GetDlgItem(w, IDC_MEMO_SUBJECT);
        }));

        // Shown as stored; then a new subject with an empty body box keeps the body.
        SelectLine(w, IDC_MEMO_LIST, 0);
        EXPECT_TRUE(WaitFor([&] { return Text(w, IDC_TEXT) == plainBody; }));
        EXPECT_EQ(Text(w, IDC_MEMO_SUBJECT), "平文の表題");
        EXPECT_TRUE(IsEnabled(w, IDC_MEMO_UPDATE));
        SetText(w, IDC_MEMO_SUBJECT, "書き直した表題");
        SetText(w, IDC_TEXT, "");
        Click(w, IDC_MEMO_UPDATE);
        ASSERT_TRUE(WaitFor([&] { return !IsEnabled(w, IDC_MEMO_UPDATE); }));
        const std::string updated = ReadRawFile(pc.File("memolst.mox"));
        ASSERT_EQ(updated.size(), kListRecordSize);
        EXPECT_EQ(updated[mf::kShiftFlag], kShiftOrdinary);
        EXPECT_EQ(updated.substr(mf::kSubject, 15), Shifted("書き直した表題") + '\0');
        EXPECT_EQ(updated.substr(0, mf::kUpdatedTime),
                  EncodeMemoRecord(plain).substr(0, mf::kUpdatedTime).replace(mf::kShiftFlag, 1, 1, '\2'));
        EXPECT_NE(updated.substr(mf::kUpdatedTime, 18), std::string(18, '\0'));
        // The kept body now has the form the new flag names.
        EXPECT_EQ(ReadRawFile(pc.File("mem0001.txt")), Shifted(plainBody));
        EXPECT_EQ(ListLines(w, IDC_MEMO_LIST), std::vector<std::string>{"03/04 10:05\t書き直した表題"});
        SelectLine(w, IDC_MEMO_LIST, 0);
        EXPECT_TRUE(WaitFor([&] { return Text(w, IDC_TEXT) == plainBody; }));

        // The subject box takes no 51st byte; a subject of 50 bytes is stored whole.
        HWND subject = GetDlgItem(w, IDC_MEMO_SUBJECT);
        SetText(w, IDC_MEMO_SUBJECT, "");
        for (int i = 0; i < 51; ++i) SendMessageA(subject, WM_CHAR, 'x', 1);
        EXPECT_EQ(Text(w, IDC_MEMO_SUBJECT), std::string(50, 'x'));
        SetText(w, IDC_MEMO_SUBJECT, fifty);
        SetText(w, IDC_TEXT, secondBody);
        Click(w, IDC_MEMO_STORE);
        ASSERT_TRUE(WaitFor([&] { return ListLines(w, IDC_MEMO_LIST).size() == 2; }));
        std::string list = ReadRawFile(pc.File("memolst.mox"));
        ASSERT_EQ(list.size(), 2 * kListRecordSize);
        MemoRecord second = DecodeMemoRecord(BytesOf(Record(list, 1)));
        EXPECT_EQ(second.subject, fifty);
        EXPECT_EQ(second.number, 2);
        EXPECT_EQ(second.shiftFlag, kShiftOrdinary);
        EXPECT_EQ(ReadRawFile(pc.File("mem0002.txt")), Shifted(secondBody));

        // An empty subject stores nothing.
        SetText(w, IDC_MEMO_SUBJECT, "");
        Click(w, IDC_MEMO_STORE);
        ASSERT_TRUE(WaitFor([] { return HasMessage("表題がありません"); }));
        EXPECT_EQ(RawFileSize(pc.File("memolst.mox")), 2 * static_cast<long>(kListRecordSize));

        SetText(w, IDC_MEMO_SUBJECT, "三番目");
        SetText(w, IDC_TEXT, "三");
        Click(w, IDC_MEMO_STORE);
        ASSERT_TRUE(WaitFor([&] { return ListLines(w, IDC_MEMO_LIST).size() == 3; }));
        list = ReadRawFile(pc.File("memolst.mox"));

        // Deleting the middle memo asks nothing and leaves the body box as it was.
        SelectLine(w, IDC_MEMO_LIST, 1);
        EXPECT_TRUE(WaitFor([&] { return Text(w, IDC_TEXT) == secondBody; }));
        Click(w, IDC_MEMO_DELETE);
        ASSERT_TRUE(WaitFor([&] { return ListLines(w, IDC_MEMO_LIST).size() == 2; }));
        EXPECT_TRUE(FindWindows("#32770").empty());
        const std::string left = ReadRawFile(pc.File("memolst.mox"));
        EXPECT_EQ(left, Record(list, 0) + Record(list, 2));
        EXPECT_FALSE(RawFileExists(pc.File("mem0002.txt")));
        EXPECT_TRUE(RawFileExists(pc.File("mem0003.txt")));
        EXPECT_EQ(Text(w, IDC_MEMO_SUBJECT), "");
        EXPECT_EQ(Text(w, IDC_TEXT), secondBody);
        EXPECT_FALSE(IsEnabled(w, IDC_MEMO_DELETE));
        // The lines left still name their records.
        SelectLine(w, IDC_MEMO_LIST, 1);
        EXPECT_TRUE(WaitFor([&] { return Text(w, IDC_MEMO_SUBJECT) == "書き直した表題"; }));

        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(SubWindowHandle(SubWindow::kMemo), nullptr);
    EXPECT_NE(pc.User("001", "Left", "Memo"), "<none>");
}

TEST(MemoWindow, AMalformedListAndAFailedNumberStoreNothingAndKeepTheText) {
    MemoPc pc;
    WriteRawFile(pc.File("memolst.mox"), std::string(300, 'm'));
    // A counter that cannot be opened gives no memo number.
    CreateDirectoryA(pc.File("memonum.mox").c_str(), nullptr);
    ClearMessages();
    int shown = DriveModal([] { return RunSubWindowHere(SubWindow::kMemo, MemoWindowProc); }, [&] {
        HWND w = WaitForWindow("MoxMemo", "ミトカ");
        ASSERT_TRUE(w);
        EXPECT_TRUE(HasMessage("ファイルの形式が違います"));
        EXPECT_TRUE(ListLines(w, IDC_MEMO_LIST).empty());
        SetText(w, IDC_MEMO_SUBJECT, "表題");
        SetText(w, IDC_TEXT, "本文");
        Click(w, IDC_MEMO_STORE);
        ASSERT_TRUE(WaitFor([] { return HasMessage(kMsgMemoNotStored); }));
        EXPECT_EQ(Text(w, IDC_MEMO_SUBJECT), "表題");
        EXPECT_EQ(Text(w, IDC_TEXT), "本文");
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(ReadRawFile(pc.File("memolst.mox")), std::string(300, 'm'));
    for (const std::string& name : ListFolder(pc.store.Path("001")))
        EXPECT_NE(name.compare(0, 4, "mem0"), 0) << name;
}

TEST(MemoWindow, PrintsTheShownBodyOnTheRealPrinter) {
    MemoPc pc;
    PrinterFacts printer;
    ASSERT_GT(printer.dpi, 0) << "no printer " << kTestPrinter << ": run scripts/print-queue.sh as root";
    MemoRecord memo;
    memo.shiftFlag = kShiftOrdinary;
    memo.writerNumber = 1;
    memo.writerName = "山田太郎";
    memo.number = 1;
    memo.subject = "会議のメモ";
    WriteRawFile(pc.File("memolst.mox"), EncodeMemoRecord(memo));
    WriteRawFile(pc.File("mem0001.txt"), Shifted("一行目\r\n二行目\r\n\r\n四行目"));
    // The spooler names the job after the window's title; a title of its own finds its PDF.
    const std::string job = JobTitle("memo");
    std::string pdf;
    int shown = DriveModal([] { return RunSubWindowHere(SubWindow::kMemo, MemoWindowProc); }, [&] {
        HWND w = WaitForWindow("MoxMemo", "ミトカ");
        ASSERT_TRUE(w);
        SelectLine(w, IDC_MEMO_LIST, 0);
        ASSERT_TRUE(WaitFor([&] { return Text(w, IDC_TEXT) == "一行目\r\n二行目\r\n\r\n四行目"; }))
            << Text(w, IDC_TEXT);
        EXPECT_TRUE(IsEnabled(w, IDC_MEMO_PRINT));
        SetWindowTextA(w, job.c_str());
        Click(w, IDC_MEMO_PRINT);
        ChoosePrint(1, true);
        pdf = WaitForPdf(job);  // the job has ended: the window is the user's again
        SetWindowTextA(w, "ミトカ");
        Click(w, IDCANCEL);
        EXPECT_TRUE(WaitUntilGone(w));
    });
    EXPECT_EQ(shown, 1);
    std::vector<PagePicture> pages = RenderPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    std::vector<double> ink = LineInk(pages[0], printer);
    EXPECT_EQ(InkedLines(ink), 3);  // the body's lines, the empty third one blank
    EXPECT_GE(ink[0], 0);
    EXPECT_LT(ink[2], 0);
    EXPECT_GE(ink[3], 0);
}
