#include "print/page_layout.h"

#include <algorithm>
#include <cstdint>

#include "store/sjis.h"

PageLayout ComputePageLayout(int fontHeight, int externalLeading, int averageCharWidth,
                             int printableWidth, int printableHeight) {
    PageLayout layout;
    layout.lineHeight = static_cast<int16_t>(static_cast<uint16_t>(fontHeight + externalLeading));
    if (layout.lineHeight < 1) layout.lineHeight = 1;
    layout.charsPerLine = averageCharWidth > 0 ? printableWidth / averageCharWidth : 0;
    layout.linesPerPage = printableHeight / layout.lineHeight;
    layout.charsPerLine = std::max(layout.charsPerLine, 1);
    layout.linesPerPage = std::max(layout.linesPerPage, 1);
    return layout;
}

int PageCount(int lineCount, const PageLayout& layout) {
    if (lineCount <= 0 || layout.linesPerPage <= 0) return 0;
    return (lineCount + layout.linesPerPage - 1) / layout.linesPerPage;
}

PageLines LinesOfPage(int page, int lineCount, const PageLayout& layout) {
    PageLines lines;
    lines.firstLine = page * layout.linesPerPage;
    lines.count = std::max(0, std::min(layout.linesPerPage, lineCount - lines.firstLine));
    return lines;
}

std::vector<int> PrintSequence(int pageCount, int copies, bool collate) {
    std::vector<int> sequence;
    if (pageCount <= 0 || copies <= 0) return sequence;
    if (collate) {
        for (int c = 0; c < copies; ++c)
            for (int p = 0; p < pageCount; ++p) sequence.push_back(p);
    } else {
        for (int p = 0; p < pageCount; ++p)
            for (int c = 0; c < copies; ++c) sequence.push_back(p);
    }
    return sequence;
}

std::string PrintedLine(const std::string& line, const PageLayout& layout) {
    return CutSjis(line, static_cast<size_t>(std::max(layout.charsPerLine, 0)));
}
