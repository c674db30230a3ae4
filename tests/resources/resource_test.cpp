// Checks the resources of the built Quillet.exe against the tables they were
// made from: menu 103, dialogs 107, 109 and 110, icon, bitmap, version, manifest.
#include "base/product.h"
#include "res/resource.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const WORD kEnglishUk = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK);
std::string Upper(std::string text);

std::string BesideMe(const char *file) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    *(std::strrchr(path, '\\') + 1) = '\0';
    return std::string(path) + file;
}

class ResourceTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        module_ =
            LoadLibraryExA(BesideMe("Quillet.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() {
        if (module_) FreeLibrary(module_);
    }
    void SetUp() override { ASSERT_NE(module_, nullptr) << "Quillet.exe not found"; }

    // The bytes of a resource in English (United Kingdom); empty if missing.
    static std::vector<BYTE> Bytes(LPCSTR type, int id) {
        HRSRC found = FindResourceExA(module_, type, MAKEINTRESOURCEA(id), kEnglishUk);
        if (!found) return {};
        const BYTE *data = static_cast<const BYTE *>(LockResource(LoadResource(module_, found)));
        return std::vector<BYTE>(data, data + SizeofResource(module_, found));
    }
    static HMODULE module_;
};
HMODULE ResourceTest::module_ = nullptr;

// ---- menu ----

struct MenuEntry {
    std::string label; // "-" for a separator
    UINT id;
    bool grayed;
    std::vector<MenuEntry> items; // a submenu when not empty
};

const MenuEntry Sep{"-", 0, false, {}};
MenuEntry Title() {
    return {"Quillet - VANTLER", IDM_TITLE, true, {}};
}
MenuEntry Item(const char *label, UINT id) {
    return {label, id, false, {}};
}
MenuEntry Popup(const char *label, std::vector<MenuEntry> items) {
    return {label, 0, false, std::move(items)};
}

std::vector<MenuEntry> ExpectedTrayMenu() {
    return {
        Sep,
        Title(),
        Sep,
        Popup("Common",
              {Title(), Sep, Item("Create && Delete Links", 40009),
               Item("Internet Update Check (HTML)", 40055),
               Item("Explore Containing Folder", 40008), Item("Make a Donation to Vantler", 40006),
               Item("Visit Internet Site", 40007)}),
        Item("Make a Donation to Vantler", 40006),
        Sep,
        Popup("Convert Clipboard Contents",
              {Title(), Sep, Item("lowercase", 40023), Item("UPPERCASE", 40024), Sep,
               Item("inVErSe", 40027), Sep}),
        Sep,
        Popup(
            "Copy Preset - 'C' Type Comments",
            {Title(), Sep,
             Item("Double  'C' Type Comment '// <!-- 'USERNAME - COMPUTERNAME - 00:00:00:[0000]' "
                  "-->'",
                  40046),
             Item("Double  'C' Type Comment '// <!-- 'COMPUTERNAME - 00:00:00:[0000]' -->'", 40047),
             Item("Double  'C' Type Comment '// <!-- 'USERNAME -  00:00:00:[0000]' -->'", 40048),
             Item("Double  'C' Type Comment '// <!-- '00:00:00:[0000]' -->'", 40049),
             Item(" 'C' Type Comment '// <!-- 'USERNAME - COMPUTERNAME - 00:00:00:[0000]' -->'",
                  40050),
             Item(" 'C' Type Comment '// <!-- 'COMPUTERNAME - 00:00:00:[0000]' -->'", 40051),
             Item(" 'C' Type Comment '// <!-- 'USERNAME - 00:00:00:[0000]' -->'", 40052),
             Item(" 'C' Type Comment '// <!-- '00:00:00:[0000]' -->'", 40053)}),
        Popup("Copy Preset - HTML Comments",
              {Title(), Sep,
               Item("Double HTML Comment '<!-- 'USERNAME - COMPUTERNAME - 00:00:00:[0000]' -->'",
                    40038),
               Item("Double HTML Comment '<!-- 'COMPUTERNAME - 00:00:00:[0000]' -->'", 40036),
               Item("Double HTML Comment '<!-- 'USERNAME -  00:00:00:[0000]' -->'", 40037),
               Item("Double HTML Comment '<!-- '00:00:00:[0000]' -->'", 40039),
               Item("HTML Comment '<!-- 'USERNAME - COMPUTERNAME - 00:00:00:[0000]' -->'", 40032),
               Item("HTML Comment '<!-- 'COMPUTERNAME - 00:00:00:[0000]' -->'", 40030),
               Item("HTML Comment '<!-- 'USERNAME - 00:00:00:[0000]' -->'", 40031),
               Item("HTML Comment '<!-- '00:00:00:[0000]' -->'", 40033)}),
        Popup("Copy Preset - Plain Text",
              {Title(), Sep, Item("'USERNAME - COMPUTERNAME - 00:00:00:[0000]'", 40020),
               Item("'COMPUTERNAME - 00:00:00:[0000]'", 40018),
               Item("'USERNAME - 00:00:00:[0000]'", 40019), Item("'00:00:00:[0000]'", 40014)}),
        Sep,
        Item("Manage Notes", 40004),
        Item("Paste New Note", 40003),
        Item("Refresh Notes", 40005),
        Sep,
        Item("Exit", 40001),
    };
}

void ExpectMenu(HMENU menu, const std::vector<MenuEntry> &expected, const std::string &where) {
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(expected.size())) << where;
    for (size_t i = 0; i < expected.size(); ++i) {
        const MenuEntry &want = expected[i];
        char label[256] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = label;
        info.cch = sizeof(label);
        ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info));
        std::string at = where + " item " + std::to_string(i + 1);
        if (want.label == "-") {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR) << at;
            continue;
        }
        EXPECT_FALSE(info.fType & MFT_SEPARATOR) << at;
        EXPECT_EQ(label, want.label) << at;
        EXPECT_EQ((info.fState & MFS_GRAYED) != 0, want.grayed) << at;
        EXPECT_FALSE(info.fState & (MFS_CHECKED | MFS_DEFAULT)) << at;
        if (want.items.empty()) {
            EXPECT_EQ(info.hSubMenu, nullptr) << at;
            EXPECT_EQ(info.wID, want.id) << at;
        } else {
            ASSERT_NE(info.hSubMenu, nullptr) << at;
            ExpectMenu(info.hSubMenu, want.items, want.label);
        }
    }
}

// ---- dialogs ----

struct Control {
    int id;
    std::string cls;
    std::string text;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
};

struct Dialog {
    DWORD style, exStyle;
    short cx, cy;
    std::string title, font;
    WORD pointSize;
    std::vector<Control> controls;
};

class TemplateReader {
  public:
    explicit TemplateReader(const std::vector<BYTE> &bytes)
        : p_(bytes.data()), end_(p_ + bytes.size()) {}
    WORD Word() {
        WORD v;
        std::memcpy(&v, Take(2), 2);
        return v;
    }
    DWORD Dword() {
        DWORD v;
        std::memcpy(&v, Take(4), 4);
        return v;
    }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() { return *Take(1); }
    std::string SzOrOrd() {
        WORD first = Word();
        if (first == 0) return "";
        if (first == 0xFFFF) {
            WORD ordinal = Word();
            switch (ordinal) {
            case 0x80:
                return "Button";
            case 0x81:
                return "Edit";
            case 0x82:
                return "Static";
            case 0x83:
                return "ListBox";
            default:
                return "#" + std::to_string(ordinal);
            }
        }
        std::string text(1, static_cast<char>(first));
        for (WORD c = Word(); c != 0; c = Word())
            text += static_cast<char>(c);
        return text;
    }
    void AlignDword(const BYTE *base) {
        while ((p_ - base) % 4)
            Take(1);
    }
    const BYTE *Position() const { return p_; }
    void Skip(size_t n) { Take(n); }

  private:
    const BYTE *Take(size_t n) {
        if (p_ + n > end_) throw std::runtime_error("template too short");
        const BYTE *at = p_;
        p_ += n;
        return at;
    }
    const BYTE *p_;
    const BYTE *end_;
};

Dialog ReadDialog(const std::vector<BYTE> &bytes) {
    TemplateReader r(bytes);
    const BYTE *base = r.Position();
    Dialog d;
    EXPECT_EQ(r.Word(), 1);      // dlgVer
    EXPECT_EQ(r.Word(), 0xFFFF); // extended template
    r.Dword();                   // helpID
    d.exStyle = r.Dword();
    d.style = r.Dword();
    WORD count = r.Word();
    r.Short();
    r.Short();
    d.cx = r.Short();
    d.cy = r.Short();
    EXPECT_EQ(r.SzOrOrd(), ""); // no menu
    EXPECT_EQ(r.SzOrOrd(), ""); // default class
    d.title = r.SzOrOrd();
    d.pointSize = r.Word();
    r.Word();
    r.Byte();
    r.Byte();
    d.font = r.SzOrOrd();
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword(base);
        Control c;
        r.Dword(); // helpID
        c.exStyle = r.Dword();
        c.style = r.Dword();
        c.x = r.Short();
        c.y = r.Short();
        c.cx = r.Short();
        c.cy = r.Short();
        c.id = static_cast<int>(r.Dword());
        c.cls = r.SzOrOrd();
        c.text = r.SzOrOrd();
        r.Skip(r.Word());
        d.controls.push_back(c);
    }
    return d;
}

void ExpectDialog(const Dialog &got, const Dialog &want, const char *name) {
    EXPECT_EQ(got.style, want.style) << name << std::hex << " style " << got.style;
    EXPECT_EQ(got.exStyle, want.exStyle) << name;
    EXPECT_EQ(got.cx, want.cx) << name;
    EXPECT_EQ(got.cy, want.cy) << name;
    EXPECT_EQ(got.title, want.title) << name;
    EXPECT_EQ(got.font, want.font) << name;
    EXPECT_EQ(got.pointSize, want.pointSize) << name;
    ASSERT_EQ(got.controls.size(), want.controls.size()) << name;
    for (size_t i = 0; i < want.controls.size(); ++i) {
        const Control &g = got.controls[i], &w = want.controls[i];
        std::string at = std::string(name) + " control " + std::to_string(i + 1) + " " + w.text;
        EXPECT_EQ(static_cast<short>(g.id), static_cast<short>(w.id)) << at;
        EXPECT_EQ(Upper(g.cls), Upper(w.cls)) << at; // class names are case-blind
        EXPECT_EQ(g.text, w.text) << at;
        EXPECT_EQ(g.style, w.style)
            << at << std::hex << " style " << g.style << " want " << w.style;
        EXPECT_EQ(g.exStyle, w.exStyle) << at;
        EXPECT_EQ(g.x, w.x) << at;
        EXPECT_EQ(g.y, w.y) << at;
        EXPECT_EQ(g.cx, w.cx) << at;
        EXPECT_EQ(g.cy, w.cy) << at;
    }
}

const DWORD CV = WS_CHILD | WS_VISIBLE;

std::string Upper(std::string text) {
    for (char &c : text)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}
const std::string kIcon = "#104"; // an icon resource named by ordinal

} // namespace

TEST_F(ResourceTest, TrayMenuMatchesItsTable) {
    HMENU menu = LoadMenuA(module_, MAKEINTRESOURCEA(IDR_TRAY_MENU));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 1);
    ExpectMenu(GetSubMenu(menu, 0), ExpectedTrayMenu(), "TrayMenu");
    DestroyMenu(menu);
    EXPECT_FALSE(Bytes(RT_MENU, IDR_TRAY_MENU).empty()) << "menu not in English (UK)";
}

TEST_F(ResourceTest, NoteWindowTemplate) {
    std::vector<BYTE> bytes = Bytes(RT_DIALOG, IDD_NOTE_WINDOW);
    ASSERT_FALSE(bytes.empty());
    const DWORD button = BS_PUSHBUTTON | CV | WS_TABSTOP;
    const DWORD text = SS_LEFT | WS_GROUP | CV;
    Dialog want = {
        0x80C802E4,
        WS_EX_CLIENTEDGE,
        211,
        194,
        "MANAGE",
        "MS Sans Serif",
        8,
        {{1001, "ListBox", "",
          CV | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT,
          WS_EX_STATICEDGE, 7, 7, 126, 57},
         {1007, "Button", "Copy", button, 0, 141, 55, 63, 14},
         {1002, "Button", "Delete", button, 0, 141, 39, 63, 14},
         {1005, "Button", "Open", button, 0, 141, 23, 63, 14},
         {1004, "Button", "Refresh", button, 0, 141, 7, 63, 14},
         {1003, "ListBox", "", WS_CHILD | WS_BORDER | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT,
          0, 7, 71, 126, 40},
         {1010, "Static", kIcon, SS_ICON | CV, 0, 163, 90, 20, 20},
         {1008, "Static", "Version", text, 0, 9, 130, 193, 8},
         {1009, "Static", "Copyright", text, 0, 9, 148, 193, 8}}};
    ExpectDialog(ReadDialog(bytes), want, "dialog 107");
}

TEST_F(ResourceTest, DonateDialogTemplate) {
    std::vector<BYTE> bytes = Bytes(RT_DIALOG, IDD_DONATE);
    ASSERT_FALSE(bytes.empty());
    const DWORD centred = SS_CENTER | WS_GROUP | CV;
    Dialog want = {
        WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT,
        WS_EX_CLIENTEDGE,
        259,
        291,
        "Donate",
        "MS Sans Serif",
        8,
        {{1016, "Edit", "", WS_BORDER | WS_TABSTOP | ES_READONLY | ES_NOHIDESEL | CV, 0, 35, 183,
          193, 12},
         {-1, "Static",
          "To make a donation, please click the button below, or alternatively, copy the URL and "
          "paste into your browsers' address bar.",
          centred, 0, 33, 117, 193, 26},
         {-1, "Static",
          "Donations will be made to " QUILLET_DONATION_EMAIL
          ", the copyright owner of this software.",
          centred, 0, 33, 150, 193, 20},
         {-1, "Static", "THANK YOU !", centred, 0, 36, 257, 193, 12},
         {-1, "Button", "Make a Donation to Vantler", BS_GROUPBOX | CV, 0, 7, 7, 245, 277},
         {-1, "Static", "Donations are made via PayPal, the global leader in online payments.",
          centred, 0, 32, 95, 193, 19},
         {-1, "Static",
          "All Vantler software is funded entirely by donations recieved from users of Vantler "
          "software.",
          centred, 0, 32, 31, 193, 17},
         {-1, "Static",
          "Donations are used to fund additional Research, Development and Coding of new and "
          "existing applications.",
          centred, 0, 32, 57, 193, 25},
         {1017, "Button", "", BS_BITMAP | WS_TABSTOP | CV, 0, 35, 211, 193, 27}}};
    ExpectDialog(ReadDialog(bytes), want, "dialog 109");
}

TEST_F(ResourceTest, LinksDialogTemplate) {
    std::vector<BYTE> bytes = Bytes(RT_DIALOG, IDD_LINKS);
    ASSERT_FALSE(bytes.empty());
    const DWORD box = BS_AUTOCHECKBOX | WS_DISABLED | WS_GROUP | WS_TABSTOP | CV;
    const DWORD bootup = SS_RIGHT | WS_GROUP | CV;
    Dialog want = {
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT,
        WS_EX_CLIENTEDGE,
        335,
        289,
        "Links",
        "MS Sans Serif",
        8,
        {{1, "Button", "OK", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP | CV, 0, 278, 268, 50, 14},
         {1202, "Button", "User Desktop", box, 0, 19, 23, 167, 10},
         {1203, "Button", "User Start Menu", box, 0, 19, 36, 167, 10},
         {1205, "Button", "User Start Menu -> Programs", box, 0, 19, 49, 167, 10},
         {1204, "Button", "User Start Menu -> Programs -> Startup", box, 0, 19, 62, 167, 10},
         {1218, "Button", "User Quick Launch", box, 0, 19, 74, 167, 10},
         {1207, "Button", "Machine Desktop", box, 0, 19, 87, 167, 10},
         {1208, "Button", "Machine Start Menu", box, 0, 19, 100, 167, 10},
         {1210, "Button", "Machine Start Menu -> Programs", box, 0, 19, 113, 167, 10},
         {1209, "Button", "Machine Start Menu -> Programs -> Startup", box, 0, 19, 127, 167, 10},
         {1216, "Button", "Machine Quick Launch", box, 0, 19, 140, 167, 10},
         {1211, "Button", "Common Desktop", box, 0, 19, 153, 167, 10},
         {1213, "Button", "Common Start Menu", box, 0, 19, 166, 167, 10},
         {1214, "Button", "Common Start Menu -> Programs", box, 0, 19, 178, 167, 10},
         {1212, "Button", "Common Start Menu -> Programs -> Startup", box, 0, 19, 191, 167, 10},
         {1215, "Button", "Common Quick Launch", box, 0, 19, 204, 167, 10},
         {1010, "Button", "Process", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP | CV, 0, 220, 268, 50,
          14},
         {-1, "Button", "Link Locations", BS_GROUPBOX | WS_GROUP | CV, 0, 7, 7, 321, 215},
         {-1, "Static", kIcon, SS_ICON | CV, 0, 15, 233, 20, 20},
         {-1, "Button", "", BS_GROUPBOX | CV, 0, 7, 223, 321, 38},
         {1008, "Static", "Version", SS_LEFT | WS_GROUP | CV, 0, 47, 233, 217, 20},
         {-1, "Static", "[Start at bootup]", bootup, 0, 250, 62, 64, 8},
         {-1, "Static", "[Start at bootup]", bootup, 0, 250, 127, 64, 8},
         {-1, "Static", "[Start at bootup]", bootup, 0, 250, 191, 64, 8}}};
    ExpectDialog(ReadDialog(bytes), want, "dialog 110");
}

TEST_F(ResourceTest, IconHasA32And16ImageOfSixteenColours) {
    std::vector<BYTE> group = Bytes(RT_GROUP_ICON, IDI_QUILLET);
    ASSERT_GE(group.size(), 6u + 2 * 14);
    WORD count;
    std::memcpy(&count, &group[4], 2);
    ASSERT_EQ(count, 2);
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        const BYTE *entry = &group[6 + 14 * i];
        WORD bits;
        std::memcpy(&bits, entry + 6, 2);
        EXPECT_EQ(bits, 4);
        EXPECT_EQ(entry[2], 16); // colour count
        sizes.push_back(entry[0]);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, std::vector<int>({16, 32}));
}

TEST_F(ResourceTest, DonationBitmapIs62By31At8Bits) {
    std::vector<BYTE> bitmap = Bytes(RT_BITMAP, IDB_DONATE);
    ASSERT_GE(bitmap.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    std::memcpy(&header, bitmap.data(), sizeof(header));
    EXPECT_EQ(header.biWidth, 62);
    EXPECT_EQ(header.biHeight, 31);
    EXPECT_EQ(header.biBitCount, 8);
}

TEST_F(ResourceTest, VersionResource) {
    std::string exe = BesideMe("Quillet.exe");
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, info.data()));
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void **>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00030002u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00030002u);
    WORD *translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void **>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0809);
    EXPECT_EQ(translation[1], 0x04B0);
    const std::pair<const char *, const char *> strings[] = {
        {"FileDescription", "Quillet"}, {"InternalName", "Quillet"},
        {"ProductName", "Quillet"},     {"OriginalFilename", "Quillet.exe"},
        {"FileVersion", "1, 0, 3, 2"},  {"ProductVersion", "1, 0, 3, 2"}};
    for (const auto &s : strings) {
        char *value = nullptr;
        std::string key = std::string("\\StringFileInfo\\080904b0\\") + s.first;
        ASSERT_TRUE(
            VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void **>(&value), &length))
            << s.first;
        EXPECT_STREQ(value, s.second) << s.first;
    }
}

TEST_F(ResourceTest, ManifestDeclaresNoDependencies) {
    std::vector<BYTE> manifest = Bytes(RT_MANIFEST, 1);
    ASSERT_FALSE(manifest.empty());
    std::string text(manifest.begin(), manifest.end());
    EXPECT_NE(text.find("<assembly"), std::string::npos);
    EXPECT_EQ(text.find("dependency"), std::string::npos);
}
