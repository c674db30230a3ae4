// Rules for shell folder values and link paths, free of any system call.
#pragma once
#include <cstddef>
#include <string>

constexpr size_t kQuickLaunchCut = 218;
constexpr size_t kCreateLinkCut = 481;
constexpr size_t kDeleteLinkCut = 260;
constexpr size_t kRefreshLinkCut = 221;
constexpr char kLinkFileName[] = "Quillet [Vantler].lnk";

// A Shell Folders reading is usable when the query worked, the value is plain
// text (REG_SZ) and more than one character remains after trimming. `text` is
// trimmed in place.
bool ShellFolderValueUsable(bool querySucceeded, unsigned long type, char *text);

// `text` with a backslash appended unless it already ends in one.
std::string WithBackslash(std::string text);

// The Quick Launch folder under an AppData value, cut to `cut` characters first.
std::string QuickLaunchPath(const char *appData, size_t cut);

// location (at most `cut` characters) + backslash if needed + kLinkFileName.
std::string LinkPathIn(const char *location, size_t cut);

// The executable's folder without its trailing backslash ("C:" for C:\q.exe);
// empty when the path has no backslash.
std::string WorkingFolderOf(const char *executablePath);
