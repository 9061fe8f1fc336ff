#include "print/print_text.h"

#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "res/resource.h"
#include "shell/plumbing.h"
#include "store/sjis.h"

namespace {

// Texts are printed in a fixed-pitch Shift_JIS font of 12 points: six lines to the inch, and
// every half-width character as wide as the average, so the characters of a line fill the width.
constexpr int kPrintPoints = 12;
const char kPrintFace[] = "ＭＳ ゴシック";
// The owner's title names the job in the spooler, cut to this many bytes.
constexpr size_t kDocumentNameMax = 40;

int PlatformStartDoc(HDC dc, const char* name) {
    DOCINFOA doc = {};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = name;
    return StartDocA(dc, &doc);
}
int PlatformStartPage(HDC dc) { return StartPage(dc); }
int PlatformEndPage(HDC dc) { return EndPage(dc); }
int PlatformEndDoc(HDC dc) { return EndDoc(dc); }
int PlatformAbortDoc(HDC dc) { return AbortDoc(dc); }

SpoolerCalls g_spooler = PlatformSpoolerCalls();

// The job that runs now: one at a time, since its owner stays disabled while it prints.
struct Job {
    HWND owner = nullptr;
    HWND progress = nullptr;  // the progress dialog; null once the user has stopped the job
    bool aborted = false;
};
Job g_job;

// Any command of the progress dialog (its button, or Escape) stops the job: the owner comes
// back at once, and the page being printed is the last.
void OnProgressCommand(HWND dialog, int, HWND, UINT) {
    g_job.aborted = true;
    EnableWindow(g_job.owner, TRUE);
    DestroyWindow(dialog);
    g_job.progress = nullptr;
}

BOOL OnProgressInit(HWND dialog, HWND, LPARAM) {
    EnableMenuItem(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    return TRUE;
}

INT_PTR CALLBACK ProgressProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(dialog, WM_INITDIALOG, OnProgressInit);
        HANDLE_MSG(dialog, WM_COMMAND, OnProgressCommand);
    }
    return FALSE;
}

// Keeps the thread's windows alive while the job prints, and tells the spooler whether to go on.
// A quit message is put back for the message loop, and ends the job.
BOOL CALLBACK AbortProc(HDC, int) {
    MSG msg;
    while (!g_job.aborted && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            g_job.aborted = true;
            break;
        }
        if (!g_job.progress || !IsDialogMessageA(g_job.progress, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return !g_job.aborted;
}

void UsePrintFont(HDC printer) {
    // One font per process, made for the first printer's resolution and kept: printers differ
    // little, and the font's height is in the context's own pixels anyway.
    static HFONT font = nullptr;
    static int fontDpi = 0;
    int dpi = GetDeviceCaps(printer, LOGPIXELSY);
    if (!font || fontDpi != dpi) {
        if (font) DeleteObject(font);
        LOGFONTA lf = {};
        lf.lfHeight = -MulDiv(kPrintPoints, dpi, 72);
        lf.lfCharSet = SHIFTJIS_CHARSET;
        lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        lstrcpynA(lf.lfFaceName, kPrintFace, LF_FACESIZE);
        font = CreateFontIndirectA(&lf);
        fontDpi = dpi;
    }
    if (font) SelectObject(printer, font);
}

// Line number line of the edit box as the box shows it.
std::string EditLine(HWND edit, int line) {
    int start = Edit_LineIndex(edit, line);
    if (start < 0) return std::string();
    // The box counts characters; a double-byte character takes two bytes of the buffer.
    WORD size = static_cast<WORD>(std::min(std::max(Edit_LineLength(edit, start) * 2 + 2, 4), 0xFFFF));
    std::vector<char> buffer(size + 1u, '\0');
    std::memcpy(buffer.data(), &size, sizeof size);  // EM_GETLINE reads the buffer's size here
    LRESULT got = SendMessageA(edit, EM_GETLINE, static_cast<WPARAM>(line),
                               reinterpret_cast<LPARAM>(buffer.data()));
    if (got < 0 || got > size) got = 0;
    return std::string(buffer.data(), static_cast<size_t>(got));
}

// The owner's title, as the document's name in the spooler.
std::string DocumentName(HWND owner) {
    char title[256] = "";
    if (owner) GetWindowTextA(owner, title, sizeof title);
    return CutSjis(title, kDocumentNameMax);
}

// Prints one page; false when the spooler refused it.
bool PrintPage(HDC dc, HWND edit, int page, int lineCount, const PageLayout& layout) {
    if (g_spooler.startPage(dc) <= 0) return false;
    UsePrintFont(dc);  // some drivers start each page with the context's default font
    PageLines lines = LinesOfPage(page, lineCount, layout);
    for (int i = 0; i < lines.count; ++i) {
        std::string text = PrintedLine(EditLine(edit, lines.firstLine + i), layout);
        TextOutA(dc, 0, i * layout.lineHeight, text.data(), static_cast<int>(text.size()));
    }
    return g_spooler.endPage(dc) > 0;
}

// Prints the pages in their order; false when the spooler refused a page. Stops after the page on
// which the user stopped the job.
bool PrintPages(HDC dc, HWND edit, int lineCount, const PageLayout& layout, int copies,
                bool collate) {
    for (int page : PrintSequence(PageCount(lineCount, layout), copies, collate)) {
        if (!PrintPage(dc, edit, page, lineCount, layout)) return false;
        // The spooler asks the abort procedure only now and then (some never during the pages),
        // so a キャンセル waiting in the queue is heard here, after each page.
        AbortProc(dc, 0);
        if (g_job.aborted) break;
    }
    return true;
}

}  // namespace

SpoolerCalls PlatformSpoolerCalls() {
    return SpoolerCalls{PlatformStartDoc, PlatformStartPage, PlatformEndPage, PlatformEndDoc,
                        PlatformAbortDoc};
}

SpoolerCalls SetSpoolerCalls(const SpoolerCalls& calls) {
    SpoolerCalls previous = g_spooler;
    g_spooler = calls;
    return previous;
}

PageLayout SelectPrintFont(HDC printer) {
    UsePrintFont(printer);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(printer, &metrics);
    return ComputePageLayout(metrics.tmHeight, metrics.tmExternalLeading, metrics.tmAveCharWidth,
                             GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES));
}

int PrintEditText(HWND owner, HWND edit, const char* caption) {
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_COLLATE;
    dialog.nCopies = 1;
    BOOL chosen = PrintDlgA(&dialog);
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    // Cancelled: nothing to do. A dialog that could not run (no printer at all) is a failure.
    if (!chosen) return CommDlgExtendedError() == 0 ? 1 : 0;
    HDC dc = dialog.hDC;
    if (!dc) return 0;

    // An empty box still counts one line; it has nothing to print.
    int lineCount = GetWindowTextLengthA(edit) > 0 ? Edit_GetLineCount(edit) : 0;
    if (lineCount <= 0) {
        DeleteDC(dc);
        return 1;
    }
    const PageLayout layout = SelectPrintFont(dc);
    const int copies = std::max<int>(dialog.nCopies, 1);
    const bool collate = (dialog.Flags & PD_COLLATE) != 0;
    const std::string name = DocumentName(owner);

    EnableWindow(owner, FALSE);
    g_job = Job();
    g_job.owner = owner;
    g_job.progress = CreateDialogParamA(AppInstance(), MAKEINTRESOURCEA(IDD_PRINT_PROGRESS), owner,
                                        ProgressProc, 0);
    if (g_job.progress) SetDlgItemTextA(g_job.progress, IDC_PRINT_CAPTION, caption);
    SetAbortProc(dc, AbortProc);

    // A document the spooler refused (at its start or at a page) is aborted, so that no half job
    // stays open in the spooler; a job the user stopped is ended with the pages it has.
    bool failed = g_spooler.startDoc(dc, name.c_str()) <= 0 ||
                  !PrintPages(dc, edit, lineCount, layout, copies, collate);
    if (failed) g_spooler.abortDoc(dc);
    else g_spooler.endDoc(dc);

    // A job the user stopped has given the owner back and closed its dialog already.
    EnableWindow(owner, TRUE);
    if (g_job.progress) DestroyWindow(g_job.progress);
    g_job.progress = nullptr;
    DeleteDC(dc);
    return failed || g_job.aborted ? 0 : 1;
}
