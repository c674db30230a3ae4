// Rules for shell folder values and link paths, free of any system call. Each
// works on bytes or on wide (UTF-16) paths alike; the program uses wide ones.
#pragma once
#include <cstddef>

constexpr size_t kQuickLaunchCut = 218;
constexpr size_t kCreateLinkCut = 481;
constexpr size_t kDeleteLinkCut = 260;
constexpr size_t kRefreshLinkCut = 221;
constexpr char kLinkFileName[] = "Quillet [Vantler].lnk";

// A Shell Folders reading is usable when the query worked, the value is plain
// text (REG_SZ) and more than one character remains after trimming. `text` is
// trimmed in place.
template <class Char>
bool ShellFolderValueUsable(bool querySucceeded, unsigned long type, Char *text);

// Room for any path these make from a location of up to 520 characters.
constexpr size_t kLinkPathSize = 1024;

// Each writes its path to `out`, cut to outSize - 1 characters and terminated.

// `text` with a backslash appended unless it already ends in one.
template <class Char> void WithBackslash(const Char *text, Char *out, size_t outSize);

// The Quick Launch folder under an AppData value, cut to `cut` characters first.
template <class Char>
void QuickLaunchPath(const Char *appData, size_t cut, Char *out, size_t outSize);

// location (at most `cut` characters) + backslash if needed + kLinkFileName.
template <class Char> void LinkPathIn(const Char *location, size_t cut, Char *out, size_t outSize);

// The executable's folder without its trailing backslash ("C:" for C:\q.exe);
// empty when the path has no backslash.
template <class Char> void WorkingFolderOf(const Char *executablePath, Char *out, size_t outSize);
