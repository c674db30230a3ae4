// A long run of the real program: paste, show the list, copy, manage, delete
// with and without a backup, refresh, many times over. Checks that no note is
// lost or changed, that nothing stray is left, and that the process's handle
// and window counts come back to where they were after the first cycles.
#include "driver.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <psapi.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Kernel handles of one process, from the extended handle table (class 64),
// which Wine reports where GetProcessHandleCount says 0.
struct HandleEntry {
    PVOID object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG access;
    USHORT backTrace, typeIndex;
    ULONG attributes, reserved;
};
struct HandleTable {
    ULONG_PTR count, reserved;
    HandleEntry entries[1];
};
using QuerySystemInformation = LONG(WINAPI *)(ULONG, PVOID, ULONG, PULONG);

long KernelHandles(DWORD pid) {
    auto query = reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void *>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return -1;
    std::vector<char> buffer(1 << 20);
    for (int attempt = 0; attempt < 6; ++attempt) {
        ULONG needed = 0;
        LONG status = query(64, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == 0) {
            const HandleTable *table = reinterpret_cast<const HandleTable *>(buffer.data());
            long count = 0;
            for (ULONG_PTR i = 0; i < table->count; ++i)
                if (table->entries[i].processId == pid) ++count;
            return count;
        }
        buffer.resize(buffer.size() * 2);
    }
    return -1;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<long *>(count);
    return TRUE;
}

long Windows(const Quillet &q) {
    long count = 0;
    for (HWND window : q.TopWindows()) {
        ++count;
        EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
    }
    return count;
}

struct Counts {
    long handles, windows;
    double privateKiB, workingKiB;
};

Counts Measure(const Quillet &q, HANDLE process) {
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process, &memory, sizeof(memory));
    return {KernelHandles(q.pid()), Windows(q), memory.PagefileUsage / 1024.0,
            memory.WorkingSetSize / 1024.0};
}

bool Shown(Quillet &q, const char *part) {
    return WaitShown(q, part);
}

bool Select(Quillet &q, int row) {
    return SelectRow(List(q), row);
}

int RowOf(Quillet &q, const std::string &text) {
    std::vector<std::string> rows = ListRows(List(q));
    auto found = std::find(rows.begin(), rows.end(), text);
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

} // namespace

TEST(Soak, ThousandCyclesLoseNothingAndLeakNothing) {
    const char *cyclesText = std::getenv("QUILLET_SOAK_CYCLES");
    const int cycles = cyclesText ? std::atoi(cyclesText) : 1000;
    MenuShowDelaySetting instantSlide("0"); // quick cycles
    std::string folder = FreshFolder("soak");
    const std::vector<std::string> kept = {"kept note one", "kept note two\r\nwith a line",
                                           "kept note three\twith a tab"};
    for (size_t i = 0; i < kept.size(); ++i)
        WriteNote(folder, static_cast<int>(i), kept[i]);
    std::vector<std::string> keptBytes;
    for (size_t i = 0; i < kept.size(); ++i)
        keptBytes.push_back(ReadFileBytes(folder + "QuilletSlot" + std::to_string(i) + ".txt"));

    Quillet q(folder);
    ASSERT_NE(q.WaitForNoteWindow(), nullptr);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, q.pid());
    Counts early = {}, start = Measure(q, process);
    int backups = 0;
    DWORD begin = GetTickCount();
    for (int cycle = 0; cycle < cycles; ++cycle) {
        char text[64];
        std::snprintf(text, sizeof(text), "soak note %06d, pasted", cycle);
        // Paste: saved in the first free slot (3) and listed.
        SetClipboardText(text);
        q.Command(IDM_PASTE_NOTE);
        ASSERT_TRUE(Shown(q, "Copy Note")) << cycle;
        ASSERT_EQ(ReadFileBytes(folder + "QuilletSlot3.txt"), text) << cycle;
        // Copy it back from the list.
        int row = RowOf(q, text);
        ASSERT_GE(row, 0) << cycle;
        SetClipboardText("-");
        SendMessageA(List(q), LB_SETCURSEL, row, 0);
        PostMessageA(q.noteWindow(), WM_COMMAND, MAKEWPARAM(IDC_NOTE_LIST, LBN_SELCHANGE), 0);
        ASSERT_EQ(WaitForClipboardChange("-"), text) << cycle << " " << q.WaitForBox(300).text;
        // The copy ends by sliding out and hiding: a show asked for before then
        // would run inside that slide and be hidden with it.
        ASSERT_TRUE(WaitFor(5000, [&] { return !IsWindowVisible(q.noteWindow()); })) << cycle;
        // Manage, refresh, copy a kept note, then delete the pasted one.
        q.Command(IDM_MANAGE_NOTES);
        ASSERT_TRUE(Shown(q, "Manage Notes")) << cycle;
        q.Command(cycle % 2 ? IDM_REFRESH_NOTES : IDC_REFRESH);
        ASSERT_TRUE(WaitFor(5000, [&] { return ListRows(List(q)).size() == 4; })) << cycle;
        ASSERT_TRUE(Select(q, RowOf(q, text))) << cycle;
        q.Command(IDC_DELETE);
        ASSERT_NE(q.AnswerNext(IDYES).window, nullptr) << cycle;
        ASSERT_NE(q.AnswerNext(IDYES).window, nullptr) << cycle;
        bool withBackup = cycle % 2 == 0;
        ASSERT_NE(q.AnswerNext(withBackup ? IDYES : IDNO).window, nullptr) << cycle;
        if (withBackup) {
            BoxInfo name = q.AnswerNext(IDOK);
            ASSERT_NE(name.window, nullptr) << cycle;
            ++backups;
        }
        ASSERT_TRUE(WaitFor(5000, [&] { return !Exists(folder + "QuilletSlot3.txt"); })) << cycle;
        ASSERT_TRUE(WaitFor(5000, [&] { return ListRows(List(q)).size() == 3; })) << cycle;
        ASSERT_TRUE(Select(q, 0)) << cycle;
        SetClipboardText("-");
        q.Command(IDC_COPY);
        ASSERT_NE(WaitForClipboardChange("-"), "-") << cycle << " " << q.WaitForBox(300).text;
        ASSERT_TRUE(WaitFor(5000, [&] { return !IsWindowVisible(q.noteWindow()); })) << cycle;
        if (cycle == 9) early = Measure(q, process);
        if (cycle % 100 == 99) {
            Counts now = Measure(q, process);
            std::printf("cycle %d: %.1f s, handles %ld, windows %ld, private %.0f KiB, working set "
                        "%.0f KiB\n",
                        cycle + 1, (GetTickCount() - begin) / 1000.0, now.handles, now.windows,
                        now.privateKiB, now.workingKiB);
            std::fflush(stdout);
        }
    }
    Counts end = Measure(q, process);
    std::printf(
        "soak: %d cycles in %.1f s; handles %ld at start, %ld after 10 cycles, %ld at the end; "
        "windows %ld / %ld / %ld; private %.0f / %.0f / %.0f KiB; GDI and USER object "
        "counts are not reported by Wine (GetGuiResources gives 0)\n",
        cycles, (GetTickCount() - begin) / 1000.0, start.handles, early.handles, end.handles,
        start.windows, early.windows, end.windows, start.privateKiB, early.privateKiB,
        end.privateKiB);
    std::fflush(stdout);
    EXPECT_LE(end.handles, early.handles);
    EXPECT_EQ(end.windows, early.windows);

    for (size_t i = 0; i < kept.size(); ++i)
        EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot" + std::to_string(i) + ".txt"), keptBytes[i]);
    std::vector<std::string> files = FilesIn(folder);
    int backupFiles = 0;
    for (const std::string &name : files) {
        if (name.rfind("QuilletBackup [", 0) == 0) {
            ++backupFiles;
            EXPECT_EQ(ReadFileBytes(folder + name).rfind("soak note ", 0), 0u) << name;
            continue;
        }
        bool expected = name == "Quillet.exe" || name == "TermsAccepted.txt" ||
                        name == "QuilletSlot0.txt" || name == "QuilletSlot1.txt" ||
                        name == "QuilletSlot2.txt";
        EXPECT_TRUE(expected) << "stray file " << name;
    }
    EXPECT_EQ(backupFiles, backups);
    q.Command(IDM_EXIT);
    EXPECT_EQ(q.WaitForExit(), 1u);
    CloseHandle(process);
}
