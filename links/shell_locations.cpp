#include "shell_locations.h"
#include "../app/win_handles.h"
#include "link_rules.h"
#include <cstdio>

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
    {"Desktop", 1, false, 0}, {"Start Menu", 2, false, 0},           {"Programs", 3, false, 0},
    {"Startup", 4, false, 0}, {"AppData", 0, true, kQuickLaunchCut},
};

const Reading kMachineReadings[] = {
    {"Common Desktop", 6, false, 0},
    {"Common Start Menu", 7, false, 0},
    {"Common Programs", 8, false, 0},
    {"Common Startup", 9, false, 0},
    {"Common AppData", 5, true, kWholeValue},
    {"Desktop", 11, false, 0},
    {"Start Menu", 12, false, 0},
    {"Programs", 13, false, 0},
    {"Startup", 14, false, 0},
    {"AppData", 10, true, kWholeValue},
};

void ReadShellFolderValue(HKEY key, const Reading &reading) {
    char value[261] = {}; // one byte past the 260 the query may fill, for the terminator
    DWORD type = 0;
    DWORD size = 260;
    bool queried = RegQueryValueExA(key, reading.valueName, nullptr, &type,
                                    reinterpret_cast<BYTE *>(value), &size) == ERROR_SUCCESS;
    if (queried) value[size < 260 ? size : 260] = '\0';
    ShellLocation &location = g_shellLocations[reading.entry];
    bool usable = ShellFolderValueUsable(queried, type, value);
    location.valid = usable ? 1 : 0;
    if (!usable) return;
    std::string path = reading.quickLaunch ? QuickLaunchPath(value, reading.cut) : value;
    std::snprintf(location.path, sizeof(location.path), "%s", path.c_str());
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
