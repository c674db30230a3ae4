#include "shell_locations.h"
#include "../base/win_handles.h"
#include "link_rules.h"
#include "../base/fixed_text.h"

ShellLocation g_shellLocations[kShellLocationCount];

namespace {

const char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell "
                                "Folders";
constexpr size_t kWholeValue = static_cast<size_t>(-1);

struct Reading {
    const char *valueName;
    int entry;
    bool quickLaunch;
    size_t cut;
};

const Reading kUserReadings[] = {
    {"Desktop", kUserDesktop, false, 0},
    {"Start Menu", kUserStartMenu, false, 0},
    {"Programs", kUserPrograms, false, 0},
    {"Startup", kUserStartup, false, 0},
    {"AppData", kUserQuickLaunch, true, kQuickLaunchCut},
};

const Reading kMachineReadings[] = {
    {"Common Desktop", kCommonDesktop, false, 0},
    {"Common Start Menu", kCommonStartMenu, false, 0},
    {"Common Programs", kCommonPrograms, false, 0},
    {"Common Startup", kCommonStartup, false, 0},
    {"Common AppData", kCommonQuickLaunch, true, kWholeValue},
    {"Desktop", kMachineDesktop, false, 0},
    {"Start Menu", kMachineStartMenu, false, 0},
    {"Programs", kMachinePrograms, false, 0},
    {"Startup", kMachineStartup, false, 0},
    {"AppData", kMachineQuickLaunch, true, kWholeValue},
};

void ReadShellFolderValue(HKEY key, const Reading &reading) {
    // One character past the 260 the query may fill, for the terminator.
    wchar_t value[261] = {};
    DWORD type = 0;
    DWORD size = 260 * sizeof(wchar_t);
    wchar_t name[32];
    WideText(name, 32).addAscii(reading.valueName);
    bool queried = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE *>(value),
                                    &size) == ERROR_SUCCESS;
    if (queried) value[size / sizeof(wchar_t) < 260 ? size / sizeof(wchar_t) : 260] = L'\0';
    ShellLocation &location = g_shellLocations[reading.entry];
    bool usable = ShellFolderValueUsable(queried, type, value);
    location.valid = usable ? 1 : 0;
    if (!usable) return;
    if (reading.quickLaunch)
        QuickLaunchPath(value, reading.cut, location.path, kShellPathSize);
    else
        WideText(location.path, kShellPathSize).add(value);
}

template <size_t N> bool ReadAll(HKEY root, const Reading (&readings)[N]) {
    RegistryKey key(root, kShellFoldersKey);
    if (!key.open()) return false;
    for (const Reading &reading : readings)
        ReadShellFolderValue(key.get(), reading);
    return true;
}

} // namespace

void ReadShellLocations() {
    ReadAll(HKEY_CURRENT_USER, kUserReadings);
    ReadAll(HKEY_LOCAL_MACHINE, kMachineReadings);
}
