// The window plumbing on real windows: placement, remembered rectangles, line height, the
// raised frame, text loading, list offsets and the About box.
#include <gtest/gtest.h>

#include "app/settings/local_user.h"
#include "app/settings/profile.h"
#include "res/resource.h"
#include "shell/about_dialog.h"
#include "shell/plumbing.h"
#include "store/names.h"
#include "store/store.h"
#include "tests/support/office.h"
#include "tests/support/window_driver.h"

namespace {

// A plain top-level window of this thread, destroyed with the test.
struct TestWindow {
    HWND window;
    explicit TestWindow(DWORD style = WS_OVERLAPPEDWINDOW) {
        window = CreateWindowExA(0, "STATIC", "plumbing", style, 10, 10, 200, 150, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~TestWindow() {
        if (IsWindow(window)) DestroyWindow(window);
    }
    RECT Rect() const {
        RECT r;
        GetWindowRect(window, &r);
        return r;
    }
};

RECT Desktop() {
    RECT r;
    GetWindowRect(GetDesktopWindow(), &r);
    return r;
}

// A user office with user 001's settings file.
struct UserOffice : TestOffice {
    UserOffice() {
        MakeStoreFolder(store.Path("001"));
        SetCurrentUserNumber(1);
    }
};

}  // namespace

TEST(WindowPlacement, OffScreenRectanglesAndZerosOnARealWindow) {
    TestWindow w;
    RECT desktop = Desktop();
    PlaceWindow(w.window, {desktop.right + 50, 40, desktop.right + 350, 240});
    RECT r = w.Rect();
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(r.bottom - r.top, 200);

    PlaceWindow(w.window, {0, 0, 0, 0});
    r = w.Rect();
    EXPECT_EQ(r.right - r.left, 300);  // centring keeps the size
    EXPECT_EQ(r.left, (desktop.right - desktop.left - 300) / 2);
    EXPECT_EQ(r.top, (desktop.bottom - desktop.top - 200) / 2);
}

TEST(WindowPlacement, RectanglesAreRememberedPerSectionInTheUserFile) {
    UserOffice office;
    WindowRectValues fresh = ReadWindowRect("Chat");
    EXPECT_EQ(fresh.left, 0);
    EXPECT_EQ(fresh.top, 0);
    EXPECT_EQ(fresh.right, 400);
    EXPECT_EQ(fresh.bottom, 400);
    SaveWindowRect("Chat", {-8, 12, 640, 480});
    std::string file = ReadRawFile(office.store.Path("001\\mox.ini"));
    EXPECT_NE(file.find("[Chat]\r\nLeft=-8\r\nTop=12\r\nRight=640\r\nBottom=480\r\n"),
              std::string::npos)
        << file;
    WindowRectValues back = ReadWindowRect("Chat");
    EXPECT_EQ(back.left, -8);
    EXPECT_EQ(back.bottom, 480);
    EXPECT_EQ(ReadWindowRect("Memo").right, 400);  // each window has its own section
}

TEST(WindowPlacement, ASubWindowClosedWhileMinimisedSavesItsRestoredRectangle) {
    UserOffice office;
    office.SetUser("001", "Left", "30", "Bbs");
    office.SetUser("001", "Top", "20", "Bbs");
    office.SetUser("001", "Right", "330", "Bbs");
    office.SetUser("001", "Bottom", "270", "Bbs");
    TestWindow w;
    ShowWindow(w.window, SW_SHOWNORMAL);
    PlaceSubWindow(w.window, "Bbs");
    RECT placed = w.Rect();
    EXPECT_EQ(placed.left, 30);
    EXPECT_EQ(placed.right, 330);
    ShowWindow(w.window, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(w.window));
    CloseSubWindow(w.window, "Bbs");
    EXPECT_FALSE(IsWindow(w.window));
    EXPECT_EQ(office.User("001", "Left", "Bbs"), "30");
    EXPECT_EQ(office.User("001", "Top", "Bbs"), "20");
    EXPECT_EQ(office.User("001", "Right", "Bbs"), "330");
    EXPECT_EQ(office.User("001", "Bottom", "Bbs"), "270");
}

TEST(Drawing, LineHeightFollowsTheWindowFont) {
    TestWindow w;
    for (int pixels : {12, 16}) {
        HFONT font = CreateFontA(-pixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                 "IPAGothic");
        SendMessageA(w.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        HDC hdc = GetDC(w.window);
        HGDIOBJ old = SelectObject(hdc, font);
        TEXTMETRICA tm;
        GetTextMetricsA(hdc, &tm);
        SelectObject(hdc, old);
        ReleaseDC(w.window, hdc);
        EXPECT_EQ(LineHeight(w.window), LineHeightFor(tm.tmHeight)) << pixels;
        SendMessageA(w.window, WM_SETFONT, 0, FALSE);
        DeleteObject(font);
    }
}

TEST(Drawing, TheRaisedFrameIsWhiteAboveAndGreyBelow) {
    HDC screen = GetDC(nullptr);
    HDC hdc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 30);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(hdc, bitmap);
    RECT all = {0, 0, 40, 30};
    FillRect(hdc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    DrawRaisedFrames(hdc, RECT{0, 0, 39, 29}, 2);
    const COLORREF white = RGB(255, 255, 255), grey = RGB(128, 128, 128);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(GetPixel(hdc, i, 15), white) << i;       // left edge
        EXPECT_EQ(GetPixel(hdc, 20, i), white) << i;       // top edge
        EXPECT_EQ(GetPixel(hdc, 39 - i, 15), grey) << i;   // right edge
        EXPECT_EQ(GetPixel(hdc, 20, 29 - i), grey) << i;   // bottom edge
    }
    EXPECT_EQ(GetPixel(hdc, 2, 15), RGB(0, 0, 0));  // two frames, no more
    SelectObject(hdc, old);
    DeleteObject(bitmap);
    DeleteDC(hdc);
}

TEST(ControlHelpers, TextLoadingListOffsetsAndWrappers) {
    TempStore store;
    TestWindow w;
    HWND edit = CreateWindowExA(0, "edit", "old", WS_CHILD | ES_MULTILINE, 0, 0, 100, 100,
                                w.window, reinterpret_cast<HMENU>(IDC_TEXT), nullptr, nullptr);
    ASSERT_TRUE(edit);
    LoadTextIntoControl(w.window, store.Path("missing.txt"), 1);
    EXPECT_EQ(ControlTextLength(w.window, IDC_TEXT), 0);

    std::string body = "掲示板の本文\r\n二行目";
    std::string shifted = body;
    ShiftBytes(shifted, 1);
    WriteRawFile(store.Path("bbs0001.txt"), shifted);
    LoadTextIntoControl(w.window, store.Path("bbs0001.txt"), 1);
    EXPECT_EQ(DialogText(w.window, IDC_TEXT, 1000), body);
    WriteRawFile(store.Path("plain.txt"), body);
    LoadTextIntoControl(w.window, store.Path("plain.txt"), 0);
    EXPECT_EQ(DialogText(w.window, IDC_TEXT, 1000), body);
    // Cut at a character boundary, never inside a double-byte character.
    EXPECT_EQ(DialogText(w.window, IDC_TEXT, 5), "掲示");

    CreateListBox(w.window, 0, IDC_LIST);
    for (const char* line : {"e", "d", "c", "b", "a"}) ListAddString(w.window, IDC_LIST, line);
    EXPECT_EQ(ListCount(w.window, IDC_LIST), 5);
    ListSelect(w.window, IDC_LIST, 0);
    EXPECT_EQ(ReverseRecordOffset(w.window, IDC_LIST), 1024);
    ListSelect(w.window, IDC_LIST, 4);
    EXPECT_EQ(ReverseRecordOffset(w.window, IDC_LIST), 0);
    ListDelete(w.window, IDC_LIST, 4);
    EXPECT_EQ(ListCount(w.window, IDC_LIST), 4);
}

TEST(ControlHelpers, CreatorsMakeChildrenWithTheirStyles) {
    TestWindow w;
    HWND button = CreatePushButton(w.window, "送信", 1);
    HWND edit = CreateEdit(w.window, ES_MULTILINE, 2);
    HWND list = CreateListBox(w.window, LBS_EXTENDEDSEL, 3);
    HWND combo = CreateComboBox(w.window, 0, 4);
    HWND hidden = CreateButton(w.window, "隠し", BS_CHECKBOX, 5);
    ASSERT_TRUE(button && edit && list && combo && hidden);
    EXPECT_EQ(GetDlgCtrlID(list), 3);
    EXPECT_TRUE(GetWindowLongA(button, GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE);
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & LBS_USETABSTOPS);
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & LBS_EXTENDEDSEL);
    EXPECT_EQ(GetWindowLongA(combo, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & WS_VISIBLE);  // lists and combos show later
    EXPECT_FALSE(GetWindowLongA(hidden, GWL_STYLE) & WS_VISIBLE);
    RECT r;
    GetWindowRect(edit, &r);
    EXPECT_EQ(r.right - r.left, 10);
}

TEST(AboutBox, ShowsTheVersionAndTheMachinesMemory) {
    MEMORYSTATUS status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    DriveModal([] { RunAboutBox(nullptr); return 0; }, [&] {
        HWND d = WaitForDialog("ミトカ　バージョン情報");
        ASSERT_TRUE(d);
        EXPECT_EQ(Text(d, IDC_ABOUT_MEMORY), std::to_string(status.dwTotalPhys / 1024));
        RECT box, desktop = Desktop();
        GetWindowRect(d, &box);
        EXPECT_EQ(box.left, (desktop.right - (box.right - box.left)) / 2);  // centred
        Click(d, IDOK);
    });
}
