// Stands in for a program that a launcher region or a document association starts: writes the
// command line it was started with to the file that MOX_RECORD_FILE names, and exits.
#include <windows.h>

int main() {
    char path[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("MOX_RECORD_FILE", path, sizeof path);
    if (n == 0 || n >= sizeof path) return 2;
    const char* line = GetCommandLineA();
    // Written under another name and renamed, so the test never reads half a line.
    char partial[MAX_PATH + 8];
    wsprintfA(partial, "%s.part", path);
    HANDLE h = CreateFileA(partial, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 3;
    DWORD put = 0;
    WriteFile(h, line, lstrlenA(line), &put, nullptr);
    CloseHandle(h);
    return MoveFileA(partial, path) ? 0 : 4;
}
