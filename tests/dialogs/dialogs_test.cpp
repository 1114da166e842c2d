// Each dialog run for real under Wine: its OK writes through the core and
// the plan or the settings show it; a refusal of the core keeps the dialog
// open with the message on it. The value tables themselves are the native
// core tests' business.
#include <gtest/gtest.h>

#include "core/clipboard_export.h"
#include "dialogs/day_kind_dialogs.h"
#include "dialogs/options_sheet.h"
#include "dialogs/time_entry_dialog.h"
#include "dialogs/value_dialogs.h"
#include "dialogs/year_overview_dialog.h"
#include "resources/resource_ids.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tests/framework/dialog_access.h"

namespace {

// May 2002: Thursday 9 May is Ascension Day, 11 and 12 May a weekend.
class DialogRoutes : public DialogTest {
protected:
    DialogRoutes()
    {
        Open(5, 2002);
        clock.Set(8, 5, 2002, 8, 10);
    }
    // Every dialog deleted itself.
    void TearDown() override { EXPECT_EQ(DialogTestAccess::LiveCount(), 0); }
};

TEST_F(DialogRoutes, TimeEntryWritesOnOkAndKeepsARefusalOpen)
{
    WhenDialogOpens([&](HWND d) {
        Type(d, IDC_ENTRY_DATE, "06.05.2002");
        Type(d, IDC_ENTRY_COME, "17:00");
        Type(d, IDC_ENTRY_GO, "08:00");
        Click(d, IDOK);
        EXPECT_TRUE(IsOpen(d));
        ExpectOnlyFrom(d, "Die Kommen-Zeit muß kleiner sein als die Gehen-Zeit.", "Fehler");
        Type(d, IDC_ENTRY_COME, "07:30");
        Type(d, IDC_ENTRY_GO, "16:00");
        Type(d, IDC_ENTRY_REMARK, "Termin");
        Click(d, IDOK);
    });
    new TimeEntryDialog(Module(), nullptr, Plan(), 0, "");
    EXPECT_EQ(Kind(6), std::make_tuple(At(7, 30), At(16, 0), At(8, 30)));
    EXPECT_STREQ(Entry(6).Info, "Termin");
}

TEST_F(DialogRoutes, DayKindDialogsBookTheirDays)
{
    settings.Holidays = 30;
    const struct {
        const char* title;
        std::function<void()> open;
        std::vector<std::pair<int, const char*>> typed;
        unsigned day;
        EntryKind kind;
    } cases[] = {
        {"Urlaubstageerfassung", [&] { new VacationDialog(Module(), nullptr, Plan(), ""); },
         {{IDC_DAY_DATE, "13.05.2002"}, {IDC_DAY_UNTIL, "14.05.2002"}}, 14, Vacation},
        {"Gleittagerfassung", [&] { new FlexiDayDialog(Module(), nullptr, Plan(), ""); },
         {{IDC_DAY_DATE, "10.05.2002"}}, 10, FlexiDay},
        {"Feiertagserfassung", [&] { new HolidayEntryDialog(Module(), nullptr, Plan(), ""); },
         {{IDC_DAY_DATE, "15.05.2002"}}, 15, PublicHoliday},
        {"Krankheitstageerfassung", [&] { new SickDaysDialog(Module(), nullptr, Plan(), ""); },
         {{IDC_DAY_DATE, "16.05.2002"}, {IDC_DAY_UNTIL, "16.05.2002"}}, 16, SickDay},
        {"Zeitkonto korrigieren", [&] { new AccountCorrectionDialog(Module(), nullptr, Plan(), ""); },
         {{IDC_DAY_DATE, "06.05.2002"}, {IDC_DAY_ACCOUNT, "-12:30"}}, 6, AccountCorrection},
    };
    for (const auto& c : cases) {
        WhenDialogOpens([&](HWND d) {
            EXPECT_EQ(TitleOf(d), c.title);
            for (const auto& [id, text] : c.typed)
                Type(d, id, text);
            Click(d, IDOK);
        });
        c.open();
        EXPECT_EQ(std::get<0>(Kind(c.day)), TimeCode(c.kind)) << c.title;
    }
    EXPECT_EQ(settings.Holidays, 28u);
    EXPECT_EQ(settings.GDays, 1u);
    EXPECT_EQ(Entry(6).Account, -750);
}

TEST_F(DialogRoutes, ValueDialogsGiveTheirValues)
{
    AddKind(6, Vacation);
    WhenDialogOpens([&](HWND d) {
        Type(d, IDC_DAY_REMARK, "Ostern verlängert");
        Click(d, IDOK);
    });
    new RemarkDialog(Module(), nullptr, Plan(), EntryKey(6, 1));
    EXPECT_STREQ(Entry(6).Info, "Ostern verlängert");

    WhenDialogOpens([&](HWND d) {
        Type(d, IDC_DAYS_COUNT, "12");
        Click(d, IDOK);
    });
    new DayCountDialog(Module(), nullptr, settings, DayCounter::Sickdays);
    EXPECT_EQ(settings.Sickdays, 12u);

    unsigned month = 0, year = 0;
    WhenDialogOpens([&](HWND d) {
        Choose(d, IDC_MONTH_LIST, 2);
        Type(d, IDC_MONTH_YEAR, "2003");
        Click(d, IDOK);
    });
    new MonthDialog(Module(), nullptr, &month, &year, settings, clock);
    EXPECT_EQ(std::make_pair(month, year), std::make_pair(3u, 2003u));
}

// What no setting can mean is mended on OK as loading mends it.
TEST_F(DialogRoutes, OptionsSheetTakesItsPagesOnOk)
{
    settings.AutoTimer = 1; // as after loading
    settings.TimeLag = 5;
    WhenDialogOpens([&](HWND sheet) {
        Choose(PropSheet_GetCurrentPageHwnd(sheet), IDC_OPT_START_DAY, 14);
        Type(PropSheet_GetCurrentPageHwnd(sheet), IDC_OPT_TIME_LAG, "K");
        Type(PropSheet_GetCurrentPageHwnd(sheet), IDC_OPT_HOURS_PER_DAY, "99:99");
        PropSheet_SetCurSel(sheet, nullptr, 6); // "Automatik"
        Click(PropSheet_GetCurrentPageHwnd(sheet), IDC_OPT_AUTO_DEPARTURE);
        Click(sheet, IDOK);
    });
    OptionsSheet sheet(Module(), nullptr, settings);
    EXPECT_EQ(settings.StartDay, 15u);
    EXPECT_EQ(settings.AutoDeparture, 1u);
    EXPECT_EQ(settings.TimeLag, 0);
    EXPECT_EQ(settings.HoursPerDay, Settings().HoursPerDay);
}

struct Clipboard : ExportTarget {
    std::string text;
    bool PutText(const std::string& t) override
    {
        text = t;
        return true;
    }
};

TEST_F(DialogRoutes, YearOverviewCopiesTheYearShown)
{
    Add(6, At(8, 0), At(17, 0));
    Open(3, 2003);
    Clipboard clipboard;
    WhenDialogOpens([&](HWND d) {
        Click(d, IDC_YEAR_PREVIOUS);
        Click(d, IDC_YEAR_COPY);
        Click(d, IDCANCEL);
    });
    new YearOverviewDialog(Module(), nullptr, frame, 2003, clipboard, [](HWND, const Settings&, const YearOverview&) {});
    EXPECT_EQ(clipboard.text, YearOverviewText(settings, BuildYearOverview(frame, 2002)));
}

} // namespace
