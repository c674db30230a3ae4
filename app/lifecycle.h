// Start-up pieces, the main message loop and the exit codes.
#pragma once
#include <windows.h>

constexpr int kExitEarly = 0;  // every early end of start-up
constexpr int kExitNormal = 1; // after the message loop has run

// True unless another instance of this logon already runs.
bool CheckSingleInstance();

// Runs until a WM_QUIT has been dispatched here or taken by a nested drain;
// messages queued in the same batch are still dispatched.
void RunMessageLoop();

// The whole run: start-up, loop, shutdown. Returns the exit code.
int RunQuillet(HINSTANCE instance);
