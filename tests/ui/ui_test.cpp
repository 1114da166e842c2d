// End-to-end tests of the real Stundwerk.exe under Wine: each test starts the
// program in a throwaway folder with a prepared settings file and month plan,
// works it from outside as a user would and checks the windows, the list, the
// tray tip and the files on disk. One case per route from a user's action to
// the files or the list and back.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/ui/driver.h"

namespace {

constexpr long NO_TIME = 32767;
constexpr WORD CMD_QUIT = 151;
constexpr WORD CMD_ENTER_WORK_TIME = 40003;
const char* const INACTIVE_TIP = "Stundwerk: Tagesberechnung nicht aktiv.";

std::string Utf8(const std::string& cp1252)
{
    std::wstring wide(cp1252.size(), L'\0');
    wide.resize(MultiByteToWideChar(1252, 0, cp1252.data(), static_cast<int>(cp1252.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                                    static_cast<int>(utf8.size()), nullptr, nullptr));
    return utf8;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The list's rows as the CLI prints them: cells joined by tabs, in UTF-8.
std::vector<std::string> ListLines(HWND list)
{
    std::vector<std::string> lines;
    for (const ListViewRow& row : ReadListViewRows(list)) {
        std::string line;
        for (std::size_t column = 0; column < row.cells.size(); ++column)
            line += (column ? "\t" : "") + Utf8(row.cells[column]);
        lines.push_back(line);
    }
    return lines;
}

// The cells of the list row with this entry key, or none.
std::vector<std::string> RowOfEntry(HWND list, unsigned day, unsigned position)
{
    for (const ListViewRow& row : ReadListViewRows(list))
        if (static_cast<unsigned>(row.key) == (day | position << 16))
            return row.cells;
    return {};
}

bool ShowsInactiveTip()
{
    return TrayTipStartingWith(INACTIVE_TIP) == INACTIVE_TIP;
}

struct StoredEntry {
    unsigned position;
    long come, go, workTime;
};

// The entries of a day in a month plan file, in position order.
std::vector<StoredEntry> DayEntries(const std::string& plan, unsigned day)
{
    std::vector<StoredEntry> entries;
    for (unsigned position = 1;; ++position) {
        std::map<std::string, std::string> keys;
        for (const std::string& line : SectionLines(plan, std::to_string(day) + "/" + std::to_string(position)))
            keys[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
        if (keys["Day"].empty())
            return entries;
        entries.push_back({position, std::stol(keys["Come"]), std::stol(keys["Go"]), std::stol(keys["WorkTime"])});
    }
}

// Today's entry with a plain arrival time and the given state of departure.
bool FindTimesEntry(const std::string& plan, const CurrentPeriod& period, bool open, StoredEntry& found)
{
    for (const StoredEntry& entry : DayEntries(plan, period.today.day))
        if (entry.come < NO_TIME && (entry.go == NO_TIME) == open) {
            found = entry;
            return true;
        }
    return false;
}

class UiTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.Ready()) << "Stundwerk.exe could not be copied: " << STUNDWERK_EXE; }

    // Waits until the month plan list shows rows; null when it does not.
    static HWND WaitForPlanList(const StundwerkProcess& program)
    {
        HWND list = nullptr;
        WaitUntil([&] {
            list = program.PlanList();
            return list && SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) > 0;
        });
        return list;
    }

    ProgramFolder folder;
};

TEST_F(UiTest, TrayClicksAndMenuShowAndHideTheFrame)
{
    folder.WriteSettings({"OpenMonth=0"});
    StundwerkProcess program(folder.Path());
    ASSERT_TRUE(program.Started());
    const HWND frame = program.Frame();

    PostMessageA(frame, TRAY_CALLBACK, TRAY_ICON_ID, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(frame) != FALSE; })) << "left click";
    ASSERT_TRUE(program.ChooseTrayItem(TrayItem::Verbergen));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(frame); })) << "Verbergen";
    ASSERT_TRUE(program.ChooseTrayItem(TrayItem::Oeffnen));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(frame) != FALSE; })) << "Oeffnen";
    program.SystemCommand(SC_MINIMIZE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(frame); })) << "minimised to the tray";
    PostMessageA(frame, TRAY_CALLBACK, TRAY_ICON_ID, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(frame) && !IsIconic(frame); })) << "double click";
}

// A first billing day other than 1: the period and its file name follow it.
TEST_F(UiTest, OpenMonthShowsTheCurrentPeriodWithTheRowsTheCliPrints)
{
    const CurrentPeriod period = PeriodOfToday(15);
    folder.WriteSettings({"OpenMonth=1", "StartDay=" + std::to_string(period.startDay)});
    ASSERT_EQ(folder.Cli("entry " + period.FirstDayText() + " 08:00 16:30 --remark \"Messe in K\xF6ln\"").exitCode, 0u);

    StundwerkProcess program(folder.Path());
    ASSERT_TRUE(program.Started());
    const HWND list = WaitForPlanList(program);
    ASSERT_NE(list, nullptr);

    EXPECT_TRUE(IsWindowVisible(program.Frame()));
    char title[128] = {};
    GetWindowTextA(program.ActivePlanWindow(), title, sizeof title);
    EXPECT_EQ(std::string(title), "Monatsplan f\xFCr " + period.MonthAndYear());

    const CliResult shown = folder.Cli("show " + std::to_string(period.month) + " " + std::to_string(period.year));
    ASSERT_EQ(shown.exitCode, 0u) << shown.output;
    const std::vector<std::string> rows = ListLines(list);
    EXPECT_EQ(rows, Lines(shown.output));
    bool hasEntry = false;
    for (const std::string& row : rows)
        hasEntry = hasEntry || row.find("08:00\t16:30") != std::string::npos;
    EXPECT_TRUE(hasEntry) << "the prepared entry is not listed";
}

TEST_F(UiTest, KommenAndGehenFromTheTrayMenuRecordTodaysEntry)
{
    const CurrentPeriod period = PeriodOfToday(1);
    const std::string plan = folder.File(period.FileName());
    folder.WriteSettings({"OpenMonth=1"});
    ASSERT_EQ(folder.Cli("open " + std::to_string(period.month) + " " + std::to_string(period.year)).exitCode, 0u);
    StundwerkProcess program(folder.Path());
    ASSERT_TRUE(program.Started());
    const HWND list = WaitForPlanList(program);
    ASSERT_NE(list, nullptr);

    const int beforeArrival = MinutesNow();
    ASSERT_TRUE(program.ChooseTrayItem(TrayItem::Kommen));
    StoredEntry arrival{};
    ASSERT_TRUE(WaitUntil([&] { return FindTimesEntry(plan, period, true, arrival); }));
    EXPECT_GE(arrival.come, beforeArrival);
    EXPECT_LE(arrival.come, MinutesNow());
    const std::vector<std::string> openRow = RowOfEntry(list, period.today.day, arrival.position);
    ASSERT_EQ(openRow.size(), 8u);
    EXPECT_TRUE(WaitUntil([&] { return !TrayTipStartingWith("Kommen: " + openRow[2] + ",").empty(); }))
        << "tray tip: " << TrayTipStartingWith("Kommen");

    ASSERT_TRUE(program.ChooseTrayItem(TrayItem::Kommen));
    const SeenMessageBox refusal = program.AnswerMessageBox(IDOK);
    EXPECT_EQ(refusal.title, "Hinweis");
    EXPECT_NE(refusal.text.find("ohne \"Gehen\"-Zeit"), std::string::npos) << refusal.text;

    ASSERT_TRUE(program.ChooseTrayItem(TrayItem::Gehen));
    StoredEntry done{};
    ASSERT_TRUE(WaitUntil([&] { return FindTimesEntry(plan, period, false, done); }));
    EXPECT_EQ(done.position, arrival.position);
    EXPECT_EQ(done.come, arrival.come);
    EXPECT_GE(done.go, done.come);
    EXPECT_LE(done.go, MinutesNow());
    EXPECT_EQ(done.workTime, done.go - done.come);
    const std::vector<std::string> doneRow = RowOfEntry(list, period.today.day, done.position);
    ASSERT_EQ(doneRow.size(), 8u);
    EXPECT_EQ(doneRow[2], openRow[2]);
    EXPECT_NE(doneRow[3], "??:??");
}

// While a dialog waits for an answer, a click on the tray icon opens no menu
// and runs no command: the dialog comes to the front, above the frame it
// disables.
TEST_F(UiTest, TrayClicksWhileADialogIsOpenBringTheDialogToTheFront)
{
    const CurrentPeriod period = PeriodOfToday(1);
    folder.WriteSettings({"OpenMonth=1"});
    ASSERT_EQ(folder.Cli("open " + std::to_string(period.month) + " " + std::to_string(period.year)).exitCode, 0u);
    StundwerkProcess program(folder.Path());
    ASSERT_TRUE(program.Started());
    ASSERT_NE(WaitForPlanList(program), nullptr);
    program.Command(CMD_ENTER_WORK_TIME);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = program.FindWindowOfClass("#32770")) != nullptr; }));
    const auto above = [&](HWND window) {
        for (HWND next = GetWindow(dialog, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT))
            if (next == window)
                return true;
        return false;
    };
    for (const LPARAM click : {WM_RBUTTONDOWN, WM_LBUTTONDOWN}) {
        DWORD_PTR result = 0;
        EXPECT_TRUE(
            SendMessageTimeoutA(program.Frame(), TRAY_CALLBACK, TRAY_ICON_ID, click, SMTO_NORMAL, 5000, &result))
            << "the tray menu opened";
        EXPECT_EQ(program.FindWindowOfClass("#32768"), nullptr);
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; })) << click;
        EXPECT_TRUE(above(program.Frame())) << click;
    }
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
}

// With the session's boxes ticked (a lock counts as a break from one
// minute on): the start records "Kommen", a short lock nothing, a lock over
// a minute's change "Gehen" and "Kommen", and the end of the session "Gehen".
// The messages come from outside, as Windows sends them.
TEST_F(UiTest, SessionMessagesRecordTheDayByThemselves)
{
    const CurrentPeriod period = PeriodOfToday(1);
    const std::string plan = folder.File(period.FileName());
    folder.WriteSettings(
        {"OpenMonth=1", "CheckMissings=0", "AutoArrival=1", "AutoDeparture=1", "LockBreak=1", "LockBreakMinutes=1"});
    ASSERT_EQ(folder.Cli("open " + std::to_string(period.month) + " " + std::to_string(period.year)).exitCode, 0u);
    StundwerkProcess program(folder.Path());
    ASSERT_TRUE(program.Started());
    const HWND list = WaitForPlanList(program);
    ASSERT_NE(list, nullptr);
    const auto entries = [&] { return DayEntries(plan, period.today.day); };
    ASSERT_TRUE(WaitUntil([&] { return entries().size() == 1 && entries()[0].go == NO_TIME; }));
    const long arrival = entries()[0].come;

    const auto session = [&](WPARAM reason) { PostMessageA(program.Frame(), WM_WTSSESSION_CHANGE, reason, 0); };
    // Both locks start in one minute, the first ends in it.
    ASSERT_TRUE(WaitUntil(
        [] {
            SYSTEMTIME now{};
            GetLocalTime(&now);
            return now.wSecond < 50;
        },
        15000));
    session(WTS_SESSION_LOCK);
    session(WTS_SESSION_UNLOCK);
    Sleep(1000);
    ASSERT_EQ(entries().size(), 1u) << "a lock shorter than the break";

    session(WTS_SESSION_LOCK);
    const int locked = MinutesNow();
    ASSERT_TRUE(WaitUntil([&] { return MinutesNow() != locked; }, 65000));
    session(WTS_SESSION_UNLOCK);
    ASSERT_TRUE(WaitUntil([&] { return entries().size() == 2; }));
    EXPECT_EQ(entries()[0].come, arrival);
    EXPECT_EQ(entries()[0].go, locked);
    EXPECT_EQ(entries()[1].come, locked + 1);
    EXPECT_EQ(entries()[1].go, NO_TIME);
    const std::vector<std::string> row = RowOfEntry(list, period.today.day, 2);
    ASSERT_EQ(row.size(), 8u);
    char come[8];
    std::snprintf(come, sizeof come, "%02d:%02d", (locked + 1) / 60, (locked + 1) % 60);
    EXPECT_EQ(row[2], come);

    PostMessageA(program.Frame(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    DWORD exitCode = STILL_ACTIVE;
    ASSERT_TRUE(program.WaitForExit(30000, exitCode));
    ASSERT_EQ(entries().size(), 2u);
    EXPECT_GE(entries()[1].go, locked + 1);
    EXPECT_LE(entries()[1].go, MinutesNow());
    const std::vector<std::string> options = SectionLines(folder.SettingsFile(), "Options");
    EXPECT_NE(std::find(options.begin(), options.end(), "LockBreakMinutes=1"), options.end());
}

// A second copy brings the first forward and ends; the first ends with 0,
// without a question and keeping its geometry, when the session ends.
TEST_F(UiTest, SecondStartEndsWithZeroAndTheFirstEndsWithTheSession)
{
    folder.WriteSettings({"OpenMonth=0"});
    StundwerkProcess first(folder.Path());
    ASSERT_TRUE(first.Started());
    EXPECT_TRUE(WaitUntil(ShowsInactiveTip));
    EXPECT_EQ(first.ActivePlanWindow(), nullptr);
    EXPECT_TRUE(PlanFiles(folder.Path()).empty());

    DWORD exitCode = STILL_ACTIVE;
    {
        const StundwerkProcess second(folder.Path());
        EXPECT_TRUE(second.WaitForExit(30000, exitCode));
        EXPECT_EQ(exitCode, 0u);
    }
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(FindWindowA("Stundwerk", nullptr), first.Frame());
    EXPECT_FALSE(IsWindowVisible(first.Frame()));

    std::remove(folder.SettingsFile().c_str());
    PostMessageA(first.Frame(), WM_QUERYENDSESSION, 0, 0);
    ASSERT_TRUE(first.WaitForExit(30000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(SectionLines(folder.SettingsFile(), "Window"),
              (std::vector<std::string>{"Left=40", "Top=30", "Width=800", "Height=560"}));
}

// "Beenden" in the tray menu asks, and on Yes saves settings and geometry.
TEST_F(UiTest, BeendenAsksFirstAndOnYesSavesSettingsAndGeometry)
{
    folder.WriteSettings({"OpenMonth=0", "TimeLag=-5", "HeadLine2=Name: M\xFCller"});
    StundwerkProcess program(folder.Path());
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(WaitUntil(ShowsInactiveTip));
    program.ChooseTrayItem(TrayItem::Beenden);
    const SeenMessageBox question = program.AnswerMessageBox(IDYES);
    EXPECT_EQ(question.title, "Frage");
    EXPECT_EQ(question.text, "Wollen Sie Stundwerk wirklich beenden ?");
    DWORD exitCode = STILL_ACTIVE;
    ASSERT_TRUE(program.WaitForExit(15000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(SectionLines(folder.SettingsFile(), "Window"),
              (std::vector<std::string>{"Left=40", "Top=30", "Width=800", "Height=560"}));
    const std::vector<std::string> options = SectionLines(folder.SettingsFile(), "Options");
    for (const char* line :
         {"TimeLag=-5", "HeadLine2=Name: M\xFCller", "AutoTimer=1", "OpenMonth=0", "ExportFields=17"})
        EXPECT_NE(std::find(options.begin(), options.end(), line), options.end()) << line;
    EXPECT_TRUE(WaitUntil([] { return TrayTipStartingWith("Stundwerk").empty(); })) << "the tray icon stayed";
}

// The program and stundwerk-cli on one folder: a CLI command waits for the
// program's command (here the question of "Beenden") and fails without
// changing anything when the wait ends; the program's save at its end keeps
// the vacation the CLI booked meanwhile.
// The program gives its lock back while a box waits for the user, and its
// save keeps the counters the CLI changed meanwhile.
TEST_F(UiTest, CliNeedNotWaitForAnOpenQuestionAndTheProgramKeepsTheCliCounters)
{
    folder.WriteSettings({"OpenMonth=0", "Holidays=30"});
    StundwerkProcess program(folder.Path());
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(WaitUntil(ShowsInactiveTip));
    const CliResult booked = folder.Cli("vacation 15.01.2003");
    ASSERT_EQ(booked.exitCode, 0u) << booked.output;

    program.Command(CMD_QUIT);
    ASSERT_TRUE(WaitUntil([&] { return program.FindWindowOfClass("#32770") != nullptr; }));
    const CliResult underQuestion = folder.Cli("--wait 0 vacation 14.02.2003");
    EXPECT_EQ(underQuestion.exitCode, 0u) << underQuestion.output;
    EXPECT_EQ(program.AnswerMessageBox(IDYES).title, "Frage");
    DWORD exitCode = STILL_ACTIVE;
    ASSERT_TRUE(program.WaitForExit(15000, exitCode));

    const std::vector<std::string> options = SectionLines(folder.SettingsFile(), "Options");
    EXPECT_NE(std::find(options.begin(), options.end(), "Holidays=28"), options.end());
}

TEST_F(UiTest, DeleteKeyAsksAndDeletesTheSelectedEntry)
{
    const CurrentPeriod period = PeriodOfToday(1);
    const std::string plan = folder.File(period.FileName());
    folder.WriteSettings({"OpenMonth=1", "SelectDay=1"});
    ASSERT_EQ(folder.Cli("entry " + DateText(period.today) + " 08:00 16:30").exitCode, 0u);
    StoredEntry entry{};
    ASSERT_TRUE(FindTimesEntry(plan, period, false, entry));
    StundwerkProcess program(folder.Path());
    ASSERT_TRUE(program.Started());
    const HWND list = WaitForPlanList(program);
    ASSERT_NE(list, nullptr);
    const auto selected = SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    ASSERT_GE(selected, 0) << "today's entry is not selected";
    EXPECT_EQ(static_cast<unsigned>(ReadListViewRows(list)[selected].key), period.today.day | entry.position << 16);

    program.KeyToList(VK_DELETE);
    const SeenMessageBox question = program.AnswerMessageBox(IDYES);
    EXPECT_EQ(question.title, "Frage");
    EXPECT_EQ(question.text, "Soll der Eintrag f\xFCr den " + DateText(period.today) + " wirklich gel\xF6scht werden?");

    StoredEntry left{};
    EXPECT_TRUE(WaitUntil([&] { return !FindTimesEntry(plan, period, false, left); }));
}

} // namespace
