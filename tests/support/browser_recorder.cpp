#include "browser_recorder.h"
#include <windows.h>
#include <cstring>
#include <fstream>

namespace {

std::string Beside(const char *file) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    *(std::strrchr(path, '\\') + 1) = '\0';
    return std::string(path) + file;
}

// Wine's HKEY_CLASSES_ROOT is the machine's class key, with no per-user overlay.
const HKEY kClassRoots[] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER};

void SetValue(const std::string &subKey, const char *name, const std::string &value) {
    for (HKEY root : kClassRoots) {
        HKEY key;
        std::string path = "Software\\Classes\\" + subKey;
        if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr) != ERROR_SUCCESS)
            continue;
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(key);
    }
}

void SetDefault(const std::string &subKey, const std::string &value) {
    SetValue(subKey, nullptr, value);
}

} // namespace

void SetTextFileHandler(bool recorder) {
    if (recorder) {
        SetDefault(".txt", "QuilletTestPage");
        return;
    }
    for (HKEY root : kClassRoots)
        RegDeleteKeyA(root, "Software\\Classes\\.txt");
}

std::string UseBrowserRecorder(const char *logName) {
    std::string command = "\"" + Beside("quillet_url_recorder.exe") + "\" \"%1\"";
    SetDefault(".htm", "QuilletTestPage");
    SetDefault(".html", "QuilletTestPage");
    SetDefault(".txt", "QuilletTestPage"); // note files opened for editing
    SetDefault("QuilletTestPage\\shell\\open\\command", command);
    for (const char *scheme : {"http", "https"}) {
        SetDefault(scheme, std::string("URL:") + scheme);
        SetValue(scheme, "URL Protocol", "");
        SetDefault(std::string(scheme) + "\\shell\\open\\command", command);
    }
    std::string log = Beside(logName);
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("QUILLET_RECORDER_LOG", log.c_str());
    return log;
}

std::vector<std::string> RecordedOpenings(const std::string &log, size_t count, int timeoutMs) {
    std::vector<std::string> lines;
    for (int waited = 0;; waited += 50) {
        lines.clear();
        std::ifstream in(log);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        if (lines.size() >= count || waited >= timeoutMs) return lines;
        Sleep(50);
    }
}
