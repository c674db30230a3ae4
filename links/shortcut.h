// The program's shortcut in one folder, through the shell's link object. Paths
// are wide (UTF-16), so that folders in any language are used as they are.
#pragma once
#include <windows.h>
#include "../base/program_path.h"

constexpr int kLinkTargetSize = kExecutablePathSize;

// Writes (or rewrites) a shortcut to this program at `linkPath`.
bool WriteProgramLink(const wchar_t *linkPath);

// Deletes the shortcut file from `location`; nonzero when a file was deleted.
BOOL DeleteProgramLink(HWND owner, const wchar_t *location);

bool LinkLoads(const wchar_t *linkPath);
bool ReadLinkTarget(const wchar_t *linkPath, wchar_t (&target)[kLinkTargetSize]);
bool LinkPointsToProgram(const wchar_t *linkPath);
