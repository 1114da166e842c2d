// Which commands can be chosen with no, one and three plans open, with a
// maximised plan, and closing them all.
#include "tests/app/app_fixture.h"

#include <commctrl.h>

#include "app/handler_results.h"
#include "resources/resource_ids.h"

namespace {

// What a person sees of the commands that need an open plan.
struct CommandStates {
    bool fileItems;   // "Schl&ießen", "&Alles schließen", "&Drucken..."
    bool deleteFile;  // "Lö&schen..."
    bool popups;      // "&Bearbeiten" to "&Fenster"
    bool toolButtons; // e.g. "Arbeitszeit erfassen"
    bool barItems;    // "Kommen" and "Schließen"

    bool operator==(const CommandStates& other) const
    {
        return fileItems == other.fileItems && deleteFile == other.deleteFile && popups == other.popups &&
               toolButtons == other.toolButtons && barItems == other.barItems;
    }
};

std::ostream& operator<<(std::ostream& out, const CommandStates& s)
{
    return out << "file " << s.fileItems << ", delete " << s.deleteFile << ", popups " << s.popups << ", tools "
               << s.toolButtons << ", bar " << s.barItems;
}

bool Enabled(UINT state)
{
    return (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

CommandStates StatesOf(MainFrame& frame, int menuOffset)
{
    HMENU menu = GetMenu(frame.Handle());
    HMENU file = GetSubMenu(menu, menuOffset);
    CommandStates states{};
    states.fileItems = Enabled(GetMenuState(file, CMD_CLOSE_MONTH_PLAN, MF_BYCOMMAND)) &&
                       Enabled(GetMenuState(file, CMD_CLOSE_ALL, MF_BYCOMMAND)) &&
                       Enabled(GetMenuState(file, CMD_PRINT, MF_BYCOMMAND));
    states.deleteFile = Enabled(GetMenuState(file, CMD_DELETE_MONTH_PLAN_FILE, MF_BYCOMMAND));
    states.popups = true;
    for (int position = menuOffset + 1; position <= menuOffset + 4; ++position)
        states.popups = states.popups && Enabled(GetMenuState(menu, position, MF_BYPOSITION));
    const LRESULT tool = SendMessageA(frame.ToolBar(), TB_GETSTATE, CMD_ENTER_WORK_TIME, 0);
    states.toolButtons = (tool & TBSTATE_ENABLED) && !(tool & TBSTATE_INDETERMINATE);
    states.barItems = !frame.ButtonBar()->IsItemDisabled(0, 0) && !frame.ButtonBar()->IsItemDisabled(1, 2);
    return states;
}

constexpr CommandStates NO_PLAN{false, true, false, false, false};
constexpr CommandStates PLAN_OPEN{true, false, true, true, true};

} // namespace

TEST_F(AppTest, PlanCommandsAreEnabledWhilePlansAreOpen)
{
    Start();
    EXPECT_EQ(StatesOf(*frame, 0), NO_PLAN);
    EXPECT_FALSE(frame->ButtonBar()->IsItemDisabled(1, 0)) << "\"Neu\" stays usable";
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

TEST_F(AppTest, PlanCommandsWithoutAPlanDoNothing)
{
    Start();
    for (UINT command : {CMD_DELETE_ENTRY, CMD_COPY_ENTRY, CMD_PASTE_ENTRY, CMD_MOVE_ENTRY_UP, CMD_RECOMPUTE,
                         CMD_FILL_MISSING_DAYS, CMD_TOGGLE_TIME_FORMAT, CMD_CLOSE_MONTH_PLAN, CMD_CLOSE_ALL})
        Command(command);
    EXPECT_TRUE(boxes.Caught().empty());
    EXPECT_EQ(frame->GetSettings().ComFormat, 0u);
}
