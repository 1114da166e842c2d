#include <gtest/gtest.h>

#include "dialogs/day_kind_dialogs.h"
#include "resources/resource_ids.h"
#include "tests/dialogs/dialog_fixture.h"

namespace {

const char* const FREE_DAY = "Am angegebenen Tag kann kein Gleittag eingetragen werden,\nweil dieser Tag sowieso "
                             "arbeitsfrei ist.";

// May 2002: Thursday 9 May is Ascension Day, 11 and 12 May a weekend.
class DayKindDialogTest : public DialogTest {
protected:
    DayKindDialogTest()
    {
        Open(5, 2002);
        clock.Set(8, 5, 2002);
    }
};

TEST_F(DayKindDialogTest, VacationSkipsTheWeekendAndTheHolidayOrIsRefusedWhenTooFewDaysRemain)
{
    const struct {
        std::uint32_t remaining;
        bool accepted;
        std::uint32_t remainingAfter;
    } cases[] = {{2, false, 2}, {30, true, 27}};
    for (const auto& c : cases) {
        settings.Holidays = c.remaining;
        const std::string before = Dump();
        WhenDialogOpens([&](HWND d) {
            EXPECT_EQ(TitleOf(d), "Urlaubstageerfassung");
            EXPECT_EQ(TextOf(d, IDC_DAY_DATE), "08.05.2002");
            EXPECT_EQ(TextOf(d, IDC_DAY_UNTIL), "08.05.2002");
            Type(d, IDC_DAY_UNTIL, "13.05.2002");
            Type(d, IDC_DAY_REMARK, "Kurzurlaub");
            Click(d, IDOK);
            EXPECT_EQ(IsOpen(d), !c.accepted);
            if (!c.accepted) {
                ExpectOnlyFrom(d,
                               "Sie haben noch 2 Urlaubstage zur Verfügung,\nbenötigen für den angegebenen Zeitraum "
                               "aber 3 Tage.\n\nPrüfen Sie ggf. die Einstellung der Urlaubstage.",
                               "Hinweis");
                EXPECT_EQ(Dump(), before);
                Click(d, IDCANCEL);
            }
        });
        new VacationDialog(Module(), nullptr, Plan(), "");
        EXPECT_EQ(settings.Holidays, c.remainingAfter);
    }
    for (unsigned day : {8u, 10u, 13u})
        EXPECT_EQ(Kind(day), std::make_tuple(TimeCode(Vacation), TimeCode(Vacation), HoursCode(Vacation))) << day;
    EXPECT_EQ(std::get<0>(Kind(9)), TimeCode(PublicHoliday));
    for (unsigned day : {11u, 12u})
        EXPECT_EQ(std::get<0>(Kind(day)), TimeCode(EmptyDay)) << day;
    EXPECT_STREQ(Entry(10).Info, "Kurzurlaub");
}

TEST_F(DayKindDialogTest, FlexiDayIsRefusedOnAFreeDayAndCountedOnAWorkDay)
{
    WhenDialogOpens([&](HWND d) {
        EXPECT_EQ(TitleOf(d), "Gleittagerfassung");
        EXPECT_EQ(TextOf(d, IDC_DAY_DATE), "11.05.2002"); // the selected row's date
        Click(d, IDOK);
        EXPECT_TRUE(IsOpen(d));
        ExpectOnlyFrom(d, FREE_DAY, "Hinweis");
        Type(d, IDC_DAY_DATE, "10.05.2002");
        Click(d, IDOK);
        EXPECT_FALSE(IsOpen(d));
    });
    new FlexiDayDialog(Module(), nullptr, Plan(), "11.05.2002");
    EXPECT_EQ(settings.GDays, 1u);
    EXPECT_EQ(Kind(10), std::make_tuple(TimeCode(FlexiDay), TimeCode(FlexiDay), HoursCode(FlexiDay)));
}

TEST_F(DayKindDialogTest, AccountCorrectionWithANegativeValueCarriesOn)
{
    WhenDialogOpens([&](HWND d) {
        EXPECT_EQ(TitleOf(d), "Zeitkonto korrigieren");
        EXPECT_EQ(TextOf(d, IDC_DAY_ACCOUNT), "");
        Type(d, IDC_DAY_DATE, "06.05.2002");
        Type(d, IDC_DAY_ACCOUNT, "-12:30");
        Type(d, IDC_DAY_REMARK, "Abgleich");
        PressKey(d, VK_RETURN);
    });
    new AccountCorrectionDialog(Module(), nullptr, Plan(), "");
    EXPECT_EQ(Kind(6),
              std::make_tuple(TimeCode(AccountCorrection), TimeCode(AccountCorrection), HoursCode(AccountCorrection)));
    EXPECT_EQ(Entry(6).Account, -750);
}

TEST_F(DayKindDialogTest, HolidayAndSickDaysTitlesPresetsAndResults)
{
    WhenDialogOpens([&](HWND d) {
        EXPECT_EQ(TitleOf(d), "Feiertagserfassung");
        Type(d, IDC_DAY_DATE, "14.05.2002");
        Click(d, IDOK);
    });
    new HolidayEntryDialog(Module(), nullptr, Plan(), "");
    EXPECT_EQ(std::get<0>(Kind(14)), TimeCode(PublicHoliday));

    WhenDialogOpens([&](HWND d) {
        EXPECT_EQ(TitleOf(d), "Krankheitstageerfassung");
        EXPECT_EQ(TextOf(d, IDC_DAY_REMARK), "Krankheitstag");
        Type(d, IDC_DAY_DATE, "13.05.2002");
        Type(d, IDC_DAY_UNTIL, "15.05.2002"); // 14 May is a holiday now
        Click(d, IDOK);
    });
    new SickDaysDialog(Module(), nullptr, Plan(), "");
    EXPECT_EQ(settings.Sickdays, 2u);
    EXPECT_EQ(std::get<0>(Kind(15)), TimeCode(SickDay));
    EXPECT_STREQ(Entry(15).Info, "Krankheitstag");
}

} // namespace
