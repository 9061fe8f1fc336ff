// How a text is laid on printed pages: the line height, the characters of a line and the lines
// of a page from the printer's font and printable area, the pages in the order the copies come
// out, and a line cut at the printer's width. No header, margins or page numbers: the text's own
// lines, cut into pages. Pure logic: no windows.h.
#pragma once
#include <string>
#include <vector>

struct PageLayout {
    int lineHeight = 0;    // the font's height plus its external leading, in printer pixels
    int charsPerLine = 0;  // bytes of text that fit across the printable width
    int linesPerPage = 0;  // lines that fit down the printable height
};

// The layout of a printer whose font is fontHeight + externalLeading high (taken as a signed
// 16-bit value, as the metrics of old printer drivers are) with the given average character
// width, on a printable area of width x height pixels. A page always takes at least one line of
// at least one character, however large the font or small the area, so that a page count can
// always be reckoned.
PageLayout ComputePageLayout(int fontHeight, int externalLeading, int averageCharWidth,
                             int printableWidth, int printableHeight);

// Pages needed for lineCount lines; 0 for no lines.
int PageCount(int lineCount, const PageLayout& layout);

// The lines that page (from 0) holds: from firstLine, count lines (fewer on the last page).
struct PageLines {
    int firstLine = 0;
    int count = 0;
};
PageLines LinesOfPage(int page, int lineCount, const PageLayout& layout);

// The pages (from 0) in the order they are printed for copies copies: collated, the whole
// sequence once per copy (0 1 0 1); otherwise each page copies times in a row (0 0 1 1).
std::vector<int> PrintSequence(int pageCount, int copies, bool collate);

// A line as printed: cut to charsPerLine bytes, never in the middle of a double-byte character.
// A long line is cut, not wrapped: the page keeps one printed line per line of the text.
std::string PrintedLine(const std::string& line, const PageLayout& layout);
