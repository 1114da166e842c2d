// Random command sequences on the running program, in-process: menu, tool
// bar and tray commands (now and then "Beenden" and a new start), keys on the
// month plan list and timer ticks with a moving clock. Every dialog gets
// generated texts in its fields, clicks on its check boxes and then OK or
// "Abbrechen"; one that refuses its input is tried again and given up after
// a few tries; system dialogs are cancelled. After every command no dialog
// may be left open and the files must hold (plan_files_check.h). A failure
// names the seed (the test's parameter) and the command.
#include <windows.h>

#include <commctrl.h>

#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/shell.h"
#include "resources/resource_ids.h"
#include "tests/app/app_fixture.h"
#include "tests/framework/test_application.h"
#include "tests/soak/plan_files_check.h"
#include "tests/support/dialog_driver.h"

namespace {

constexpr std::uint32_t SEEDS[] = {1, 2, 3};
constexpr unsigned COMMANDS_PER_SEED = 120;

enum class Kind { Menu, Key, Tick, NextDay };

// Commands of one kind and weight: the menu's, tool bar's and tray's
// commands, keys to the month plan list, a timer tick, the next morning.
struct Commands {
    Kind kind;
    unsigned weight;
    std::vector<UINT> ids;
};

const Commands COMMANDS[] = {
    {Kind::Menu, 8, {CMD_ENTER_WORK_TIME}},
    {Kind::Menu, 5, {CMD_EDIT_ENTRY}},
    {Kind::Menu, 4, {CMD_RECORD_ARRIVAL, CMD_RECORD_DEPARTURE}},
    {Kind::Menu,
     3,
     {CMD_OPEN_MONTH_PLAN, CMD_CLOSE_MONTH_PLAN, CMD_OPTIONS, CMD_DELETE_ENTRY, CMD_PASTE_ENTRY, CMD_ENTER_FLEXI_DAY,
      CMD_ENTER_VACATION, CMD_ENTER_SICK_DAYS, CMD_ENTER_HOLIDAY, CMD_ACCOUNT_CORRECTION}},
    {Kind::Menu,
     2,
     {CMD_NEW_MONTH_PLAN, CMD_COPY_ENTRY, CMD_MOVE_ENTRY_UP, CMD_MOVE_ENTRY_DOWN, CMD_RETAKE_CARRY_OVER,
      CMD_COMPUTE_CURRENT_DAY, CMD_RECOMPUTE, CMD_FILL_MISSING_DAYS, CMD_TOGGLE_TIME_FORMAT, CMD_ACTIVATE_NEXT_CHILD}},
    {Kind::Menu,
     1,
     {CMD_DELETE_MONTH_PLAN_FILE,
      CMD_CLOSE_ALL,
      CMD_PRINT,
      CMD_QUIT,
      CMD_CLIPBOARD_EXPORT,
      CMD_RECOMPUTE_WEEKDAYS,
      CMD_VACATION_DAY_COUNT,
      CMD_SICK_DAY_COUNT,
      CMD_FLEXI_DAY_COUNT,
      CMD_MONTHLY_EVALUATION,
      CMD_MAXIMIZE_CHILD,
      CMD_RESTORE_CHILD,
      CMD_TILE_VERTICALLY,
      CMD_TILE_HORIZONTALLY,
      CMD_CASCADE_CHILDREN,
      CMD_ARRANGE_ICONS,
      CMD_ACTIVATE_PREVIOUS_CHILD,
      CMD_INFO,
      CMD_TRAY_OPEN,
      CMD_TRAY_HIDE}},
    {Kind::Key, 3, {VK_UP, VK_DOWN, VK_SPACE}},
    {Kind::Key, 2, {VK_DELETE}},
    {Kind::Key, 1, {VK_HOME, VK_END, VK_PRIOR, VK_NEXT}},
    {Kind::Tick, 6, {0}},
    {Kind::NextDay, 1, {0}},
};

// Texts no field means, some that look like what the files hold.
const char* const NONSENSE[] = {
    "",          "-",          "31.13.",     "24:01",      "12:60",       "abc",    "\xE4\xF6\xFC\xDF\x80",
    "G",         "-5",         "29.02.2005", "2147483647", "-2147483648", " 8:00 ", "[MAIN]",
    "Account=5", "\"quoted\"", "a\r\nb",     "%s%n",       "1,5",         "-0:30"};
// Remarks and headlines, and own days for the holidays page: every year, one year, a weekday rule.
const char* const REMARKS[] = {"Arzt",
                               "Dienstreise M\374nchen",
                               "24.12 :Heiligabend",
                               "ostersonntag-48 :Rosenmontag",
                               "12.06.2027 :Ausflug",
                               "01.11 +mo :Br\374ckentag"};
constexpr int FILE_NAME_FIELD = 1152; // edt1 of the system's file dialogs

// A field's kind: the ones before Folder also keep their text or get nonsense.
enum class Field { Date, Time, Hours, Count, Year, Remark, Folder, PlanFile };
enum class Act { Fill, Toggle, Choose, Press };

// What a person may do with each of these controls, each by chance.
struct Step {
    Act act;
    unsigned percent;
    Field field;
    std::vector<int> ids;
};

// The application's dialogs by a control that only they have, in this order
// (the time entry dialog also has the remark field of the day dialogs).
struct Script {
    const char* title; // or nullptr: by the marker
    int marker;
    std::vector<Step> steps;
};

constexpr Field NONE = Field::Remark;
const Script SCRIPTS[] = {
    {nullptr,
     IDC_ENTRY_TIMES_MODE,
     {{Act::Toggle,
       10,
       NONE,
       {IDC_ENTRY_TIMES_MODE, IDC_ENTRY_HOURS_MODE, IDC_ENTRY_COME_NOW, IDC_ENTRY_GO_NOW, IDC_ENTRY_NO_SALDO}},
      {Act::Fill, 40, Field::Date, {IDC_ENTRY_DATE}},
      {Act::Fill, 60, Field::Time, {IDC_ENTRY_COME, IDC_ENTRY_GO}},
      {Act::Fill, 40, Field::Hours, {IDC_ENTRY_HOURS}},
      {Act::Fill, 30, Field::Remark, {IDC_ENTRY_REMARK}}}},
    {nullptr,
     IDC_DAY_REMARK,
     {{Act::Fill, 50, Field::Date, {IDC_DAY_DATE, IDC_DAY_UNTIL}},
      {Act::Fill, 60, Field::Hours, {IDC_DAY_ACCOUNT}},
      {Act::Fill, 40, Field::Remark, {IDC_DAY_REMARK}}}},
    {nullptr,
     IDC_EXPORT_ALL_ENTRIES,
     {{Act::Toggle, 25, NONE, {IDC_EXPORT_MARKED_ONLY, IDC_EXPORT_ALL_ENTRIES}},
      {Act::Toggle, 20, NONE, {IDC_EXPORT_DATE, IDC_EXPORT_COME, IDC_EXPORT_GO, IDC_EXPORT_HOURS, IDC_EXPORT_SALDO}}}},
    {nullptr,
     IDC_MONTH_LIST,
     {{Act::Choose, 70, NONE, {IDC_MONTH_LIST}}, {Act::Fill, 50, Field::Year, {IDC_MONTH_YEAR}}}},
    {nullptr, IDC_DAYS_COUNT, {{Act::Fill, 100, Field::Count, {IDC_DAYS_COUNT}}}},
    {nullptr, IDC_MESSAGE_DONT_SHOW, {{Act::Toggle, 30, NONE, {IDC_MESSAGE_DONT_SHOW}}}},
    {"Monatsplan l\xF6schen", 0, {{Act::Fill, 100, Field::PlanFile, {FILE_NAME_FIELD}}}},
};

// The options sheet's pages in order, each visited by chance.
const std::vector<Step> PAGES[] = {
    {{Act::Choose, 5, NONE, {IDC_OPT_START_DAY}},
     {Act::Fill,
      25,
      Field::Time,
      {IDC_OPT_HOURS_PER_DAY, IDC_OPT_REST_PER_DAY, IDC_OPT_REST_PER_DAY2, IDC_OPT_REST_TIME, IDC_OPT_REST_TIME2,
       IDC_OPT_MAX_TIME, IDC_OPT_TIME_LAG}},
     {Act::Toggle,
      8,
      NONE,
      {IDC_OPT_MONDAY, IDC_OPT_MONDAY + 1, IDC_OPT_MONDAY + 2, IDC_OPT_MONDAY + 3, IDC_OPT_MONDAY + 4,
       IDC_OPT_MONDAY + 5, IDC_OPT_MONDAY + 6}},
     {Act::Toggle, 10, NONE, {IDC_OPT_EXTERN, IDC_OPT_WORK_TIME_RESTS, IDC_OPT_COM_FORMAT}}},
    {{Act::Toggle,
      15,
      NONE,
      {IDC_OPT_OPEN_MONTH, IDC_OPT_SELECT_DAY, IDC_OPT_SEPARATE, IDC_OPT_CHECK_MISSINGS, IDC_OPT_ICONS}},
     {Act::Choose, 10, NONE, {IDC_OPT_DESIGN}},
     {Act::Press, 2, NONE, {IDC_OPT_STRIPE_COLOUR, IDC_OPT_FREE_DAY_COLOUR}}},
    {{Act::Fill, 35, Field::Folder, {IDC_OPT_WORKING_DIR}}, {Act::Press, 4, NONE, {IDC_OPT_CHOOSE_DIR}}},
    {{Act::Toggle, 15, NONE, {IDC_OPT_WARN_WORK_TIME, IDC_OPT_WARN_ACCOUNT}},
     {Act::Fill, 30, Field::Hours, {IDC_OPT_W_WORK_TIME, IDC_OPT_W_ACCOUNT}}},
    {{Act::Fill, 30, Field::Remark, {IDC_OPT_HEADLINE1, IDC_OPT_HEADLINE2, IDC_OPT_HEADLINE3}}},
    {{Act::Choose, 20, NONE, {IDC_OPT_STATE}},
     {Act::Fill, 20, Field::Remark, {IDC_OPT_OWN_DAY}},
     {Act::Press, 20, NONE, {IDC_OPT_OWN_DAY_ADD}}},
};

// Answers every dialog the program opens while it lives, as a person with
// random intentions would; message boxes are left to the MessageBoxCatcher,
// their questions get Yes or No by chance. One seed gives one sequence on
// every platform (mt19937 is fixed by the standard; no distributions).
class DialogResponder {
public:
    DialogResponder(std::uint32_t seed, MessageBoxCatcher& boxes, const std::vector<std::string>& folders)
        : random_(seed), boxes_(boxes), folders_(folders)
    {
    }
    ~DialogResponder() { DisarmDialogScripts(); }

    unsigned Below(std::size_t count) { return static_cast<unsigned>(random_() % count); }
    bool Chance(unsigned percent) { return Below(100) < percent; }
    // Stays armed from then on: each answer arms it for the next dialog.
    void Arm()
    {
        WhenDialogOpens([this](HWND dialog) {
            Arm();
            Respond(dialog);
        });
    }
    // What it did since the last call, for a failure message.
    std::string TakeLog() { return std::exchange(log_, ""); }

    // The period plausible dates fall into and the folder of the plans.
    unsigned month = 10, year = 2005;
    std::string workingDir;

private:
    void Respond(HWND dialog)
    {
        if (IsMessageBox(dialog))
            return;
        const std::string title = TitleOf(dialog);
        log_ += " {" + title + "}";
        boxes_.AnswerYes(Chance(50));
        bool scripted = title == "Einstellungen";
        if (scripted) {
            for (int page = 0; page < static_cast<int>(std::size(PAGES)); ++page) {
                if (Chance(40) && PropSheet_SetCurSel(dialog, nullptr, page))
                    Play(PropSheet_GetCurrentPageHwnd(dialog), PAGES[page]);
            }
        }
        for (const Script& script : SCRIPTS) {
            if (!scripted && (script.title ? title == script.title : GetDlgItem(dialog, script.marker) != nullptr)) {
                Play(dialog, script.steps);
                scripted = true;
            }
        }
        const int tries = ++tries_[dialog];
        if (tries > 4)
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        else
            Press(dialog, scripted && tries < 4 && Chance(80) ? IDOK : IDCANCEL);
    }

    void Play(HWND dialog, const std::vector<Step>& steps)
    {
        for (const Step& step : steps) {
            for (const int id : step.ids) {
                if (GetDlgItem(dialog, id) && Enabled(dialog, id) && Chance(step.percent))
                    Do(dialog, id, step);
            }
        }
    }

    void Do(HWND dialog, int id, const Step& step)
    {
        log_ += " " + std::to_string(id);
        if (step.act == Act::Fill) {
            const std::string text = Text(step.field, TextOf(dialog, id));
            Type(dialog, id, text);
            log_ += "=\"" + text.substr(0, 40) + "\"";
        } else if (step.act == Act::Toggle) {
            Click(dialog, id);
        } else if (step.act == Act::Choose) {
            Choose(dialog, id, static_cast<int>(Below(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0))));
        } else {
            Press(dialog, id);
        }
    }

    // A button press as the dialog's own loop sees it, after this script has
    // returned: OK may open a message box or end the dialog.
    void Press(HWND dialog, int id)
    {
        log_ += " [" + std::to_string(id) + "]";
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }

    std::string Printed(const char* format, unsigned a, unsigned b, unsigned c = 0)
    {
        char text[64];
        std::snprintf(text, sizeof text, format, a, b, c);
        return text;
    }

    // The text it has, a plausible one of its kind, or nonsense (now and then overlong).
    std::string Text(Field field, const std::string& current)
    {
        const unsigned choice = Below(100);
        if (field < Field::Folder && choice < 30)
            return current;
        if (field < Field::Folder && choice >= 65)
            return Chance(85) ? NONSENSE[Below(std::size(NONSENSE))] : std::string(300 + Below(1700), '9');
        switch (field) {
        case Field::Date: // mostly in the open period; some days do not exist in it
            return Printed("%02u.%02u.%u", 1 + Below(31), Chance(85) ? month : 1 + Below(12), year);
        case Field::Time:
            return Printed("%02u:%02u", Below(24), Below(60));
        case Field::Hours:
            return Printed("%u:%02u", Below(13), Below(60));
        case Field::Count:
            return std::to_string(Below(41));
        case Field::Year:
            return std::to_string(Chance(80) ? year : 2004 + Below(4));
        case Field::Remark:
            return REMARKS[Below(std::size(REMARKS))];
        case Field::Folder:
            return folders_[Below(folders_.size())];
        case Field::PlanFile:
            break;
        }
        const std::map<std::string, std::string> plans = PlanFiles(workingDir);
        return plans.empty() ? current : std::next(plans.begin(), Below(plans.size()))->first;
    }

    std::mt19937 random_;
    MessageBoxCatcher& boxes_;
    const std::vector<std::string>& folders_;
    std::map<HWND, int> tries_;
    std::string log_;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM dialogs)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(dialogs)->push_back(window);
    return TRUE;
}

// The settings the recomputation of a plan depends on.
std::vector<std::int64_t> TimeProfile(const Settings& s)
{
    return {s.HoursPerDay, s.RestPerDay, s.RestTime, s.RestPerDay2, s.RestTime2,
            s.MaxTime,     s.WorkDays,   s.StartDay, s.Extern,      s.WorkTimeRests};
}

} // namespace

class RandomCommandsTest : public AppTest, public ::testing::WithParamInterface<std::uint32_t> {
protected:
    // A command by weight: its kind and its id.
    std::pair<Kind, UINT> Pick()
    {
        unsigned total = 0;
        for (const Commands& commands : COMMANDS)
            total += commands.weight * static_cast<unsigned>(commands.ids.size());
        unsigned pick = responder.Below(total);
        const Commands* commands = COMMANDS;
        for (; pick >= commands->weight * commands->ids.size(); ++commands)
            pick -= commands->weight * static_cast<unsigned>(commands->ids.size());
        return {commands->kind, commands->ids[pick / commands->weight]};
    }

    // Moves the fake clock on by whole minutes.
    void Advance(unsigned minutes)
    {
        const LocalTime now = clock.now;
        unsigned total = now.hour * 60 + now.minute + minutes, day = now.day, month = now.month, year = now.year;
        for (; total >= 24 * 60; total -= 24 * 60) {
            if (Calendar().IsValidDate(++day, month, year))
                continue;
            day = 1;
            year += month / 12;
            month = month % 12 + 1;
        }
        clock.Set(day, month, year, total / 60, total % 60);
    }

    void Run(Kind kind, UINT id)
    {
        const std::vector<std::int64_t> profile = TimeProfile(frame->GetSettings());
        // "Beenden" is confirmed less often than other questions; then the
        // program ends and starts again on its files, as from the autostart entry.
        const bool quit = id == CMD_QUIT && responder.Chance(25);
        boxes.AnswerYes(id == CMD_QUIT ? quit : responder.Chance(50));
        const unsigned minutesToday = clock.now.hour * 60 + clock.now.minute;
        if (kind == Kind::Menu && (id != CMD_DELETE_MONTH_PLAN_FILE || !Active()))
            Command(id); // "Löschen" is in the menu only while no plan is open
        else if (kind == Kind::Key && Active())
            SendMessageA(Active()->ListView(), WM_KEYDOWN, id, 1);
        else if (kind == Kind::Tick)
            Advance(1 + responder.Below(240));
        else if (kind == Kind::NextDay)
            Advance(24 * 60 * (1 + responder.Below(3)) - minutesToday + 6 * 60 + responder.Below(180));
        if (kind == Kind::Tick || kind == Kind::NextDay)
            SendMessageA(frame->Handle(), WM_TIMER, DAY_TIMER_ID, 0);
        Pump();
        if (quit && !TakeQuitMessage()) {
            restartFault = "\"Beenden\" was confirmed and the program went on";
        } else if (quit) {
            frame.reset();
            TakeQuitMessage();
            Start();
            Pump();
        }
        // A changed time profile leaves the plans computed with the old one:
        // the person who changed it recomputes the open ones, the closed ones
        // are recomputed when they open.
        if (TimeProfile(frame->GetSettings()) != profile) {
            MonthPlanWindow* active = Active();
            for (const std::string& folder : folders) {
                for (const auto& file : PlanFiles(folder))
                    stale.insert(PathKey(folder + "\\" + file.first));
            }
            for (HWND child = GetWindow(frame->MdiClient(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                if (MonthPlanWindow* window = MonthPlanWindowOf(child))
                    window->Plan().RecomputeMonthTimes();
            }
            if (active)
                SendMessageA(frame->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(active->Handle()), 0);
        }
        // The test's ticks are the only ones: the options restart the timer.
        KillTimer(frame->Handle(), DAY_TIMER_ID);
    }

    // What is wrong after a command, or "".
    std::string Fault()
    {
        if (!restartFault.empty())
            return restartFault;
        if (!IsWindow(frame->Handle()) || TakeQuitMessage())
            return "the program ended";
        std::vector<HWND> dialogs;
        EnumThreadWindows(GetCurrentThreadId(), CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
        if (!dialogs.empty())
            return "left open: \"" + TitleOf(dialogs[0]) + "\"";
        ShownLists lists;
        for (HWND child = GetWindow(frame->MdiClient(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (MonthPlanWindow* window = MonthPlanWindowOf(child)) {
                stale.erase(PathKey(window->Plan().path()));
                auto& rows = lists[PathKey(window->Plan().path())];
                for (int row = 0; row < ListView_GetItemCount(window->ListView()); ++row)
                    rows.push_back(RowTexts(window->ListView(), row));
            }
        }
        return CheckPlanFiles(folders, frame->GetSettings(), clock.now, lists, stale);
    }

    // What the folder page is given: the settings file's folder, one that
    // exists, one the first new plan creates, and one on no drive.
    const std::vector<std::string> folders = {folder.path().string(), folder.File("Zweiter Ordner"), folder.File("Neu"),
                                              "Q:\\Nirgends"};
    DialogResponder responder{GetParam(), boxes, folders};
    std::set<std::string> stale; // PathKey of the plans recomputed when they open
    std::string restartFault;
};

TEST_P(RandomCommandsTest, EveryCommandLeavesTheFilesConsistent)
{
    CreateDirectoryA(folders[1].c_str(), nullptr);
    Start();
    OpenPlan(10, 2005);
    KillTimer(frame->Handle(), DAY_TIMER_ID);
    responder.Arm();
    for (unsigned index = 0; index < COMMANDS_PER_SEED; ++index) {
        const auto [kind, id] = Pick();
        if (MonthPlanWindow* active = Active()) {
            responder.month = active->Plan().PlanMonth();
            responder.year = active->Plan().PlanYear();
        }
        responder.workingDir = frame->GetSettings().WorkingDir;
        const std::size_t boxesBefore = boxes.Caught().size();
        Run(kind, id);
        const std::string fault = Fault();
        const std::string dialogs = responder.TakeLog();
        std::string messages;
        for (std::size_t i = boxesBefore; i < boxes.Caught().size(); ++i)
            messages += "\n    " + boxes.Caught()[i].title + ": " + boxes.Caught()[i].text;
        ASSERT_EQ(fault, "") << "command #" << index << ": kind " << static_cast<int>(kind) << ", id " << id
                             << "\n  dialogs:" << dialogs << "\n  message boxes:" << messages;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomCommandsTest, ::testing::ValuesIn(SEEDS));
