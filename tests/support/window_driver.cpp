#include "tests/support/window_driver.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <atomic>
#include <cstdio>
#include <thread>

namespace {

constexpr DWORD kPollMs = 20;
constexpr DWORD kSendTimeoutMs = 10000;

DWORD OrSelf(DWORD pid) { return pid ? pid : GetCurrentProcessId(); }

std::string FromWide(const std::wstring& wide) {
    if (wide.empty()) return std::string();
    int n = WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), &out[0], n, nullptr,
                        nullptr);
    return out;
}

// Window texts are read in UTF-16 and converted with code page 932: that works the same for
// windows of this process and of another (where the ANSI calls are unreliable under Wine).
std::string WindowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(window, &text[0], length + 1);
    text.resize(static_cast<size_t>(got < 0 ? 0 : got));
    return FromWide(text);
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct FindRequest {
    DWORD pid;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* request = reinterpret_cast<FindRequest*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == request->pid && IsWindowVisible(window) &&
        (!request->className || ClassOf(window) == request->className))
        request->found.push_back(window);
    return TRUE;
}

// The platform's message box: a dialog with its icon in a static of id 1088 and its text in a
// static of id 0xFFFF (the number that the labels of templates also get, so both are needed).
constexpr int kBoxIconId = 1088;
constexpr int kBoxTextId = 0xFFFF;

bool IsMessageBox(HWND window) {
    HWND icon = GetDlgItem(window, kBoxIconId);
    HWND text = GetDlgItem(window, kBoxTextId);
    return icon && text && ClassOf(icon) == "Static" && ClassOf(text) == "Static" &&
           (GetWindowLongA(icon, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

MessageBoxSeen::Icon IconOf(HWND box) {
    HWND child = GetDlgItem(box, kBoxIconId);
    HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    if (!icon || !IsWindowVisible(child)) return MessageBoxSeen::kNone;
    if (icon == LoadIconA(nullptr, IDI_WARNING)) return MessageBoxSeen::kWarning;
    if (icon == LoadIconA(nullptr, IDI_QUESTION)) return MessageBoxSeen::kQuestion;
    if (icon == LoadIconA(nullptr, IDI_ERROR)) return MessageBoxSeen::kError;
    if (icon == LoadIconA(nullptr, IDI_INFORMATION)) return MessageBoxSeen::kInformation;
    return MessageBoxSeen::kOther;
}

bool HasButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    return button && IsWindowVisible(button);
}

MessageBoxSeen Describe(HWND box) {
    MessageBoxSeen seen;
    seen.box = box;
    seen.caption = WindowText(box);
    seen.text = WindowText(GetDlgItem(box, kBoxTextId));
    seen.hasOk = HasButton(box, IDOK);
    seen.hasCancel = HasButton(box, IDCANCEL);
    seen.hasYes = HasButton(box, IDYES);
    seen.hasNo = HasButton(box, IDNO);
    seen.icon = IconOf(box);
    return seen;
}

const char* IconName(MessageBoxSeen::Icon icon) {
    switch (icon) {
        case MessageBoxSeen::kNone: return "none";
        case MessageBoxSeen::kWarning: return "warning";
        case MessageBoxSeen::kQuestion: return "question";
        case MessageBoxSeen::kError: return "error";
        case MessageBoxSeen::kInformation: return "information";
        default: return "other";
    }
}

void PostButton(HWND window, int id) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

// Ends whatever this process still shows: dialogs are cancelled, message boxes get the answer
// that ends them, other windows are asked to close.
void CancelEverything(const std::atomic<bool>& done) {
    DWORD start = GetTickCount();
    while (!done && GetTickCount() - start < 20000) {
        for (HWND window : FindWindows(nullptr)) {
            if (ClassOf(window) != "#32770") {
                PostMessageA(window, WM_CLOSE, 0, 0);
            } else if (IsMessageBox(window)) {
                PostButton(window, HasButton(window, IDOK) ? IDOK : HasButton(window, IDNO) ? IDNO : IDCANCEL);
            } else {
                PostButton(window, IDCANCEL);
            }
        }
        Sleep(200);
    }
    if (!done) {
        std::fprintf(stderr, "window test: the windows of this test could not be closed\n");
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
    }
}

uint32_t Crc32(const unsigned char* data, size_t size, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBig32(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 255);
}

void PutChunk(std::string& png, const char* type, const std::string& data) {
    PutBig32(png, static_cast<uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    png += body;
    PutBig32(png, Crc32(reinterpret_cast<const unsigned char*>(body.data()), body.size()));
}

// A PNG of RGB rows, compressed with stored (uncompressed) deflate blocks: no library needed.
std::string EncodePng(int width, int height, const std::string& rgbRows) {
    std::string raw;
    size_t rowBytes = static_cast<size_t>(width) * 3;
    for (int y = 0; y < height; ++y) {
        raw += '\0';
        raw.append(rgbRows, static_cast<size_t>(y) * rowBytes, rowBytes);
    }
    std::string zlib = "\x78\x01";
    for (size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        size_t n = raw.size() - at < 65535 ? raw.size() - at : 65535;
        zlib += static_cast<char>(at + n >= raw.size() ? 1 : 0);
        zlib += static_cast<char>(n & 255);
        zlib += static_cast<char>(n >> 8);
        zlib += static_cast<char>(~n & 255);
        zlib += static_cast<char>((~n >> 8) & 255);
        zlib.append(raw, at, n);
        if (raw.empty()) break;
    }
    uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(zlib, (b << 16) | a);
    std::string header;
    PutBig32(header, static_cast<uint32_t>(width));
    PutBig32(header, static_cast<uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);
    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", "");
    return png;
}

}  // namespace

std::vector<HWND> FindWindows(const char* className, DWORD pid) {
    FindRequest request{OrSelf(pid), className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&request));
    return request.found;
}

HWND WaitForWindow(const char* className, const std::string& title, DWORD pid, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        for (HWND window : FindWindows(className, pid))
            if (WindowText(window) == title && !IsMessageBox(window)) return window;
        if (GetTickCount() - start >= timeoutMs) break;
        Sleep(kPollMs);
    }
    std::string seen;
    for (HWND window : FindWindows(nullptr, pid)) seen += " [" + ClassOf(window) + " \"" + WindowText(window) + "\"]";
    ADD_FAILURE() << "no window \"" << title << "\" (class " << className << ") appeared within "
                  << timeoutMs << " ms; shown:" << seen;
    return nullptr;
}

HWND WaitForDialog(const std::string& title, DWORD pid, DWORD timeoutMs) {
    return WaitForWindow("#32770", title, pid, timeoutMs);
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kPollMs);
    }
    return true;
}

MessageBoxSeen WaitForMessageBox(DWORD pid, const std::string& caption, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        for (HWND window : FindWindows("#32770", pid))
            if (IsMessageBox(window) && WindowText(window) == caption) {
                // The box fills in its text and buttons while it is being shown.
                Sleep(50);
                return Describe(window);
            }
        if (GetTickCount() - start >= timeoutMs) break;
        Sleep(kPollMs);
    }
    ADD_FAILURE() << "no message box \"" << caption << "\" appeared within " << timeoutMs << " ms";
    return MessageBoxSeen();
}

void Answer(const MessageBoxSeen& box, int button) {
    if (!box.box) return;
    PostButton(box.box, button);
    EXPECT_TRUE(WaitUntilGone(box.box)) << "the message box \"" << box.text << "\" stayed open";
}

void ExpectMessageBox(const std::string& text, MessageBoxSeen::Icon icon, int answer, DWORD pid) {
    MessageBoxSeen box = WaitForMessageBox(pid);
    if (!box.box) {
        ADD_FAILURE() << "expected the message \"" << text << "\"";
        return;
    }
    EXPECT_EQ(box.text, text);
    EXPECT_STREQ(IconName(box.icon), IconName(icon)) << "icon of \"" << box.text << "\"";
    bool yesNo = answer == IDYES || answer == IDNO;
    if (yesNo) {
        EXPECT_TRUE(box.hasYes && box.hasNo && !box.hasOk && !box.hasCancel)
            << "\"" << box.text << "\" should ask with Yes and No";
    } else if (answer == IDOK && !box.hasCancel) {
        EXPECT_TRUE(box.hasOk && !box.hasYes && !box.hasNo) << "\"" << box.text << "\" buttons";
    }
    Answer(box, answer);
}

void SetText(HWND dialog, int control, const std::string& text) {
    HWND item = GetDlgItem(dialog, control);
    ASSERT_NE(item, nullptr) << "no control " << control;
    DWORD_PTR ignored;
    EXPECT_NE(SendMessageTimeoutA(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                  SMTO_NORMAL, kSendTimeoutMs, &ignored),
              0)
        << "control " << control << " did not take its text";
}

std::string Text(HWND dialog, int control) {
    HWND item = GetDlgItem(dialog, control);
    EXPECT_NE(item, nullptr) << "no control " << control;
    return item ? WindowText(item) : std::string();
}

void Click(HWND dialog, int control) {
    HWND item = GetDlgItem(dialog, control);
    ASSERT_NE(item, nullptr) << "no button " << control;
    ASSERT_TRUE(IsWindowVisible(item)) << "button " << control << " is hidden";
    ASSERT_TRUE(IsWindowEnabled(item)) << "button " << control << " is disabled";
    PostButton(dialog, control);
}

std::vector<std::string> ListLines(HWND dialog, int control) {
    std::vector<std::string> lines;
    HWND list = GetDlgItem(dialog, control);
    if (!list) {
        ADD_FAILURE() << "no list " << control;
        return lines;
    }
    int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        int length = static_cast<int>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0));
        std::wstring line(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
        int got = static_cast<int>(
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&line[0])));
        line.resize(static_cast<size_t>(got < 0 ? 0 : got));
        lines.push_back(FromWide(line));
    }
    return lines;
}

void SelectLine(HWND dialog, int control, int index) {
    HWND list = GetDlgItem(dialog, control);
    ASSERT_NE(list, nullptr) << "no list " << control;
    DWORD_PTR ignored;
    if (GetWindowLongA(list, GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) {
        // A click in a multiple-selection list selects that line alone and puts the caret on it.
        SendMessageTimeoutA(list, LB_SETSEL, FALSE, -1, SMTO_NORMAL, kSendTimeoutMs, &ignored);
        SendMessageTimeoutA(list, LB_SETSEL, TRUE, index, SMTO_NORMAL, kSendTimeoutMs, &ignored);
        SendMessageTimeoutA(list, LB_SETCARETINDEX, static_cast<WPARAM>(index), 0, SMTO_NORMAL,
                            kSendTimeoutMs, &ignored);
    } else {
        SendMessageTimeoutA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_NORMAL,
                            kSendTimeoutMs, &ignored);
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

void AddToSelection(HWND dialog, int control, int index) {
    HWND list = GetDlgItem(dialog, control);
    ASSERT_NE(list, nullptr) << "no list " << control;
    DWORD_PTR ignored;
    SendMessageTimeoutA(list, LB_SETSEL, TRUE, index, SMTO_NORMAL, kSendTimeoutMs, &ignored);
    SendMessageTimeoutA(list, LB_SETCARETINDEX, static_cast<WPARAM>(index), 0, SMTO_NORMAL,
                        kSendTimeoutMs, &ignored);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

void SelectComboLine(HWND dialog, int control, int index) {
    HWND combo = GetDlgItem(dialog, control);
    ASSERT_NE(combo, nullptr) << "no combo box " << control;
    DWORD_PTR ignored;
    SendMessageTimeoutA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_NORMAL,
                        kSendTimeoutMs, &ignored);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

void DoubleClickLine(HWND dialog, int control, int index) {
    SelectLine(dialog, control, index);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, control)));
}

bool IsShown(HWND dialog, int control) {
    HWND item = GetDlgItem(dialog, control);
    return item && IsWindowVisible(item);
}

bool IsEnabled(HWND dialog, int control) {
    HWND item = GetDlgItem(dialog, control);
    return item && IsWindowEnabled(item);
}

void PostCommand(HWND window, int command) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void ChooseInFileDialog(const std::string& title, const std::string& path) {
    HWND chooser = WaitForDialog(title);
    ASSERT_TRUE(chooser);
    // The name field is an edit in some versions of the dialog and a combo box in others.
    SetText(chooser, GetDlgItem(chooser, edt1) ? edt1 : cmb13, path);
    Click(chooser, IDOK);
    ASSERT_TRUE(WaitUntilGone(chooser)) << "the file dialog did not take " << path;
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(kPollMs))
        if (done()) return true;
    return done();
}

int RunSubWindowHere(SubWindow which, WNDPROC procedure) {
    static SubWindow wanted;
    static WNDPROC wantedProcedure;
    wanted = which;
    wantedProcedure = procedure;
    RegisterSubWindowClasses(GetModuleHandleA(nullptr), [](SubWindow w) -> WNDPROC {
        return w == wanted ? wantedProcedure : nullptr;
    });
    HWND window = CreateSubWindow(GetModuleHandleA(nullptr), which);
    while (IsWindow(window)) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
    }
    return window ? 1 : 0;
}

int DriveModal(const std::function<int()>& show, const std::function<void()>& drive) {
    std::atomic<bool> done{false};
    std::thread driver([&] {
        drive();
        DWORD start = GetTickCount();
        // What the last step started (a print job, a reload) may take a while on a busy machine.
        while (!done && GetTickCount() - start < kWindowWaitMs) Sleep(kPollMs);
        if (!done) {
            ADD_FAILURE() << "windows were still open after the test's last step";
            CancelEverything(done);
        }
    });
    int result = show();
    done = true;
    driver.join();
    return result;
}

void SettlePainting(HWND window) {
    DWORD_PTR ignored;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    // A message that comes back only after the window's thread has handled what was queued.
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &ignored);
    Sleep(300);
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &ignored);
}

bool CaptureWindow(HWND window, const std::string& pngPath) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return false;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    std::string rgb;
    rgb.reserve(static_cast<size_t>(width) * height * 3);
    const unsigned char* p = static_cast<const unsigned char*>(bits);
    for (int i = 0; i < width * height; ++i, p += 4) {
        rgb += static_cast<char>(p[2]);
        rgb += static_cast<char>(p[1]);
        rgb += static_cast<char>(p[0]);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    std::string png = EncodePng(width, height, rgb);
    FILE* f = std::fopen(pngPath.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}
