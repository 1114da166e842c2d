#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
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
    UINT id; // 0: separator
    const char* text;
    bool grey;
};

struct Popup {
    const char* text;
    bool grey;
    std::vector<Item> items;
};

const Item kSeparator{0, nullptr, false};

// The menu bar as the program shows it; "\b" sets off a key name.
const std::vector<Popup>& ExpectedMenu()
{
    static const std::vector<Popup> menu{
        {"&Datei",
         false,
         {{40002, "&Neu...", false},
          {40001, "Ö&ffnen...", false},
          {40010, "Lö&schen...", false},
          {145, "Schl&ießen\bStrg+F4", true},
          {147, "&Alles schließen      \bAlt Gr+F4", true},
          kSeparator,
          {155, "&Einstellungen...", false},
          kSeparator,
          {123, "&Drucken...\bStrg+P", true},
          kSeparator,
          {151, "&Beenden\bAlt+F4/ESC", false}}},
        {"&Bearbeiten",
         true,
         {{40006, "&Eintrag ändern...", false},
          {40008, "Eintrag &löschen", false},
          kSeparator,
          {40013, "Eintrag &kopieren", false},
          {40014, "Eintrag ein&fügen", false},
          {40011, "Eintrag nach &oben", false},
          {40012, "Eintrag nach &unten", false},
          kSeparator,
          {40029, "&Zwischenablagen-Export ...", false}}},
        {"&Einträge",
         true,
         {{40003, "&Arbeitszeit erfassen...", false},
          {40007, "&Gleittag erfassen...", false},
          {40015, "U&rlaubstag erfassen...", false},
          {40018, "Krank&heit erfassen...", false},
          {40016, "Fe&iertag erfassen...", false},
          kSeparator,
          {40020, "Kon&tostands-Übernahme...", false},
          {40005, "&Zeitkonto-Korrektur...", false},
          kSeparator,
          {40009, "Aktuellen Tag berechnen", false},
          {40023, "&Monatszeiten neu berechnen", false},
          {40024, "&Wochentage neu berechnen", false},
          {40028, "Fehltage &bis Markierung eintragen", false},
          kSeparator,
          {40030, "Anzeigef&ormat für Zeiten wechseln", false}}},
        {"&Werte",
         true,
         {{40017, "&Urlaubstage...", false},
          {40019, "&Krankheitstage...", false},
          {40021, "Gleittage...", false},
          kSeparator,
          {40026, "&Monatsauswertung", false}}},
        {"&Fenster",
         true,
         {{139, "&Vergrößern\bStrg+F8", false},
          {176, "Ver&kleinern\bStrg+F7", false},
          kSeparator,
          {173, "&Nebeneinander", false},
          {116, "Ü&bereinander", false},
          {132, "Über&lappend", false},
          {141, "&Symbole anordnen", false},
          kSeparator,
          {175, "V&orhergehendes\bStrg+F5", false},
          {174, "Nä&chstes\bStrg+F6", false}}},
        {"&Hilfe", false, {{108, "&Info", false}}},
    };
    return menu;
}

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

struct MenuEntry {
    UINT type, state, id;
    HMENU popup;
    std::wstring text;
};

MenuEntry ReadEntry(HMENU menu, int position)
{
    MenuEntry entry{};
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 255;
    EXPECT_TRUE(GetMenuItemInfoW(menu, position, TRUE, &info)) << position;
    entry.type = info.fType;
    entry.state = info.fState;
    entry.id = info.wID;
    entry.popup = info.hSubMenu;
    entry.text = text;
    return entry;
}

TEST(Resources, MenuBarHasEveryPopupItemTextAndGreyState)
{
    HMENU bar = LoadMenuA(Module(), MAKEINTRESOURCEA(SWMENU));
    ASSERT_NE(bar, nullptr);
    const auto& expected = ExpectedMenu();
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(expected.size()));
    for (int p = 0; p < static_cast<int>(expected.size()); ++p) {
        const MenuEntry popup = ReadEntry(bar, p);
        EXPECT_EQ(popup.text, From1252(expected[p].text));
        EXPECT_EQ((popup.state & MFS_GRAYED) != 0, expected[p].grey) << expected[p].text;
        ASSERT_NE(popup.popup, nullptr) << expected[p].text;
        const auto& items = expected[p].items;
        ASSERT_EQ(GetMenuItemCount(popup.popup), static_cast<int>(items.size())) << expected[p].text;
        for (int i = 0; i < static_cast<int>(items.size()); ++i) {
            const MenuEntry item = ReadEntry(popup.popup, i);
            const std::string where = std::string(expected[p].text) + " #" + std::to_string(i);
            if (items[i].id == 0) {
                EXPECT_TRUE(item.type & MFT_SEPARATOR) << where;
                continue;
            }
            EXPECT_EQ(item.id, items[i].id) << where;
            EXPECT_EQ(item.text, From1252(items[i].text)) << where;
            EXPECT_EQ((item.state & MFS_GRAYED) != 0, items[i].grey) << where;
            EXPECT_EQ(item.popup, nullptr) << where;
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

    using Entry = std::tuple<int, int, int>;
    std::vector<Entry> actual, wanted;
    for (const ACCEL& a : loaded)
        actual.emplace_back(a.fVirt & ~FNOINVERT, a.key, a.cmd);
    for (const Key& k : kKeys)
        wanted.emplace_back(FVIRTKEY | k.modifiers, k.key, k.command);
    std::sort(actual.begin(), actual.end());
    std::sort(wanted.begin(), wanted.end());
    EXPECT_EQ(actual, wanted);

    // Every key name in a menu text has its keys, and every key is named on its item.
    std::vector<std::pair<UINT, std::string>> named, bound;
    for (const Popup& popup : ExpectedMenu())
        for (const Item& item : popup.items)
            if (const char* tab = item.text ? std::strchr(item.text, '\b') : nullptr)
                named.emplace_back(item.id, tab + 1);
    for (const Key& k : kKeys)
        if (bound.empty() || bound.back() != std::make_pair(UINT{k.command}, std::string(k.name)))
            bound.emplace_back(k.command, k.name);
    std::sort(named.begin(), named.end());
    std::sort(bound.begin(), bound.end());
    EXPECT_EQ(named, bound);
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(Resources, EveryIconHas32And16PixelImagesIn16Colours)
{
    const int icons[] = {IDI_ICON1,    IDI_ICON2,       IDI_ICON3,       IDI_ICON4,       IDI_ICON5,    IDI_ICON6,
                         IDI_BB_2,     IDI_BB_3,        IDI_BB_4,        IDI_BB_5,        IDI_BB_6,     IDI_BB_7,
                         IDI_BB_8,     IDI_BB_9,        IDI_BB_10,       IDI_BB_11,       IDI_BB_12,    IDI_BB_13,
                         IDI_BB_14,    IDI_BB_15,       IDI_BB_16,       IDI_BB_17,       IDI_BB_18,    IDI_DEF_DEFAULT,
                         IDI_DEF_GDAY, IDI_DEF_HOLIDAY, IDI_DEF_ACCOUNT, IDI_DEF_SICKDAY, IDI_DEF_FDAY, IDI_DEF_MISSING,
                         IDI_DEF_DATA, IDI_DEF_NOSALDO};
    for (int id : icons) {
        HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
        ASSERT_NE(found, nullptr) << id;
        const auto* directory = static_cast<const WORD*>(LockResource(LoadResource(Module(), found)));
        ASSERT_EQ(directory[2], 2) << id;
        const auto* entries = reinterpret_cast<const GroupIconEntry*>(directory + 3);
        EXPECT_EQ(entries[0].width, 32) << id;
        EXPECT_EQ(entries[1].width, 16) << id;
        for (int e = 0; e < 2; ++e)
            EXPECT_EQ(entries[e].bitCount, 4) << id;
        for (int size : {32, 16}) {
            HANDLE icon = LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0);
            EXPECT_NE(icon, nullptr) << id << " at " << size;
            DestroyIcon(static_cast<HICON>(icon));
        }
    }
}

TEST(Resources, ToolBarStripIs26ImagesOf16By15In16Colours)
{
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(IDB_TOOLBAR), MAKEINTRESOURCEA(2)); // RT_BITMAP
    ASSERT_NE(found, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(Module(), found)));
    EXPECT_EQ(header->biWidth, 16 * TOOLBAR_IMAGE_COUNT);
    EXPECT_EQ(header->biWidth, 416);
    EXPECT_EQ(header->biHeight, 15);
    EXPECT_EQ(header->biBitCount, 4);

    HBITMAP strip = LoadBitmapA(Module(), MAKEINTRESOURCEA(IDB_TOOLBAR));
    ASSERT_NE(strip, nullptr);
    BITMAP size{};
    GetObjectA(strip, sizeof(size), &size);
    EXPECT_EQ(size.bmWidth, 416);
    EXPECT_EQ(size.bmHeight, 15);
    DeleteObject(strip);
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
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)); // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(Module(), found))),
                               SizeofResource(Module(), found));
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("supportedOS"), std::string::npos);
    EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
}

} // namespace
