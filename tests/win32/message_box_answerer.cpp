#include "message_box_answerer.h"
#include "support/files.h"
#include <gtest/gtest.h>
#include <cstdio>

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
    std::string folder = std::string(base) + "quillet-" + name + "-" +
                         std::to_string(GetCurrentProcessId()) + "\\";
    // Remove what an earlier run may have left, then start empty.
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}
