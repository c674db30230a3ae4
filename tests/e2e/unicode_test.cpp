// Text in any language survives paste, copy, conversions and a real X client.
#include "driver.h"
#include "res/resource.h"
#include "support/wide_text.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace {

const std::string kMark = "\xEF\xBB\xBF";
// "Ωmega 日本語 😀" in UTF-16 and UTF-8.
const std::u16string kWorldText = u"\u03A9mega \u65E5\u672C\u8A9E \U0001F600";
const std::string kWorldUtf8 = "\xCE\xA9mega \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xF0\x9F\x98\x80";

bool ManageCopy(Quillet &q, int row) {
    q.Command(IDM_MANAGE_NOTES);
    if (!WaitShown(q, "Manage Notes") || !SelectRow(List(q), row)) return false;
    q.Command(IDC_COPY);
    return true;
}

} // namespace

class CodePage932 : public QuilletTest {};
class CodePageUtf8 : public QuilletTest {};
class Unicode : public QuilletTest {};

TEST_F(Unicode, PastedTextKeepsEveryCharacterAndCopiesBackExactly) {
    Quillet &q = Start(FreshFolder("unicode-paste"));
    ASSERT_NE(q.noteWindow(), nullptr);
    SetClipboardUnicode(kWorldText + u"\r\nnext");
    q.Command(IDM_PASTE_NOTE);
    ASSERT_TRUE(WaitShown(q, "Copy Note"));
    EXPECT_EQ(ReadFileBytes(q.folder() + "QuilletSlot0.txt"), kMark + kWorldUtf8 + "\r\r\nnext");
    // The row shows every character as itself, whatever the code page, in
    // list boxes that hold Unicode: the system converts no row.
    EXPECT_TRUE(IsWindowUnicode(List(q)) && IsWindowUnicode(q.noteWindow()));
    EXPECT_EQ(ListRows(List(q)), std::vector<std::string>({kWorldUtf8 + "__next"}));
    SetClipboardText("other");
    ChooseRow(q, 0);
    EXPECT_TRUE(WaitForClipboardUnicode(kWorldText + u"\r\nnext"));
    ASSERT_TRUE(WaitHidden(q));
    // Manage Notes copies the same exact text.
    SetClipboardText("other");
    ASSERT_TRUE(ManageCopy(q, 0));
    EXPECT_TRUE(WaitForClipboardUnicode(kWorldText + u"\r\nnext"));
}

TEST_F(Unicode, CaseConversionsChangeAsciiLettersOnlyAndKeepTheRest) {
    Quillet &q = Start(FreshFolder("unicode-case"));
    ASSERT_NE(q.noteWindow(), nullptr);
    SetClipboardUnicode(u"stra\u00DFe \u03A9mega \u65E5\u672C abc");
    q.Command(IDM_TO_UPPER);
    EXPECT_TRUE(WaitForClipboardUnicode(u"STRA\u00DFE \u03A9MEGA \u65E5\u672C ABC"))
        << "now: " << ClipboardText();
    SetClipboardUnicode(u"a\u03A9B");
    q.Command(IDM_INVERT_CASE);
    EXPECT_TRUE(WaitForClipboardUnicode(u"A\u03A9b"));
    q.Command(IDM_TO_LOWER);
    EXPECT_TRUE(WaitForClipboardUnicode(u"a\u03A9b"));
}

TEST_F(Unicode, AnEditorsUtf8FileListsAndCopiesItsTextAndIsNeverChanged) {
    std::string folder = FreshFolder("unicode-file");
    const std::string bytes = kMark + "Gr\xC3\xBC\xC3\x9F"
                                      "e \xE6\x97\xA5\xE6\x9C\xAC\r\n2";
    WriteFileBytes(folder + "QuilletSlot3.txt", bytes);
    WriteNote(folder, 1, "plain \xFC");
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    q.Tray(WM_LBUTTONUP);
    ASSERT_TRUE(WaitShown(q, "Copy Note"));
    EXPECT_EQ(ListRows(List(q)), std::vector<std::string>({"Gr\xC3\xBC\xC3\x9F"
                                                           "e \xE6\x97\xA5\xE6\x9C\xAC_2",
                                                           "plain \xC3\xBC"}));
    SetClipboardText("other");
    ChooseRow(q, 0);
    EXPECT_TRUE(WaitForClipboardUnicode(u"Gr\u00FC\u00DFe \u65E5\u672C\n2"));
    ASSERT_TRUE(WaitHidden(q));
    // An ANSI note still goes out as the same CF_TEXT bytes.
    SetClipboardText("other");
    ASSERT_TRUE(ManageCopy(q, 1));
    EXPECT_EQ(WaitForClipboardChange("other"), "plain \xFC");
    EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot3.txt"), bytes);
}

// Run by its own CTest test with a Japanese locale, where the ANSI code page is 932.
TEST_F(CodePage932, UppercaseNeverChangesATrailByte) {
    if (GetACP() != 932) GTEST_SKIP() << "needs code page 932 (the quillet_e2e_cp932 test)";
    Quillet &q = Start(FreshFolder("cp932"));
    ASSERT_NE(q.noteWindow(), nullptr);
    // U+30C2 is 83 61: its trail byte is the letter 'a'.
    SetClipboardText("\x83\x61 abc");
    q.Command(IDM_TO_UPPER);
    EXPECT_EQ(WaitForClipboardChange("\x83\x61 abc"), "\x83\x61 ABC");
    SetClipboardText("\x83\x61 Ab");
    q.Command(IDM_INVERT_CASE);
    EXPECT_EQ(WaitForClipboardChange("\x83\x61 Ab"), "\x83\x61 aB");
}

TEST_F(Unicode, TextFromAnXClientBecomesAUtf8NoteAndGoesBackByteForByte) {
    std::string folder = FreshFolder("unicode-xclip");
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    WriteFileBytes(folder + "x-in.txt", kWorldUtf8 + "\nline two");
    ASSERT_TRUE(
        RunUnixProgram("/usr/bin/xclip -selection clipboard -i " + UnixPath(folder + "x-in.txt")));
    ASSERT_TRUE(WaitForClipboardUnicode(kWorldText + u"\r\nline two"));
    q.Command(IDM_PASTE_NOTE);
    ASSERT_TRUE(WaitShown(q, "Copy Note"));
    EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot0.txt"), kMark + kWorldUtf8 + "\r\r\nline two");
    SetClipboardText("other");
    ChooseRow(q, 0);
    ASSERT_TRUE(WaitForClipboardUnicode(kWorldText + u"\r\nline two"));
    // What an X program pastes: UTF-8 with LF line ends.
    std::string out = folder + "x-out.txt";
    ASSERT_TRUE(
        RunUnixProgram("/usr/bin/xclip -o -selection clipboard -t UTF8_STRING > " + UnixPath(out)));
    EXPECT_EQ(ReadFileBytes(out), kWorldUtf8 + "\nline two");
}

// The clipboard owner's own format decides, whatever keyboard layout was active
// at copy time; editors' Unicode notes read back exactly; nothing loads empty.
TEST_F(Unicode, TheOwnersTextDecidesAndEditorsUnicodeNotesReadBack) {
    std::string folder = FreshFolder("unicode-owner");
    // "Ωmega" CR LF "x" as an editor's UTF-16 LE, and "Grüße Ω" as UTF-8 without a mark.
    const std::string utf16 = std::string("\xFF\xFE\xA9\x03m\0e\0g\0a\0\r\0\n\0x\0", 18);
    const std::string bareUtf8 = "Gr\303\274\303\237e \316\251";
    WriteFileBytes(folder + "QuilletSlot5.txt", utf16);
    WriteFileBytes(folder + "QuilletSlot6.txt", bareUtf8);
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    auto pasteAndClose = [&] {
        q.Command(IDM_PASTE_NOTE);
        ASSERT_TRUE(WaitShown(q, "Copy Note"));
        PostMessageA(q.noteWindow(), WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitHidden(q));
    };
    // Copied with a Russian layout: the system's CF_TEXT would be "Cafe naive".
    SetClipboardUnicode(u"Caf\u00E9 na\u00EFve", 0x0419);
    pasteAndClose();
    EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot0.txt"), "Caf\xE9 na\xEFve");
    SetClipboardUnicode(u"Caf\u00E9 na\u00EFve", 0x0419);
    q.Command(IDM_TO_UPPER);
    EXPECT_TRUE(WaitForClipboardUnicode(u"CAF\u00E9 NA\u00EFVE"));
    // ANSI text that begins with the UTF-8 mark's bytes is kept as marked UTF-8.
    SetClipboardText("\357\273\277Caf\351");
    pasteAndClose();
    EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot1.txt"),
              kMark + "\303\257\302\273\302\277Caf\303\251");
    // A text that would load cut at its 0x1A is refused, and says why.
    SetClipboardText("before\032after");
    q.Command(IDM_PASTE_NOTE);
    EXPECT_EQ(q.AnswerNext(IDOK).text.rfind("ERROR: The Clipboard text holds the end-of-file", 0),
              0u);
    EXPECT_FALSE(Exists(folder + "QuilletSlot2.txt"));
    ASSERT_TRUE(WaitShown(q, "Copy Note"));
    // Each row shows its characters (the list sorts them).
    std::vector<std::string> rows = ListRows(List(q));
    auto rowOf = [&](const std::string &text) {
        return static_cast<int>(std::find(rows.begin(), rows.end(), text) - rows.begin());
    };
    ChooseRow(q, rowOf("\xC3\xAF\xC2\xBB\xC2\xBF"
                       "Caf\xC3\xA9"));
    EXPECT_TRUE(WaitForClipboardUnicode(u"\u00EF\u00BB\u00BFCaf\u00E9"));
    ASSERT_TRUE(WaitHidden(q));
    ASSERT_TRUE(ManageCopy(q, rowOf("\xCE\xA9mega_x")));
    EXPECT_TRUE(WaitForClipboardUnicode(u"\u03A9mega\nx"));
    ASSERT_TRUE(WaitHidden(q));
    ASSERT_TRUE(ManageCopy(q, rowOf("Gr\xC3\xBC\xC3\x9F"
                                    "e \xCE\xA9")));
    EXPECT_TRUE(WaitForClipboardUnicode(u"Gr\u00FC\u00DFe \u03A9"));
    ASSERT_TRUE(WaitHidden(q));
    // An ANSI note goes out as its CF_TEXT bytes with the program's own
    // Unicode form beside them, placed before the system adds CF_LOCALE.
    std::string before = ClipboardText();
    ASSERT_TRUE(ManageCopy(q, rowOf("Caf\xC3\xA9 na\xC3\xAFve")));
    EXPECT_EQ(WaitForClipboardChange(before), "Caf\xE9 na\xEFve");
    EXPECT_EQ(ClipboardFormatOrder(),
              std::vector<UINT>({CF_TEXT, CF_UNICODETEXT, CF_LOCALE, CF_OEMTEXT}));
    EXPECT_EQ(ClipboardUnicode(), u"Caf\u00E9 na\u00EFve");
    EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot5.txt"), utf16);
    EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot6.txt"), bareUtf8);
}

TEST_F(CodePage932, UnicodeTextCopiedWithAnEnglishLayoutKeepsItsCharacters) {
    if (GetACP() != 932) GTEST_SKIP() << "needs code page 932 (the quillet_e2e_cp932 test)";
    Quillet &q = Start(FreshFolder("cp932-owner"));
    ASSERT_NE(q.noteWindow(), nullptr);
    // The system's CF_TEXT of it would be "???".
    SetClipboardUnicode(u"\u65E5\u672C\u8A9E", 0x0409);
    q.Command(IDM_PASTE_NOTE);
    ASSERT_TRUE(WaitShown(q, "Copy Note"));
    EXPECT_EQ(ReadFileBytes(q.folder() + "QuilletSlot0.txt"), "\x93\xFA\x96\x7B\x8C\xEA");
}

// Run by its own CTest test in a locale whose ANSI code page is UTF-8 (65001).
TEST_F(CodePageUtf8, NotesWithBrokenEndsListAndCopyWholeCharacters) {
    if (GetACP() != CP_UTF8) GTEST_SKIP() << "needs code page 65001 (the quillet_e2e_utf8 test)";
    std::string folder = FreshFolder("utf8-long");
    // "नमस्ते " is 19 bytes: the load limit of 4095 falls inside a character.
    std::string text;
    while (text.size() < 5000)
        text += "\xE0\xA4\xA8\xE0\xA4\xAE\xE0\xA4\xB8\xE0\xA5\x8D\xE0\xA4\xA4\xE0\xA5\x87 ";
    const std::string whole = text.substr(0, 4094);
    WriteFileBytes(folder + "QuilletSlot0.txt", text);
    WriteFileBytes(folder + "QuilletSlot1.txt", "abc\xE0"); // an editor's broken last byte
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    // Twice: a broken row once took the list box past its memory on a later show.
    for (int show = 0; show < 2; ++show) {
        q.Tray(WM_LBUTTONUP);
        ASSERT_TRUE(WaitShown(q, "Copy Note")) << show;
        std::vector<std::string> rows = ListRows(List(q));
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0], "abc\xEF\xBF\xBD") << "the broken byte shows as U+FFFD";
        EXPECT_TRUE(rows[1] == whole) << rows[1].size() << " bytes";
        SetClipboardText("other");
        ChooseRow(q, 1);
        std::wstring start = Wide(whole);
        EXPECT_TRUE(WaitForClipboardUnicode(std::u16string(start.begin(), start.end())));
        ASSERT_TRUE(WaitHidden(q));
    }
    EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot0.txt"), text);
    // Here ANSI text is UTF-8: a pasted note needs no mark.
    SetClipboardUnicode(u"\u0928\u092E\u0938\u094D\u0924\u0947 \U0001F600");
    q.Command(IDM_PASTE_NOTE);
    ASSERT_TRUE(WaitShown(q, "Copy Note"));
    EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot2.txt"), text.substr(0, 18) + " \xF0\x9F\x98\x80");
}

TEST_F(CodePage932, AnEditorsUtf8ReadsAsUtf8BesideAnAnsiNote) {
    if (GetACP() != 932) GTEST_SKIP() << "needs code page 932 (the quillet_e2e_cp932 test)";
    std::string folder = FreshFolder("cp932-kinds");
    // こんにちは in UTF-8 without a mark: valid code page 932 text too.
    const std::string hello = "\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF";
    WriteFileBytes(folder + "QuilletSlot0.txt", hello);
    WriteFileBytes(folder + "QuilletSlot1.txt", "\x93\xFA\x96\x7B\x8C\xEA"); // 日本語 in 932
    Quillet &q = Start(folder);
    ASSERT_NE(q.noteWindow(), nullptr);
    ASSERT_TRUE(ManageCopy(q, 0));
    EXPECT_TRUE(WaitForClipboardUnicode(u"\u3053\u3093\u306B\u3061\u306F"));
    ASSERT_TRUE(WaitHidden(q));
    std::string before = ClipboardText();
    ASSERT_TRUE(ManageCopy(q, 1));
    EXPECT_EQ(WaitForClipboardChange(before), "\x93\xFA\x96\x7B\x8C\xEA");
    EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot0.txt"), hello);
    EXPECT_EQ(ReadFileBytes(folder + "QuilletSlot1.txt"), "\x93\xFA\x96\x7B\x8C\xEA");
}
