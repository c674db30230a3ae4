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

// Text through a code page, as the system converts it: no flags, no checks.
inline std::u16string FromCodePage(UINT codePage, const std::string &bytes) {
    std::u16string units(bytes.size() + 1, u'\0');
    int n =
        MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                            reinterpret_cast<wchar_t *>(&units[0]), static_cast<int>(units.size()));
    units.resize(n > 0 ? n : 0);
    return units;
}
inline std::string ToCodePage(UINT codePage, const std::u16string &units) {
    std::string bytes(4 * units.size() + 1, '\0');
    int n = WideCharToMultiByte(codePage, 0, reinterpret_cast<const wchar_t *>(units.data()),
                                static_cast<int>(units.size()), &bytes[0],
                                static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(n > 0 ? n : 0);
    return bytes;
}
