#include <gtest/gtest.h>

#include "dialogs/commands.h"
#include "resources/resource_ids.h"
#include "tests/dialogs/dialog_fixture.h"

namespace {

class DialogCommandsTest : public DialogTest {
protected:
    DialogCommandsTest()
    {
        Open(5, 2002);
        AddKind(6, Vacation);
        AddKind(7, AccountCorrection);
        Add(8, At(8, 0), At(16, 0));
    }
};

// Each command opens its dialog with the selected row's date, in the order
// of the tab stops; "Abbrechen" leaves the plan alone, and the commands
// that count days save the settings all the same.
TEST_F(DialogCommandsTest, EachCommandOpensItsDialogWithTheSelectedDate)
{
    // The tab stops before "OK" and "Abbrechen".
    const std::vector<int> times = {IDC_ENTRY_TIMES_MODE, IDC_ENTRY_COME,     IDC_ENTRY_COME_NOW, IDC_ENTRY_GO,
                                    IDC_ENTRY_GO_NOW,     IDC_ENTRY_NO_SALDO, IDC_ENTRY_REMARK};
    std::vector<int> newTimes = times;
    newTimes.insert(newTimes.begin(), IDC_ENTRY_DATE);
    const std::vector<int> remark = {IDC_DAY_REMARK}, day = {IDC_DAY_DATE, IDC_DAY_REMARK},
                           days = {IDC_DAY_DATE, IDC_DAY_UNTIL, IDC_DAY_REMARK}, count = {IDC_DAYS_COUNT};
    const struct {
        UINT command;
        unsigned selectedDay;
        const char* title;
        std::vector<int> tabOrder;
        bool savesSettings;
    } cases[] = {
        {CMD_ENTER_WORK_TIME, 6, "Zeiterfassung", newTimes, false},
        {CMD_EDIT_ENTRY, 6, "Bemerkung ändern", remark, false},
        {CMD_EDIT_ENTRY, 7, "Bemerkung ändern", remark, false},
        {CMD_EDIT_ENTRY, 8, "Zeiterfassung", times, false},
        {CMD_ENTER_FLEXI_DAY, 6, "Gleittagerfassung", day, true},
        {CMD_ENTER_HOLIDAY, 6, "Feiertagserfassung", day, false},
        {CMD_ENTER_VACATION, 6, "Urlaubstageerfassung", days, true},
        {CMD_ENTER_SICK_DAYS, 6, "Krankheitstageerfassung", days, true},
        {CMD_ACCOUNT_CORRECTION, 6, "Zeitkonto korrigieren", {IDC_DAY_DATE, IDC_DAY_ACCOUNT, IDC_DAY_REMARK}, false},
        {CMD_VACATION_DAY_COUNT, 6, "Urlaubstage", count, true},
        {CMD_SICK_DAY_COUNT, 6, "Krankheitstage", count, true},
        {CMD_FLEXI_DAY_COUNT, 6, "Gleittage", count, true},
    };
    const std::string plan = Dump();
    for (const auto& c : cases) {
        std::remove(settings.SettingsPath);
        Select(c.selectedDay);
        WhenDialogOpens([&](HWND d) {
            EXPECT_EQ(TitleOf(d), c.title) << c.command;
            std::vector<int> tabOrder = c.tabOrder;
            tabOrder.insert(tabOrder.end(), {IDOK, IDCANCEL});
            EXPECT_EQ(TabOrder(d), tabOrder) << c.title;
            if (GetDlgItem(d, IDC_DAY_DATE) && c.command != CMD_EDIT_ENTRY) {
                EXPECT_EQ(TextOf(d, IDC_DAY_DATE), "06.05.2002") << c.title;
            }
            Click(d, IDCANCEL);
        });
        EXPECT_TRUE(RunDialogForCommand(c.command, nullptr, frame, &Plan()));
        EXPECT_EQ(ReadBytes(settings.SettingsPath) != "<missing>", c.savesSettings) << c.title;
    }
    EXPECT_EQ(Dump(), plan);
}

TEST_F(DialogCommandsTest, ATimeEntryThatBooksACountedDaySavesTheCount)
{
    const struct {
        const char *date, *letter, *saved;
    } cases[] = {{"10.05.2002", "G", "GDays=1"}, {"13.05.2002", "U", "Holidays=29"}};
    settings.Holidays = 30;
    for (const auto& c : cases) {
        std::remove(settings.SettingsPath);
        WhenDialogOpens([&](HWND d) {
            Type(d, IDC_ENTRY_DATE, c.date);
            Type(d, IDC_ENTRY_COME, c.letter);
            Click(d, IDOK);
        });
        EXPECT_TRUE(RunDialogForCommand(CMD_ENTER_WORK_TIME, nullptr, frame, &Plan()));
        EXPECT_NE(ReadBytes(settings.SettingsPath).find(c.saved), std::string::npos) << c.letter;
    }
}

TEST_F(DialogCommandsTest, OtherCommandsAndMissingPlansDoNothing)
{
    EXPECT_FALSE(RunDialogForCommand(CMD_OPTIONS, nullptr, frame, &Plan()));
    EXPECT_FALSE(RunDialogForCommand(CMD_ENTER_WORK_TIME, nullptr, frame, nullptr));
}

TEST_F(DialogCommandsTest, AskMonthPlanTellsWhetherAMonthWasChosen)
{
    for (bool ok : {true, false}) {
        unsigned month = 0, year = 0;
        WhenDialogOpens([&](HWND d) {
            EXPECT_EQ(TabOrder(d), (std::vector<int>{IDC_MONTH_LIST, IDC_MONTH_YEAR, IDOK, IDCANCEL}));
            PressKey(d, ok ? VK_RETURN : VK_ESCAPE);
        });
        EXPECT_EQ(AskMonthPlan(nullptr, frame, month, year), ok);
        EXPECT_EQ(month, ok ? 6u : 0u); // the clock stands in June 2001
    }
}

} // namespace
