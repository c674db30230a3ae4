// The program's path functions take wide (UTF-16) paths; the in-process tests
// keep their ASCII folders as plain strings and pass them through these.
#pragma once
#include "base/program_path.h"
#include "links/links_dialog.h"
#include "links/shortcut.h"
#include "support/wide_text.h"

inline void ExecutablePath(char (&path)[kExecutablePathSize]) {
    wchar_t wide[kExecutablePathSize];
    ExecutablePath(wide);
    lstrcpynA(path, Narrow(wide).c_str(), kExecutablePathSize);
}
inline bool ReadLinkTarget(const char *linkPath, char (&target)[kLinkTargetSize]) {
    wchar_t wide[kLinkTargetSize] = {};
    bool read = ReadLinkTarget(Wide(linkPath).c_str(), wide);
    lstrcpynA(target, Narrow(wide).c_str(), kLinkTargetSize);
    return read;
}
inline bool LinkLoads(const char *linkPath) {
    return LinkLoads(Wide(linkPath).c_str());
}
inline bool LinkPointsToProgram(const char *linkPath) {
    return LinkPointsToProgram(Wide(linkPath).c_str());
}
inline BOOL DeleteProgramLink(HWND owner, const char *location) {
    return DeleteProgramLink(owner, Wide(location).c_str());
}
inline void CreateProgramLink(HWND owner, const char *location) {
    CreateProgramLink(owner, Wide(location).c_str());
}
