#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "dialogs/choosers.h"
#include "dialogs/options_sheet.h"
#include "resources/resource_ids.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tests/framework/message_box_catcher.h"

namespace {

enum Page { TimeProfile, Display, Directory, Warnings, Printout, Holidays, Automation };

HWND ShowPage(HWND sheet, Page page)
{
    PropSheet_SetCurSel(sheet, nullptr, page);
    return PropSheet_GetCurrentPageHwnd(sheet);
}

class OptionsSheetTest : public DialogTest {
protected:
    // As after loading: the automatic day computation is always on.
    OptionsSheetTest() { settings.AutoTimer = 1; }
    void Run(std::function<void(HWND sheet)> script)
    {
        WhenDialogOpens(std::move(script));
        OptionsSheet sheet(Module(), nullptr, settings);
    }
    bool SettingsAre(const Settings& expected) const { return std::memcmp(&settings, &expected, sizeof settings) == 0; }
};

TEST_F(OptionsSheetTest, ExternalWorkerHasNoRegularTimeNorWorkDays)
{
    Run([&](HWND sheet) {
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        EXPECT_EQ(TextOf(page, IDC_OPT_HOURS_PER_DAY), "07:36");
        const struct {
            bool external;
            const char* hours;
        } clicks[] = {{true, "00:00"}, {false, "07:36"}, {true, "00:00"}};
        for (const auto& c : clicks) {
            Click(page, IDC_OPT_EXTERN);
            EXPECT_EQ(TextOf(page, IDC_OPT_HOURS_PER_DAY), c.hours);
            EXPECT_EQ(Enabled(page, IDC_OPT_HOURS_PER_DAY), !c.external);
            for (int day = 0; day < 7; ++day)
                EXPECT_EQ(Enabled(page, IDC_OPT_MONDAY + day), !c.external) << day;
        }
        Click(page, IDC_OPT_MONDAY); // Monday off: Tuesday to Friday
        Choose(page, IDC_OPT_START_DAY, 14);
        Click(sheet, IDOK);
    });
    EXPECT_EQ(settings.Extern, 1u);
    EXPECT_EQ(settings.HoursPerDay, 0);
    EXPECT_EQ(settings.WorkDays, 0x1Eu);
    EXPECT_EQ(settings.StartDay, 15u);
}

TEST_F(OptionsSheetTest, AColourDesignSetsTheStripesAndPagesNeverVisitedOrCancelledKeepTheirValues)
{
    std::snprintf(settings.WorkingDir, sizeof settings.WorkingDir, "C:\\Zeiten\\");
    std::snprintf(settings.HeadLine2, sizeof settings.HeadLine2, "Name: Erika Mustermann");
    settings.WWorkTime = 555;
    Settings expected = settings;
    expected.ColorStripes = 0xD7F7D7;
    Run([&](HWND sheet) {
        HWND page = ShowPage(sheet, Display);
        EXPECT_EQ(TextOf(page, IDC_OPT_DESIGN), "auswählen:");
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_OPT_AUTO_TIMER)));
        Choose(page, IDC_OPT_DESIGN, 3);
        EXPECT_EQ(TextOf(page, IDC_OPT_DESIGN), "- Grün -");
        Choose(page, IDC_OPT_DESIGN, 0); // the prompt changes nothing
        Click(sheet, IDOK);
    });
    EXPECT_TRUE(SettingsAre(expected));

    Run([&](HWND sheet) {
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        Type(page, IDC_OPT_TIME_LAG, "00:20");
        Click(page, IDC_OPT_COM_FORMAT);
        page = ShowPage(sheet, Display);
        EXPECT_EQ(TextOf(page, IDC_OPT_DESIGN), "auswählen:");
        Choose(page, IDC_OPT_DESIGN, 5);
        Type(ShowPage(sheet, Directory), IDC_OPT_WORKING_DIR, "D:\\");
        page = ShowPage(sheet, Printout);
        Type(page, IDC_OPT_HEADLINE1, "Anders");
        PressKey(page, VK_ESCAPE);
    });
    EXPECT_TRUE(SettingsAre(expected)) << "Abbrechen changes nothing";
}

TEST_F(OptionsSheetTest, PagesReadTheirFieldsBackWithTheirFormats)
{
    settings.ComFormat = 1;
    Run([&](HWND sheet) {
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        Type(page, IDC_OPT_TIME_LAG, "00:20");
        page = ShowPage(sheet, Warnings);
        EXPECT_EQ(TextOf(page, IDC_OPT_W_WORK_TIME), "10,000");
        EXPECT_FALSE(Enabled(page, IDC_OPT_W_WORK_TIME));
        Click(page, IDC_OPT_WARN_ACCOUNT);
        EXPECT_TRUE(Enabled(page, IDC_OPT_W_ACCOUNT));
        Type(page, IDC_OPT_W_ACCOUNT, "50:30");
        page = ShowPage(sheet, Printout);
        for (int id : {IDC_OPT_HEADLINE1, IDC_OPT_HEADLINE2, IDC_OPT_HEADLINE3})
            EXPECT_EQ(SendDlgItemMessageA(page, id, EM_GETLIMITTEXT, 0, 0), 69);
        Type(page, IDC_OPT_HEADLINE3, std::string(80, 'x')); // past the limit, as pasting might
        page = ShowPage(sheet, Automation);
        EXPECT_EQ(TextOf(page, IDC_OPT_LOCK_BREAK_MINUTES), "15");
        EXPECT_FALSE(Enabled(page, IDC_OPT_LOCK_BREAK_MINUTES));
        Click(page, IDC_OPT_LOCK_BREAK);
        EXPECT_TRUE(Enabled(page, IDC_OPT_LOCK_BREAK_MINUTES));
        Type(page, IDC_OPT_LOCK_BREAK_MINUTES, "30");
        Click(page, IDC_OPT_AUTO_DEPARTURE);
        Click(sheet, IDOK);
    });
    EXPECT_EQ(settings.TimeLag, 20);
    EXPECT_EQ(settings.WarnAccount, 1u);
    EXPECT_EQ(settings.WAccount, 50 * 60 + 30);
    EXPECT_EQ(std::string(settings.HeadLine3), std::string(69, 'x'));
    EXPECT_EQ(settings.LockBreak, 1u);
    EXPECT_EQ(settings.LockBreakMinutes, 30);
    EXPECT_EQ(settings.AutoDeparture, 1u);
    EXPECT_EQ(settings.AutoArrival + settings.MarkAutomatic, 0u);
}

// The fields are read with no check; what no setting can mean is mended as
// loading the settings file mends it.
TEST_F(OptionsSheetTest, DurationsBeyondOneDayLettersAndAnEmptyFolderTakeTheirDefaults)
{
    settings.HoursPerDay = 480;
    settings.TimeLag = 5;
    std::snprintf(settings.SettingsPath, sizeof settings.SettingsPath, "%s", "C:\\Zeit\\stundwrk.ini");
    Run([&](HWND sheet) {
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        Type(page, IDC_OPT_HOURS_PER_DAY, "99:99");
        Type(page, IDC_OPT_MAX_TIME, "24:00");
        Type(page, IDC_OPT_TIME_LAG, "K");
        Type(ShowPage(sheet, Directory), IDC_OPT_WORKING_DIR, "  ");
        Type(ShowPage(sheet, Automation), IDC_OPT_LOCK_BREAK_MINUTES, "0");
        Click(sheet, IDOK);
    });
    EXPECT_EQ(settings.LockBreakMinutes, 15);
    EXPECT_EQ(settings.HoursPerDay, Settings().HoursPerDay);
    EXPECT_EQ(settings.MaxTime, 24 * 60);
    EXPECT_EQ(settings.TimeLag, 0);
    EXPECT_EQ(std::string(settings.WorkingDir), "C:\\Zeit\\");
}

TEST_F(OptionsSheetTest, NotesAboutTheDayComputationWhileItIsOff)
{
    settings.AutoTimer = 0;
    settings.WarnWorkTime = 1;
    MessageBoxCatcher boxes;
    Run([&](HWND sheet) {
        HWND page = ShowPage(sheet, Warnings);
        Click(page, IDC_OPT_WARN_ACCOUNT);
        page = ShowPage(sheet, Display);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_OPT_AUTO_TIMER, BN_CLICKED), 0);
        Click(sheet, IDCANCEL);
    });
    ASSERT_EQ(boxes.Caught().size(), 2u);
    EXPECT_EQ(boxes.Caught()[0].text, "Die Hinweis-Optionen werden nur angezeigt, wenn\nauch die automatische "
                                      "Tagesberechnung aktiviert ist.\n\nAktivieren Sie diese bitte unter "
                                      "\"Anzeige\".");
    EXPECT_EQ(boxes.Caught()[1].text, "Die automatische Tagesberechnung ist abgeschaltet.\nDamit werden auch keine "
                                      "Hinweise zu Zeitüberschreitungen angezeigt.\n\nVergleichen Sie hierzu diese "
                                      "bitte die Optionen unter \"Hinweise\".");
    EXPECT_EQ(boxes.Caught()[1].title, "Hinweis");
}

// The state and the own days: a day the evaluator refuses is told and not
// taken; a selected day is changed or removed in place.
TEST_F(OptionsSheetTest, HolidaysPageTakesTheStateAndCheckedOwnDays)
{
    std::snprintf(settings.FreeDays.ownDays[0], OWN_DAY_SIZE, "24.12 :Heiligabend");
    std::snprintf(settings.FreeDays.ownDays[1], OWN_DAY_SIZE, "31.12 :Silvester");
    MessageBoxCatcher boxes;
    Run([&](HWND sheet) {
        HWND page = ShowPage(sheet, Holidays);
        auto pick = [page](int index) {
            HWND list = GetDlgItem(page, IDC_OPT_OWN_DAYS);
            SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
            SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_OPT_OWN_DAYS, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        };
        EXPECT_EQ(TextOf(page, IDC_OPT_STATE), "alle Feiertage der Tabelle (wie bisher)");
        Choose(page, IDC_OPT_STATE, 13);
        EXPECT_EQ(TextOf(page, IDC_OPT_STATE), "Sachsen");
        Type(page, IDC_OPT_OWN_DAY, "Rosenmontag");
        EXPECT_EQ(TextOf(page, IDC_OPT_OWN_DAY_RESULT), "kein gültiger Tagesausdruck");
        Click(page, IDC_OPT_OWN_DAY_ADD);
        Type(page, IDC_OPT_OWN_DAY, "ostersonntag-48 :Rosenmontag");
        Click(page, IDC_OPT_OWN_DAY_ADD);
        pick(0);
        EXPECT_EQ(TextOf(page, IDC_OPT_OWN_DAY), "24.12 :Heiligabend");
        Type(page, IDC_OPT_OWN_DAY, "24.12 :Heiligabend (Betrieb)");
        Click(page, IDC_OPT_OWN_DAY_CHANGE);
        pick(1);
        Click(page, IDC_OPT_OWN_DAY_REMOVE);
        Click(sheet, IDOK);
    });
    ASSERT_EQ(boxes.Caught().size(), 1u);
    EXPECT_EQ(boxes.Caught()[0].title, "Fehler");
    EXPECT_EQ(boxes.Caught()[0].text.rfind("\"Rosenmontag\" ist kein Tagesausdruck.", 0), 0u);
    EXPECT_STREQ(settings.FreeDays.state, "SN");
    EXPECT_STREQ(settings.FreeDays.ownDays[0], "24.12 :Heiligabend (Betrieb)");
    EXPECT_STREQ(settings.FreeDays.ownDays[1], "ostersonntag-48 :Rosenmontag");
    EXPECT_STREQ(settings.FreeDays.ownDays[2], "");
}

TEST_F(OptionsSheetTest, ChoosersKeepTheColourOnCancelAndTakeTheFolderTheUserOpened)
{
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof current, current);
    const std::string parent = std::string(current).substr(0, std::string(current).rfind('\\'));
    Run([&](HWND sheet) {
        HWND page = ShowPage(sheet, Display);
        Choose(page, IDC_OPT_DESIGN, 3);
        WhenDialogOpens([](HWND colours) { Click(colours, IDCANCEL); });
        Click(page, IDC_OPT_FREE_DAY_COLOUR);
        WhenDialogOpens([](HWND colours) {
            // The colour dialog's red, green and blue fields.
            const std::pair<int, const char*> fields[] = {{706, "10"}, {707, "20"}, {708, "30"}};
            for (const auto& [id, value] : fields)
                Type(colours, id, value);
            Click(colours, IDOK);
        });
        Click(page, IDC_OPT_STRIPE_COLOUR);
        // Only a new choice applies a design, not the focus passing the list.
        SetFocus(GetDlgItem(page, IDC_OPT_DESIGN));
        SetFocus(GetDlgItem(page, IDC_OPT_STRIPE_COLOUR));
        page = ShowPage(sheet, Directory);
        WhenDialogOpens([&](HWND chooser) {
            EXPECT_EQ(TextOf(chooser, IDC_OPENDIR_PATH), current);
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(chooser, IDC_OPENDIR_FILE_NAME)));
            HWND folders = GetDlgItem(chooser, IDC_OPENDIR_DIRECTORIES);
            SendMessageA(folders, LB_SETCURSEL, 0, 0); // "[..]"
            SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDC_OPENDIR_DIRECTORIES, LBN_DBLCLK),
                         reinterpret_cast<LPARAM>(folders));
            WhenDialogOpens([&](HWND opened) {
                EXPECT_EQ(TextOf(opened, IDC_OPENDIR_PATH), parent);
                Click(opened, IDOK);
            });
        });
        Click(page, IDC_OPT_CHOOSE_DIR);
        EXPECT_EQ(TextOf(page, IDC_OPT_WORKING_DIR), parent);
        Click(sheet, IDOK);
    });
    EXPECT_EQ(settings.ColorStripes, RGB(10, 20, 30));
    EXPECT_EQ(settings.ColorFreeDays, 255u);
    EXPECT_EQ(settings.WorkingDir, parent);
    char after[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof after, after);
    EXPECT_STREQ(after, current); // the chooser leaves the program's directory alone
}

// Every visible control of every page lies inside the page, with a margin of
// at least 4 dialog units, whatever font the system draws the pages with.
TEST_F(OptionsSheetTest, EveryControlLiesInsideItsPage)
{
    Run([&](HWND sheet) {
        for (Page page : {TimeProfile, Display, Directory, Warnings, Printout, Holidays, Automation}) {
            HWND window = ShowPage(sheet, page);
            RECT inside{};
            GetClientRect(window, &inside);
            RECT margin{0, 0, 4, 4};
            MapDialogRect(window, &margin);
            InflateRect(&inside, -margin.right, -margin.bottom);
            for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
                if (!IsWindowVisible(control))
                    continue;
                RECT rect{};
                GetWindowRect(control, &rect);
                MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
                RECT both{};
                IntersectRect(&both, &rect, &inside);
                char text[64] = "";
                GetWindowTextA(control, text, sizeof text);
                EXPECT_TRUE(EqualRect(&both, &rect)) << "page " << page << ": " << text;
            }
        }
        Click(sheet, IDCANCEL);
    });
}

} // namespace
