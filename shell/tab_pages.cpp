#include "shell/tab_pages.h"

#include <windowsx.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kLightGrey = RGB(192, 192, 192);  // the platform's light-grey stock brush

void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HPEN old = SelectPen(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    SelectPen(dc, old);
    DeletePen(pen);
}

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteBrush(brush);
}

void FrameBlack(HDC dc, const RECT& rect) {
    HBRUSH brush = CreateSolidBrush(kBlack);
    FrameRect(dc, &rect, brush);
    DeleteBrush(brush);
}

// The rings of a bevel; withBottom false leaves the bottom edge out.
void DrawBevel(HDC dc, const RECT& r, int width, bool raised, bool withBottom) {
    const COLORREF light = raised ? kWhite : kGrey;
    const COLORREF dark = raised ? kGrey : kWhite;
    for (int i = 0; i < width; ++i) {
        const int left = r.left + i, top = r.top + i, right = r.right - 1 - i, bottom = r.bottom - 1 - i;
        Line(dc, left, bottom + (withBottom ? 0 : 1), left, top, light);
        Line(dc, left, top, right + 1, top, light);
        Line(dc, right, top, right, bottom + 1, dark);
        if (withBottom) Line(dc, left, bottom, right + 1, bottom, dark);
    }
}

RECT ControlRect(HWND dialog, int control) {
    RECT r = {};
    HWND item = GetDlgItem(dialog, control);
    if (!item) return r;
    GetWindowRect(item, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

void DrawRaisedFrame(HDC dc, const RECT& rect, int width, bool raised) {
    DrawBevel(dc, rect, width, raised, true);
}

void DrawTabFrame(HDC dc, const RECT& rect, int width, bool raised) {
    DrawBevel(dc, rect, width, raised, false);
}

void DrawTab(const DRAWITEMSTRUCT& item, bool current) {
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    Fill(dc, r, kLightGrey);
    RECT framed = r;
    framed.bottom -= 2;
    FrameBlack(dc, framed);

    char caption[64] = "";
    GetWindowTextA(item.hwndItem, caption, sizeof caption);
    HFONT font = GetWindowFont(item.hwndItem);
    HFONT oldFont = font ? SelectFont(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(item.hwndItem) ? kBlack : kGrey);
    RECT text = framed;
    DrawTextA(dc, caption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (oldFont) SelectFont(dc, oldFont);

    RECT strip = {r.left, r.bottom - 2, r.right, r.bottom};
    Fill(dc, strip, kWhite);
    RECT bevel = {r.left + 1, r.top + 1, r.right - 2, r.bottom - 4};
    DrawTabFrame(dc, bevel, 2, true);
    if (current) {
        RECT open = {r.left + 1, r.bottom - 3, r.right - 1, r.bottom};
        Fill(dc, open, kLightGrey);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = text;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

void DrawPageFrame(HWND dialog, HDC dc, int frameControl, int firstTab) {
    RECT page = ControlRect(dialog, frameControl);
    page.top = ControlRect(dialog, firstTab).bottom - 3;
    FrameBlack(dc, page);
    RECT inside = page;
    InflateRect(&inside, -1, -1);
    DrawRaisedFrame(dc, inside, 2, true);
}

HBRUSH PageBackground(HDC dc, bool transparentText) {
    if (transparentText) SetBkMode(dc, TRANSPARENT);
    return GetStockBrush(LTGRAY_BRUSH);
}
