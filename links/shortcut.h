// The program's shortcut in one folder, through the shell's link object.
#pragma once
#include <windows.h>

constexpr int kLinkTargetSize = 520;

// Creates or rewrites the shortcut in `location`; asks before replacing one
// that points elsewhere. Reports its own failures.
void CreateProgramLink(HWND owner, const char *location);

// Deletes the shortcut file from `location`; nonzero when a file was deleted.
BOOL DeleteProgramLink(HWND owner, const char *location);

bool LinkLoads(const char *linkPath);
bool ReadLinkTarget(const char *linkPath, char (&target)[kLinkTargetSize]);
bool LinkPointsToProgram(const char *linkPath);

// The program's own executable path.
void ExecutablePath(char (&path)[kLinkTargetSize]);
