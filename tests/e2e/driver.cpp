#include "driver.h"
#include "res/resource.h"
#include "support/browser_recorder.h"
#include "support/clipboard_blocks.h"
#include "support/files.h"
#include "support/wide_text.h"
#include <shellapi.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

std::string TestsFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    *(std::strrchr(path, '\\') + 1) = '\0';
    return path;
}

struct Enumerated {
    DWORD pid;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    Enumerated *e = reinterpret_cast<Enumerated *>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == e->pid) e->windows.push_back(window);
    return TRUE;
}

std::string StepFailed(const char *step) {
    return std::string(step) + ", error " + std::to_string(GetLastError());
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

} // namespace

std::string QuilletExeBesideTests() {
    // The release check points the driver at the exe unpacked from the zip.
    char chosen[MAX_PATH] = {};
    if (GetEnvironmentVariableA("QUILLET_EXE", chosen, MAX_PATH) > 0) return chosen;
    return TestsFolder() + "Quillet.exe";
}

std::string FreshFolder(const std::string &name) {
    std::string folder = TestsFolder() + "e2e\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    folder += name + "\\";
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string FolderOfLength(size_t length) {
    std::string folder = FreshFolder("len" + std::to_string(length));
    if (folder.size() > length) return "";
    size_t remaining = length - folder.size();
    while (remaining > 0) {
        size_t k = remaining - 1 < 100 ? remaining - 1 : 100;
        if (remaining - (k + 1) == 1) --k;
        folder += std::string(k, 'd') + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
        remaining -= k + 1;
    }
    return folder;
}

const char kAcceptanceLine[] =
    "The Terms and Conditions and Disclaimer for '" QUILLET_VERSION_STRING "' have been accepted.";

void WriteAcceptance(const std::string &folder) {
    WriteFileBytes(folder + "TermsAccepted.txt", kAcceptanceLine);
}

const std::string &RecorderLog() {
    static const std::string log = UseBrowserRecorder("e2e-openings.txt");
    return log;
}

size_t OpeningsSoFar() {
    return RecordedOpenings(RecorderLog(), 0, 0).size();
}

std::vector<std::string> OpeningsAfter(size_t already, size_t count, int timeoutMs) {
    std::vector<std::string> lines = RecordedOpenings(RecorderLog(), already + count, timeoutMs);
    if (lines.size() <= already) return {};
    return std::vector<std::string>(lines.begin() + static_cast<long>(already), lines.end());
}

void WriteNote(const std::string &folder, int slot, const std::string &text) {
    std::string stored;
    for (char c : text)
        stored += c == '\n' ? std::string("\r\n") : std::string(1, c);
    WriteFileBytes(folder + "QuilletSlot" + std::to_string(slot) + ".txt", stored);
}

std::vector<std::string> FilesIn(const std::string &folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

Quillet::Quillet(const std::string &folder, bool accept, std::string cwd) : folder_(folder) {
    if (cwd.empty()) cwd = folder;
    RecorderLog(); // before the start, so the program inherits the recorder's log
    if (!CopyFileA(QuilletExeBesideTests().c_str(), exePath().c_str(), FALSE)) {
        startFailure_ = StepFailed("copy");
        return;
    }
    if (accept) WriteAcceptance(cwd);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    std::string command = "\"" + exePath() + "\"";
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (!CreateProcessA(exePath().c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        cwd.c_str(), &startup, &process_))
        startFailure_ = StepFailed("CreateProcess");
}

Quillet::Quillet(const std::wstring &folder, const std::wstring &temp) {
    RecorderLog();
    std::wstring exe = folder + L"Quillet.exe";
    if (!CopyFileW(Wide(QuilletExeBesideTests()).c_str(), exe.c_str(), FALSE)) {
        startFailure_ = StepFailed("copy");
        return;
    }
    WriteFileBytes(folder + L"TermsAccepted.txt", kAcceptanceLine);
    // This process's environment, with TEMP and TMP replaced.
    std::wstring environment;
    wchar_t *strings = GetEnvironmentStringsW();
    for (const wchar_t *entry = strings; *entry; entry += wcslen(entry) + 1)
        if (_wcsnicmp(entry, L"TEMP=", 5) != 0 && _wcsnicmp(entry, L"TMP=", 4) != 0)
            environment += std::wstring(entry) + L'\0';
    FreeEnvironmentStringsW(strings);
    environment += L"TEMP=" + temp + L'\0' + L"TMP=" + temp + L'\0';
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    std::wstring line = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), &line[0], nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        &environment[0], folder.c_str(), &startup, &process_))
        startFailure_ = StepFailed("CreateProcess");
}

Quillet::~Quillet() {
    if (Running()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    if (process_.hProcess) CloseHandle(process_.hProcess);
    if (process_.hThread) CloseHandle(process_.hThread);
}

std::vector<HWND> Quillet::TopWindows() const {
    Enumerated e = {process_.dwProcessId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&e));
    return e.windows;
}

HWND Quillet::WaitForWindow(const std::string &title, int timeoutMs, bool visible) {
    HWND found = nullptr;
    WaitFor(timeoutMs, [&] {
        for (HWND window : TopWindows())
            if (WindowText(window) == title && (!visible || IsWindowVisible(window))) {
                found = window;
                return true;
            }
        return false;
    });
    return found;
}

HWND Quillet::WaitForNoteWindow(int timeoutMs) {
    if (!noteWindow_) {
        // A program that has ended will not show it: no waiting the time out.
        std::string title = std::string(kVersion) + " - Main - VANTLER";
        WaitFor(timeoutMs, [&] {
            noteWindow_ = WaitForWindow(title, 0, false);
            return noteWindow_ || !Running();
        });
        // Its initialisation ends by parking it in the work area's bottom-right corner.
        RECT work = WorkArea();
        if (noteWindow_)
            WaitFor(3000, [&] {
                RECT rect = WindowRect(noteWindow_);
                return rect.right == work.right && rect.bottom == work.bottom;
            });
    }
    return noteWindow_;
}

void Quillet::Command(int id) {
    PostMessageA(noteWindow_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void Quillet::Tray(UINT mouseMessage, WPARAM iconId) {
    PostMessageA(noteWindow_, WM_TRAYNOTIFY, iconId, mouseMessage);
}

BoxInfo Quillet::WaitForBox(int timeoutMs) {
    BoxInfo box;
    WaitFor(timeoutMs, [&] {
        for (HWND window : TopWindows()) {
            if (ClassOf(window) != "#32770" || !IsWindowVisible(window)) continue;
            if (WindowText(window) != kVersion || !GetDlgItem(window, 0xFFFF)) continue;
            box.window = window;
            box.caption = WindowText(window);
            char text[4096] = {};
            GetDlgItemTextA(window, 0xFFFF, text, sizeof(text));
            box.text = text;
            wchar_t wide[4096] = {};
            GetDlgItemTextW(window, 0xFFFF, wide, 4096);
            box.wideText = wide;
            box.hasYesNo = GetDlgItem(window, IDYES) != nullptr;
            return true;
        }
        return false;
    });
    return box;
}

void Quillet::Answer(const BoxInfo &box, int button) {
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    WaitFor(5000, [&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); });
}

BoxInfo Quillet::AnswerNext(int button, int timeoutMs) {
    BoxInfo box = WaitForBox(timeoutMs);
    if (box.window) Answer(box, button);
    return box;
}

bool Quillet::NoBoxFor(int ms) {
    return WaitForBox(ms).window == nullptr;
}

void Quillet::ExitAndExpectOne() {
    Command(IDM_EXIT);
    EXPECT_EQ(WaitForExit(), 1u);
}

DWORD Quillet::WaitForExit(int timeoutMs) {
    if (!process_.hProcess) return STILL_ACTIVE;
    WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeoutMs));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

bool Quillet::Running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

// Wine hands every clipboard change on to the X selection from another
// process, and may still take in an older X selection that it heard of
// before; a program that reads the clipboard within those few milliseconds
// may find older text. A person never copies and then clicks that fast, so
// the driver lets each change settle first: the sequence number goes quiet,
// then an X client asks for the text. The bridge answers X requests in the
// order its events came, so once an X client reads our text back, nothing
// older is pending there. `utf16` is the text set, or null for no text.
void SettleClipboard(const std::u16string *utf16) {
    DWORD sequence = GetClipboardSequenceNumber();
    for (int quiet = 0, waited = 0; quiet < 150 && waited < 3000; waited += 10) {
        Sleep(10);
        DWORD now = GetClipboardSequenceNumber();
        quiet = now == sequence ? quiet + 10 : 0;
        sequence = now;
    }
    if (!utf16) return;
    // What an X client reads: UTF-8, each CR LF as LF.
    std::u16string lf;
    for (size_t i = 0; i < utf16->size(); ++i)
        if (!((*utf16)[i] == u'\r' && i + 1 < utf16->size() && (*utf16)[i + 1] == u'\n'))
            lf += (*utf16)[i];
    std::string expected(4 * lf.size() + 1, '\0');
    int bytes = WideCharToMultiByte(CP_UTF8, 0, reinterpret_cast<const wchar_t *>(lf.c_str()),
                                    static_cast<int>(lf.size()), &expected[0],
                                    static_cast<int>(expected.size()), nullptr, nullptr);
    expected.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
    std::string out = FreshFolder("x-selection") + "text";
    bool seen = WaitFor(5000, [&] {
        return RunUnixProgram("/usr/bin/xclip -o -selection clipboard -t UTF8_STRING > " +
                              UnixPath(out)) &&
               ReadFileBytes(out) == expected;
    });
    EXPECT_TRUE(seen) << "the X selection never showed the text set";
}

std::u16string FromAnsi(const std::string &text) {
    std::u16string wide(text.size() + 1, u'\0');
    int units =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                            reinterpret_cast<wchar_t *>(&wide[0]), static_cast<int>(wide.size()));
    wide.resize(units > 0 ? static_cast<size_t>(units) : 0);
    return wide;
}

void SetClipboardBlock(const std::string &bytes, size_t blockSize) {
    if (!PutClipboardBlock(CF_TEXT, bytes.data(), bytes.size(), blockSize)) return;
    std::u16string text = FromAnsi(bytes.substr(0, std::min(bytes.find('\0'), blockSize)));
    SettleClipboard(&text);
}

void SetClipboardText(const std::string &text) {
    SetClipboardBlock(text, text.size() + 1);
}

void SetClipboardNonText() {
    PutClipboardBlock(RegisterClipboardFormatA("Quillet e2e picture"), "", 0, 16);
    SettleClipboard(nullptr);
}

std::string ClipboardText() {
    return ClipboardAnsiText();
}

std::string WaitForClipboardChange(const std::string &before, int timeoutMs) {
    // Watch the sequence number rather than opening the clipboard in a loop:
    // an open of ours would make the program's own open fail.
    DWORD sequence = GetClipboardSequenceNumber();
    std::string now = ClipboardText();
    // A read made between the program's empty and its set sees no text.
    auto settled = [&] { return now != before && now != "<no text>" && now != "<clipboard busy>"; };
    bool changed = settled() || WaitFor(timeoutMs, [&] {
                       if (GetClipboardSequenceNumber() == sequence) return false;
                       Sleep(50);
                       sequence = GetClipboardSequenceNumber();
                       now = ClipboardText();
                       return settled();
                   });
    // Say why nothing changed when the program is showing a message.
    HWND box = changed ? nullptr : FindWindowA("#32770", kVersion);
    if (box) {
        char text[1024] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
        now += std::string(" <message: ") + text + ">";
    }
    return now;
}

std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string ControlText(HWND control) {
    std::vector<wchar_t> wide(8192);
    SendMessageW(control, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()));
    std::vector<char> text(4 * wide.size());
    WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, text.data(), static_cast<int>(text.size()),
                        nullptr, nullptr);
    return text.data();
}

std::vector<std::string> ListRows(HWND list) {
    std::vector<std::string> rows;
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    // Across processes Wine hands LB_GETTEXT over in UTF-16 whichever variant
    // is sent, so ask for UTF-16 and convert. The buffer is sized for a whole
    // note and its index suffix rather than trusting a length from afar.
    std::vector<wchar_t> wide(16384);
    std::vector<char> text(4 * 16384);
    for (LRESULT i = 0; i < count; ++i) {
        std::fill(wide.begin(), wide.end(), L'\0');
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, text.data(), static_cast<int>(text.size()),
                            nullptr, nullptr);
        rows.push_back(text.data());
    }
    return rows;
}

bool SelectRow(HWND list, int row) {
    return WaitFor(5000, [&] {
        SendMessageA(list, LB_SETCURSEL, row, 0);
        Sleep(30);
        return SendMessageA(list, LB_GETCURSEL, 0, 0) == row;
    });
}

bool SelectRowText(HWND list, const std::string &text) {
    return WaitFor(5000, [&] {
        std::vector<std::string> rows = ListRows(list);
        auto found = std::find(rows.begin(), rows.end(), text);
        return found != rows.end() && SelectRow(list, static_cast<int>(found - rows.begin()));
    });
}

bool WaitUntil(int timeoutMs, bool (*condition)(void *), void *context) {
    for (int waited = 0;; waited += 20) {
        if (condition(context)) return true;
        if (waited >= timeoutMs) return false;
        Sleep(20);
    }
}

bool TrayIconPresent(HWND note) {
    NOTIFYICONDATAA probe = {};
    probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
    probe.hWnd = note;
    probe.uID = kTrayIconId;
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

int MenusShowing() {
    int count = 0;
    for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
         menu = FindWindowExA(nullptr, menu, "#32768", nullptr))
        if (IsWindowVisible(menu)) ++count;
    return count;
}

RECT WorkArea() {
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

void SetClipboardUnicode(const std::u16string &text, LCID locale) {
    size_t size = (text.size() + 1) * sizeof(char16_t);
    if (PutClipboardBlock(CF_UNICODETEXT, text.c_str(), size, size, locale)) SettleClipboard(&text);
}

std::u16string ClipboardUnicode() {
    return ClipboardUnicodeText();
}

bool WaitForClipboardUnicode(const std::u16string &expected, int timeoutMs) {
    // Read only after a change, so as not to contend with the program's own open.
    DWORD sequence = GetClipboardSequenceNumber();
    if (ClipboardUnicode() == expected) return true;
    return WaitFor(timeoutMs, [&] {
        if (GetClipboardSequenceNumber() == sequence) return false;
        Sleep(50);
        sequence = GetClipboardSequenceNumber();
        return ClipboardUnicode() == expected;
    });
}

std::string Title(const char *part) {
    return std::string(kVersion) + " - " + part + " - VANTLER";
}

HWND List(Quillet &q) {
    return GetDlgItem(q.noteWindow(), IDC_NOTE_LIST);
}

bool WaitShown(Quillet &q, const char *titlePart) {
    return WaitFor(10000, [&] {
        return IsWindowVisible(q.noteWindow()) && WindowText(q.noteWindow()) == Title(titlePart) &&
               IsWindowEnabled(List(q));
    });
}

bool WaitHidden(Quillet &q) {
    return WaitFor(10000, [&] { return !IsWindowVisible(q.noteWindow()); });
}

void ChooseRow(Quillet &q, int row) {
    SendMessageA(List(q), LB_SETCURSEL, row, 0);
    PostMessageA(q.noteWindow(), WM_COMMAND, MAKEWPARAM(IDC_NOTE_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(List(q)));
}

bool RunUnixProgram(const std::string &commandLine, int timeoutMs) {
    // Wine gives no usable process handle for a Unix program, so a shell runs
    // it and leaves its exit status in a file when it is done.
    static int runs = 0;
    std::string folder = FreshFolder("unix-run-" + std::to_string(++runs));
    std::string status = folder + "status";
    WriteFileBytes(folder + "run.sh", commandLine + "\necho $? > '" + UnixPath(status) +
                                          ".part' && mv '" + UnixPath(status) + ".part' '" +
                                          UnixPath(status) + "'\n");
    std::string command = "Z:\\bin\\sh " + UnixPath(folder + "run.sh");
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    return WaitFor(timeoutMs, [&] { return Exists(status); }) &&
           ReadFileBytes(status).substr(0, 1) == "0";
}

std::string UnixPath(const std::string &windowsPath) {
    std::string path = windowsPath.substr(windowsPath.rfind(':') + 1);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

MenuShowDelaySetting::MenuShowDelaySetting(const char *value) {
    RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &key_, nullptr);
    had_ = RegQueryValueExA(key_, "MenuShowDelay", nullptr, &type_, saved_, &size_) == 0;
    RegSetValueExA(key_, "MenuShowDelay", 0, REG_SZ, reinterpret_cast<const BYTE *>(value),
                   static_cast<DWORD>(std::strlen(value) + 1));
}

MenuShowDelaySetting::~MenuShowDelaySetting() {
    if (had_)
        RegSetValueExA(key_, "MenuShowDelay", 0, type_, saved_, size_);
    else
        RegDeleteValueA(key_, "MenuShowDelay");
    RegCloseKey(key_);
}

namespace {

// Says why a start gave no window: a second Quillet in the same Wine prefix
// ends at once with 0, as does one whose terms were not accepted.
Quillet &Started(Quillet &q) {
    if (q.WaitForNoteWindow()) return q;
    if (!q.started())
        ADD_FAILURE() << "Quillet did not start: " << q.startFailure();
    else if (q.Running())
        ADD_FAILURE() << "Quillet runs without its window";
    else
        ADD_FAILURE() << "Quillet ended with code " << q.WaitForExit(0) << " before its window";
    return q;
}

} // namespace

Quillet &QuilletTest::Start(const std::string &folder, bool accept, const std::string &cwd) {
    quillet_.reset(new Quillet(folder, accept, cwd));
    return Started(*quillet_);
}

Quillet &QuilletTest::Start(const std::wstring &folder, const std::wstring &temp) {
    quillet_.reset(new Quillet(folder, temp));
    return Started(*quillet_);
}

void QuilletTest::TearDown() {
    if (quillet_ && quillet_->noteWindow() && quillet_->Running()) quillet_->ExitAndExpectOne();
}
