#include "message_box_answerer.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {
thread_local MessageBoxAnswerer *t_active = nullptr;
} // namespace

// Watches the main thread's boxes for the whole run, answered or not.
const HHOOK MessageBoxAnswerer::s_hook =
    SetWindowsHookExA(WH_CBT, MessageBoxAnswerer::Hook, nullptr, GetCurrentThreadId());

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<int> answers) : answers_(std::move(answers)) {
    t_active = this;
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    t_active = nullptr;
}

std::vector<std::string> MessageBoxAnswerer::texts() const {
    std::vector<std::string> texts;
    for (const SeenBox &box : seen_)
        texts.push_back(box.text);
    return texts;
}

LRESULT CALLBACK MessageBoxAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_active) {
        char cls[64] = {};
        GetClassNameA(reinterpret_cast<HWND>(wParam), cls, sizeof(cls));
        size_t index = t_active->seen_.size();
        if (std::string(cls) == "#32770" && index < t_active->answers_.size() &&
            t_active->answers_[index] == kFailTheBox) {
            t_active->seen_.push_back({"", "<failed box>", false, GetTickCount()});
            return 1; // refuse the creation
        }
    }
    if (code == HCBT_ACTIVATE && !t_active) {
        // A box nobody expected fails the test at once rather than waiting
        // for an answer until the test times out.
        HWND box = reinterpret_cast<HWND>(wParam);
        char cls[64] = {}, text[4096] = {};
        GetClassNameA(box, cls, sizeof(cls));
        if (std::string(cls) == "#32770" && GetDlgItem(box, 0xFFFF)) {
            GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
            ADD_FAILURE() << "unexpected message box: " << text;
            int answer = GetDlgItem(box, IDNO) ? IDNO : IDOK;
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
        }
    }
    if (code == HCBT_ACTIVATE && t_active) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char cls[64] = {};
        GetClassNameA(box, cls, sizeof(cls));
        if (std::string(cls) == "#32770" && GetDlgItem(box, 0xFFFF)) {
            SeenBox seen;
            char text[4096] = {};
            GetWindowTextA(box, text, sizeof(text));
            seen.caption = text;
            GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
            seen.text = text;
            seen.hasYesNo = GetDlgItem(box, IDYES) != nullptr;
            seen.shownAt = GetTickCount();
            size_t index = t_active->seen_.size();
            t_active->seen_.push_back(seen);
            int answer = index < t_active->answers_.size() ? t_active->answers_[index] : IDOK;
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string MakeTempFolder(const char *name) {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    char folder[MAX_PATH];
    std::snprintf(folder, sizeof(folder), "%squillet-%s-%lu\\", base, name, GetCurrentProcessId());
    // Remove what an earlier run may have left, then start empty.
    WIN32_FIND_DATAA data;
    std::string pattern = std::string(folder) + "*";
    HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string path = std::string(folder) + data.cFileName;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveDirectoryA(path.c_str());
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    CreateDirectoryA(folder, nullptr);
    return folder;
}

std::string ReadWholeFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteWholeFile(const std::string &path, const std::string &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string &path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
