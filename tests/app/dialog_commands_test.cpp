// The commands that open a dialog, on the real frame and the real dialogs,
// driven through their controls. The clock stands on 12 October 2005.
#include "tests/app/app_fixture.h"

#include <commctrl.h>

#include <functional>

#include "app/handler_results.h"
#include "core/evaluation.h"
#include "resources/resource_ids.h"
#include "tests/support/dialog_driver.h"

namespace {

constexpr const char* START_DAY_TITLE = "1. Abrechnungstag geändert";
constexpr const char* ENTER_MANUALLY =
    "Hinweis: Es konnte kein Zeitkontostand übernommen werden.\n\nGeben Sie den Kontostand bei Bedarf manuell ein.";

void ChooseMonth(HWND dialog, unsigned month, const char* year)
{
    EXPECT_EQ(TitleOf(dialog), "Monatsplan");
    Choose(dialog, IDC_MONTH_LIST, static_cast<int>(month) - 1);
    Type(dialog, IDC_MONTH_YEAR, year);
    Click(dialog, IDOK);
}

class DialogCommandsTest : public AppTest {
protected:
    std::string ActiveFile() { return Active() ? Active()->Plan().path() : "none"; }
    int OpenPlans()
    {
        int count = 0;
        for (HWND child = GetWindow(frame->MdiClient(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            count += GetWindow(child, GW_OWNER) == nullptr;
        return count;
    }
    // The titles of the message boxes from the first-th on.
    std::vector<std::string> Titles(std::size_t first = 0) const
    {
        std::vector<std::string> titles;
        for (std::size_t i = first; i < boxes.Caught().size(); ++i)
            titles.push_back(boxes.Caught()[i].title);
        return titles;
    }
    // Whether the day timer was running; it is stopped afterwards.
    bool TakeDayTimer() { return KillTimer(frame->Handle(), DAY_TIMER_ID) != FALSE; }
};

TEST_F(DialogCommandsTest, TheMonthDialogOpensThePlanItNames)
{
    const struct {
        const char* what;
        UINT command;
        std::function<void(HWND)> answer;
        const char* file; // of the plan that opens, or none
        std::vector<std::string> titles;
    } cases[] = {
        // October has no plan: the carry-over question, answered No.
        // No account from another month: the account starts at 0:00, told.
        {"Neu, November",
         CMD_NEW_MONTH_PLAN,
         [](HWND d) { ChooseMonth(d, 11, "2005"); },
         "112005.SW",
         {"Frage", "Hinweis"}},
        {"Öffnen, Abbrechen", CMD_OPEN_MONTH_PLAN, [](HWND d) { Click(d, IDCANCEL); }, nullptr, {}},
        // The proposed month is today's; opening a missing plan asks first.
        {"Öffnen, October as proposed, not created",
         CMD_OPEN_MONTH_PLAN,
         [](HWND d) {
             EXPECT_EQ(TextOf(d, IDC_MONTH_LIST) + " " + TextOf(d, IDC_MONTH_YEAR), "Oktober 2005");
             PressKey(d, VK_RETURN);
         },
         nullptr,
         {"Frage"}},
        {"Öffnen, November", CMD_OPEN_MONTH_PLAN, [](HWND d) { ChooseMonth(d, 11, "2005"); }, "112005.SW", {}},
    };
    Start();
    for (const auto& c : cases) {
        Command(CMD_CLOSE_ALL);
        boxes.AnswerYes(false);
        const auto before = boxes.Caught().size();
        WhenDialogOpens(c.answer);
        EXPECT_EQ(Command(c.command), MSG_HANDLED) << c.what;
        EXPECT_EQ(ActiveFile(), c.file ? folder.File(c.file) : "none") << c.what;
        EXPECT_EQ(OpenPlans(), c.file ? 1 : 0) << c.what;
        EXPECT_EQ(Titles(before), c.titles) << c.what;
    }
    EXPECT_EQ(ReadBytes(folder.File("102005.SW")), "<missing>");
}

// A second window on the same file would keep rows that the first one's
// changes make stale.
TEST_F(DialogCommandsTest, OpeningAnOpenPlanActivatesItsWindow)
{
    Start();
    OpenPlan(10, 2005);
    OpenPlan(11, 2005);
    for (UINT command : {CMD_OPEN_MONTH_PLAN, CMD_NEW_MONTH_PLAN}) {
        boxes.AnswerYes(true); // "existiert bereits. Soll der Monatsplan geöffnet werden?"
        WhenDialogOpens([](HWND d) { ChooseMonth(d, 10, "2005"); });
        Command(command);
        EXPECT_EQ(OpenPlans(), 2) << command;
        EXPECT_EQ(ActiveFile(), folder.File("102005.SW")) << command;
        OpenPlan(11, 2005);
        EXPECT_EQ(OpenPlans(), 2) << command;
    }
}

// After "Verzeichnis" changed, the same period is another file: the old
// folder's open window is not its window, but the same folder written in
// other letters is the same folder.
TEST_F(DialogCommandsTest, AnOpenWindowIsReusedOnlyForTheSameFile)
{
    Start();
    OpenPlan(10, 2005);
    AddEntry(4, At(8, 0), At(16, 0));
    const std::string first = ActiveFile();
    const std::string firstBytes = ReadBytes(first);
    std::string upper = folder.path().string();
    CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    const struct {
        const char* what;
        std::string workingDir;
        UINT command;
        std::string active;
        int plans;
    } cases[] = {
        {"Neu in another folder", folder.File("B"), CMD_NEW_MONTH_PLAN, folder.File("B\\102005.SW"), 2},
        {"Öffnen in another folder", folder.File("B"), CMD_OPEN_MONTH_PLAN, folder.File("B\\102005.SW"), 2},
        {"Öffnen in the same folder in capitals", upper, CMD_OPEN_MONTH_PLAN, first, 1},
    };
    for (const auto& c : cases) {
        if (ActiveFile() != first)
            Command(CMD_CLOSE_MONTH_PLAN);
        lstrcpynA(frame->GetSettings().WorkingDir, c.workingDir.c_str(), sizeof frame->GetSettings().WorkingDir);
        boxes.AnswerYes(false);
        WhenDialogOpens([](HWND d) { ChooseMonth(d, 10, "2005"); });
        Command(c.command);
        EXPECT_EQ(ActiveFile(), c.active) << c.what;
        EXPECT_EQ(OpenPlans(), c.plans) << c.what;
        EXPECT_EQ(ReadBytes(first), firstBytes) << c.what;
    }
    EXPECT_NE(ReadBytes(folder.File("B\\102005.SW")).find("[4/1]"), std::string::npos) << "the new period is filled";
}

// A new plan whose previous period has no file: the user wants to take the
// account from another month, then cancels the month dialog.
TEST_F(DialogCommandsTest, CancelledCarryOverMonthLeavesTheAccountToTheUser)
{
    Start();
    boxes.AnswerYes(true);
    std::string proposed;
    WhenDialogOpens([&](HWND d) {
        ChooseMonth(d, 11, "2005");
        WhenDialogOpens([&](HWND carryOver) {
            proposed = TextOf(carryOver, IDC_MONTH_LIST) + " " + TextOf(carryOver, IDC_MONTH_YEAR);
            boxes.AnswerYes(false); // "Wollen Sie aus einem anderen Monat übernehmen?": No
            Click(carryOver, IDCANCEL);
        });
    });
    Command(CMD_NEW_MONTH_PLAN);
    EXPECT_EQ(proposed, "Oktober 2005") << "the previous period";
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Frage", "Hinweis", "Hinweis"}));
    ASSERT_FALSE(MessageTexts().empty());
    EXPECT_EQ(MessageTexts().back(), ENTER_MANUALLY);
    EXPECT_EQ(ActiveFile(), folder.File("112005.SW"));
    EXPECT_NE(ReadBytes(ActiveFile()).find("Account=0"), std::string::npos);
}

TEST_F(DialogCommandsTest, OptionsApplyTheStartDayAndAlwaysSaveAndRestartTheTimer)
{
    // The period that holds 12 October under start day 15 begins in September.
    WriteBytes(folder.File("092005_15.SW"), "[MAIN]\r\nAccount=0\r\nMonth=9\r\nYear=2005\r\n");
    const struct {
        const char* what;
        std::function<void(HWND)> answer;
        std::vector<std::string> titles;
        const char* file; // of the active plan afterwards
        int plans;
        const char* saved;
    } cases[] = {
        {"Abbrechen", [](HWND sheet) { Click(sheet, IDCANCEL); }, {}, "112005.SW", 2, "StartDay=1\r\n"},
        {"start day 15",
         [](HWND sheet) {
             HWND page = PropSheet_GetCurrentPageHwnd(sheet);
             Choose(page, IDC_OPT_START_DAY, 14);
             Click(sheet, IDOK);
         },
         {START_DAY_TITLE},
         "092005_15.SW",
         1,
         "StartDay=15\r\n"},
    };
    Start();
    for (const auto& c : cases) {
        Command(CMD_CLOSE_ALL);
        OpenPlan(10, 2005);
        OpenPlan(11, 2005);
        boxes.AnswerYes(false);
        const auto before = boxes.Caught().size();
        std::remove(Ini().c_str());
        TakeDayTimer();
        WhenDialogOpens([&](HWND sheet) {
            EXPECT_EQ(TitleOf(sheet), "Einstellungen");
            c.answer(sheet);
        });
        EXPECT_EQ(Command(CMD_OPTIONS), MSG_HANDLED);
        EXPECT_EQ(Titles(before), c.titles) << c.what;
        EXPECT_EQ(ActiveFile(), folder.File(c.file)) << c.what;
        EXPECT_EQ(OpenPlans(), c.plans) << c.what;
        EXPECT_NE(ReadBytes(Ini()).find(c.saved), std::string::npos) << c.what;
        EXPECT_TRUE(TakeDayTimer()) << c.what;
    }
}

// Under start day 15, 12 October 2005 lies in the period of September: the
// open plan of September under start day 1 is not that period's plan. A
// tick that comes while the notice of the change is read computes nothing on
// it nor on October's.
TEST_F(DialogCommandsTest, ATickUnderTheStartDayNoticeChangesNoPlan)
{
    Start();
    OpenPlan(10, 2005);
    OpenPlan(9, 2005);
    const auto plans = [&] { return ReadBytes(folder.File("092005.SW")) + ReadBytes(folder.File("102005.SW")); };
    const std::string before = plans();
    WhenDialogOpens([&](HWND sheet) {
        Choose(PropSheet_GetCurrentPageHwnd(sheet), IDC_OPT_START_DAY, 14);
        // Waits behind the sheet's end; the notice's own loop takes it.
        PostMessageA(frame->Handle(), WM_TIMER, DAY_TIMER_ID, 0);
        Click(sheet, IDOK);
    });
    boxes.AnswerYes(false);
    Command(CMD_OPTIONS);
    ASSERT_FALSE(Titles().empty());
    EXPECT_EQ(Titles()[0], START_DAY_TITLE);
    EXPECT_EQ(plans(), before);
}

TEST_F(DialogCommandsTest, ATimeEntryFromTheCommandShowsInTheListAndTheEvaluation)
{
    Start();
    MonthPlanWindow& window = OpenPlan(10, 2005);
    WhenDialogOpens([](HWND d) {
        EXPECT_EQ(TitleOf(d), "Zeiterfassung");
        Type(d, IDC_ENTRY_DATE, "05.10.2005");
        Type(d, IDC_ENTRY_COME, "08:00");
        Type(d, IDC_ENTRY_GO, "16:30");
        Click(d, IDOK);
    });
    EXPECT_EQ(Command(CMD_ENTER_WORK_TIME), MSG_HANDLED);
    const int rows = ListView_GetItemCount(window.ListView());
    std::vector<std::string> found;
    for (int row = 0; row < rows; ++row) {
        const std::vector<std::string> texts = RowTexts(window.ListView(), row);
        if (texts[ColCome] == "08:00")
            found.push_back(texts[ColDate] + " " + texts[ColCome] + "-" + texts[ColGo] + " " + texts[ColHours]);
    }
    EXPECT_EQ(found, std::vector<std::string>{"05.10.2005 08:00-16:30 8:30"});

    EXPECT_EQ(Command(CMD_MONTHLY_EVALUATION), MSG_HANDLED);
    EXPECT_EQ(Titles(), std::vector<std::string>{EVALUATION_TITLE});
}

} // namespace
