// Each dialog run for real under Wine, on month plans on the real profile
// engine: its OK writes through the core and the plan or the settings show
// it; a refusal of the core keeps the dialog open with the message on it.
// The value tables themselves are the native core tests' business.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "dialogs/day_kind_dialogs.h"
#include "dialogs/options_sheet.h"
#include "dialogs/prompt_owner.h"
#include "dialogs/time_entry_dialog.h"
#include "dialogs/value_dialogs.h"
#include "resources/resource_ids.h"
#include "tests/core/plan_fixture.h"
#include "tests/framework/dialog_access.h"
#include "tests/support/dialog_driver.h"

namespace {

// May 2002: Thursday 9 May is Ascension Day, 11 and 12 May a weekend.
class DialogRoutes : public PlanTest {
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
    }
    DialogRoutes()
    {
        Open(5, 2002);
        clock.Set(8, 5, 2002, 8, 10);
    }
    // Every dialog deleted itself.
    void TearDown() override { EXPECT_EQ(DialogTestAccess::LiveCount(), 0); }

    // The dialog templates are linked into the test program.
    const HINSTANCE module = GetModuleHandleA(nullptr);
};

TEST_F(DialogRoutes, TimeEntryWritesOnOkAndKeepsARefusalOpen)
{
    WhenDialogOpens([&](HWND d) {
        Type(d, IDC_ENTRY_DATE, "06.05.2002");
        Type(d, IDC_ENTRY_COME, "17:00");
        Type(d, IDC_ENTRY_GO, "08:00");
        Click(d, IDOK);
        EXPECT_TRUE(IsOpen(d));
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].owner, PromptOwnerOf(d));
        ExpectOnly("Die Kommen-Zeit muß kleiner sein als die Gehen-Zeit.");
        Type(d, IDC_ENTRY_COME, "07:30");
        Type(d, IDC_ENTRY_GO, "16:00");
        Type(d, IDC_ENTRY_REMARK, "Termin");
        Click(d, IDOK);
    });
    new TimeEntryDialog(module, nullptr, Plan(), 0, "");
    EXPECT_EQ(Entry(6).Come, At(7, 30));
    EXPECT_EQ(Entry(6).WorkTime, At(8, 30));
    EXPECT_STREQ(Entry(6).Info, "Termin");
}

// One dialog a row: opened, its fields typed (the month list is chosen from,
// by index), OK clicked, and what it wrote.
TEST_F(DialogRoutes, EachValueDialogWritesOnOk)
{
    settings.Holidays = 30;
    unsigned month = 0, year = 0;
    const auto booked = [this](unsigned day, EntryKind kind) { return Entry(day).Come == TimeCode(kind); };
    const struct {
        std::function<void()> open;
        std::vector<std::pair<int, const char*>> typed;
        std::function<bool()> wrote;
    } cases[] = {
        {[&] { new VacationDialog(module, nullptr, Plan(), ""); },
         {{IDC_DAY_DATE, "13.05.2002"}, {IDC_DAY_UNTIL, "14.05.2002"}},
         [&] { return booked(14, Vacation) && settings.Holidays == 28; }},
        {[&] { new FlexiDayDialog(module, nullptr, Plan(), ""); },
         {{IDC_DAY_DATE, "10.05.2002"}},
         [&] { return booked(10, FlexiDay) && settings.GDays == 1; }},
        {[&] { new HolidayEntryDialog(module, nullptr, Plan(), ""); },
         {{IDC_DAY_DATE, "15.05.2002"}},
         [&] { return booked(15, PublicHoliday); }},
        {[&] { new SickDaysDialog(module, nullptr, Plan(), ""); },
         {{IDC_DAY_DATE, "16.05.2002"}, {IDC_DAY_UNTIL, "16.05.2002"}},
         [&] { return booked(16, SickDay); }},
        {[&] { new AccountCorrectionDialog(module, nullptr, Plan(), ""); },
         {{IDC_DAY_DATE, "06.05.2002"}, {IDC_DAY_ACCOUNT, "-12:30"}},
         [&] { return booked(6, AccountCorrection) && Entry(6).Account == -750; }},
        {[&] { new RemarkDialog(module, nullptr, Plan(), EntryKey(13, 1)); },
         {{IDC_DAY_REMARK, "Ostern verlängert"}},
         [&] { return std::string(Entry(13).Info) == "Ostern verlängert"; }},
        {[&] { new DayCountDialog(module, nullptr, settings, DayCounter::Sickdays); },
         {{IDC_DAYS_COUNT, "12"}},
         [&] { return settings.Sickdays == 12; }},
        {[&] { new MonthDialog(module, nullptr, &month, &year, settings, clock); },
         {{IDC_MONTH_LIST, "2"}, {IDC_MONTH_YEAR, "2003"}},
         [&] { return month == 3 && year == 2003; }},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        WhenDialogOpens([&](HWND d) {
            for (const auto& [id, text] : cases[i].typed)
                id == IDC_MONTH_LIST ? Choose(d, id, std::atoi(text)) : Type(d, id, text);
            Click(d, IDOK);
        });
        cases[i].open();
        EXPECT_TRUE(cases[i].wrote()) << "row " << i;
    }
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
    OptionsSheet sheet(module, nullptr, settings);
    EXPECT_EQ(settings.StartDay, 15u);
    EXPECT_EQ(settings.AutoDeparture, 1u);
    EXPECT_EQ(settings.TimeLag, 0);
    EXPECT_EQ(settings.HoursPerDay, Settings().HoursPerDay);
}

} // namespace
