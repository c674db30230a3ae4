// A planted program, copied in as Explorer.exe: if it is started in place of
// Windows' own, it leaves "planted-program-ran.txt" beside itself.
#include "marker.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    LeaveMarkerBeside(nullptr, L"planted-program-ran.txt");
    return 0;
}
