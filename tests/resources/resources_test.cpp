#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "resources/resource_ids.h"
#include "resources/stundwerk_version.h"

// The program's resources, loaded from this test program, which links them.

namespace {

HINSTANCE Module()
{
    return GetModuleHandleA(nullptr);
}

// Resource texts are UTF-16; the expected texts here are Windows-1252 bytes.
std::wstring From1252(const char* text)
{
    std::wstring wide(256, L'\0');
    const int n = MultiByteToWideChar(1252, 0, text, -1, wide.data(), static_cast<int>(wide.size()));
    wide.resize(n > 0 ? n - 1 : 0);
    return wide;
}

struct Item {
    UINT id; // {}: a separator
    const char* text;
    bool grey = false;
};

struct Popup {
    const char* text;
    bool grey;
    std::vector<Item> items;
};

// The menu bar as the program shows it; "\b" sets off a key name.
// clang-format off
const std::vector<Popup> kMenu{
    {"&Datei", false,
     {{40002, "&Neu..."}, {40001, "Ö&ffnen..."}, {40010, "Lö&schen..."}, {145, "Schl&ießen\bStrg+F4", true},
      {147, "&Alles schließen      \bAlt Gr+F4", true}, {}, {155, "&Einstellungen..."}, {},
      {123, "&Drucken...\bStrg+P", true}, {}, {151, "&Beenden\bAlt+F4/ESC"}}},
    {"&Bearbeiten", true,
     {{40006, "&Eintrag ändern..."}, {40008, "Eintrag &löschen"}, {}, {40013, "Eintrag &kopieren"},
      {40014, "Eintrag ein&fügen"}, {40011, "Eintrag nach &oben"}, {40012, "Eintrag nach &unten"}, {},
      {40029, "&Zwischenablagen-Export ..."}}},
    {"&Einträge", true,
     {{40003, "&Arbeitszeit erfassen..."}, {40007, "&Gleittag erfassen..."}, {40015, "U&rlaubstag erfassen..."},
      {40018, "Krank&heit erfassen..."}, {40016, "Fe&iertag erfassen..."}, {},
      {40020, "Kon&tostands-Übernahme..."}, {40005, "&Zeitkonto-Korrektur..."}, {},
      {40009, "Aktuellen Tag berechnen"}, {40023, "&Monatszeiten neu berechnen"},
      {40024, "&Wochentage neu berechnen"}, {40028, "Fehltage &bis Markierung eintragen"}, {},
      {40030, "Anzeigef&ormat für Zeiten wechseln"}}},
    {"&Werte", true,
     {{40017, "&Urlaubstage..."}, {40019, "&Krankheitstage..."}, {40021, "Gleittage..."}, {},
      {40026, "&Monatsauswertung"}, {40031, "&Jahresübersicht..."}}},
    {"&Fenster", true,
     {{139, "&Vergrößern\bStrg+F8"}, {176, "Ver&kleinern\bStrg+F7"}, {}, {173, "&Nebeneinander"},
      {116, "Ü&bereinander"}, {132, "Über&lappend"}, {141, "&Symbole anordnen"}, {},
      {175, "V&orhergehendes\bStrg+F5"}, {174, "Nä&chstes\bStrg+F6"}}},
    {"&Hilfe", false, {{108, "&Info"}}},
};
// clang-format on

struct Key {
    const char* name; // as the menu text names it
    BYTE modifiers;   // FCONTROL, FALT
    WORD key;
    WORD command;
};

const std::vector<Key> kKeys{
    {"Strg+F4", FCONTROL, VK_F4, 145}, {"Alt Gr+F4", FCONTROL | FALT, VK_F4, 147}, {"Strg+P", FCONTROL, 'P', 123},
    {"Alt+F4/ESC", FALT, VK_F4, 151},  {"Alt+F4/ESC", 0, VK_ESCAPE, 151},          {"Strg+F8", FCONTROL, VK_F8, 139},
    {"Strg+F7", FCONTROL, VK_F7, 176}, {"Strg+F5", FCONTROL, VK_F5, 175},          {"Strg+F6", FCONTROL, VK_F6, 174},
};

// Checks the menu entry at position (a separator when text is null; id 0:
// not checked) and gives its submenu.
HMENU CheckEntry(HMENU menu, int position, UINT id, const char* text, bool grey)
{
    wchar_t buffer[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = buffer;
    info.cch = 255;
    EXPECT_TRUE(GetMenuItemInfoW(menu, position, TRUE, &info));
    if (!text) {
        EXPECT_TRUE(info.fType & MFT_SEPARATOR);
        return info.hSubMenu;
    }
    EXPECT_EQ(std::wstring(buffer), From1252(text));
    EXPECT_EQ((info.fState & MFS_GRAYED) != 0, grey);
    if (id) {
        EXPECT_EQ(info.wID, id);
    }
    return info.hSubMenu;
}

TEST(Resources, MenuBarHasEveryPopupItemTextAndGreyState)
{
    HMENU bar = LoadMenuA(Module(), MAKEINTRESOURCEA(SWMENU));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(kMenu.size()));
    for (int p = 0; p < static_cast<int>(kMenu.size()); ++p) {
        SCOPED_TRACE(kMenu[p].text);
        HMENU popup = CheckEntry(bar, p, 0, kMenu[p].text, kMenu[p].grey);
        ASSERT_NE(popup, nullptr);
        const auto& items = kMenu[p].items;
        ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(items.size()));
        for (int i = 0; i < static_cast<int>(items.size()); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(CheckEntry(popup, i, items[i].id, items[i].text, items[i].grey), nullptr);
        }
    }
    DestroyMenu(bar);
}

TEST(Resources, AcceleratorsAreExactlyTheKeysTheMenuNames)
{
    HACCEL table = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(SWMENU));
    ASSERT_NE(table, nullptr);
    std::vector<ACCEL> loaded(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, loaded.data(), static_cast<int>(loaded.size()));
    DestroyAcceleratorTable(table);

    std::multiset<std::tuple<int, int, int>> actual, wanted;
    for (const ACCEL& a : loaded)
        actual.emplace(a.fVirt & ~FNOINVERT, a.key, a.cmd);
    for (const Key& k : kKeys)
        wanted.emplace(FVIRTKEY | k.modifiers, k.key, k.command);
    EXPECT_EQ(actual, wanted);

    // Every key name in a menu text has its keys, and every key is named on its item.
    std::set<std::pair<UINT, std::string>> named, bound;
    for (const Popup& popup : kMenu)
        for (const Item& item : popup.items)
            if (const char* tab = item.text ? std::strchr(item.text, '\b') : nullptr)
                named.emplace(item.id, tab + 1);
    for (const Key& k : kKeys)
        bound.emplace(k.command, k.name);
    EXPECT_EQ(named, bound);
}

// The bytes of a resource of this program; empty when there is none.
std::string ResourceBytes(int id, int type)
{
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
    if (!found)
        return {};
    return std::string(static_cast<const char*>(LockResource(LoadResource(Module(), found))),
                       SizeofResource(Module(), found));
}

TEST(Resources, EveryIconHas32And16PixelImagesIn16Colours)
{
    const int icons[] = {IDI_ICON1,    IDI_ICON2,       IDI_ICON3,       IDI_ICON4,       IDI_ICON5,    IDI_ICON6,
                         IDI_BB_2,     IDI_BB_3,        IDI_BB_4,        IDI_BB_5,        IDI_BB_6,     IDI_BB_7,
                         IDI_BB_8,     IDI_BB_9,        IDI_BB_10,       IDI_BB_11,       IDI_BB_12,    IDI_BB_13,
                         IDI_BB_14,    IDI_BB_15,       IDI_BB_16,       IDI_BB_17,       IDI_BB_18,    IDI_DEF_DEFAULT,
                         IDI_DEF_GDAY, IDI_DEF_HOLIDAY, IDI_DEF_ACCOUNT, IDI_DEF_SICKDAY, IDI_DEF_FDAY, IDI_DEF_MISSING,
                         IDI_DEF_DATA, IDI_DEF_NOSALDO};
    for (int id : icons) {
        SCOPED_TRACE(id);
        // RT_GROUP_ICON: a 6-byte head, then 14 bytes per image, its width
        // first and its bits per pixel at byte 6.
        const std::string directory = ResourceBytes(id, 14);
        ASSERT_EQ(directory.size(), 6u + 2 * 14);
        for (int e = 0; e < 2; ++e) {
            const int size = e == 0 ? 32 : 16;
            EXPECT_EQ(static_cast<BYTE>(directory[6 + 14 * e]), size);
            EXPECT_EQ(directory[6 + 14 * e + 6], 4);
            HANDLE icon = LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0);
            EXPECT_NE(icon, nullptr) << size;
            DestroyIcon(static_cast<HICON>(icon));
        }
    }
}

TEST(Resources, ToolBarStripIs26ImagesOf16By15In16Colours)
{
    const std::string strip = ResourceBytes(IDB_TOOLBAR, 2); // RT_BITMAP
    ASSERT_GE(strip.size(), sizeof(BITMAPINFOHEADER));
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(strip.data());
    EXPECT_EQ(header->biWidth, 16 * TOOLBAR_IMAGE_COUNT);
    EXPECT_EQ(header->biWidth, 416);
    EXPECT_EQ(header->biHeight, 15);
    EXPECT_EQ(header->biBitCount, 4);
    EXPECT_GE(strip.size(), 40u + 16 * 4 + 208 * 15) << "the colour table and every row are there";
}

TEST(Resources, VersionInfoIsGermanWindows1252WithTheProjectVersion)
{
    char path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(Module(), path, MAX_PATH), 0u);
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(path, &ignored));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()));

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(STUNDWERK_VERSION_MINOR, STUNDWERK_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, STUNDWERK_VERSION_PATCH)));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);

    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(static_cast<const WORD*>(value)[0], 0x0407);
    EXPECT_EQ(static_cast<const WORD*>(value)[1], 1252);

    for (const char* key : {"\\StringFileInfo\\040704E4\\FileVersion", "\\StringFileInfo\\040704E4\\ProductVersion"}) {
        ASSERT_TRUE(VerQueryValueA(block.data(), key, &value, &length)) << key;
        EXPECT_STREQ(static_cast<const char*>(value), STUNDWERK_VERSION_TEXT) << key;
    }
}

TEST(Resources, ManifestRunsAsInvokerWithoutCommonControls6)
{
    const std::string manifest = ResourceBytes(1, 24); // RT_MANIFEST
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("supportedOS"), std::string::npos);
    EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
}

} // namespace
