#include <gtest/gtest.h>

#include "dialogs/time_entry_dialog.h"
#include "resources/resource_ids.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tests/framework/dialog_access.h"

namespace {

class TimeEntryDialogTest : public DialogTest {
protected:
    TimeEntryDialogTest()
    {
        Open(6, 2002);
        settings.TimeLag = 15;
        clock.Set(3, 6, 2002, 8, 10);
    }
    void Run(unsigned key, const std::string& date, std::function<void(HWND)> script)
    {
        WhenDialogOpens(std::move(script));
        new TimeEntryDialog(Module(), nullptr, Plan(), key, date);
    }
};

TEST_F(TimeEntryDialogTest, NewEntryWithoutSelectionStartsTodayAtNowMinusLagAndCancelWritesNothing)
{
    const std::string before = Dump();
    Run(0, "", [&](HWND d) {
        EXPECT_EQ(TextOf(d, IDC_ENTRY_DATE), "03.06.2002");
        EXPECT_TRUE(Enabled(d, IDC_ENTRY_DATE));
        EXPECT_EQ(TextOf(d, IDC_ENTRY_COME), "07:55");
        EXPECT_EQ(TextOf(d, IDC_ENTRY_GO), "");
        EXPECT_TRUE(Checked(d, IDC_ENTRY_TIMES_MODE));
        EXPECT_FALSE(Enabled(d, IDC_ENTRY_HOURS));
        EXPECT_FALSE(Checked(d, IDC_ENTRY_NO_SALDO)); // a Monday
        clock.Set(3, 6, 2002, 16, 30);
        Click(d, IDC_ENTRY_GO_NOW);
        EXPECT_EQ(TextOf(d, IDC_ENTRY_GO), "16:45");
        Click(d, IDC_ENTRY_COME_NOW);
        EXPECT_EQ(TextOf(d, IDC_ENTRY_COME), "16:15");
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(DialogTestAccess::LiveCount(), 0); // the dialog deleted itself
}

TEST_F(TimeEntryDialogTest, MissingDayOpensAsAnEmptyDayOnAFixedDate)
{
    AddKind(4, MissingDay);
    engine.WriteString("4/1", "Info", "Fehltag", Plan().path().c_str());
    Run(EntryKey(4, 1), "", [&](HWND d) {
        EXPECT_EQ(TextOf(d, IDC_ENTRY_DATE), "04.06.2002");
        EXPECT_FALSE(Enabled(d, IDC_ENTRY_DATE));
        EXPECT_EQ(TextOf(d, IDC_ENTRY_COME), "07:55");
        EXPECT_EQ(TextOf(d, IDC_ENTRY_GO) + TextOf(d, IDC_ENTRY_HOURS) + TextOf(d, IDC_ENTRY_REMARK), "");
        Type(d, IDC_ENTRY_GO, "16:00");
        Click(d, IDOK);
    });
    EXPECT_EQ(Kind(4), std::make_tuple(At(7, 55), At(16, 0), At(8, 5)));
}

TEST_F(TimeEntryDialogTest, HoursModeDisablesTheTimesAndIgnoresThem)
{
    Run(0, "05.06.2002", [&](HWND d) {
        Click(d, IDC_ENTRY_HOURS_MODE);
        EXPECT_FALSE(Enabled(d, IDC_ENTRY_COME));
        EXPECT_FALSE(Enabled(d, IDC_ENTRY_GO));
        EXPECT_TRUE(Enabled(d, IDC_ENTRY_HOURS));
        Type(d, IDC_ENTRY_GO, "01:00"); // before Kommen, but ignored
        Type(d, IDC_ENTRY_HOURS, "7:30");
        Type(d, IDC_ENTRY_REMARK, "Schulung");
        Click(d, IDOK);
    });
    EXPECT_EQ(Kind(5), std::make_tuple(TimeCode(DirectHours), TimeCode(DirectHours), At(7, 30)));
    EXPECT_STREQ(Entry(5).Info, "Schulung");
}

TEST_F(TimeEntryDialogTest, EachRefusalKeepsTheDialogOpenWithTheUsersText)
{
    const struct {
        bool hoursMode;
        const char *date, *come, *go, *hours, *message;
    } cases[] = {
        {false, "05.06.2002", "-1:00", "16:00", "", "Bitte geben Sie positive Zeiten für Kommen und Gehen ein."},
        {true, "05.06.2002", "", "", "-2:00", "Bitte geben Sie eine positive Stundenangabe ein."},
        {false, "05.07.2002", "08:00", "16:00", "", "Das Datum muß zwischen 01.06.2002 und 30.06.2002 liegen."},
        {false, "05.06.2002", "17:00", "08:00", "", "Die Kommen-Zeit muß kleiner sein als die Gehen-Zeit."},
    };
    const std::string before = Dump();
    for (const auto& c : cases) {
        Run(0, "", [&](HWND d) {
            if (c.hoursMode)
                Click(d, IDC_ENTRY_HOURS_MODE);
            const std::string texts[] = {c.date, c.come, c.go, c.hours};
            const int ids[] = {IDC_ENTRY_DATE, IDC_ENTRY_COME, IDC_ENTRY_GO, IDC_ENTRY_HOURS};
            for (int i = 0; i < 4; ++i)
                Type(d, ids[i], texts[i]);
            Click(d, IDOK);
            EXPECT_TRUE(IsOpen(d)) << c.message;
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(TextOf(d, ids[i]), texts[i]) << c.message;
            ExpectOnlyFrom(d, c.message, "Fehler");
            Click(d, IDCANCEL);
        });
    }
    EXPECT_EQ(Dump(), before);
}

TEST_F(TimeEntryDialogTest, AnEntryChangedMeanwhileIsShownAgainAndOverwrittenOnlyByTheNextOk)
{
    Add(3, At(8, 0), NO_TIME);
    Run(EntryKey(3, 1), "", [&](HWND d) {
        EXPECT_EQ(TextOf(d, IDC_ENTRY_GO), "??:??");
        Plan().RecordDeparture(); // "Erfassung: Gehen" from the tray
        Type(d, IDC_ENTRY_REMARK, "Termin");
        Click(d, IDOK);
        EXPECT_TRUE(IsOpen(d));
        EXPECT_EQ(TextOf(d, IDC_ENTRY_GO), "08:25");
        EXPECT_EQ(TextOf(d, IDC_ENTRY_REMARK), "");
        ExpectOnlyFrom(d, ENTRY_CHANGED_MEANWHILE, "Hinweis");
        Type(d, IDC_ENTRY_REMARK, "Termin");
        Click(d, IDOK);
    });
    EXPECT_EQ(Kind(3), std::make_tuple(At(8, 0), At(8, 25), At(0, 25)));
    EXPECT_STREQ(Entry(3).Info, "Termin");
}

TEST_F(TimeEntryDialogTest, WorksFromTheKeyboardAndKnowsFreeWeekdays)
{
    Run(0, "05.06.2002", [&](HWND d) {
        PressAlt(d, 's');
        WhenDialogOpens([&](HWND same) {
            EXPECT_TRUE(Checked(same, IDC_ENTRY_HOURS_MODE));
            EXPECT_TRUE(Enabled(same, IDC_ENTRY_HOURS));
            Type(same, IDC_ENTRY_HOURS, "4:00");
            PressKey(same, VK_RETURN);
        });
    });
    EXPECT_EQ(Kind(5), std::make_tuple(TimeCode(DirectHours), TimeCode(DirectHours), At(4, 0)));

    const std::string before = Dump();
    Run(0, "08.06.2002", [&](HWND d) {
        EXPECT_TRUE(Checked(d, IDC_ENTRY_NO_SALDO)) << "a Saturday has no regular time";
        Type(d, IDC_ENTRY_GO, "12:00");
        PressKey(d, VK_ESCAPE);
    });
    EXPECT_EQ(Dump(), before);
}

} // namespace
