// Random command sequences on the running program, in-process: menu, tool
// bar and tray commands (now and then "Beenden" and a new start), keys on the
// month plan list and timer ticks with a moving clock, each dialog answered
// with generated input (dialog_responder.h). After every command no dialog
// may be left open and the files must hold (plan_files_check.h). A seed gives
// one sequence; a failure names the seed and the command, and
//   STUNDWERK_SEED=<seed> STUNDWERK_COMMANDS=<count> [STUNDWERK_TRACE=1]
// runs that seed alone up to that command (the trace prints each command).
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "calendar/calendar.h"
#include "resources/resource_ids.h"
#include "tests/app/app_fixture.h"
#include "tests/soak/dialog_responder.h"
#include "tests/soak/plan_files_check.h"
#include "tests/framework/test_application.h"
#include "tests/support/dialog_driver.h"

namespace {

// The seeds CTest runs and the commands of each.
constexpr std::uint32_t FIXED_SEEDS[] = {1, 2, 3};
constexpr unsigned FIXED_COMMANDS = 120;

enum class Kind { Menu, Key, Tick, NextDay };

struct RandomCommand {
    const char* name;
    Kind kind;
    UINT id; // the command, or the key
    unsigned weight;
};

constexpr RandomCommand COMMANDS[] = {
    {"Neu", Kind::Menu, CMD_NEW_MONTH_PLAN, 2},
    {"Öffnen", Kind::Menu, CMD_OPEN_MONTH_PLAN, 3},
    {"Löschen (Datei)", Kind::Menu, CMD_DELETE_MONTH_PLAN_FILE, 1},
    {"Schließen", Kind::Menu, CMD_CLOSE_MONTH_PLAN, 3},
    {"Alles schließen", Kind::Menu, CMD_CLOSE_ALL, 1},
    {"Einstellungen", Kind::Menu, CMD_OPTIONS, 3},
    {"Drucken", Kind::Menu, CMD_PRINT, 1},
    {"Beenden", Kind::Menu, CMD_QUIT, 1},
    {"Eintrag ändern", Kind::Menu, CMD_EDIT_ENTRY, 5},
    {"Eintrag löschen", Kind::Menu, CMD_DELETE_ENTRY, 3},
    {"Eintrag kopieren", Kind::Menu, CMD_COPY_ENTRY, 2},
    {"Eintrag einfügen", Kind::Menu, CMD_PASTE_ENTRY, 3},
    {"Eintrag nach oben", Kind::Menu, CMD_MOVE_ENTRY_UP, 2},
    {"Eintrag nach unten", Kind::Menu, CMD_MOVE_ENTRY_DOWN, 2},
    {"In Zwischenablage exportieren", Kind::Menu, CMD_CLIPBOARD_EXPORT, 1},
    {"Arbeitszeit erfassen", Kind::Menu, CMD_ENTER_WORK_TIME, 8},
    {"Gleittag", Kind::Menu, CMD_ENTER_FLEXI_DAY, 3},
    {"Urlaub", Kind::Menu, CMD_ENTER_VACATION, 3},
    {"Krankheit", Kind::Menu, CMD_ENTER_SICK_DAYS, 3},
    {"Feiertag", Kind::Menu, CMD_ENTER_HOLIDAY, 3},
    {"Übertrag neu holen", Kind::Menu, CMD_RETAKE_CARRY_OVER, 2},
    {"Zeitkonto-Korrektur", Kind::Menu, CMD_ACCOUNT_CORRECTION, 3},
    {"Aktuellen Tag berechnen", Kind::Menu, CMD_COMPUTE_CURRENT_DAY, 2},
    {"Monatszeiten neu berechnen", Kind::Menu, CMD_RECOMPUTE, 2},
    {"Wochentage neu berechnen", Kind::Menu, CMD_RECOMPUTE_WEEKDAYS, 1},
    {"Fehltage bis Markierung", Kind::Menu, CMD_FILL_MISSING_DAYS, 2},
    {"Zeitformat", Kind::Menu, CMD_TOGGLE_TIME_FORMAT, 2},
    {"Urlaubstage", Kind::Menu, CMD_VACATION_DAY_COUNT, 1},
    {"Krankheitstage", Kind::Menu, CMD_SICK_DAY_COUNT, 1},
    {"Gleittage", Kind::Menu, CMD_FLEXI_DAY_COUNT, 1},
    {"Monats-Auswertung", Kind::Menu, CMD_MONTHLY_EVALUATION, 1},
    {"Maximieren", Kind::Menu, CMD_MAXIMIZE_CHILD, 1},
    {"Wiederherstellen", Kind::Menu, CMD_RESTORE_CHILD, 1},
    {"Untereinander", Kind::Menu, CMD_TILE_VERTICALLY, 1},
    {"Nebeneinander", Kind::Menu, CMD_TILE_HORIZONTALLY, 1},
    {"Überlappend", Kind::Menu, CMD_CASCADE_CHILDREN, 1},
    {"Symbole anordnen", Kind::Menu, CMD_ARRANGE_ICONS, 1},
    {"Nächstes Fenster", Kind::Menu, CMD_ACTIVATE_NEXT_CHILD, 2},
    {"Voriges Fenster", Kind::Menu, CMD_ACTIVATE_PREVIOUS_CHILD, 1},
    {"Info", Kind::Menu, CMD_INFO, 1},
    {"Tray: Öffnen", Kind::Menu, CMD_TRAY_OPEN, 1},
    {"Tray: Verbergen", Kind::Menu, CMD_TRAY_HIDE, 1},
    {"Kommen", Kind::Menu, CMD_RECORD_ARRIVAL, 4},
    {"Gehen", Kind::Menu, CMD_RECORD_DEPARTURE, 4},
    {"Taste Pfeil hoch", Kind::Key, VK_UP, 3},
    {"Taste Pfeil runter", Kind::Key, VK_DOWN, 3},
    {"Taste Pos1", Kind::Key, VK_HOME, 1},
    {"Taste Ende", Kind::Key, VK_END, 1},
    {"Taste Bild hoch", Kind::Key, VK_PRIOR, 1},
    {"Taste Bild runter", Kind::Key, VK_NEXT, 1},
    {"Taste Entf", Kind::Key, VK_DELETE, 2},
    {"Taste Leer", Kind::Key, VK_SPACE, 3},
    {"Zeitgeber", Kind::Tick, 0, 6},
    {"nächster Tag", Kind::NextDay, 0, 1},
};

unsigned EnvNumber(const char* name, unsigned fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : fallback;
}

// STUNDWERK_SEED: one seed instead of the fixed ones.
std::vector<std::uint32_t> Seeds()
{
    if (const unsigned seed = EnvNumber("STUNDWERK_SEED", 0))
        return {seed};
    return std::vector<std::uint32_t>(std::begin(FIXED_SEEDS), std::end(FIXED_SEEDS));
}

const RandomCommand& PickCommand(RandomInput& input)
{
    static const unsigned total = [] {
        unsigned sum = 0;
        for (const RandomCommand& command : COMMANDS)
            sum += command.weight;
        return sum;
    }();
    unsigned pick = input.Below(total);
    for (const RandomCommand& command : COMMANDS) {
        if (pick < command.weight)
            return command;
        pick -= command.weight;
    }
    return COMMANDS[0];
}

// The list views whose items changed since they were last read: every change
// of a list's texts is one of these messages, sent on this thread.
std::set<HWND>& ChangedLists()
{
    static std::set<HWND> lists;
    return lists;
}

// The lists among them that were refreshed (the list's room set for its
// rows), which then show the time format of the moment.
std::set<HWND>& RefilledLists()
{
    static std::set<HWND> lists;
    return lists;
}

LRESULT CALLBACK WatchLists(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION) {
        switch (call->message) {
        case LVM_INSERTITEMA:
        case LVM_INSERTITEMW:
        case LVM_SETITEMA:
        case LVM_SETITEMW:
        case LVM_SETITEMTEXTA:
        case LVM_SETITEMTEXTW:
        case LVM_DELETEITEM:
        case LVM_DELETEALLITEMS:
        case LVM_SORTITEMS:
        case LVM_SORTITEMSEX:
        case LVM_SETITEMCOUNT:
            ChangedLists().insert(call->hwnd);
            if (call->message == LVM_SETITEMCOUNT)
                RefilledLists().insert(call->hwnd);
            break;
        default:
            break;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// While it lives, ChangedLists() collects the lists that changed.
class ListWatch {
public:
    ListWatch() : hook_(SetWindowsHookExA(WH_CALLWNDPROC, WatchLists, nullptr, GetCurrentThreadId())) {}
    ~ListWatch() { UnhookWindowsHookEx(hook_); }
    ListWatch(const ListWatch&) = delete;
    ListWatch& operator=(const ListWatch&) = delete;

private:
    HHOOK hook_;
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

// The dialogs and message boxes of this thread that are still showing.
std::vector<HWND> OpenDialogs()
{
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

} // namespace

class RandomCommandsTest : public AppTest, public ::testing::WithParamInterface<std::uint32_t> {
protected:
    // Moves the fake clock on by whole minutes.
    void Advance(unsigned minutes)
    {
        LocalTime now = clock.now;
        unsigned total = now.hour * 60 + now.minute + minutes;
        unsigned day = now.day, month = now.month, year = now.year;
        for (; total >= 24 * 60; total -= 24 * 60) {
            if (!Calendar().IsValidDate(++day, month, year)) {
                day = 1;
                if (++month > 12) {
                    month = 1;
                    ++year;
                }
            }
        }
        clock.Set(day, month, year, total / 60, total % 60);
    }

    void Tick() { SendMessageA(frame->Handle(), WM_TIMER, DAY_TIMER_ID, 0); }

    // A changed time profile leaves the plans computed with the old one; the
    // person who changed it recomputes the open ones ("Monatszeiten neu
    // berechnen"), the closed ones are recomputed when they open.
    void RecomputeAfterNewProfile(PlanFilesCheck& check)
    {
        MonthPlanWindow* active = Active();
        for (HWND child = GetWindow(frame->MdiClient(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (MonthPlanWindow* window = MonthPlanWindowOf(child))
                window->Plan().RecomputeMonthTimes();
        }
        if (active)
            SendMessageA(frame->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(active->Handle()), 0);
        check.KeepClosedPlansStale(folders_, ShownPlans());
    }

    void Run(const RandomCommand& command, RandomInput& input, PlanFilesCheck& check)
    {
        const std::vector<std::int64_t> profile = TimeProfile(frame->GetSettings());
        // Questions get Yes or No by chance; "Beenden" is confirmed less
        // often, and then the program ends and starts again on its files.
        const bool quit = command.id == CMD_QUIT && input.Chance(25);
        boxes.AnswerYes(command.id == CMD_QUIT ? quit : input.Chance(50));
        switch (command.kind) {
        case Kind::Menu:
            // "Löschen" is in the menu only while no plan is open.
            if (command.id != CMD_DELETE_MONTH_PLAN_FILE || !Active())
                Command(command.id);
            break;
        case Kind::Key:
            if (Active())
                SendMessageA(Active()->ListView(), WM_KEYDOWN, command.id, 1);
            break;
        case Kind::Tick:
            Advance(1 + input.Below(240));
            Tick();
            break;
        case Kind::NextDay: {
            const LocalTime now = clock.now;
            Advance(24 * 60 * (1 + input.Below(3)) - (now.hour * 60 + now.minute) + 6 * 60 + input.Below(180));
            Tick();
            break;
        }
        }
        Pump();
        if (quit)
            Restart();
        if (TimeProfile(frame->GetSettings()) != profile)
            RecomputeAfterNewProfile(check);
        // The test's ticks are the only ones: the options restart the timer.
        KillTimer(frame->Handle(), DAY_TIMER_ID);
    }

    // The program ended by "Beenden" starts again, as from the autostart entry.
    void Restart()
    {
        if (!TakeQuitMessage()) {
            restartFault_ = "\"Beenden\" was confirmed and the program went on";
            return;
        }
        frame.reset();
        TakeQuitMessage();
        shown_.clear();
        ChangedLists().clear();
        RefilledLists().clear();
        Start();
        Pump();
        ++restarts_;
    }

    std::vector<ShownPlan> ShownPlans()
    {
        std::vector<ShownPlan> shown;
        MonthPlanWindow* active = Active();
        for (HWND child = GetWindow(frame->MdiClient(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            MonthPlanWindow* window = MonthPlanWindowOf(child);
            if (!window)
                continue;
            ShownPlan plan;
            plan.path = window->Plan().path();
            plan.active = window == active;
            // A list is read again only when it changed; it is compared
            // with the files after every command all the same.
            HWND list = window->ListView();
            Shown& seen = shown_[list];
            const bool refilled = RefilledLists().erase(list) || !seen.read;
            if (ChangedLists().erase(list) || refilled) {
                seen.texts.clear();
                const int rows = ListView_GetItemCount(list);
                for (int row = 0; row < rows; ++row)
                    seen.texts.push_back(RowTexts(list, row));
                seen.read = true;
                if (refilled)
                    seen.comFormat = frame->GetSettings().ComFormat;
            }
            plan.rows = seen.texts;
            plan.otherFormat = seen.comFormat != frame->GetSettings().ComFormat;
            shown.push_back(std::move(plan));
        }
        return shown;
    }

    ListWatch watch_;
    // What each list showed when it last changed, and in which time format.
    struct Shown {
        std::vector<std::vector<std::string>> texts;
        std::uint32_t comFormat = 0;
        bool read = false;
    };
    std::map<HWND, Shown> shown_;
    std::string restartFault_;
    // What the folder page is given: the settings file's folder, one that
    // exists, one the first new plan creates, and one on no drive.
    const std::vector<std::string> folders_ = {folder.path().string(), folder.File("Zweiter Ordner"),
                                               folder.File("Neu"), "Q:\\Nirgends"};
    unsigned restarts_ = 0;

    // What is wrong after a command, or "".
    std::string Fault(PlanFilesCheck& check)
    {
        if (!restartFault_.empty())
            return restartFault_;
        if (!IsWindow(frame->Handle()) || TakeQuitMessage())
            return "the program ended";
        const std::vector<HWND> dialogs = OpenDialogs();
        if (!dialogs.empty()) {
            std::string titles;
            for (HWND dialog : dialogs) {
                titles += " \"" + TitleOf(dialog) + "\"";
                PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            }
            Pump();
            return "left open:" + titles;
        }
        return check.Run(folders_, frame->GetSettings(), clock.now, ShownPlans());
    }
};

TEST_P(RandomCommandsTest, EveryCommandLeavesTheFilesConsistent)
{
    const std::uint32_t seed = GetParam();
    const unsigned count = EnvNumber("STUNDWERK_COMMANDS", FIXED_COMMANDS);
    const bool trace = std::getenv("STUNDWERK_TRACE") != nullptr;
    std::printf("seed %u: %u commands\n", seed, count);
    std::fflush(stdout);
    const DWORD begun = GetTickCount();

    RandomInput input(seed);
    CreateDirectoryA(folders_[1].c_str(), nullptr);
    DialogResponder responder(input, boxes, folders_);
    PlanFilesCheck check;
    clock.Set(12, 10, 2005, 9, 0);
    Start();
    OpenPlan(10, 2005);
    KillTimer(frame->Handle(), DAY_TIMER_ID);
    responder.Start();

    for (unsigned index = 0; index < count; ++index) {
        const RandomCommand& command = PickCommand(input);
        if (MonthPlanWindow* active = Active())
            responder.SetPeriod(active->Plan().PlanMonth(), active->Plan().PlanYear());
        responder.SetWorkingDir(frame->GetSettings().WorkingDir);
        const std::size_t boxesBefore = boxes.Caught().size();
        const DWORD started = GetTickCount();
        Run(command, input, check);
        const DWORD ran = GetTickCount();
        const std::string fault = Fault(check);
        const std::string dialogs = responder.TakeLog();
        if (trace)
            std::printf("#%u %s (%lu ms, checks %lu ms):%s\n", index, command.name, ran - started, GetTickCount() - ran,
                        dialogs.c_str());
        if (fault.empty())
            continue;
        std::string messages;
        for (std::size_t i = boxesBefore; i < boxes.Caught().size(); ++i)
            messages += "\n    " + boxes.Caught()[i].title + ": " + boxes.Caught()[i].text;
        ADD_FAILURE() << "seed " << seed << ", command #" << index << " \"" << command.name << "\": " << fault
                      << "\n  dialogs:" << dialogs << "\n  message boxes:" << messages
                      << "\n  again: STUNDWERK_SEED=" << seed << " STUNDWERK_COMMANDS=" << index + 1;
        return;
    }
    std::printf("seed %u: %u commands, %u new starts, in %lu s\n", seed, count, restarts_,
                (GetTickCount() - begun) / 1000);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomCommandsTest, ::testing::ValuesIn(Seeds()));
