// The program's shortcut in one folder, through the shell's link object.
#pragma once
#include <windows.h>
#include "../base/program_path.h"

constexpr int kLinkTargetSize = kExecutablePathSize;

// Writes (or rewrites) a shortcut to this program at `linkPath`.
bool WriteProgramLink(const char *linkPath);

// Deletes the shortcut file from `location`; nonzero when a file was deleted.
BOOL DeleteProgramLink(HWND owner, const char *location);

bool LinkLoads(const char *linkPath);
bool ReadLinkTarget(const char *linkPath, char (&target)[kLinkTargetSize]);
bool LinkPointsToProgram(const char *linkPath);
