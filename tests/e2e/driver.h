// Drives the real Quillet.exe from a second process, as the shell and the user do.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/tray.h"       // kTrayIconId
#include "base/app_state.h" // WM_TRAYNOTIFY and the other private messages
#include "base/product.h"
#include "support/clipboard_blocks.h"
#include "support/files.h"

constexpr char kVersion[] = QUILLET_VERSION_STRING;

struct BoxInfo {
    HWND window = nullptr;
    std::string caption;
    std::string text;
    std::wstring wideText; // as it is, for a path the ANSI code page cannot spell
    bool hasYesNo = false;
};

// A fresh, empty folder under the tests' own folder (with trailing backslash).
std::string FreshFolder(const std::string &name);
// A fresh folder whose full path, trailing backslash included, is `length` long.
std::string FolderOfLength(size_t length);
// Writes the acceptance line of this version into `folder`.
void WriteAcceptance(const std::string &folder);
// A note file as the program writes it: each LF stored as CR LF.
void WriteNote(const std::string &folder, int slot, const std::string &text);
std::string QuilletExeBesideTests();

// Every program started by the driver opens pages, addresses and note files
// with the recorder; this is its log, shared by the whole run.
const std::string &RecorderLog();
// Lines recorded after the first `already`, waiting until there are `count`.
std::vector<std::string> OpeningsAfter(size_t already, size_t count, int timeoutMs = 5000);
size_t OpeningsSoFar();

std::vector<std::string> FilesIn(const std::string &folder);

class Quillet {
  public:
    // Copies Quillet.exe into `folder`, writes the acceptance file into the
    // current directory (the folder unless `cwd` is given) and starts it.
    explicit Quillet(const std::string &folder, bool accept = true, std::string cwd = "");
    // Copies Quillet.exe into a folder whose name the ANSI code page need not
    // spell, accepts there, and starts it there with TEMP and TMP set to `temp`.
    Quillet(const std::wstring &folder, const std::wstring &temp);
    ~Quillet(); // kills the process if it still runs
    Quillet(const Quillet &) = delete;
    Quillet &operator=(const Quillet &) = delete;

    bool started() const { return process_.hProcess != nullptr; }
    const std::string &startFailure() const { return startFailure_; }
    DWORD pid() const { return process_.dwProcessId; }
    const std::string &folder() const { return folder_; }
    std::string exePath() const { return folder_ + "Quillet.exe"; }

    // The hidden NoteWindow, once it exists (null after the timeout).
    HWND WaitForNoteWindow(int timeoutMs = 15000);
    HWND noteWindow() const { return noteWindow_; }

    void Command(int id);
    void Tray(UINT mouseMessage, WPARAM iconId = kTrayIconId);

    // The next message box of this process (window null after the timeout).
    BoxInfo WaitForBox(int timeoutMs = 10000);
    void Answer(const BoxInfo &box, int button);
    // Waits for a box and answers it; returns it.
    BoxInfo AnswerNext(int button, int timeoutMs = 10000);
    bool NoBoxFor(int ms);

    // A top-level window of this process whose title is `title`.
    HWND WaitForWindow(const std::string &title, int timeoutMs = 10000, bool visible = true);
    std::vector<HWND> TopWindows() const;

    // Chooses Exit from the tray menu and expects the normal exit code.
    void ExitAndExpectOne();

    // Exit code after the process ended, or STILL_ACTIVE after the timeout.
    DWORD WaitForExit(int timeoutMs = 15000);
    bool Running() const;

  private:
    std::string folder_;
    PROCESS_INFORMATION process_ = {};
    HWND noteWindow_ = nullptr;
    std::string startFailure_;
};

// Clipboard of the shared desktop, from the driver's side.
void SetClipboardBlock(const std::string &bytes, size_t blockSize);
void SetClipboardText(const std::string &text);
void SetClipboardNonText();
std::string ClipboardText();
// Waits until the clipboard text differs from `before`; returns it.
std::string WaitForClipboardChange(const std::string &before, int timeoutMs = 5000);

// Unicode text (CF_UNICODETEXT) of the shared clipboard; a `locale` goes
// beside it as CF_LOCALE, as if copied with that language's keyboard layout.
void SetClipboardUnicode(const std::u16string &text, LCID locale = 0);
std::u16string ClipboardUnicode();
bool WaitForClipboardUnicode(const std::u16string &expected, int timeoutMs = 5000);

// "Quillet v1.0.3.2 - <part> - VANTLER"
std::string Title(const char *part);
HWND List(Quillet &q);
// Waits until a show has finished: visible, titled, and the list enabled again.
bool WaitShown(Quillet &q, const char *titlePart);
bool WaitHidden(Quillet &q);
// Chooses a row of the Copy Note list the way a click does.
void ChooseRow(Quillet &q, int row);

// Runs a Unix program (a full path and its arguments) and waits for it.
bool RunUnixProgram(const std::string &commandLine, int timeoutMs = 10000);
// The Unix path of a path on drive Z:.
std::string UnixPath(const std::string &windowsPath);

// Sets the user's MenuShowDelay text while it lives; programs started
// meanwhile read it.
class MenuShowDelaySetting {
  public:
    explicit MenuShowDelaySetting(const char *value);
    ~MenuShowDelaySetting();
    MenuShowDelaySetting(const MenuShowDelaySetting &) = delete;
    MenuShowDelaySetting &operator=(const MenuShowDelaySetting &) = delete;

  private:
    HKEY key_ = nullptr;
    BYTE saved_[64] = {};
    DWORD size_ = sizeof(saved_), type_ = 0;
    bool had_ = false;
};

std::string WindowText(HWND window);
// The text of a control of another process, asked for with WM_GETTEXT.
std::string ControlText(HWND control);
std::vector<std::string> ListRows(HWND list);
// Selects a row and waits until it stays selected (a reload still finishing
// clears the selection); a negative row is looked up by its text.
bool SelectRow(HWND list, int row);
bool SelectRowText(HWND list, const std::string &text);
bool WaitUntil(int timeoutMs, bool (*condition)(void *), void *context);
template <class F> bool WaitFor(int timeoutMs, F condition) {
    return WaitUntil(
        timeoutMs, [](void *c) { return (*static_cast<F *>(c))(); }, &condition);
}
RECT WorkArea();
// Whether the program's tray icon is there, asked of the shell from outside.
bool TrayIconPresent(HWND note);
// Menus showing on the screen: the tray menu and its open submenus.
int MenusShowing();
RECT WindowRect(HWND window);

// The usual run of a test: the program started in a folder of the test's, and
// at the end, if it still runs, Exit must end it with the normal code 1.
class QuilletTest : public ::testing::Test {
  protected:
    void TearDown() override;
    // Starts the program (as Quillet's constructor does) and waits for its
    // NoteWindow; q.noteWindow() is null if it never came.
    Quillet &Start(const std::string &folder, bool accept = true, const std::string &cwd = "");
    Quillet &Start(const std::wstring &folder, const std::wstring &temp);

  private:
    std::unique_ptr<Quillet> quillet_;
};
