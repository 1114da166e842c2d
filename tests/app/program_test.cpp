// The program's frame under Wine, in-process: each route from a menu command
// or the day timer to the core and back to the list, the tray tip, the status
// bar or the settings file. Quitting and the session's messages are the
// end-to-end tests' (tests/ui). The clock stands on 12 October 2005.
#include "tests/app/app_fixture.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>

#include "app/handler_results.h"
#include "app/list_view.h"
#include "core/evaluation.h"
#include "core/shell.h"
#include "resources/resource_ids.h"
#include "tests/framework/dialog_access.h"
#include "tests/support/dialog_driver.h"

namespace {

class ProgramTest : public AppTest {
protected:
    // The texts of the active plan's rows of the day, each "Kommen-Gehen".
    std::vector<std::string> Times(unsigned day)
    {
        std::vector<std::string> shown;
        const std::vector<ListRow>& rows = Active()->Plan().rows();
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const std::vector<std::string> texts = RowTexts(Active()->ListView(), static_cast<int>(row));
            if (KeyDay(rows[row].key) == day && texts[ColCome] != ".")
                shown.push_back(texts[ColCome] + "-" + texts[ColGo]);
        }
        return shown;
    }
    EntryRecord Entry(unsigned day)
    {
        EntryRecord entry{};
        Active()->Plan().ReadEntry(day, 1, entry);
        return entry;
    }
    bool MenuEnabled(UINT command)
    {
        return !(GetMenuState(GetMenu(frame->Handle()), command, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
    }
};

// The departure from the tray menu is the end-to-end tests'.
TEST_F(ProgramTest, ArrivalAndTimerShowInTheListTrayAndStatusBar)
{
    WriteOptions({"CheckMissings=0"});
    clock.Set(12, 10, 2005, 8, 0);
    Start();
    EXPECT_FALSE(MenuEnabled(CMD_PRINT));
    OpenPlan(10, 2005);
    EXPECT_TRUE(MenuEnabled(CMD_PRINT));
    Command(CMD_RECORD_ARRIVAL);
    EXPECT_EQ(Times(12), std::vector<std::string>{"08:00-08:00T"});

    clock.Set(12, 10, 2005, 9, 30);
    SendMessageA(frame->Handle(), WM_TIMER, DAY_TIMER_ID, 0);
    EXPECT_EQ(Times(12), std::vector<std::string>{"08:00-09:30T"});
    EXPECT_STREQ(frame->Tray().Tip(), "Kommen: 08:00, Stunden: 1:30, Saldo: -6:06, Konto: -6:06");
    char status[128] = {};
    SendMessageA(frame->StatusBar(), SB_GETTEXTA, 4, reinterpret_cast<LPARAM>(status));
    EXPECT_STREQ(status, "Feierabend um 16:06");
    EXPECT_TRUE(boxes.Caught().empty()) << boxes.Caught()[0].text;

    Command(CMD_CLOSE_MONTH_PLAN);
    EXPECT_EQ(Active(), nullptr);
    EXPECT_STREQ(frame->Tray().Tip(), TIP_TIMER_OFF);
    EXPECT_FALSE(MenuEnabled(CMD_PRINT));
}

// Without a settings file the welcome dialog comes first; OK saves and opens
// today's period.
TEST_F(ProgramTest, FirstStartWelcome)
{
    std::remove(Ini().c_str());
    WhenDialogOpens([](HWND welcome) {
        Type(welcome, IDC_WELCOME_FROM, "10.10.2005");
        Type(welcome, IDC_WELCOME_ACCOUNT, "-5:30");
        Click(welcome, IDOK);
    });
    Start();
    ASSERT_NE(Active(), nullptr);
    char text[32] = {};
    GetPrivateProfileStringA("Options", "RecordFrom", "", text, sizeof text, Ini().c_str());
    EXPECT_STREQ(text, "20051010");
    GetPrivateProfileStringA("MAIN", "Account", "", text, sizeof text, Active()->Plan().path().c_str());
    EXPECT_STREQ(text, "-330");
}

// Each menu command with a dialog is in the menu and reaches its dialog with
// the first row of a day selected (the 4th unless given); the fields typed and
// OK go through the core into the plan and the settings file, "Abbrechen"
// changes no plan, and the core's refusal keeps the dialog open with its
// message. Every dialog deletes itself. The evaluation answers in a box. (The
// templates of these dialogs exist: each is opened here; the folder chooser and
// the commands without a dialog are the random command runs'.)
TEST_F(ProgramTest, EachMenuCommandRunsItsDialog)
{
    WriteOptions({"SelectDay=0", "CheckMissings=0", "Holidays=30"});
    Start();
    OpenPlan(9, 2005);
    OpenPlan(10, 2005);
    // Every key of the accelerator table runs a command of the menu.
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(SWMENU));
    std::vector<ACCEL> keys(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, keys.data(), static_cast<int>(keys.size()));
    for (const ACCEL& key : keys)
        EXPECT_NE(GetMenuState(GetMenu(frame->Handle()), key.cmd, MF_BYCOMMAND), UINT(-1)) << key.cmd;
    EXPECT_EQ(Command(CMD_MONTHLY_EVALUATION), MSG_HANDLED);
    ASSERT_EQ(boxes.Caught().size(), 1u);
    EXPECT_EQ(boxes.Caught()[0].title, EVALUATION_TITLE);
    WhenDialogOpens([&](HWND d) {
        Type(d, IDC_ENTRY_DATE, "04.10.2005");
        Type(d, IDC_ENTRY_COME, "17:00");
        Type(d, IDC_ENTRY_GO, "08:00");
        Click(d, IDOK);
        EXPECT_TRUE(IsOpen(d));
        EXPECT_EQ(boxes.Caught().back().text, "Die Kommen-Zeit mu\337 kleiner sein als die Gehen-Zeit.");
        Type(d, IDC_ENTRY_COME, "08:00");
        Type(d, IDC_ENTRY_GO, "16:30");
        Click(d, IDOK);
    });
    EXPECT_EQ(Command(CMD_ENTER_WORK_TIME), MSG_HANDLED);
    EXPECT_EQ(Times(4), std::vector<std::string>{"08:00-16:30"});
    const auto booked = [this](unsigned day, EntryKind kind) { return Entry(day).Come == TimeCode(kind); };
    const auto saved = [this](const char* line) {
        const std::vector<std::string> options = SectionLines(Ini(), "Options");
        return std::count(options.begin(), options.end(), line) == 1;
    };
    const struct {
        UINT command;
        const char* title;
        std::vector<std::pair<int, const char*>> typed; // then OK; none: "Abbrechen"
        std::function<bool()> wrote;
        unsigned day = 4;
    } cases[] = {
        {CMD_NEW_MONTH_PLAN, "Monatsplan", {}, {}},
        {CMD_OPTIONS, "Einstellungen", {}, {}},
        {CMD_ENTER_WORK_TIME, "Zeiterfassung", {}, {}},
        {CMD_EDIT_ENTRY,
         "Zeiterfassung",
         {{IDC_ENTRY_COME, "07:30"}},
         [&] { return Times(4) == std::vector<std::string>{"07:30-16:30"}; }},
        {CMD_ENTER_FLEXI_DAY,
         "Gleittagerfassung",
         {{IDC_DAY_DATE, "10.10.2005"}},
         [&] { return booked(10, FlexiDay) && saved("GDays=1"); }},
        {CMD_ENTER_VACATION,
         "Urlaubstageerfassung",
         {{IDC_DAY_DATE, "13.10.2005"}, {IDC_DAY_UNTIL, "14.10.2005"}},
         [&] { return booked(14, Vacation) && saved("Holidays=28"); }},
        {CMD_EDIT_ENTRY,
         "Bemerkung \344ndern",
         {{IDC_DAY_REMARK, "Br\374ckentag"}},
         [&] { return std::string(Entry(13).Info) == "Br\374ckentag"; },
         13},
        {CMD_ENTER_SICK_DAYS,
         "Krankheitstageerfassung",
         {{IDC_DAY_DATE, "17.10.2005"}, {IDC_DAY_UNTIL, "17.10.2005"}},
         [&] { return booked(17, SickDay); }},
        {CMD_ENTER_HOLIDAY,
         "Feiertagserfassung",
         {{IDC_DAY_DATE, "18.10.2005"}},
         [&] { return booked(18, PublicHoliday); }},
        {CMD_ACCOUNT_CORRECTION,
         "Zeitkonto korrigieren",
         {{IDC_DAY_DATE, "06.10.2005"}, {IDC_DAY_ACCOUNT, "-12:30"}},
         [&] { return booked(6, AccountCorrection) && Entry(6).Account == -750; }},
        {CMD_VACATION_DAY_COUNT, "Urlaubstage", {}, {}},
        {CMD_SICK_DAY_COUNT, "Krankheitstage", {{IDC_DAYS_COUNT, "12"}}, [&] { return saved("Sickdays=12"); }},
        {CMD_FLEXI_DAY_COUNT, "Gleittage", {}, {}},
        {CMD_YEAR_OVERVIEW, "Jahres\374bersicht", {}, {}},
        {CMD_CLIPBOARD_EXPORT, "In Zwischenablage exportieren", {}, {}},
        {CMD_INFO, "Information", {}, {}},
        {CMD_OPEN_MONTH_PLAN,
         "Monatsplan",
         {{IDC_MONTH_LIST, "8"}, {IDC_MONTH_YEAR, "2005"}},
         [&] { return Active()->Plan().PlanMonth() == 9; }},
    };
    for (const auto& c : cases) {
        EXPECT_NE(GetMenuState(GetMenu(frame->Handle()), c.command, MF_BYCOMMAND), UINT(-1)) << c.command;
        ASSERT_TRUE(Active()->Plan().SelectEntryRow(c.day, 1));
        const std::string plan = ReadBytes(Active()->Plan().path());
        std::string title = "none";
        WhenDialogOpens([&](HWND d) {
            title = TitleOf(d);
            for (const auto& [id, text] : c.typed)
                id == IDC_MONTH_LIST ? Choose(d, id, std::atoi(text)) : Type(d, id, text);
            PostMessageA(d, WM_COMMAND, c.typed.empty() && c.command != CMD_INFO ? IDCANCEL : IDOK, 0);
        });
        Command(c.command);
        DisarmDialogScripts();
        EXPECT_EQ(title, c.title) << c.command;
        EXPECT_TRUE(c.wrote ? c.wrote() : ReadBytes(Active()->Plan().path()) == plan) << title;
        EXPECT_EQ(DialogTestAccess::LiveCount(), 0) << title;
    }
}

// The warning of the live computation has no owner: the plan under the
// computation may be closed meanwhile, and the computation must not touch it
// afterwards (freed_memory_check ends the program if it does).
TEST_F(ProgramTest, APlanClosedUnderItsWarningOutlivesTheComputation)
{
    WriteOptions({"CheckMissings=0", "WarnWorkTime=1", "WWorkTime=60"});
    clock.Set(12, 10, 2005, 6, 0);
    Start();
    OpenPlan(10, 2005);
    Command(CMD_RECORD_ARRIVAL);
    clock.Set(12, 10, 2005, 9, 0);
    HWND plan = Active()->Handle();
    bool warned = false;
    WhenDialogOpens([&](HWND warning) {
        warned = TitleOf(warning) == WARNING_TITLE;
        SendMessageA(plan, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_FALSE(IsWindow(plan));
        Click(warning, IDOK);
    });
    SendMessageA(frame->Handle(), WM_TIMER, DAY_TIMER_ID, 0);
    EXPECT_TRUE(warned);
    EXPECT_EQ(Active(), nullptr);
    Pump();
}

} // namespace
