// Printing the text of a multi-line edit box on the printer the user picks, line by line and page
// by page, with a small progress dialog whose キャンセル stops the job after the current page.
#pragma once
#include <windows.h>

#include "print/page_layout.h"

// Runs the print dialog and prints the edit box's lines as it shows them (its own word wrapping
// included), cut at the printer's width. caption names what is printed in the progress dialog
// ("ミトカ"); the job carries the owner window's title. Returns 1 when the text was printed, when
// there was nothing to print or when the user cancelled the print dialog; 0 when the printer
// refused the job or the user stopped it.
int PrintEditText(HWND owner, HWND edit, const char* caption);

// Selects the font that texts are printed in into a printer device context (Japanese text needs
// a Shift_JIS font; the printer's own default font may have no such characters) and returns the
// page layout it gives there. The font stays selected until the context is deleted.
PageLayout SelectPrintFont(HDC printer);

// The spooler's document and page calls of a job, replaceable so that a test can make the spooler
// refuse a step of a real job. Each returns what the platform call of the same name returns.
struct SpoolerCalls {
    int (*startDoc)(HDC dc, const char* documentName);
    int (*startPage)(HDC dc);
    int (*endPage)(HDC dc);
    int (*endDoc)(HDC dc);
    int (*abortDoc)(HDC dc);
};
// The platform's own calls.
SpoolerCalls PlatformSpoolerCalls();
// Sets the calls that jobs use from now on and returns the previous ones.
SpoolerCalls SetSpoolerCalls(const SpoolerCalls& calls);
