#include "program_path.h"
#include <windows.h>
#include "fixed_text.h"
#include "win_handles.h"
#include <cwchar>

void ExecutablePath(wchar_t (&path)[kExecutablePathSize]) {
    path[0] = L'\0';
    DWORD length = GetModuleFileNameW(nullptr, path, kExecutablePathSize);
    if (length == 0 || length >= kExecutablePathSize) path[0] = L'\0';
}

namespace {
// Characters of the root of a full path, as C:\ or \\server\share\ (0 for none).
size_t RootLength(const wchar_t *full, size_t length) {
    if (length >= 3 && full[1] == L':' && full[2] == L'\\') return 3;
    if (length < 2 || full[0] != L'\\' || full[1] != L'\\') return 0;
    int separators = 2;
    for (size_t i = 2; i < length; ++i)
        if (full[i] == L'\\' && ++separators == 4) return i + 1;
    return 0;
}
} // namespace

// Each name as its folder lists it, found one by one: a handle's final path
// would say so too, but Wine gives back the spelling it was opened by.
void CanonicalPath(const wchar_t *path, wchar_t (&canonical)[kExecutablePathSize]) {
    WideText(canonical, kExecutablePathSize).add(path);
    wchar_t full[kExecutablePathSize], spelled[kExecutablePathSize], probe[kExecutablePathSize];
    DWORD length = GetFullPathNameW(path, kExecutablePathSize, full, nullptr);
    size_t root = length < kExecutablePathSize ? RootLength(full, length) : 0;
    if (root == 0) return;
    if (full[0] >= L'a' && full[0] <= L'z') full[0] = static_cast<wchar_t>(full[0] - L'a' + L'A');
    WideText built(spelled, kExecutablePathSize);
    built.add(full, root);
    for (size_t start = root; start < length;) {
        size_t end = start;
        while (end < length && full[end] != L'\\')
            ++end;
        WideText(probe, kExecutablePathSize).add(spelled).add(full + start, end - start);
        if (std::wcspbrk(probe, L"*?")) return; // a pattern, not a name
        WIN32_FIND_DATAW found = {};
        HANDLE search = FindFirstFileW(probe, &found);
        FindHandle owned(search == INVALID_HANDLE_VALUE ? nullptr : search);
        if (!owned) return;
        built.add(found.cFileName);
        if (end < length) built.add(L'\\');
        start = end + 1;
    }
    if (!built.cut()) WideText(canonical, kExecutablePathSize).add(spelled);
}

void CanonicalExecutablePath(wchar_t (&path)[kExecutablePathSize]) {
    wchar_t started[kExecutablePathSize];
    ExecutablePath(started);
    CanonicalPath(started, path);
}

void ProgramFolderOf(const wchar_t *executablePath, wchar_t *folder, size_t outSize) {
    size_t length = TextLength(executablePath);
    size_t end = length;
    while (end > 0 && executablePath[end - 1] != L'\\')
        --end;
    if (end == 0) end = length; // no folder part: the path as it stands
    WideText path(folder, outSize);
    path.add(executablePath, end);
    if (end > 0 && executablePath[end - 1] != L'\\') path.add(L'\\');
}
