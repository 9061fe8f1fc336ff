// The printer side of the printing tests: finding a job's PDF and reading its pages.
#include "tests/support/print_check.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <algorithm>
#include <cstdio>

#include "print/print_text.h"
#include "tests/support/support.h"
#include "tests/support/window_driver.h"

namespace {

// Where cups-pdf writes the jobs of the queue MoxPDF (scripts/print-queue.sh).
const char kPdfFolder[] = "/var/spool/cups-pdf/mitoka";

std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

}  // namespace

const char kTestPrinter[] = "MoxPDF";

// A job title that no other job of this or another test run has.
std::string JobTitle(const char* tag) {
    static int serial = 0;
    return "mox-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) +
           "-" + std::to_string(++serial) + "-" + tag;
}


// The print dialog of this process (found by its printer list, whatever its title).
HWND WaitForPrintDialog() {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kWindowWaitMs; Sleep(20))
        for (HWND d : FindWindows("#32770"))
            if (GetDlgItem(d, cmb4) && GetDlgItem(d, edt3)) return d;
    ADD_FAILURE() << "no print dialog";
    return nullptr;
}

// Answers the print dialog: the PDF printer, copies, collated or not, OK.
void ChoosePrint(int copies, bool collate) {
    HWND d = WaitForPrintDialog();
    ASSERT_TRUE(d);
    EXPECT_EQ(Text(d, cmb4), kTestPrinter);
    EXPECT_EQ(Text(d, edt3), "1");  // one copy proposed, collated
    EXPECT_EQ(SendDlgItemMessageA(d, chx2, BM_GETCHECK, 0, 0), BST_CHECKED);
    SetText(d, edt3, std::to_string(copies));
    SendDlgItemMessageA(d, chx2, BM_SETCHECK, collate ? BST_CHECKED : BST_UNCHECKED, 0);
    Click(d, IDOK);
}


// The PDF that cups-pdf made of the job (its name begins with the title), once it is complete;
// "" after timeoutMs.
std::string FindPdf(const std::string& title) {
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((WindowsPath(kPdfFolder) + "\\" + title + "*.pdf").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return std::string();
    FindClose(h);
    char next = found.cFileName[title.size()];
    if (next != '_' && next != '.') return std::string();
    return std::string(kPdfFolder) + "/" + found.cFileName;
}

std::string WaitForPdf(const std::string& title, DWORD timeoutMs) {
    long lastSize = -1;
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(250)) {
        std::string pdf = FindPdf(title);
        if (pdf.empty()) continue;
        std::string bytes = ReadRawFile(WindowsPath(pdf));
        long size = static_cast<long>(bytes.size());
        if (size == lastSize && bytes.rfind("%%EOF") != std::string::npos &&
            bytes.rfind("%%EOF") + 16 > bytes.size())
            return pdf;
        lastSize = size;
    }
    ADD_FAILURE() << "no PDF of the job " << title << " in " << kPdfFolder;
    return std::string();
}

// One page as pdftoppm draws it in grey at kRenderDpi.
namespace {

constexpr int kRenderDpi = 60;

// Runs a shell command of the Linux side (Wine starts Linux programs like its own) and waits
// until it has finished: the handle Wine gives back for a Linux process does not wait for it, so
// the command leaves a marker file when it is done.
void RunLinuxCommand(const std::string& command, const std::string& folder) {
    const std::string marker = folder + "/done";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string line = "/bin/sh -c \"" + command + "; touch " + marker + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &si, &pi))
        << line;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    for (DWORD start = GetTickCount(); !RawFileExists(WindowsPath(marker)); Sleep(50))
        ASSERT_LT(GetTickCount() - start, 120000u) << "no end of " << command;
}

}  // namespace

std::vector<PagePicture> RenderPages(const std::string& pdf) {
    std::vector<PagePicture> pages;
    if (pdf.empty()) return pages;
    std::string folder = "/tmp/mox-print-" + std::to_string(GetCurrentProcessId());
    RemoveTree(WindowsPath(folder));
    CreateDirectoryA(WindowsPath(folder).c_str(), nullptr);
    RunLinuxCommand("pdftoppm -gray -r " + std::to_string(kRenderDpi) + " " + pdf + " " + folder +
                    "/page", folder);
    for (const std::string& name : ListFolder(WindowsPath(folder))) {  // page-1.pgm, page-2.pgm...
        if (name.size() < 4 || name.substr(name.size() - 4) != ".pgm") continue;
        std::string bytes = ReadRawFile(WindowsPath(folder + "/" + name));
        PagePicture page;
        int maxValue = 0, used = 0;
        if (std::sscanf(bytes.c_str(), "P5 %d %d %d%n", &page.width, &page.height, &maxValue, &used) != 3)
            continue;
        page.pixels = bytes.substr(static_cast<size_t>(used) + 1);
        pages.push_back(page);
    }
    RemoveTree(WindowsPath(folder));
    DeleteFileA(WindowsPath(pdf).c_str());  // the printer's folder keeps no test jobs
    return pages;
}

// What a page shows line by line: for each line place of the layout, how far right its ink
// reaches (as a share of the printable width), or -1 when the place is empty.
std::vector<double> LineInk(const PagePicture& page, const PrinterFacts& printer) {
    const PageLayout& layout = printer.layout;
    const int printerDpi = printer.dpi, printableWidth = printer.printableWidth;
    std::vector<double> reach;
    const double scale = static_cast<double>(kRenderDpi) / printerDpi;
    for (int line = 0; line < layout.linesPerPage; ++line) {
        int top = static_cast<int>(line * layout.lineHeight * scale);
        int bottom = std::min(page.height, static_cast<int>((line + 1) * layout.lineHeight * scale));
        int right = -1;
        for (int y = top; y < bottom; ++y)
            for (int x = page.width - 1; x > right; --x)
                if (static_cast<unsigned char>(page.pixels[static_cast<size_t>(y * page.width + x)]) < 128)
                    right = x;
        reach.push_back(right < 0 ? -1.0 : (right + 1) / (printableWidth * scale));
    }
    return reach;
}

int InkedLines(const std::vector<double>& reach) {
    return static_cast<int>(std::count_if(reach.begin(), reach.end(), [](double r) { return r >= 0; }));
}

PrinterFacts::PrinterFacts() {
    HDC dc = CreateDCA(nullptr, kTestPrinter, nullptr, nullptr);
    if (!dc) return;
    layout = SelectPrintFont(dc);
    dpi = GetDeviceCaps(dc, LOGPIXELSY);
    printableWidth = GetDeviceCaps(dc, HORZRES);
    DeleteDC(dc);
}
