// Where the fifteen shell folders of the user and the machine are.
#pragma once
#include <cstdint>

constexpr int kShellLocationCount = 15;
constexpr int kShellPathSize = 520;

struct ShellLocation {
    char path[kShellPathSize];
    uint8_t valid;
};

extern ShellLocation g_shellLocations[kShellLocationCount];

// Re-reads the table from the two Shell Folders keys. An entry whose value is
// unusable is marked invalid and keeps its previous path.
void ReadShellLocations();
