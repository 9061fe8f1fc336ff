// Checking what really reached the printer: the tests print to the virtual PDF printer that
// scripts/print-queue.sh sets up (CUPS with cups-pdf), answer the print dialog as a user would,
// turn the job's PDF into page pictures with pdftoppm and look at which lines carry ink.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "print/page_layout.h"

// The queue the tests print to; it is the default printer of the prefix.
extern const char kTestPrinter[];

// A job title that no other job of this or another test run has; the spooler names the job after
// its owner window's title, and the PDF after the job.
std::string JobTitle(const char* tag);

// The print dialog of this process (found by its printer list, whatever its title), or null with
// a test failure after the usual wait.
HWND WaitForPrintDialog();
// Answers the print dialog: the test printer (checked to be proposed, with one copy collated),
// the copies and collation given, OK.
void ChoosePrint(int copies, bool collate);

// The complete PDF of the job titled title; "" while there is none.
std::string FindPdf(const std::string& title);
// Waits for the job's PDF to be complete; "" with a test failure after timeoutMs.
std::string WaitForPdf(const std::string& title, DWORD timeoutMs = 90000);

// One page as pdftoppm draws it in grey.
struct PagePicture {
    int width = 0, height = 0;
    std::string pixels;  // one byte per pixel, 0 black .. 255 white
};
// The pages of a PDF; the PDF is deleted afterwards (the printer's folder keeps no test jobs).
std::vector<PagePicture> RenderPages(const std::string& pdf);

// The layout of the test printer as a job gets it.
struct PrinterFacts {
    PageLayout layout;
    int dpi = 0;  // 0 when the printer is missing
    int printableWidth = 0;
    PrinterFacts();
};

// For each line place of the printer's layout, how far right the page's ink reaches there (as a
// share of the printable width), or -1 when the place is empty.
std::vector<double> LineInk(const PagePicture& page, const PrinterFacts& printer);
int InkedLines(const std::vector<double>& reach);
