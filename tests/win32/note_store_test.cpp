#include "base/app_state.h"
#include "cliptools/clipboard.h"
#include "message_box_answerer.h"
#include "notes/note_delete.h"
#include "notes/note_store.h"
#include "support/clipboard_blocks.h"
#include "support/wide_text.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>

namespace {

class NoteStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetAppState();
        folder_ = MakeTempFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        SetWide(g_app.programFolder, folder_);
    }
    void TearDown() override {
        for (int slot = 0; slot < kMaxNotes; ++slot) {
            std::string path = Slot(slot);
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
            RemoveDirectoryA(path.c_str());
        }
    }
    std::string Slot(int slot) const {
        return folder_ + "QuilletSlot" + std::to_string(slot) + ".txt";
    }
    void PutBlock(const std::string &bytes) {
        ASSERT_TRUE(PutClipboardBlock(CF_TEXT, bytes.data(), bytes.size(), bytes.size()));
    }
    void PutUnicode(const std::u16string &text) {
        size_t size = (text.size() + 1) * sizeof(char16_t);
        ASSERT_TRUE(PutClipboardBlock(CF_UNICODETEXT, text.c_str(), size, size));
    }
    // What the user would be told about a paste ("" for nothing).
    static std::string Said(const PasteResult &result) {
        wchar_t message[512];
        return PasteMessage(result, message, 512) ? Narrow(message) : "";
    }
    std::string folder_;
};

} // namespace

TEST_F(NoteStoreTest, FileNames) {
    wchar_t name[kPathBufferSize];
    NoteFileName(name, 7);
    EXPECT_EQ(Narrow(name), folder_ + "QuilletSlot7.txt");
    NoteFileName(name, 49);
    EXPECT_EQ(Narrow(name), folder_ + "QuilletSlot49.txt");
}

TEST_F(NoteStoreTest, LoadsExistingSlotsCompactlyInOrder) {
    WriteFileBytes(Slot(7), "seven");
    WriteFileBytes(Slot(0), "zero");
    WriteFileBytes(Slot(3), "three\r\nlines");
    LoadNotes();
    EXPECT_STREQ(g_app.notes.records[0].text, "zero");
    EXPECT_EQ(g_app.notes.records[1].slot, 3);
    EXPECT_STREQ(g_app.notes.records[1].text, "three\nlines");
    EXPECT_EQ(g_app.notes.records[2].slot, 7);
    for (int i = 3; i < kMaxNotes; ++i) {
        EXPECT_EQ(g_app.notes.records[i].slot, 0);
        EXPECT_EQ(g_app.notes.records[i].text[0], '\0');
    }
}

TEST_F(NoteStoreTest, ReloadClearsLongerOldTexts) {
    WriteFileBytes(Slot(0), std::string(300, 'L'));
    LoadNotes();
    WriteFileBytes(Slot(0), "short");
    LoadNotes();
    EXPECT_STREQ(g_app.notes.records[0].text, "short");
    EXPECT_EQ(g_app.notes.records[0].text[6], '\0');
    EXPECT_EQ(g_app.notes.records[0].text[299], '\0');
}

TEST_F(NoteStoreTest, LoadingNeverChangesAFile) {
    WriteFileBytes(Slot(1), std::string("ends in substitute\x1A", 19));
    WriteFileBytes(Slot(2), std::string(5000, 'b'));
    WriteFileBytes(Slot(4), std::string("ab\x1A"
                                        "cd",
                                        5));
    WriteFileBytes(Slot(5), "");
    std::string utf16 = "\xFF\xFE";
    while (utf16.size() < 5000)
        utf16 += std::string("a\0", 2);
    WriteFileBytes(Slot(6), utf16);
    LoadNotes();
    EXPECT_EQ(ReadFileBytes(Slot(1)), std::string("ends in substitute\x1A", 19));
    EXPECT_STREQ(g_app.notes.records[0].text, "ends in substitute");
    EXPECT_EQ(std::strlen(g_app.notes.records[1].text), 4095u);
    EXPECT_EQ(ReadFileBytes(Slot(2)).size(), 5000u);
    EXPECT_STREQ(g_app.notes.records[2].text, "ab");
    EXPECT_EQ(g_app.notes.records[3].slot, 5); // an empty file still holds its slot
    EXPECT_STREQ(g_app.notes.records[3].text, "");
    // UTF-16 is read from 4095 bytes on disk too: the mark and 2046 units.
    EXPECT_EQ(std::strlen(g_app.notes.records[4].text), 2046u);
}

TEST_F(NoteStoreTest, ReadOnlyFilesAreNotes) {
    WriteFileBytes(Slot(0), "read only");
    SetFileAttributesA(Slot(0).c_str(), FILE_ATTRIBUTE_READONLY);
    LoadNotes();
    EXPECT_STREQ(g_app.notes.records[0].text, "read only");
}

TEST_F(NoteStoreTest, PasteStoresTheTextInTheLowestFreeSlot) {
    WriteFileBytes(Slot(0), "taken");
    WriteFileBytes(Slot(3), "taken");
    PutBlock(std::string("a\r\nb\0stale", 10));
    EXPECT_EQ(Said(PasteNewNote()), "");
    EXPECT_EQ(ReadFileBytes(Slot(1)), "a\r\r\nb"); // text only, no terminator or stale bytes
    EXPECT_STREQ(g_app.notes.records[1].text, "a\r\nb");
    EXPECT_EQ(g_app.notes.records[1].slot, 1);
    PasteNewNote();
    EXPECT_TRUE(Exists(Slot(2)));
    EXPECT_FALSE(Exists(Slot(4)));
}

TEST_F(NoteStoreTest, AnyFileOrFolderTakesItsSlot) {
    WriteFileBytes(Slot(0), "read only");
    SetFileAttributesA(Slot(0).c_str(), FILE_ATTRIBUTE_READONLY);
    WriteFileBytes(Slot(1), "");
    CreateDirectoryA(Slot(2).c_str(), nullptr);
    PutBlock(std::string("new\0", 4));
    PasteNewNote();
    EXPECT_EQ(ReadFileBytes(Slot(3)), "new");
    EXPECT_EQ(ReadFileBytes(Slot(0)), "read only");
}

TEST_F(NoteStoreTest, FullStoreRefusesAndWritesNothing) {
    for (int slot = 0; slot < kMaxNotes; ++slot)
        WriteFileBytes(Slot(slot), "n");
    PutBlock(std::string("new\0", 4));
    EXPECT_EQ(Said(PasteNewNote()),
              std::string("ERROR: No free slots. Free some slots and try again."));
    for (int slot = 0; slot < kMaxNotes; ++slot)
        EXPECT_EQ(ReadFileBytes(Slot(slot)), "n");
}

TEST_F(NoteStoreTest, UnwritableFolderIsReportedWithTheFileName) {
    std::string missing = folder_ + "gone\\";
    SetWide(g_app.programFolder, missing);
    PutBlock(std::string("x\0", 2));
    EXPECT_EQ(Said(PasteNewNote()),
              std::string("ERROR: Could not open '" + missing + "QuilletSlot0.txt' [write]."));
}

TEST_F(NoteStoreTest, ClipboardOf4096BytesIsSaved) {
    PutBlock(std::string(4095, 'z') + '\0');
    PasteNewNote();
    EXPECT_EQ(ReadFileBytes(Slot(0)), std::string(4095, 'z'));
    EXPECT_EQ(std::strlen(g_app.notes.records[0].text), 4095u);
}

TEST_F(NoteStoreTest, UnicodeTextIsStoredAsAnsiOnlyWhenTheCodePageHoldsItExactly) {
    PutUnicode(u"caf\u00E9 \u20AC"); // code page 1252 holds both exactly
    EXPECT_EQ(Said(PasteNewNote()), "");
    EXPECT_EQ(ReadFileBytes(Slot(0)), "caf\xE9 \x80");
    PutUnicode(u"\u03A9mega\r\n"); // best fit would make it "Omega"
    EXPECT_EQ(Said(PasteNewNote()), "");
    EXPECT_EQ(ReadFileBytes(Slot(1)), "\xEF\xBB\xBF\xCE\xA9mega\r\r\n");
    PutUnicode(u"\u65E5\u672C \U0001F600"); // no character for them at all
    EXPECT_EQ(Said(PasteNewNote()), "");
    EXPECT_EQ(ReadFileBytes(Slot(2)), "\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80");
    // Loaded back: the mark is gone and the record says UTF-8.
    EXPECT_FALSE(g_app.notes.records[0].utf8);
    EXPECT_TRUE(g_app.notes.records[1].utf8);
    EXPECT_STREQ(g_app.notes.records[1].text, "\xCE\xA9mega\r\n");
    char16_t wide[kNoteTextSize];
    NoteTextAsUnicode(g_app.notes.records[2], wide);
    EXPECT_EQ(std::u16string(wide), u"\u65E5\u672C \U0001F600");
    char16_t shown[64];
    NoteTextAsShown(g_app.notes.records[2], shown, 64);
    EXPECT_EQ(std::u16string(shown), u"\u65E5\u672C \U0001F600");
}

TEST_F(NoteStoreTest, AnsiTextThatWouldReadBackAsUtf8IsKeptMarked) {
    PutBlock(std::string("\xC3\xA9t\xC3\xA9\0", 6)); // "Ã©tÃ©" in 1252, UTF-8 for "été"
    EXPECT_EQ(Said(PasteNewNote()), "");
    EXPECT_EQ(ReadFileBytes(Slot(0)), "\xEF\xBB\xBF\xC3\x83\xC2\xA9t\xC3\x83\xC2\xA9");
    char16_t wide[kNoteTextSize];
    NoteTextAsUnicode(g_app.notes.records[0], wide);
    EXPECT_EQ(std::u16string(wide), u"\u00C3\u00A9t\u00C3\u00A9");
}

TEST_F(NoteStoreTest, AUtf8NoteMustFitWithItsMarkAndTerminatorElseItIsKeptAsUtf16) {
    // 1364 three-byte characters are 4092 bytes: with the mark and a
    // terminator exactly 4096.
    std::u16string fits(1364, u'\u65E5');
    PutUnicode(fits);
    EXPECT_EQ(Said(PasteNewNote()), "");
    EXPECT_EQ(ReadFileBytes(Slot(0)).size(), 4095u);
    EXPECT_EQ(std::strlen(g_app.notes.records[0].text), 4092u) << "loads whole";
    // Past it, marked UTF-16 LE holds up to 2046 units, each LF as CR LF.
    std::u16string wide = fits + u"x\r\n" + std::u16string(679, u'\u65E5');
    PutUnicode(wide);
    EXPECT_EQ(Said(PasteNewNote()), "");
    std::string stored = "\xFF\xFE";
    for (char16_t c : fits + u"x\r\r\n" + std::u16string(679, u'\u65E5'))
        stored += std::string{char(c & 0xFF), char(c >> 8)};
    EXPECT_EQ(ReadFileBytes(Slot(1)), stored);
    char16_t back[kNoteTextSize];
    NoteTextAsUnicode(g_app.notes.records[1], back);
    EXPECT_EQ(std::u16string(back), wide);
    PutUnicode(wide + u"y");
    EXPECT_EQ(Said(PasteNewNote()), kClipboardTooBigMessage);
    EXPECT_FALSE(Exists(Slot(2)));
}

TEST_F(NoteStoreTest, AnEmptyTextIsNotSaved) {
    PutBlock(std::string("\0", 1));
    EXPECT_EQ(Said(PasteNewNote()), "The Clipboard text is empty: there is nothing to save.");
    EXPECT_FALSE(Exists(Slot(0)));
}

// 259 UTF-16 units is the longest backup name made; a folder of 'ω' (which
// takes two bytes in UTF-8 and none in code page 1252) must count as one each.
TEST(BackupNames, TheLimitCountsUtf16Units) {
    ResetAppState();
    for (size_t length : {194u, 195u}) {
        std::wstring folder = L"C:\\" + std::wstring(length - 4, L'\u03C9') + L"\\";
        lstrcpynW(g_app.programFolder, folder.c_str(), kPathBufferSize);
        wchar_t name[kPathBufferSize];
        bool made = BackupFileName(name, 0);
        EXPECT_EQ(made, length == 194u) << length;
        EXPECT_EQ(std::wstring(name).size(), made ? 259u : 0u) << length;
    }
}
