// Stands in for the browser during tests: appends the command line it was
// started with, as UTF-8 (paths in any language are kept), to the file named
// by QUILLET_RECORDER_LOG, one line per start.
#include <windows.h>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char *log = std::getenv("QUILLET_RECORDER_LOG");
    if (!log || !*log) return 2;
    static char line[4 * 32768];
    int length = WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, line, sizeof(line) - 1,
                                     nullptr, nullptr);
    if (length <= 0) return 1;
    line[length - 1] = '\n';
    // Openings run as separate processes at once: an append-only handle writes
    // each line at the end in one step, where stdio's "a" seeks, then writes,
    // and one line could land over another.
    for (int attempt = 0; attempt < 50; ++attempt) {
        HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            BOOL ok = WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
            CloseHandle(file);
            return ok && written == static_cast<DWORD>(length) ? 0 : 1;
        }
        Sleep(20);
    }
    return 1;
}
