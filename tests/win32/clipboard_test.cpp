#include "base/app_state.h"
#include "cliptools/clipboard.h"
#include "message_box_answerer.h"
#include "support/clipboard_blocks.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>

namespace {

// Puts a CF_TEXT block of exactly `size` bytes holding `text` on the clipboard.
void SetClipboardBlock(const std::string &text, size_t size) {
    ASSERT_TRUE(PutClipboardBlock(CF_TEXT, text.data(), text.size(), size));
}

std::string ClipboardText() {
    return ClipboardAnsiText();
}

int ClipboardFormats() {
    OpenClipboard(nullptr);
    int count = CountClipboardFormats();
    CloseClipboard();
    return count;
}

const char kNoText[] = "ERROR: Could not GetClipboardData(...)\n\n[ CAUSE: The data is probably "
                       "not formatted as text ].";
// What the user would be told.
std::string Said(ClipboardStatus status) {
    const char *message = ClipboardMessage(status);
    return message ? message : "";
}

const char kTooBig[] =
    "ERROR: Data size restricted to 4096 bytes.\n\nThe data has not been pasted/saved.";

} // namespace

TEST(Clipboard, PutThenReadGivesTheSameText) {
    PutClipboardText("Hello\r\nWorld");
    EXPECT_EQ(ClipboardText(), "Hello\r\nWorld");
    std::string got;
    size_t size = 0;
    auto take = [&](const ClipboardContent &text) {
        got = text.ansi;
        size = text.ansiBlockSize;
    };
    EXPECT_EQ(ReadClipboardText(take), ClipboardStatus::Done);
    EXPECT_EQ(got, "Hello\r\nWorld");
    EXPECT_GE(size, got.size() + 1);
    // An ANSI program's text, tagged Russian by its keyboard layout: its own
    // bytes, never the system's code page 1251 reading of them ("Cafй").
    ASSERT_TRUE(PutClipboardBlock(CF_TEXT, "Caf\xE9", 5, 5, 0x0419));
    bool wide = true;
    auto takeAnsi = [&](const ClipboardContent &text) {
        got = text.ansi ? text.ansi : "<not exact in ANSI>";
        wide = text.wide != nullptr;
    };
    EXPECT_EQ(ReadClipboardText(takeAnsi), ClipboardStatus::Done);
    EXPECT_EQ(got, "Caf\xE9");
    EXPECT_FALSE(wide);
}

// Text placed without a locale is tagged by the system (with the keyboard
// layout on Windows, the user's locale under Wine); the program's own tag
// names the system's locale, whose code page its ANSI bytes are in, and comes
// before the forms the system makes. CTest runs it as a German user on an
// English system, where the user's locale is another.
TEST(Clipboard, EveryTextCarriesTheSystemsLocale) {
    ASSERT_NE(GetUserDefaultLCID(), GetSystemDefaultLCID()) << "needs the locales CTest sets";
    auto tag = [] {
        LCID locale = 0;
        if (!OpenClipboard(nullptr)) return locale;
        if (HANDLE block = GetClipboardData(CF_LOCALE)) {
            locale = *static_cast<const LCID *>(GlobalLock(block));
            GlobalUnlock(block);
        }
        CloseClipboard();
        return locale;
    };
    const std::vector<UINT> ansiFirst = {CF_TEXT, CF_UNICODETEXT, CF_LOCALE, CF_OEMTEXT};
    PutClipboardText("Gr\xFC\xDF"
                     "e");
    EXPECT_EQ(ClipboardFormatOrder(), ansiFirst);
    EXPECT_EQ(tag(), GetSystemDefaultLCID());
    PutClipboardUnicodeText(u"\u03A9");
    EXPECT_EQ(ClipboardFormatOrder(),
              std::vector<UINT>({CF_UNICODETEXT, CF_LOCALE, CF_TEXT, CF_OEMTEXT}));
    EXPECT_EQ(tag(), GetSystemDefaultLCID());
    // A name outside the code page goes as Unicode first: its CF_TEXT spells
    // it with '?', which a reader of the first text format must not get.
    PutClipboardNamedText(u"\u03A9mega");
    EXPECT_EQ(ClipboardFormatOrder(),
              std::vector<UINT>({CF_UNICODETEXT, CF_TEXT, CF_LOCALE, CF_OEMTEXT}));
    EXPECT_EQ(tag(), GetSystemDefaultLCID());
    PutClipboardNamedText(u"Gr\u00FC\u00DFe");
    EXPECT_EQ(ClipboardFormatOrder(), ansiFirst);
    EXPECT_EQ(ClipboardText(), "Gr\xFC\xDF"
                               "e");
}

TEST(Clipboard, BlockSizeLimitIsInclusive) {
    SetClipboardBlock(std::string(4095, 'x'), 4096);
    bool ran = false;
    auto mark = [&](const ClipboardContent &) { ran = true; };
    EXPECT_EQ(ReadClipboardText(mark), ClipboardStatus::Done);
    EXPECT_TRUE(ran);
    ran = false;
    SetClipboardBlock(std::string(4096, 'x'), 4097);
    EXPECT_EQ(Said(ReadClipboardText(mark)), kTooBig);
    EXPECT_FALSE(ran);
    EXPECT_EQ(ClipboardText(), std::string(4096, 'x')) << "the clipboard is closed again";
    // Unicode text: 4095 units and the terminator fit, 4096 do not.
    std::u16string wide(4095, u'x');
    ASSERT_TRUE(PutClipboardBlock(CF_UNICODETEXT, wide.c_str(), 8192, 8192));
    EXPECT_EQ(ConvertClipboardText(CaseConversion::Upper), ClipboardStatus::Done);
    wide += u'x';
    ASSERT_TRUE(PutClipboardBlock(CF_UNICODETEXT, wide.c_str(), 8194, 8194));
    EXPECT_EQ(Said(ConvertClipboardText(CaseConversion::Upper)), kTooBig);
    EXPECT_EQ(ClipboardUnicodeText(), wide);
}

TEST(Clipboard, NoTextIsReportedForPasteAndConversionAlike) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
    SetClipboardData(RegisterClipboardFormatA("Quillet test picture"), block);
    CloseClipboard();
    auto none = [](const ClipboardContent &) {};
    EXPECT_EQ(Said(ReadClipboardText(none)), kNoText);
    EXPECT_EQ(Said(ConvertClipboardText(CaseConversion::Upper)), kNoText);
}

TEST(Clipboard, ConversionsLeaveOnlyTheConvertedText) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const char text[] = "Hello World 123\xE4";
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(text));
    std::memcpy(GlobalLock(block), text, sizeof(text));
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    SetClipboardData(RegisterClipboardFormatA("Quillet test rich text"),
                     GlobalAlloc(GMEM_MOVEABLE, 4));
    CloseClipboard();
    ConvertClipboardText(CaseConversion::Upper);
    EXPECT_EQ(ClipboardText(), "HELLO WORLD 123\xE4");
    ConvertClipboardText(CaseConversion::Lower);
    EXPECT_EQ(ClipboardText(), "hello world 123\xE4");
    PutClipboardText("aBc");
    ConvertClipboardText(CaseConversion::Invert);
    EXPECT_EQ(ClipboardText(), "AbC");
    // CF_TEXT alone, plus whatever the system synthesises from it.
    EXPECT_LE(ClipboardFormats(), 4);
    OpenClipboard(nullptr);
    EXPECT_FALSE(IsClipboardFormatAvailable(RegisterClipboardFormatA("Quillet test rich text")));
    CloseClipboard();
}

TEST(Clipboard, AFailedPutLeavesTheClipboardAsItWas) {
    PutClipboardText("kept");
    // No block of this size can be had: the failure comes before the empty.
    EXPECT_EQ(Said(PutClipboardData(CF_TEXT, "", static_cast<size_t>(1) << 60)),
              "ERROR: Could not allocate memory.");
    EXPECT_EQ(ClipboardText(), "kept");
}

TEST(Clipboard, EmptyTextConvertsToAnEmptyText) {
    PutClipboardText("");
    ConvertClipboardText(CaseConversion::Upper);
    EXPECT_EQ(ClipboardText(), "");
}

TEST(Clipboard, ATextStuffedAfterItsTerminatorIsCutThere) {
    SetClipboardBlock(std::string("abc\0junk", 8), 8);
    ConvertClipboardText(CaseConversion::Upper);
    EXPECT_EQ(ClipboardText(), "ABC");
}

TEST(Clipboard, BusyClipboardIsReported) {
    // Another thread holds the clipboard open while we try.
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    struct Args {
        HANDLE opened, release;
    } args = {opened, release};
    HANDLE holder = CreateThread(
        nullptr, 0,
        [](void *p) -> DWORD {
            Args *a = static_cast<Args *>(p);
            HWND owner =
                CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
            OpenClipboard(owner);
            SetEvent(a->opened);
            WaitForSingleObject(a->release, 10000);
            CloseClipboard();
            DestroyWindow(owner);
            return 0;
        },
        &args, 0, nullptr);
    WaitForSingleObject(opened, 10000);
    {
        DWORD start = GetTickCount();
        EXPECT_EQ(Said(PutClipboardText("x")), "ERROR: Could not open the Clipboard.");
        // The put gives up after about half a second of tries, never after
        // nested retries (once up to 25 s).
        EXPECT_LT(GetTickCount() - start, 5000u);
        auto none = [](const ClipboardContent &) {};
        EXPECT_EQ(Said(ReadClipboardText(none)), "ERROR: Could not open the Clipboard.");
    }
    SetEvent(release);
    WaitForSingleObject(holder, 10000);
    CloseHandle(holder);
    CloseHandle(opened);
    CloseHandle(release);
}
