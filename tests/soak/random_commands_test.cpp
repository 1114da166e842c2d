// Random command sequences on the running program, in-process: menu, tool
// bar and tray commands (now and then "Beenden" and a new start), keys on the
// month plan list and timer ticks with a moving clock. Every dialog gets
// generated texts in its fields, clicks on its check boxes and then OK or
// "Abbrechen"; one that refuses its input is tried again and given up after
// a few tries; system dialogs are cancelled. After every command no dialog
// may be left open and the open plans' files and lists must hold (Fault). A failure
// names the seed (the test's parameter) and the command's number. One seed
// gives one sequence on every platform (mt19937 is fixed by the standard; no
// distributions are used).
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/shell.h"
#include "fuzz/memory_file_system.h"
#include "ini/profile_engine.h"
#include "resources/resource_ids.h"
#include "tests/app/app_fixture.h"
#include "tests/support/dialog_driver.h"

namespace {

// Commands of one weight: the menu's, tool bar's and tray's commands, keys to
// the month plan list (virtual-key codes up to VK_DELETE; every command id is
// above them), a timer tick (now and then the next morning's).
constexpr UINT TICK = 0, LAST_KEY = VK_DELETE;
struct Commands {
    unsigned weight;
    std::vector<UINT> ids;
};

const Commands COMMANDS[] = {
    {8, {CMD_ENTER_WORK_TIME}},
    {5, {CMD_EDIT_ENTRY}},
    {4, {CMD_RECORD_ARRIVAL, CMD_RECORD_DEPARTURE}},
    {3,
     {CMD_OPEN_MONTH_PLAN, CMD_CLOSE_MONTH_PLAN, CMD_OPTIONS, CMD_DELETE_ENTRY, CMD_PASTE_ENTRY, CMD_ENTER_FLEXI_DAY,
      CMD_ENTER_VACATION, CMD_ENTER_SICK_DAYS, CMD_ENTER_HOLIDAY, CMD_ACCOUNT_CORRECTION}},
    {2,
     {CMD_NEW_MONTH_PLAN, CMD_COPY_ENTRY, CMD_MOVE_ENTRY_UP, CMD_MOVE_ENTRY_DOWN, CMD_RETAKE_CARRY_OVER,
      CMD_COMPUTE_CURRENT_DAY, CMD_RECOMPUTE, CMD_FILL_MISSING_DAYS, CMD_TOGGLE_TIME_FORMAT, CMD_ACTIVATE_NEXT_CHILD}},
    {1, {CMD_DELETE_MONTH_PLAN_FILE, CMD_CLOSE_ALL, CMD_PRINT, CMD_QUIT, CMD_CLIPBOARD_EXPORT}},
    {1, {CMD_RECOMPUTE_WEEKDAYS, CMD_VACATION_DAY_COUNT, CMD_SICK_DAY_COUNT, CMD_FLEXI_DAY_COUNT}},
    {1, {CMD_MONTHLY_EVALUATION, CMD_INFO, CMD_TRAY_OPEN, CMD_TRAY_HIDE, CMD_ACTIVATE_PREVIOUS_CHILD}},
    {1, {CMD_MAXIMIZE_CHILD, CMD_RESTORE_CHILD, CMD_TILE_VERTICALLY, CMD_TILE_HORIZONTALLY}},
    {1, {CMD_CASCADE_CHILDREN, CMD_ARRANGE_ICONS}},
    {3, {VK_UP, VK_DOWN, VK_SPACE}},
    {2, {VK_DELETE}},
    {1, {VK_HOME, VK_END, VK_PRIOR, VK_NEXT}},
    {6, {TICK}},
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
    std::vector<int> ids;
    Act act;
    unsigned percent;
    Field field = Field::Remark;
};

// The application's dialogs by their title or by a control that only they
// have, in this order (the time entry dialog also has the day dialogs' remark).
struct Script {
    const char* title;
    int marker;
    std::vector<Step> steps;
};

const Script SCRIPTS[] = {
    {"",
     IDC_ENTRY_TIMES_MODE,
     {{{IDC_ENTRY_TIMES_MODE, IDC_ENTRY_HOURS_MODE, IDC_ENTRY_NO_SALDO}, Act::Toggle, 10},
      {{IDC_ENTRY_COME_NOW, IDC_ENTRY_GO_NOW}, Act::Toggle, 10},
      {{IDC_ENTRY_DATE}, Act::Fill, 40, Field::Date},
      {{IDC_ENTRY_COME, IDC_ENTRY_GO}, Act::Fill, 60, Field::Time},
      {{IDC_ENTRY_HOURS}, Act::Fill, 40, Field::Hours},
      {{IDC_ENTRY_REMARK}, Act::Fill, 30}}},
    {"",
     IDC_DAY_REMARK,
     {{{IDC_DAY_DATE, IDC_DAY_UNTIL}, Act::Fill, 50, Field::Date},
      {{IDC_DAY_ACCOUNT}, Act::Fill, 60, Field::Hours},
      {{IDC_DAY_REMARK}, Act::Fill, 40}}},
    {"",
     IDC_EXPORT_ALL_ENTRIES,
     {{{IDC_EXPORT_MARKED_ONLY, IDC_EXPORT_ALL_ENTRIES}, Act::Toggle, 25},
      {{IDC_EXPORT_DATE, IDC_EXPORT_COME, IDC_EXPORT_GO, IDC_EXPORT_HOURS, IDC_EXPORT_SALDO}, Act::Toggle, 20}}},
    {"", IDC_MONTH_LIST, {{{IDC_MONTH_LIST}, Act::Choose, 70}, {{IDC_MONTH_YEAR}, Act::Fill, 50, Field::Year}}},
    {"", IDC_DAYS_COUNT, {{{IDC_DAYS_COUNT}, Act::Fill, 100, Field::Count}}},
    {"", IDC_MESSAGE_DONT_SHOW, {{{IDC_MESSAGE_DONT_SHOW}, Act::Toggle, 30}}},
    {"Monatsplan l\xF6schen", 0, {{{FILE_NAME_FIELD}, Act::Fill, 100, Field::PlanFile}}},
};

// The options sheet's pages in order, each visited by chance.
const std::vector<Step> PAGES[] = {
    {{{IDC_OPT_START_DAY}, Act::Choose, 5},
     {{IDC_OPT_HOURS_PER_DAY, IDC_OPT_REST_PER_DAY, IDC_OPT_REST_TIME, IDC_OPT_MAX_TIME}, Act::Fill, 25, Field::Time},
     {{IDC_OPT_REST_PER_DAY2, IDC_OPT_REST_TIME2, IDC_OPT_TIME_LAG}, Act::Fill, 25, Field::Time},
     {{IDC_OPT_MONDAY, IDC_OPT_MONDAY + 1, IDC_OPT_MONDAY + 2, IDC_OPT_MONDAY + 3}, Act::Toggle, 8},
     {{IDC_OPT_MONDAY + 4, IDC_OPT_MONDAY + 5, IDC_OPT_MONDAY + 6}, Act::Toggle, 8},
     {{IDC_OPT_EXTERN, IDC_OPT_WORK_TIME_RESTS, IDC_OPT_COM_FORMAT}, Act::Toggle, 10}},
    {{{IDC_OPT_OPEN_MONTH, IDC_OPT_SELECT_DAY, IDC_OPT_SEPARATE}, Act::Toggle, 15},
     {{IDC_OPT_CHECK_MISSINGS, IDC_OPT_ICONS}, Act::Toggle, 15},
     {{IDC_OPT_DESIGN}, Act::Choose, 10},
     {{IDC_OPT_STRIPE_COLOUR, IDC_OPT_FREE_DAY_COLOUR}, Act::Press, 2}},
    {{{IDC_OPT_WORKING_DIR}, Act::Fill, 35, Field::Folder}, {{IDC_OPT_CHOOSE_DIR}, Act::Press, 4}},
    {{{IDC_OPT_WARN_WORK_TIME, IDC_OPT_WARN_ACCOUNT}, Act::Toggle, 15},
     {{IDC_OPT_W_WORK_TIME, IDC_OPT_W_ACCOUNT}, Act::Fill, 30, Field::Hours}},
    {{{IDC_OPT_HEADLINE1, IDC_OPT_HEADLINE2, IDC_OPT_HEADLINE3}, Act::Fill, 30}},
    {{{IDC_OPT_STATE}, Act::Choose, 20}, {{IDC_OPT_OWN_DAY}, Act::Fill, 20}, {{IDC_OPT_OWN_DAY_ADD}, Act::Press, 20}},
};

// The settings the recomputation of a plan depends on.
std::vector<std::int64_t> TimeProfile(const Settings& s)
{
    return {s.HoursPerDay, s.RestPerDay, s.RestTime, s.RestPerDay2, s.RestTime2,
            s.MaxTime,     s.WorkDays,   s.StartDay, s.Extern,      s.WorkTimeRests};
}

// Each command as often as its weight.
std::vector<UINT> Bag()
{
    std::vector<UINT> bag;
    for (const Commands& commands : COMMANDS) {
        for (const UINT id : commands.ids)
            bag.insert(bag.end(), commands.weight, id);
    }
    return bag;
}

// Long runs by hand: STUNDWERK_FIRST_SEED, STUNDWERK_LAST_SEED, STUNDWERK_COMMANDS.
unsigned Env(const char* name, unsigned fallback)
{
    return std::getenv(name) ? static_cast<unsigned>(std::atoi(std::getenv(name))) : fallback;
}

std::string Printed(const char* format, unsigned a, unsigned b, unsigned c = 0)
{
    char text[64];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

// What must hold after every command, checked on each open month plan's
// file: it reads through the core to entries the program writes, its
// recomputation changes no byte, and the plan's list shows the rows the core
// builds from it. Everything runs on copies in memory: the checks never write
// a folder. (A closed plan is recomputed when it opens and checked then.)
using Rows = std::vector<std::vector<std::string>>;

// What the program writes as an entry: a real date with its weekday, times
// of day or codes, no departure before the arrival, a remark of one line.
bool IsStoredEntry(const EntryRecord& entry)
{
    const Calendar calendar;
    const auto IsClockTime = [](TimeValue value) { return value >= 0 && value <= 24 * 60; };
    const auto IsStoredTime = [&](TimeValue value) {
        return IsClockTime(value) || value == NO_TIME || IsTimeCode(value);
    };
    return calendar.IsValidDate(entry.day, entry.month, entry.year) &&
           entry.weekday == calendar.Weekday(entry.day, entry.month, entry.year) && IsStoredTime(entry.Come) &&
           IsStoredTime(entry.Go) && !(IsClockTime(entry.Come) && IsClockTime(entry.Go) && entry.Come > entry.Go) &&
           !std::strpbrk(entry.Info, "\r\n") && (entry.NoSaldo == 0 || entry.NoSaldo == 1);
}

// The list equals the rows, except the live values of today's open entry.
std::string CompareRows(const Rows& list, const std::vector<ListRow>& rows)
{
    if (list.size() != rows.size())
        return "the list has " + std::to_string(list.size()) + " rows, the file " + std::to_string(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        // The live computation shows today's open entry with its departure
        // marked "T" and the values of the moment in these columns.
        const bool live = !list[row][ColGo].empty() && list[row][ColGo].back() == 'T';
        for (int column = 0; column < LIST_COLUMNS; ++column) {
            if (live && (column == ColGo || column == ColHours || column == ColSaldo || column == ColAccount))
                continue;
            if (list[row][column] != rows[row].text[column])
                return "row " + std::to_string(row) + " column " + std::to_string(column) + ": the list shows \"" +
                       list[row][column] + "\", the file gives \"" + rows[row].text[column] + "\"";
        }
    }
    return "";
}

// A month plan: a name the program makes, MAIN naming its period, entries
// IsStoredEntry accepts, the list the core builds from it (a list shows a new
// time format from its next refresh on, so either format), and a
// recomputation that changes no byte.
std::string CheckPlan(const std::string& name, const std::string& bytes, Settings settings, const LocalTime& now,
                      const Rows& shown)
{
    unsigned month = 0, year = 0, startDay = 1;
    std::sscanf(name.c_str(), "%2u%4u_%u", &month, &year, &startDay);
    settings.StartDay = startDay;
    settings.WorkingDir[0] = '\0';
    if (month < 1 || month > 12 || MonthPlanFileName(settings, month, year) != name)
        return "not a file the program makes";
    settings.SelectDay = 0; // no selection: the recomputation fills no missing days
    settings.AutoTimer = 0; // no live computation of today
    std::strcpy(settings.SettingsPath, "stundwrk.ini");
    MemoryFileSystem files;
    files.Put(name, bytes);
    ProfileEngine engine(files);
    FakeClock clock;
    clock.now = now;
    RecordingPrompts prompts;
    FakeFrameShell shell;
    FrameCore core(settings, engine, clock, prompts, shell);
    shell.Attach(core);
    FakePlanView view;
    MonthPlan plan(core, view, month, year);
    if (plan.PlanMonth() != month || plan.PlanYear() != year)
        return "MAIN names " + std::to_string(plan.PlanMonth()) + "/" + std::to_string(plan.PlanYear());
    for (const unsigned day : PeriodDays::All(startDay)) {
        for (unsigned position = 1; position <= plan.EntryCount(day); ++position) {
            EntryRecord entry;
            plan.ReadEntry(day, position, entry);
            if (!IsStoredEntry(entry))
                return "[" + std::to_string(day) + "/" + std::to_string(position) + "] is no entry the program writes";
        }
    }
    plan.RefreshList();
    const std::string fault = CompareRows(shown, view.rows);
    settings.ComFormat = !settings.ComFormat;
    plan.RefreshList();
    if (!fault.empty() && !CompareRows(shown, view.rows).empty())
        return fault;
    plan.RecomputeMonthTimes();
    return files.files[name] == bytes ? "" : "the recomputation changes the file";
}

} // namespace

class RandomCommandsTest : public AppTest, public ::testing::WithParamInterface<unsigned> {
protected:
    ~RandomCommandsTest() override { DisarmDialogScripts(); }

    unsigned Below(std::size_t count) { return static_cast<unsigned>(engine() % count); }
    bool Chance(unsigned percent) { return Below(100) < percent; }

    // Moves the fake clock on by whole minutes.
    void Advance(unsigned minutes)
    {
        const unsigned total = clock.now.hour * 60 + clock.now.minute + minutes;
        const Calendar calendar;
        std::uint32_t year = 0, month = 0, day = 0;
        calendar.FromJulianDay(calendar.ToJulianDay(clock.now.year, clock.now.month, clock.now.day) + total / (24 * 60),
                               year, month, day);
        clock.Set(day, month, year, total / 60 % 24, total % 60);
    }

    std::vector<MonthPlanWindow*> OpenPlans()
    {
        std::vector<MonthPlanWindow*> plans;
        for (HWND child = GetWindow(frame->MdiClient(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (MonthPlanWindow* window = MonthPlanWindowOf(child))
                plans.push_back(window);
        }
        return plans;
    }

    void Run(UINT id)
    {
        const std::vector<std::int64_t> profile = TimeProfile(frame->GetSettings());
        // "Beenden" is confirmed less often than other questions; then the
        // program ends and starts again on its files, as from the autostart entry.
        const bool quit = id == CMD_QUIT && Chance(25);
        boxes.AnswerYes(id == CMD_QUIT ? quit : Chance(50));
        const unsigned minutesToday = clock.now.hour * 60 + clock.now.minute;
        if (id > LAST_KEY && (id != CMD_DELETE_MONTH_PLAN_FILE || !Active()))
            Command(id); // "Löschen" is in the menu only while no plan is open
        else if (id != TICK && id <= LAST_KEY && Active())
            SendMessageA(Active()->ListView(), WM_KEYDOWN, id, 1);
        else if (id == TICK && Chance(15))
            Advance(24 * 60 * (1 + Below(3)) - minutesToday + 6 * 60 + Below(180));
        else if (id == TICK)
            Advance(1 + Below(240));
        if (id == TICK)
            SendMessageA(frame->Handle(), WM_TIMER, DAY_TIMER_ID, 0);
        Pump();
        if (quit) {
            ASSERT_TRUE(TakeQuitMessage()) << "\"Beenden\" was confirmed and the program went on";
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
            for (MonthPlanWindow* window : OpenPlans())
                window->Plan().RecomputeMonthTimes();
            if (active)
                SendMessageA(frame->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(active->Handle()), 0);
        }
        // The test's ticks are the only ones: the options restart the timer.
        KillTimer(frame->Handle(), DAY_TIMER_ID);
    }

    // What is wrong after a command, or "".
    std::string Fault()
    {
        if (!IsWindow(frame->Handle()) || TakeQuitMessage())
            return "the program ended";
        for (HWND top = FindWindowExA(nullptr, nullptr, "#32770", nullptr); top;
             top = FindWindowExA(nullptr, top, "#32770", nullptr)) {
            if (IsWindowVisible(top) && GetWindowThreadProcessId(top, nullptr) == GetCurrentThreadId())
                return "left open: \"" + TitleOf(top) + "\"";
        }
        for (MonthPlanWindow* window : OpenPlans()) {
            Rows rows;
            for (int row = 0; row < ListView_GetItemCount(window->ListView()); ++row)
                rows.push_back(RowTexts(window->ListView(), row));
            const std::string& path = window->Plan().path();
            const std::string name = std::filesystem::path(path).filename().string();
            if (const std::string fault = CheckPlan(name, ReadBytes(path), frame->GetSettings(), clock.now, rows);
                !fault.empty())
                return path + ": " + fault;
        }
        return "";
    }

    // Answers each dialog the program opens, as a person with random
    // intentions would, and arms itself for the next one. Message boxes are
    // left to the MessageBoxCatcher; their questions get Yes or No by chance.
    void Respond(HWND dialog)
    {
        WhenDialogOpens([this](HWND next) { Respond(next); });
        if (IsMessageBox(dialog))
            return;
        const std::string title = TitleOf(dialog);
        boxes.AnswerYes(Chance(50));
        bool scripted = title == "Einstellungen";
        for (int page = 0; scripted && page < static_cast<int>(std::size(PAGES)); ++page) {
            if (Chance(40) && PropSheet_SetCurSel(dialog, nullptr, page))
                Play(PropSheet_GetCurrentPageHwnd(dialog), PAGES[page]);
        }
        for (const Script& script : SCRIPTS) {
            if (!scripted && (script.marker ? GetDlgItem(dialog, script.marker) != nullptr : title == script.title)) {
                Play(dialog, script.steps);
                scripted = true;
            }
        }
        const int attempt = ++tries[dialog];
        if (attempt > 4)
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        else
            Press(dialog, scripted && attempt < 4 && Chance(80) ? IDOK : IDCANCEL);
    }

    void Play(HWND dialog, const std::vector<Step>& steps)
    {
        for (const Step& step : steps) {
            for (const int id : step.ids) {
                if (!GetDlgItem(dialog, id) || !Enabled(dialog, id) || !Chance(step.percent))
                    continue;
                if (step.act == Act::Fill)
                    Type(dialog, id, Text(step.field, TextOf(dialog, id)));
                else if (step.act == Act::Toggle)
                    Click(dialog, id);
                else if (step.act == Act::Choose)
                    Choose(dialog, id, static_cast<int>(Below(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0))));
                else
                    Press(dialog, id);
            }
        }
    }

    // A button press as the dialog's own loop sees it, after this script has
    // returned: OK may open a message box or end the dialog.
    void Press(HWND dialog, int id)
    {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }

    // The text it has, a plausible one of its kind, or nonsense (now and then overlong).
    std::string Text(Field field, const std::string& current)
    {
        const unsigned choice = Below(100);
        if (field < Field::Folder && choice < 30)
            return current;
        if (field < Field::Folder && choice >= 65)
            return Chance(85) ? NONSENSE[Below(std::size(NONSENSE))] : std::string(300 + Below(1700), '9');
        // Dates mostly in the open period; some days do not exist in it.
        const unsigned month = Active() ? Active()->Plan().PlanMonth() : clock.now.month;
        const unsigned year = Active() ? Active()->Plan().PlanYear() : clock.now.year;
        switch (field) {
        case Field::Date:
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
            return folders[Below(folders.size())];
        case Field::PlanFile:
            break;
        }
        const std::map<std::string, std::string> plans = PlanFiles(frame->GetSettings().WorkingDir);
        return plans.empty() ? current : std::next(plans.begin(), Below(plans.size()))->first;
    }

    std::mt19937 engine{GetParam()};
    // What the folder page is given: the settings file's folder, one that
    // exists, one the first new plan creates, and one on no drive.
    const std::vector<std::string> folders = {folder.path().string(), folder.File("Zweiter Ordner"), folder.File("Neu"),
                                              "Q:\\Nirgends"};
    std::map<HWND, int> tries; // of each dialog
};

TEST_P(RandomCommandsTest, EveryCommandLeavesTheFilesConsistent)
{
    CreateDirectoryA(folders[1].c_str(), nullptr);
    Start();
    OpenPlan(10, 2005);
    KillTimer(frame->Handle(), DAY_TIMER_ID);
    WhenDialogOpens([this](HWND dialog) { Respond(dialog); });
    const std::vector<UINT> bag = Bag();
    for (unsigned index = 0; index < Env("STUNDWERK_COMMANDS", 120); ++index) {
        const UINT id = bag[Below(bag.size())];
        const std::size_t boxesBefore = boxes.Caught().size();
        ASSERT_NO_FATAL_FAILURE(Run(id)) << "command #" << index;
        const std::string fault = Fault();
        std::string messages;
        for (std::size_t i = boxesBefore; i < boxes.Caught().size(); ++i)
            messages += "\n    " + boxes.Caught()[i].title + ": " + boxes.Caught()[i].text;
        ASSERT_EQ(fault, "") << "command #" << index << ": id " << id << "\n  message boxes:" << messages;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomCommandsTest,
                         ::testing::Range(Env("STUNDWERK_FIRST_SEED", 1), Env("STUNDWERK_LAST_SEED", 3) + 1));
