// Wide (UTF-16) paths, as the program holds them, from and to the tests' own
// ANSI strings.
#pragma once
#include <windows.h>
#include <string>

inline std::wstring Wide(const std::string &text) {
    std::wstring wide(text.size() + 1, L'\0');
    int units =
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(units > 0 ? static_cast<size_t>(units) - 1 : 0);
    return wide;
}

inline std::string Narrow(const wchar_t *wide, UINT codePage = CP_ACP) {
    char text[4096] = {};
    WideCharToMultiByte(codePage, 0, wide, -1, text, sizeof(text) - 1, nullptr, nullptr);
    return text;
}

// Copies `text` into a wide buffer of the program's, such as its folder.
template <size_t N> void SetWide(wchar_t (&out)[N], const std::string &text) {
    lstrcpynW(out, Wide(text).c_str(), static_cast<int>(N));
}
