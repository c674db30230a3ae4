// Starts Explorer by its bare name, as Quillet once did: the proof that a
// planted Explorer.exe in the current folder runs. The planted one ends at
// once; whatever it started that is still running after a while is the real
// Explorer, which is ended here so that it never outlives the test (exit 2).
#include <windows.h>
#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    SHELLEXECUTEINFOW run = {};
    run.cbSize = sizeof(run);
    run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    run.lpFile = L"Explorer";
    run.lpParameters = L"/select,\"x\"";
    run.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&run)) return 1;
    if (!run.hProcess) return 0;
    bool ended = WaitForSingleObject(run.hProcess, 5000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(run.hProcess, 1);
    CloseHandle(run.hProcess);
    return ended ? 0 : 2;
}
