// Starts Explorer by its bare name, as Quillet once did: the proof that a
// planted Explorer.exe beside a program runs.
#include <windows.h>
#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return ShellExecuteW(nullptr, nullptr, L"Explorer", L"/select,\"x\"", nullptr, SW_SHOWNORMAL) >
                   reinterpret_cast<HINSTANCE>(32)
               ? 0
               : 1;
}
