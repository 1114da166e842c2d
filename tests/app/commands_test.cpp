// Which commands can be chosen with no, one and three plans open, with a
// maximised plan, and closing them all.
#include "tests/app/app_fixture.h"

#include <commctrl.h>

#include <array>

#include "app/handler_results.h"
#include "tests/controls/bb_control_access.h"
#include "resources/resource_ids.h"

namespace {

// What a person sees of the commands that need an open plan, in this order:
// the file items "Schl&ießen", "&Alles schließen" and "&Drucken...";
// "Lö&schen..."; the popups "&Bearbeiten" to "&Fenster"; the tool buttons
// (e.g. "Arbeitszeit erfassen"); the bar's "Kommen" and "Schließen".
using CommandStates = std::array<bool, 5>;

bool Enabled(UINT state)
{
    return (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

CommandStates StatesOf(MainFrame& frame, int menuOffset)
{
    HMENU menu = GetMenu(frame.Handle());
    HMENU file = GetSubMenu(menu, menuOffset);
    bool popups = true;
    for (int position = menuOffset + 1; position <= menuOffset + 4; ++position)
        popups = popups && Enabled(GetMenuState(menu, position, MF_BYPOSITION));
    const LRESULT tool = SendMessageA(frame.ToolBar(), TB_GETSTATE, CMD_ENTER_WORK_TIME, 0);
    return {Enabled(GetMenuState(file, CMD_CLOSE_MONTH_PLAN, MF_BYCOMMAND)) &&
                Enabled(GetMenuState(file, CMD_CLOSE_ALL, MF_BYCOMMAND)) &&
                Enabled(GetMenuState(file, CMD_PRINT, MF_BYCOMMAND)),
            Enabled(GetMenuState(file, CMD_DELETE_MONTH_PLAN_FILE, MF_BYCOMMAND)), popups,
            (tool & TBSTATE_ENABLED) && !(tool & TBSTATE_INDETERMINATE),
            !BBControlTestAccess::IsItemDisabled(*frame.ButtonBar(), 0, 0) &&
                !BBControlTestAccess::IsItemDisabled(*frame.ButtonBar(), 1, 2)};
}

constexpr CommandStates NO_PLAN{false, true, false, false, false};
constexpr CommandStates PLAN_OPEN{true, false, true, true, true};

} // namespace

TEST_F(AppTest, PlanCommandsAreEnabledWhilePlansAreOpen)
{
    Start();
    EXPECT_EQ(StatesOf(*frame, 0), NO_PLAN);
    EXPECT_FALSE(BBControlTestAccess::IsItemDisabled(*frame->ButtonBar(), 1, 0)) << "\"Neu\" stays usable";
    const std::pair<unsigned, unsigned> periods[] = {{10, 2005}, {11, 2005}, {12, 2005}};
    for (const auto& period : periods) {
        OpenPlan(period.first, period.second);
        EXPECT_EQ(StatesOf(*frame, 0), PLAN_OPEN);
    }
    EXPECT_EQ(Command(CMD_CLOSE_MONTH_PLAN), MSG_HANDLED);
    EXPECT_EQ(StatesOf(*frame, 0), PLAN_OPEN) << "two plans are left";

    EXPECT_EQ(Command(CMD_CLOSE_ALL), MSG_HANDLED);
    EXPECT_EQ(Active(), nullptr);
    EXPECT_EQ(FindWindowExA(frame->MdiClient(), nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(StatesOf(*frame, 0), NO_PLAN);
}

TEST_F(AppTest, AMaximisedPlanMovesThePopupsOnePositionRight)
{
    Start();
    OpenPlan(10, 2005);
    Command(CMD_MAXIMIZE_CHILD);
    ASSERT_TRUE(IsZoomed(Active()->Handle()));
    // Closing the last plan greys everything at the offset of the moment.
    Command(CMD_CLOSE_ALL);
    EXPECT_EQ(StatesOf(*frame, 0), NO_PLAN);

    OpenPlan(10, 2005);
    Command(CMD_MAXIMIZE_CHILD);
    OpenPlan(11, 2005);
    ASSERT_TRUE(IsZoomed(Active()->Handle()));
    EXPECT_EQ(StatesOf(*frame, 1), PLAN_OPEN);
}

// Only "Kommen" and "Gehen" tell that they need a plan.
TEST_F(AppTest, PlanCommandsWithoutAPlanDoNothing)
{
    Start();
    for (UINT command :
         {CMD_DELETE_ENTRY, CMD_COPY_ENTRY, CMD_PASTE_ENTRY, CMD_MOVE_ENTRY_UP, CMD_RECOMPUTE, CMD_FILL_MISSING_DAYS,
          CMD_TOGGLE_TIME_FORMAT, CMD_CLOSE_MONTH_PLAN, CMD_CLOSE_ALL, CMD_RECORD_ARRIVAL, CMD_RECORD_DEPARTURE})
        Command(command);
    EXPECT_EQ(MessageTexts(),
              (std::vector<std::string>{
                  "Hinweis: Es ist kein Monatsplan geöffnet.\n\nDer \"Kommen\"-Eintrag kann nicht vorgenommen werden.",
                  "Hinweis: Es ist kein Monatsplan geöffnet.\n\nDer \"Gehen\"-Eintrag kann nicht vorgenommen werden.",
              }));
    EXPECT_EQ(frame->GetSettings().ComFormat, 0u);
}

TEST_F(AppTest, MissingDaysAreFilledUpToTheMarkedEntry)
{
    // Today is Wednesday 12 October 2005; the mark is on Thursday the 6th
    // and stays there. The live computation's own filling up to today is off.
    for (UINT command : {CMD_FILL_MISSING_DAYS, CMD_RECOMPUTE}) {
        SCOPED_TRACE(command);
        WriteOptions({"SelectDay=0", "CheckMissings=0"});
        Start();
        MonthPlanWindow& window = OpenPlan(10, 2005);
        ASSERT_TRUE(window.Plan().SelectEntryRow(6, 1));
        const auto come = [&](unsigned day) {
            for (const ListRow& row : window.Plan().rows())
                if (row.key == EntryKey(day, 1))
                    return row.text[ColCome];
            return std::string("no row");
        };
        Command(command);
        EXPECT_EQ(come(4), "--.--");
        EXPECT_EQ(come(5), "--.--");
        EXPECT_EQ(come(6), ".");
        EXPECT_EQ(come(11), ".");
        const std::string file = window.Plan().path();
        frame.reset();
        std::remove(file.c_str());
    }
}

TEST_F(AppTest, TimeFormatToggleTwiceShowsTheFirstFormatAgain)
{
    Start();
    MonthPlanWindow& window = OpenPlan(10, 2005);
    AddEntry(4, At(8, 0), At(16, 45));
    const auto hours = [&] { return RowTexts(window.ListView(), 3)[ColHours]; };
    const std::string first = hours();
    Command(CMD_TOGGLE_TIME_FORMAT);
    EXPECT_NE(hours(), first);
    Command(CMD_TOGGLE_TIME_FORMAT);
    EXPECT_EQ(hours(), first);
}

TEST_F(AppTest, ToolTipsNameTheCommands)
{
    Start();
    const struct {
        UINT command;
        const char* tip;
    } cases[] = {
        {CMD_ENTER_WORK_TIME, "Arbeitszeit erfassen"},
        {CMD_CLOSE_MONTH_PLAN, "Monatsplan schliessen"},
        {CMD_PASTE_ENTRY, "Eintrag einfügen"},
        {CMD_COMPUTE_CURRENT_DAY, "Aktuellen Tag berechnen"},
        {CMD_RECORD_ARRIVAL, "Sorry - keine Hilfe vorhanden!"},
    };
    for (const auto& c : cases) {
        NMTTDISPINFOA request{};
        request.hdr.hwndFrom = frame->ToolBar();
        request.hdr.idFrom = c.command;
        request.hdr.code = TTN_NEEDTEXTA;
        SendMessageA(frame->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        EXPECT_STREQ(request.szText, c.tip);
    }
}

// A plan file that cannot be written: "Kommen" tells so once, names the file,
// and the list shows what the file holds, not the lost arrival.
TEST_F(AppTest, ArrivalOnAReadOnlyPlanIsToldOnce)
{
    WriteOptions({"SelectDay=0", "CheckMissings=0"});
    Start();
    MonthPlanWindow& window = OpenPlan(10, 2005);
    const std::string file = window.Plan().path();
    const std::string before = ReadBytes(file);
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    Command(CMD_RECORD_ARRIVAL);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);

    ASSERT_EQ(MessageTexts().size(), 1u);
    EXPECT_STREQ(boxes.Caught()[0].title.c_str(), WARNING_TITLE);
    EXPECT_NE(boxes.Caught()[0].text.find(".SW\" konnte nicht gespeichert werden."), std::string::npos)
        << boxes.Caught()[0].text;
    EXPECT_EQ(ReadBytes(file), before);
    const auto rows = static_cast<int>(SendMessageA(window.ListView(), LVM_GETITEMCOUNT, 0, 0));
    ASSERT_GT(rows, 0);
    for (int row = 0; row < rows; ++row)
        EXPECT_NE(RowTexts(window.ListView(), row)[ColCome], "09:00") << "row " << row;
}
