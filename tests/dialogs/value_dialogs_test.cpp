#include <gtest/gtest.h>

#include "dialogs/value_dialogs.h"
#include "resources/resource_ids.h"
#include "tests/dialogs/dialog_fixture.h"

namespace {

using ValueDialogTest = DialogTest;

TEST_F(ValueDialogTest, MonthDialogProposesThePeriodAndRefusesNoMonthAndAYearOfLetters)
{
    settings.StartDay = 15;
    clock.Set(10, 1, 2003);
    unsigned month = 0, year = 0;
    WhenDialogOpens([&](HWND d) {
        EXPECT_EQ(SendDlgItemMessageA(d, IDC_MONTH_LIST, CB_GETCOUNT, 0, 0), 12);
        EXPECT_EQ(TextOf(d, IDC_MONTH_LIST), "Dezember");
        EXPECT_EQ(TextOf(d, IDC_MONTH_YEAR), "2002");
        const struct {
            int index;
            const char* year;
        } refused[] = {{-1, "2002"}, {2, "zwei"}, {2, "0"}, {2, "-2002"}}; // the list has no 13th month
        for (const auto& r : refused) {
            Choose(d, IDC_MONTH_LIST, r.index);
            Type(d, IDC_MONTH_YEAR, r.year);
            Click(d, IDOK);
            EXPECT_TRUE(IsOpen(d)) << r.index << " " << r.year;
        }
        Choose(d, IDC_MONTH_LIST, 2);
        Type(d, IDC_MONTH_YEAR, "2");
        Click(d, IDOK);
    });
    new MonthDialog(Module(), nullptr, &month, &year, settings, clock);
    EXPECT_EQ(month, 3u);
    EXPECT_EQ(year, 1902u);

    WhenDialogOpens([&](HWND d) {
        EXPECT_EQ(TextOf(d, IDC_MONTH_LIST), "März");
        PressKey(d, VK_ESCAPE);
    });
    new MonthDialog(Module(), nullptr, &month, &year, settings, clock);
    EXPECT_EQ(month, 0u);
}

TEST_F(ValueDialogTest, DayCountVariantsShowTheirCounterAndRefuseANegativeNumber)
{
    settings.Holidays = 30;
    settings.Sickdays = 4;
    settings.GDays = 2;
    const struct {
        DayCounter counter;
        const char *title, *label, *shown;
        std::uint32_t Settings::*field;
    } cases[] = {
        {DayCounter::Holidays, "Urlaubstage", "Verbleibende Urlaubstage:", "30", &Settings::Holidays},
        {DayCounter::Sickdays, "Krankheitstage", "Bisherige Krankheitstage:", "4", &Settings::Sickdays},
        {DayCounter::GDays, "Gleittage", "Bisherige Gleittage:", "2", &Settings::GDays},
    };
    for (const auto& c : cases) {
        WhenDialogOpens([&](HWND d) {
            EXPECT_EQ(TitleOf(d), c.title);
            EXPECT_EQ(TextOf(d, IDC_DAYS_LABEL), c.label);
            EXPECT_EQ(TextOf(d, IDC_DAYS_COUNT), c.shown);
            Type(d, IDC_DAYS_COUNT, "-3");
            Click(d, IDOK);
            EXPECT_TRUE(IsOpen(d));
            Type(d, IDC_DAYS_COUNT, "12");
            Click(d, IDOK);
        });
        new DayCountDialog(Module(), nullptr, settings, c.counter);
        EXPECT_EQ(settings.*c.field, 12u) << c.title;
    }
}

TEST_F(ValueDialogTest, RemarkDialogChangesOnlyTheRemark)
{
    Open(3, 2002);
    AddKind(4, Vacation);
    const auto before = Values(4);
    WhenDialogOpens([&](HWND d) {
        EXPECT_EQ(TextOf(d, IDC_DAY_REMARK), "");
        Type(d, IDC_DAY_REMARK, "Ostern verlängert");
        Click(d, IDOK);
    });
    new RemarkDialog(Module(), nullptr, Plan(), EntryKey(4, 1));
    EXPECT_EQ(Values(4), before);
    EXPECT_STREQ(Entry(4).Info, "Ostern verlängert");
}

} // namespace
