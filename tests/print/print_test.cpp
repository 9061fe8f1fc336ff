// Printing: real jobs through the print dialog to the virtual PDF printer that scripts/print-queue.sh sets up (CUPS with cups-pdf). Each printed PDF is turned
// into page pictures with pdftoppm, and the pictures tell which lines landed on which page.
#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>
#include <vector>

#include "print/print_text.h"
#include "res/resource.h"
#include "tests/support/print_check.h"
#include "tests/support/support.h"
#include "tests/support/window_driver.h"

namespace {

// The owner window of a job (its title names the job) with a multi-line edit box that does not
// wrap: each line of the text is one line of the box.
struct PrintSource {
    HWND owner = nullptr;
    HWND edit = nullptr;
    std::string title;
    PrintSource(const char* tag, const std::string& text) : title(JobTitle(tag)) {
        owner = CreateWindowA("STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                              400, 300, nullptr, nullptr, nullptr, nullptr);
        edit = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL |
                             ES_AUTOVSCROLL | WS_HSCROLL | WS_VSCROLL, 0, 0, 380, 260, owner,
                             nullptr, nullptr, nullptr);
        SendMessageA(edit, EM_LIMITTEXT, 0, 0);
        SetWindowTextA(edit, text.c_str());
    }
    ~PrintSource() { DestroyWindow(owner); }
};

// The text of n lines; line 0 is long enough to run far past the printer's width when wide is set.
std::string Lines(int n, int wideChars = 0) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        if (i) text += "\r\n";
        text += i == 0 && wideChars ? std::string(static_cast<size_t>(wideChars), 'M')
                                    : "行" + std::to_string(i + 1) + " 印刷のテスト";
    }
    return text;
}

int PrintDriven(const PrintSource& source, const std::function<void()>& drive) {
    return DriveModal([&] { return PrintEditText(source.owner, source.edit, "ミトカ"); }, drive);
}

// The texts of a dialog's labels, in the order of the template.
std::vector<std::string> Labels(HWND dialog) {
    std::vector<std::string> labels;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char name[16] = "";
        GetClassNameA(c, name, sizeof name);
        if (lstrcmpiA(name, "Static") != 0) continue;
        wchar_t wide[128] = L"";
        int n = GetWindowTextW(c, wide, 128);
        char text[256] = "";
        WideCharToMultiByte(932, 0, wide, n, text, sizeof text - 1, nullptr, nullptr);
        labels.push_back(text);
    }
    return labels;
}

// The progress dialog of this process's job, or null.
HWND ProgressDialog() {
    for (HWND d : FindWindows("#32770"))
        if (GetDlgItem(d, IDC_PRINT_CAPTION)) return d;
    return nullptr;
}

// A spooler that records the calls of a job and passes them on to the real one; a test makes it
// refuse a step or wait for the user at a page.
struct RecordingSpooler {
    static std::vector<std::string> calls;
    static int failPage;          // EndPage of this page (from 1) reports a failure
    static bool cancelAtStart;    // the user presses キャンセル as the document starts
    static HANDLE pageDone, userDone;  // set: wait for the user after the first page
    static int pages;

    static int StartDoc(HDC dc, const char* name) {
        calls.push_back("StartDoc");
        if (cancelAtStart) {
            PostMessageA(ProgressDialog(), WM_COMMAND, IDCANCEL, 0);
        }
        return PlatformSpoolerCalls().startDoc(dc, name);
    }
    static int StartPage(HDC dc) {
        calls.push_back("StartPage");
        return PlatformSpoolerCalls().startPage(dc);
    }
    static int EndPage(HDC dc) {
        calls.push_back("EndPage");
        int result = PlatformSpoolerCalls().endPage(dc);
        if (++pages == 1 && pageDone) {
            SetEvent(pageDone);
            // The user's thread reads the progress dialog meanwhile: answer what it sends.
            while (MsgWaitForMultipleObjects(1, &userDone, FALSE, kWindowWaitMs, QS_SENDMESSAGE) ==
                   WAIT_OBJECT_0 + 1) {
                MSG msg;
                PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            }
        }
        return pages == failPage ? SP_ERROR : result;
    }
    static int EndDoc(HDC dc) {
        calls.push_back("EndDoc");
        return PlatformSpoolerCalls().endDoc(dc);
    }
    static int AbortDoc(HDC dc) {
        calls.push_back("AbortDoc");
        return PlatformSpoolerCalls().abortDoc(dc);
    }

    RecordingSpooler() {
        calls.clear();
        failPage = 0;
        cancelAtStart = false;
        pageDone = userDone = nullptr;
        pages = 0;
        SetSpoolerCalls(SpoolerCalls{StartDoc, StartPage, EndPage, EndDoc, AbortDoc});
    }
    ~RecordingSpooler() { SetSpoolerCalls(PlatformSpoolerCalls()); }
};
std::vector<std::string> RecordingSpooler::calls;
int RecordingSpooler::failPage = 0;
bool RecordingSpooler::cancelAtStart = false;
HANDLE RecordingSpooler::pageDone = nullptr;
HANDLE RecordingSpooler::userDone = nullptr;
int RecordingSpooler::pages = 0;

std::string Joined(const std::vector<std::string>& calls) {
    std::string text;
    for (const std::string& c : calls) text += c + " ";
    return text;
}

std::vector<std::string> Calls(std::initializer_list<const char*> names) {
    return std::vector<std::string>(names.begin(), names.end());
}

}  // namespace

TEST(PrintEditText, EmptyBoxAndCancelledDialogPrintNothing) {
    PrintSource empty("empty", "");
    EXPECT_EQ(PrintDriven(empty, [] { ChoosePrint(1, true); }), 1);
    EXPECT_TRUE(FindWindows("#32770").empty());  // no progress dialog either
    PrintSource text("cancelled", Lines(3));
    EXPECT_EQ(PrintDriven(text, [] {
        HWND d = WaitForPrintDialog();
        ASSERT_TRUE(d);
        Click(d, IDCANCEL);
    }), 1);
    // Jobs after these reach the printer in order, so when a later one is there these would be.
    PrintSource later("after-empty", Lines(1));
    EXPECT_EQ(PrintDriven(later, [] { ChoosePrint(1, true); }), 1);
    WaitForPdf(later.title);
    EXPECT_EQ(FindPdf(empty.title), "");
    EXPECT_EQ(FindPdf(text.title), "");
}

TEST(PrintEditText, RealPagesCopiesCollationAndCutLines) {
    PrinterFacts printer;
    ASSERT_GT(printer.dpi, 0) << "no printer " << kTestPrinter << ": run scripts/print-queue.sh as root";
    const int perPage = printer.layout.linesPerPage;
    ASSERT_GT(perPage, 2);

    // Exactly one page of lines, the first far wider than the paper: cut, so still one page.
    PrintSource full("onepage", Lines(perPage, printer.layout.charsPerLine * 3));
    // One line more, two copies collated and two not.
    PrintSource collated("collated", Lines(perPage + 1));
    PrintSource uncollated("uncollated", Lines(perPage + 1));
    RecordingSpooler spooler;
    EXPECT_EQ(PrintDriven(full, [] { ChoosePrint(1, true); }), 1) << Joined(RecordingSpooler::calls);
    EXPECT_EQ(PrintDriven(collated, [] { ChoosePrint(2, true); }), 1) << Joined(RecordingSpooler::calls);
    EXPECT_EQ(PrintDriven(uncollated, [] { ChoosePrint(2, false); }), 1) << Joined(RecordingSpooler::calls);

    auto ink = [&](const PagePicture& page) {
        return LineInk(page, printer);
    };
    std::vector<PagePicture> one = RenderPages(WaitForPdf(full.title));
    ASSERT_EQ(one.size(), 1u);
    std::vector<double> reach = ink(one[0]);
    EXPECT_EQ(InkedLines(reach), perPage);
    EXPECT_GT(reach[0], 0.9);   // the long line runs to the printer's width...
    EXPECT_LE(reach[0], 1.01);  // ...and no further
    EXPECT_LT(reach[1], 0.5);

    std::vector<PagePicture> abab = RenderPages(WaitForPdf(collated.title));
    ASSERT_EQ(abab.size(), 4u);
    EXPECT_EQ(InkedLines(ink(abab[0])), perPage);
    EXPECT_EQ(InkedLines(ink(abab[1])), 1);
    EXPECT_EQ(abab[0].pixels, abab[2].pixels);
    EXPECT_EQ(abab[1].pixels, abab[3].pixels);

    std::vector<PagePicture> aabb = RenderPages(WaitForPdf(uncollated.title));
    ASSERT_EQ(aabb.size(), 4u);
    EXPECT_EQ(InkedLines(ink(aabb[0])), perPage);
    EXPECT_EQ(aabb[0].pixels, aabb[1].pixels);
    EXPECT_EQ(InkedLines(ink(aabb[2])), 1);
    EXPECT_EQ(aabb[2].pixels, aabb[3].pixels);
    EXPECT_EQ(aabb[0].pixels, abab[0].pixels);
}

TEST(PrintEditText, CancelStopsAfterTheCurrentPageAndGivesTheOwnerBack) {
    PrinterFacts printer;
    ASSERT_GT(printer.dpi, 0) << "no printer " << kTestPrinter << ": run scripts/print-queue.sh as root";
    RecordingSpooler spooler;
    HANDLE pageDone = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE userDone = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    RecordingSpooler::pageDone = pageDone;
    RecordingSpooler::userDone = userDone;
    PrintSource source("cancel", Lines(printer.layout.linesPerPage * 3));
    HWND shown = nullptr;
    int result = PrintDriven(source, [&] {
        ChoosePrint(1, true);
        HWND d = WaitForDialog("ミトカ　印刷");
        shown = d;
        ASSERT_TRUE(d);
        EXPECT_EQ(WaitForSingleObject(pageDone, kWindowWaitMs), WAIT_OBJECT_0);
        EXPECT_FALSE(IsWindowEnabled(source.owner));
        EXPECT_EQ(Labels(d), Calls({"Sending", "ミトカ", "to print spooler."}));
        EXPECT_EQ(Text(d, IDCANCEL), "ｷｬﾝｾﾙ");
        EXPECT_TRUE(GetMenuState(GetSystemMenu(d, FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
        Click(d, IDCANCEL);
        SetEvent(userDone);
    });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(IsWindowEnabled(source.owner));
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_EQ(RecordingSpooler::calls, Calls({"StartDoc", "StartPage", "EndPage", "EndDoc"}));
    EXPECT_EQ(RenderPages(WaitForPdf(source.title)).size(), 1u);  // the page that was printed
    CloseHandle(pageDone);
    CloseHandle(userDone);
}

TEST(PrintEditText, RefusedStartOrPageAbortsTheDocument) {
    PrinterFacts printer;
    ASSERT_GT(printer.dpi, 0) << "no printer " << kTestPrinter << ": run scripts/print-queue.sh as root";
    const int perPage = printer.layout.linesPerPage;
    // The spooler refuses the second page: the document is aborted, never ended.
    PrintSource refusedPage("refused-page", Lines(perPage * 3));
    {
        RecordingSpooler spooler;
        RecordingSpooler::failPage = 2;
        EXPECT_EQ(PrintDriven(refusedPage, [] { ChoosePrint(1, true); }), 0);
        EXPECT_EQ(RecordingSpooler::calls, Calls({"StartDoc", "StartPage", "EndPage", "StartPage",
                                                  "EndPage", "AbortDoc"}));
        EXPECT_TRUE(IsWindowEnabled(refusedPage.owner));
    }
    // The user's キャンセル arrives as the document starts: the abort procedure, asked by the
    // platform's StartDoc, says stop, and StartDoc fails.
    PrintSource refusedStart("refused-start", Lines(perPage));
    {
        RecordingSpooler spooler;
        RecordingSpooler::cancelAtStart = true;
        EXPECT_EQ(PrintDriven(refusedStart, [] { ChoosePrint(1, true); }), 0);
        EXPECT_EQ(RecordingSpooler::calls, Calls({"StartDoc", "AbortDoc"}));
        EXPECT_TRUE(IsWindowEnabled(refusedStart.owner));
        EXPECT_TRUE(FindWindows("#32770").empty());
    }
    // Neither reached the printer; a job after them does.
    PrintSource later("after-refused", Lines(2));
    EXPECT_EQ(PrintDriven(later, [] { ChoosePrint(1, true); }), 1);
    EXPECT_EQ(RenderPages(WaitForPdf(later.title)).size(), 1u);
    EXPECT_EQ(FindPdf(refusedPage.title), "");
    EXPECT_EQ(FindPdf(refusedStart.title), "");
}
