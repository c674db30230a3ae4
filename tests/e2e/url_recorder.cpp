// Stands in for the browser during tests: appends the command line it was
// started with, as UTF-8 (paths in any language are kept), to the file named
// by QUILLET_RECORDER_LOG, one line per start.
#include <windows.h>
#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char *log = std::getenv("QUILLET_RECORDER_LOG");
    if (!log || !*log) return 2;
    static char line[4 * 32768];
    WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, line, sizeof(line), nullptr, nullptr);
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (std::FILE *file = std::fopen(log, "ab")) {
            std::fprintf(file, "%s\n", line);
            std::fclose(file);
            return 0;
        }
        Sleep(20);
    }
    return 1;
}
