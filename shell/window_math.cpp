#include "shell/window_math.h"

Placement PlacementFor(const WindowRectValues& saved, int desktopRight, int desktopBottom) {
    Placement p;
    if (saved.left == 0 && saved.top == 0 && saved.right == 0 && saved.bottom == 0) {
        p.centre = true;
        return p;
    }
    p.x = saved.left > desktopRight ? 0 : saved.left;
    p.y = saved.top > desktopBottom ? 0 : saved.top;
    p.width = saved.right - saved.left;
    p.height = saved.bottom - saved.top;
    return p;
}

int CentredOrigin(int desktopSize, int windowSize) { return (desktopSize - windowSize) / 2; }

int LineHeightFor(int fontHeight) {
    int height = fontHeight / 2 * 3;
    return height < 20 ? 20 : height;
}

long ReverseRecordOffsetFor(int count, int index) {
    return static_cast<long>(count - index - 1) * 256;
}

size_t TabFieldOffset(const std::string& text, int n) {
    size_t at = 0;
    for (int found = 0; found < n; ++found) {
        size_t tab = text.find('\t', at);
        if (tab == std::string::npos) return text.size() + 1;
        at = tab + 1;
    }
    return at;
}
