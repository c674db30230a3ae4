// Answers the message boxes of the main thread, as a user would, and keeps
// what each box said. A box shown while no answerer lives fails the test.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "support/files.h"

struct SeenBox {
    std::string caption;
    std::string text;
    bool hasYesNo;
    DWORD shownAt; // GetTickCount when the box came up
};

class MessageBoxAnswerer {
  public:
    // An answer that keeps the box from being created: MessageBox fails with 0.
    static constexpr int kFailTheBox = -1;

    // Each box gets the next button id (IDOK, IDYES, IDNO...); IDOK once they run out.
    explicit MessageBoxAnswerer(std::vector<int> answers = {});
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer &) = delete;
    MessageBoxAnswerer &operator=(const MessageBoxAnswerer &) = delete;
    const std::vector<SeenBox> &seen() const { return seen_; }
    std::vector<std::string> texts() const;

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    static const HHOOK s_hook;
    std::vector<int> answers_;
    std::vector<SeenBox> seen_;
};

// Helpers for files and folders of the tests.
std::string MakeTempFolder(const char *name); // fresh, empty, with a trailing backslash
// Files: ReadFileBytes, WriteFileBytes, Exists.
