// Where the fifteen shell folders of the user and the machine are.
#pragma once
#include <cstdint>

// The rows of the location table, shared by the registry readings and the
// Links dialog's checkboxes.
enum ShellLocationRow : int {
    kUserQuickLaunch,
    kUserDesktop,
    kUserStartMenu,
    kUserPrograms,
    kUserStartup,
    kCommonQuickLaunch,
    kCommonDesktop,
    kCommonStartMenu,
    kCommonPrograms,
    kCommonStartup,
    kMachineQuickLaunch,
    kMachineDesktop,
    kMachineStartMenu,
    kMachinePrograms,
    kMachineStartup,
    kShellLocationCount
};
constexpr int kShellPathSize = 520;

struct ShellLocation {
    wchar_t path[kShellPathSize];
    uint8_t valid;
};

extern ShellLocation g_shellLocations[kShellLocationCount];

// Re-reads the table from the two Shell Folders keys. An entry whose value is
// unusable is marked invalid and keeps its previous path.
void ReadShellLocations();
