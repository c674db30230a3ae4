// Prints Quillet's figures beside their floors, measured in one run.
#include "base/app_state.h"
#include "notes/note_store.h"
#include "ui/note_window.h"
#include "ui/slide.h"
#include "ui/slide_math.h"
#include "support/note_lists.h"
#include "support/string_forms.h"
#include "support/wide_text.h"
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string Beside(const char *file) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    *(std::strrchr(path, '\\') + 1) = '\0';
    return std::string(path) + file;
}

std::string Folder(const char *name) {
    std::string folder = Beside("bench-") + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void WriteBytes(const std::string &path, const std::string &bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD wrote = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr);
    CloseHandle(file);
}

struct Started {
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;
    double msToIcon = -1;
};

// Starts `exe` in `folder` and waits until its tray icon answers.
Started StartAndWaitForIcon(const std::string &exe, const std::string &folder, const char *title,
                            UINT iconId) {
    Started started;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    std::string line = "\"" + exe + "\"";
    std::vector<char> command(line.begin(), line.end());
    command.push_back('\0');
    Clock::time_point begin = Clock::now();
    if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &started.process))
        return started;
    while (MsSince(begin) < 20000) {
        if (!started.window) started.window = FindWindowA(nullptr, title);
        if (started.window) {
            NOTIFYICONDATAA probe = {};
            probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
            probe.hWnd = started.window;
            probe.uID = iconId;
            if (Shell_NotifyIconA(NIM_MODIFY, &probe)) {
                started.msToIcon = MsSince(begin);
                break;
            }
        }
        Sleep(1);
    }
    return started;
}

void Stop(Started &started, bool quillet) {
    if (quillet)
        PostMessageA(started.window, WM_COMMAND, 40001, 0);
    else
        PostMessageA(started.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(started.process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(started.process.hProcess, 9);
    CloseHandle(started.process.hProcess);
    CloseHandle(started.process.hThread);
}

PROCESS_MEMORY_COUNTERS Memory(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(process, &counters, sizeof(counters));
    return counters;
}

double CpuMs(HANDLE process) {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(process, &created, &ended, &kernel, &user);
    auto ms = [](FILETIME t) {
        return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

const char kAcceptance[] =
    "The Terms and Conditions and Disclaimer for 'Quillet v1.0.3.2' have been accepted.";
const char kQuilletTitle[] = "Quillet v1.0.3.2 - Main - VANTLER";

void StartUpAndMemory() {
    std::string quilletFolder = Folder("start");
    CopyFileA(Beside("Quillet.exe").c_str(), (quilletFolder + "Quillet.exe").c_str(), FALSE);
    WriteBytes(quilletFolder + "TermsAccepted.txt", kAcceptance);
    std::string floorFolder = Folder("floor");
    std::vector<double> quilletMs, floorMs, comFloorMs;
    double floorWorking = 0, floorPrivate = 0, quilletWorking = 0, quilletPrivate = 0;
    double comWorking = 0, comPrivate = 0;
    const int runs = 7;
    // Starts a program, waits for its icon, records the time and its memory, stops it.
    auto sample = [](const std::string &exe, const std::string &folder, const char *title,
                     UINT iconId, bool quillet, std::vector<double> &ms, double &working,
                     double &privateKiB) {
        Started started = StartAndWaitForIcon(exe, folder, title, iconId);
        ms.push_back(started.msToIcon);
        Sleep(300);
        PROCESS_MEMORY_COUNTERS memory = Memory(started.process.hProcess);
        working = memory.WorkingSetSize / 1024.0;
        privateKiB = memory.PagefileUsage / 1024.0;
        Stop(started, quillet);
    };
    for (int run = 0; run < runs; ++run) {
        sample(Beside("tray_floor.exe"), floorFolder, "Quillet tray floor", 1, false, floorMs,
               floorWorking, floorPrivate);
        sample(Beside("tray_com_floor.exe"), floorFolder, "Quillet tray and COM floor", 1, false,
               comFloorMs, comWorking, comPrivate);
        sample(quilletFolder + "Quillet.exe", quilletFolder, kQuilletTitle, 0x01010101, true,
               quilletMs, quilletWorking, quilletPrivate);
    }
    double comMedian = Median(comFloorMs);
    double floorMedian = Median(floorMs), quilletMedian = Median(quilletMs);
    std::printf("start-up to tray icon (median of %d): Quillet %.1f ms, floor %.1f ms, ratio %.2f "
                "(goal <= 1.20)\n",
                runs, quilletMedian, floorMedian, quilletMedian / floorMedian);
    std::printf(
        "memory after start-up: Quillet working set %.0f KiB, private %.0f KiB; floor "
        "working set %.0f KiB, private %.0f KiB; difference %.0f / %.0f KiB (goal <= 1024)\n",
        quilletWorking, quilletPrivate, floorWorking, floorPrivate, quilletWorking - floorWorking,
        quilletPrivate - floorPrivate);
    std::printf("against a floor that also initialises COM and loads the same DLLs: start-up "
                "%.1f ms, ratio %.2f; working set %.0f KiB, private %.0f KiB; difference "
                "%.0f / %.0f KiB\n",
                comMedian, Median(quilletMs) / comMedian, comWorking, comPrivate,
                quilletWorking - comWorking, quilletPrivate - comPrivate);

    // Fifty full notes, loaded and listed.
    std::string fullFolder = Folder("full");
    CopyFileA(Beside("Quillet.exe").c_str(), (fullFolder + "Quillet.exe").c_str(), FALSE);
    WriteBytes(fullFolder + "TermsAccepted.txt", kAcceptance);
    for (int slot = 0; slot < 50; ++slot)
        WriteBytes(fullFolder + "QuilletSlot" + std::to_string(slot) + ".txt",
                   std::string(4095, static_cast<char>('A' + slot % 26)));
    Started full =
        StartAndWaitForIcon(fullFolder + "Quillet.exe", fullFolder, kQuilletTitle, 0x01010101);
    PostMessageA(full.window, WM_APP + 4, 0, 0); // show Manage Notes: load and list all 50
    Sleep(3000);
    PROCESS_MEMORY_COUNTERS q = Memory(full.process.hProcess);
    std::printf("memory with 50 full notes listed: working set %.0f KiB, private %.0f KiB; "
                "above the floor %.0f / %.0f KiB (goal <= 1024)\n",
                q.WorkingSetSize / 1024.0, q.PagefileUsage / 1024.0,
                q.WorkingSetSize / 1024.0 - floorWorking, q.PagefileUsage / 1024.0 - floorPrivate);

    // Idle cost: CPU time over 10 s with nothing to do.
    PostMessageA(full.window, WM_CLOSE, 0, 0); // hide the window again
    Sleep(500);
    double before = CpuMs(full.process.hProcess);
    Sleep(10000);
    double after = CpuMs(full.process.hProcess);
    std::printf("idle CPU over 10 s: %.1f ms (goal 0; no timers, no polling)\n", after - before);
    Stop(full, true);
}

void LoadNotesAgainstPlainReads() {
    std::string folder = Folder("load");
    for (int slot = 0; slot < 50; ++slot)
        WriteBytes(folder + "QuilletSlot" + std::to_string(slot) + ".txt",
                   std::string(4095, static_cast<char>('a' + slot % 26)));
    ResetAppState();
    SetWide(g_app.programFolder, folder);
    const int rounds = 200;
    LoadNotes();
    Clock::time_point start = Clock::now();
    for (int i = 0; i < rounds; ++i)
        LoadNotes();
    double loadMs = MsSince(start) / rounds;
    static char buffer[8192];
    start = Clock::now();
    for (int i = 0; i < rounds; ++i)
        for (int slot = 0; slot < 50; ++slot) {
            std::string path = folder + "QuilletSlot" + std::to_string(slot) + ".txt";
            HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
            DWORD got = 0;
            ReadFile(file, buffer, sizeof(buffer), &got, nullptr);
            CloseHandle(file);
        }
    double plainMs = MsSince(start) / rounds;
    std::printf(
        "LoadNotes of 50 x 4095 bytes: %.3f ms, plain reads %.3f ms, ratio %.2f (goal <= 2)\n",
        loadMs, plainMs, loadMs / plainMs);
}

// Both lists filled from 50 full notes (the notes LoadNotesAgainstPlainReads
// left), into list boxes made as the note window's are.
void FillingTheLists() {
    HWND lists = MakeNoteLists();
    const int rounds = 50;
    FillNoteLists(lists);
    Clock::time_point start = Clock::now();
    for (int i = 0; i < rounds; ++i)
        FillNoteLists(lists);
    std::printf("filling both lists with 50 notes of 4095 bytes: %.3f ms\n",
                MsSince(start) / rounds);
    DestroyWindow(lists);
}

void Slides() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = "QuilletBenchSlide";
    RegisterClassA(&windowClass);
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    HWND window = CreateWindowExA(0, "QuilletBenchSlide", "slide", WS_POPUP, 0, work.bottom,
                                  work.right - work.left, 300, nullptr, nullptr, nullptr, nullptr);
    for (uint32_t delay : {200u, 400u, 800u}) {
        g_app.menuShowDelay = delay;
        size_t frames = SlidePositions(delay, work.bottom, 300, true).size();
        Clock::time_point start = Clock::now();
        SlideNoteWindow(window, SlideDirection::Up);
        double total = MsSince(start);
        ShowWindow(window, SW_HIDE);
        double minimum = 10.0 * static_cast<double>(frames);
        std::printf("slide at delay %u: %zu frames, %.0f ms (floor of 10 ms per frame: %.0f ms), "
                    "%.2f ms per "
                    "frame beyond the 10 ms pause (goal < 2)\n",
                    delay, frames, total, minimum, (total - minimum) / static_cast<double>(frames));
    }
    DestroyWindow(window);
}

} // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    LoadNotesAgainstPlainReads();
    FillingTheLists();
    Slides();
    StartUpAndMemory();
    return 0;
}
