// Drive letters of the test prefix that stand for the network drive and can be taken away.
#pragma once
#include <windows.h>

#include <string>

// A drive letter of the test prefix that names a folder, and can be taken away as a network
// drive goes. Wine keeps its drives as links in its dosdevices folder; the host's own ln and rm
// (which Wine starts beside this process, without waiting for them) change them.
class DriveLink {
public:
    DriveLink(char letter, const std::string& folder) : root_(std::string(1, letter) + ":\\") {
        using UnixName = char*(CDECL*)(const WCHAR*);
        auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
        if (!unixName) return;
        std::wstring wide(folder.begin(), folder.end());
        const std::string target = unixName(wide.c_str());
        link_ = unixName(L"C:\\");  // .../dosdevices/c:/
        link_ = link_.substr(0, link_.size() - 3) + static_cast<char>(letter | 0x20) + ":";
        Host("Z:\\bin\\ln -sfn " + target + " " + link_);
        WaitFor(true);
    }
    ~DriveLink() { Remove(); }
    bool Present() const { return GetFileAttributesA(root_.c_str()) != INVALID_FILE_ATTRIBUTES; }
    bool Remove() {
        if (!link_.empty()) Host("Z:\\bin\\rm -f " + link_);
        return WaitFor(false);
    }

private:
    static void Host(std::string commandLine) {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &si, &pi))
            return;
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    bool WaitFor(bool present) const {
        for (int i = 0; i < 200 && Present() != present; ++i) Sleep(50);
        return Present() == present;
    }
    std::string root_, link_;
};

