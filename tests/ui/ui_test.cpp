// End-to-end tests of the real Stundwerk.exe under Wine: each test starts the
// program in a throwaway folder with a prepared settings file and month plan,
// works it from outside as a user would and checks the windows, the list and
// the files on disk. One case per route from a user's action to the files or
// the list and back.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>

#include "calendar/calendar.h"
#include "ini/profile_document.h"
#include "resources/resource_ids.h"
#include "tests/ui/driver.h"

namespace {

constexpr long NO_TIME = 32767;

// The list's rows as the CLI prints them; with a key, only the row of that
// entry (its day, and its position on the day above).
std::string ListText(HWND list, LPARAM key = 0)
{
    std::string text;
    for (const ListViewRow& row : ReadListViewRows(list))
        text += key == 0 || row.key == key ? row.text + "\n" : "";
    return text;
}

// "HH:MM" of minutes since midnight.
std::string Clock(long minutes)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02ld:%02ld", minutes / 60, minutes % 60);
    return text;
}

struct StoredEntry {
    unsigned position;
    long come, go, workTime;
};

class UiTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.Ready()) << "Stundwerk.exe could not be copied: " << STUNDWERK_EXE; }

    // Starts the program on these options; with OpenMonth=1 the period's plan
    // is created first unless it exists, and the list must show its rows.
    void Start(const std::vector<std::string>& options)
    {
        folder.WriteSettings(options);
        const bool opens = std::count(options.begin(), options.end(), "OpenMonth=1") > 0;
        const std::string month = std::to_string(period.month) + " " + std::to_string(period.year);
        ASSERT_TRUE(!opens || ReadBytes(plan) != "<missing>" || folder.Cli("open " + month) == 0);
        program = std::make_unique<StundwerkProcess>(folder.Path());
        ASSERT_TRUE(program->Started());
        ASSERT_TRUE(!opens || WaitUntil([&] {
            list = program->PlanList();
            return list && SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) > 0;
        })) << "no rows in the month plan";
    }

    // Today's entries with an arrival time in the plan file, in position order.
    // Reading holds the file open, which a save of the program then has to
    // wait for: it is read in one go, and never right after an action.
    std::vector<StoredEntry> Today() const
    {
        Sleep(250);
        const std::string bytes = ReadBytes(plan);
        const ProfileDocument file = ProfileDocument::Parse(bytes);
        std::vector<StoredEntry> entries;
        for (unsigned position = 1;; ++position) {
            const std::string section = std::to_string(period.day) + "/" + std::to_string(position);
            const auto value = [&](const char* key) {
                return std::atol(std::string(file.FindValue(section, key).value_or("")).c_str());
            };
            if (!file.FindValue(section, "Come"))
                return entries;
            if (value("Come") < NO_TIME)
                entries.push_back({position, value("Come"), value("Go"), value("WorkTime")});
        }
    }

    ProgramFolder folder;
    CurrentPeriod period = PeriodOfToday(1);
    std::string plan = folder.File(period.FileName());
    std::unique_ptr<StundwerkProcess> program;
    HWND list = nullptr;
};

// The frame follows the tray icon and its menu; while a dialog waits for an
// answer, a click on the icon opens no menu and runs no command: the dialog
// comes to the front, above the frame it disables.
TEST_F(UiTest, TrayShowsAndHidesTheFrameAndDefersToAnOpenDialog)
{
    Start({"OpenMonth=1"});
    const HWND frame = program->Frame();
    const struct {
        const char* step;
        std::function<void()> act;
        bool shown;
    } STEPS[] = {
        {"Verbergen", [&] { program->ChooseTrayItem(TrayItem::Verbergen); }, false},
        {"left click", [&] { PostMessageA(frame, TRAY_CALLBACK, TRAY_ICON_ID, WM_LBUTTONDOWN); }, true},
        {"minimised", [&] { PostMessageA(frame, WM_SYSCOMMAND, SC_MINIMIZE, 0); }, false},
        {"Oeffnen", [&] { program->ChooseTrayItem(TrayItem::Oeffnen); }, true},
        {"Verbergen again", [&] { program->ChooseTrayItem(TrayItem::Verbergen); }, false},
        {"double click", [&] { PostMessageA(frame, TRAY_CALLBACK, TRAY_ICON_ID, WM_LBUTTONDBLCLK); }, true},
    };
    for (const auto& step : STEPS) {
        step.act();
        EXPECT_TRUE(WaitUntil([&] { return (IsWindowVisible(frame) && !IsIconic(frame)) == step.shown; })) << step.step;
    }

    program->Command(CMD_ENTER_WORK_TIME);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = program->FindWindowOfClass("#32770")) != nullptr; }));
    for (const LPARAM message : {WM_RBUTTONDOWN, WM_LBUTTONDOWN}) {
        DWORD_PTR result = 0;
        EXPECT_TRUE(SendMessageTimeoutA(frame, TRAY_CALLBACK, TRAY_ICON_ID, message, SMTO_NORMAL, 5000, &result))
            << "the tray menu opened";
        EXPECT_EQ(program->FindWindowOfClass("#32768"), nullptr);
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; })) << message;
        HWND below = GetWindow(dialog, GW_HWNDNEXT);
        while (below && below != frame)
            below = GetWindow(below, GW_HWNDNEXT);
        EXPECT_EQ(below, frame) << message;
    }
}

// A first billing day other than 1: the period and its file name follow it;
// the list shows the rows the CLI prints, today's entry selected, and the
// Delete key asks and deletes it.
TEST_F(UiTest, OpenMonthListsTheCliRowsAndTheDeleteKeyDeletesTheSelectedEntry)
{
    const CurrentPeriod now = PeriodOfToday(1);
    const std::string today = DateText(now.day, now.month, now.year);
    period = PeriodOfToday(15);
    plan = folder.File(period.FileName());
    const std::vector<std::string> options = {"OpenMonth=1", "SelectDay=1", "StartDay=15"};
    folder.WriteSettings(options);
    ASSERT_EQ(folder.Cli("entry " + DateText(15, period.month, period.year) + " 07:00 07:30 --remark \"K\xF6ln\""), 0);
    ASSERT_EQ(folder.Cli("entry " + today + " 08:00 16:30"), 0);
    const std::size_t entriesToday = Today().size();
    Start(options);

    EXPECT_TRUE(IsWindowVisible(program->Frame()));
    char title[128] = {};
    GetWindowTextA(program->ActivePlanWindow(), title, sizeof title);
    EXPECT_EQ(std::string(title),
              "Monatsplan f\xFCr " + std::string(MonthNames[period.month - 1]) + " " + std::to_string(period.year));
    std::string shown;
    ASSERT_EQ(folder.Cli("show " + std::to_string(period.month) + " " + std::to_string(period.year), &shown), 0);
    const std::string rows = ListText(list);
    EXPECT_EQ(rows, shown);
    EXPECT_NE(rows.find("07:00\t07:30"), std::string::npos) << rows;

    const auto selected = SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    ASSERT_GE(selected, 0) << "today's entry is not selected";
    EXPECT_EQ(ReadListViewRows(list)[selected].key & 0xFFFF, static_cast<LPARAM>(period.day));
    PostMessageA(list, WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(program->AnswerMessageBox(IDYES),
              "Frage: Soll der Eintrag f\xFCr den " + today + " wirklich gel\xF6scht werden?");
    EXPECT_TRUE(WaitUntil([&] { return Today().size() == entriesToday - 1; }));
}

TEST_F(UiTest, KommenAndGehenFromTheTrayMenuRecordTodaysEntry)
{
    Start({"OpenMonth=1"});
    const int beforeArrival = MinutesNow();
    ASSERT_TRUE(program->ChooseTrayItem(TrayItem::Kommen));
    ASSERT_TRUE(WaitUntil([&] { return Today().size() == 1; }));
    const StoredEntry arrival = Today()[0];
    EXPECT_GE(arrival.come, beforeArrival);
    EXPECT_LE(arrival.come, MinutesNow());
    EXPECT_EQ(arrival.go, NO_TIME);

    ASSERT_TRUE(program->ChooseTrayItem(TrayItem::Kommen));
    EXPECT_EQ(program->AnswerMessageBox(IDOK).rfind("Hinweis: Es existiert noch ein Eintrag ohne \"Gehen\"-Zeit", 0),
              0u);

    ASSERT_TRUE(program->ChooseTrayItem(TrayItem::Gehen));
    ASSERT_TRUE(WaitUntil([&] { return Today().size() == 1 && Today()[0].go != NO_TIME; }));
    const StoredEntry done = Today()[0];
    EXPECT_EQ(done.come, arrival.come);
    EXPECT_GE(done.go, done.come);
    EXPECT_LE(done.go, MinutesNow());
    EXPECT_EQ(done.workTime, done.go - done.come);
    const std::string times = "\t" + Clock(done.come) + "\t" + Clock(done.go) + "\t";
    const LPARAM key = period.day | done.position << 16;
    EXPECT_TRUE(WaitUntil([&] { return ListText(list, key).find(times) != std::string::npos; })) << ListText(list, key);
}

// With the session's boxes ticked (a lock counts as a break from one
// minute on): the start records "Kommen", a lock over a minute's change
// "Gehen" and "Kommen", and the end of the session "Gehen"; the program ends
// with 0, without a question, saving its settings and geometry. The messages
// come from outside, as Windows sends them.
TEST_F(UiTest, SessionMessagesRecordTheDayByThemselves)
{
    Start({"OpenMonth=1", "CheckMissings=0", "AutoArrival=1", "AutoDeparture=1", "LockBreak=1", "LockBreakMinutes=1"});
    ASSERT_TRUE(WaitUntil([&] { return Today().size() == 1 && Today()[0].go == NO_TIME; }));
    const long arrival = Today()[0].come;

    ASSERT_TRUE(WaitUntil([] { return std::time(nullptr) % 60 < 50; }, 15000)); // the lock starts in this minute
    PostMessageA(program->Frame(), WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0);
    const int locked = MinutesNow();
    ASSERT_TRUE(WaitUntil([&] { return MinutesNow() != locked; }, 65000));
    PostMessageA(program->Frame(), WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 0);
    ASSERT_TRUE(WaitUntil([&] { return Today().size() == 2; }));
    EXPECT_EQ(Today()[0].come, arrival);
    EXPECT_EQ(Today()[0].go, locked);
    EXPECT_EQ(Today()[1].come, locked + 1);
    EXPECT_EQ(Today()[1].go, NO_TIME);
    const std::string row = ListText(list, period.day | Today()[1].position << 16);
    EXPECT_NE(row.find("\t" + Clock(locked + 1) + "\t"), std::string::npos) << row;

    std::remove(folder.SettingsFile().c_str());
    PostMessageA(program->Frame(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    DWORD exitCode = STILL_ACTIVE;
    ASSERT_TRUE(program->WaitForExit(30000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    ASSERT_EQ(Today().size(), 2u);
    EXPECT_GE(Today()[1].go, locked + 1);
    EXPECT_LE(Today()[1].go, MinutesNow());
    const std::vector<std::string> saved = SectionLines(folder.SettingsFile(), "Options");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), "LockBreakMinutes=1"), 1);
    EXPECT_EQ(SectionLines(folder.SettingsFile(), "Window"),
              (std::vector<std::string>{"Left=40", "Top=30", "Width=800", "Height=560"}));
}

// With OpenMonth=0 the frame starts hidden and opens no plan; a second copy
// brings the first forward and ends with 0. "Beenden" in the tray menu asks,
// and on Yes saves settings and geometry. The program gives its lock back
// while the question waits, so a CLI command need not wait, and its save
// keeps the counters the CLI changed meanwhile.
TEST_F(UiTest, SecondStartEndsAndBeendenAsksAndSavesSettingsKeepingTheCliCounters)
{
    Start({"OpenMonth=0", "TimeLag=-5", "HeadLine2=Name: M\xFCller", "Holidays=30"});
    EXPECT_EQ(program->ActivePlanWindow(), nullptr);
    EXPECT_TRUE(PlanFiles(folder.Path()).empty());
    DWORD exitCode = STILL_ACTIVE;
    EXPECT_TRUE(StundwerkProcess(folder.Path()).WaitForExit(30000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(program->Running());
    EXPECT_EQ(FindWindowA("Stundwerk", nullptr), program->Frame());
    EXPECT_FALSE(IsWindowVisible(program->Frame()));

    ASSERT_EQ(folder.Cli("vacation 15.01.2003"), 0);
    ASSERT_TRUE(program->ChooseTrayItem(TrayItem::Beenden));
    ASSERT_TRUE(WaitUntil([&] { return program->FindWindowOfClass("#32770") != nullptr; }));
    EXPECT_EQ(folder.Cli("--wait 0 vacation 14.02.2003"), 0);
    EXPECT_EQ(program->AnswerMessageBox(IDYES), "Frage: Wollen Sie Stundwerk wirklich beenden ?");
    ASSERT_TRUE(program->WaitForExit(15000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(SectionLines(folder.SettingsFile(), "Window"),
              (std::vector<std::string>{"Left=40", "Top=30", "Width=800", "Height=560"}));
    const std::vector<std::string> saved = SectionLines(folder.SettingsFile(), "Options");
    for (const char* line :
         {"TimeLag=-5", "HeadLine2=Name: M\xFCller", "AutoTimer=1", "OpenMonth=0", "ExportFields=17", "Holidays=28"})
        EXPECT_EQ(std::count(saved.begin(), saved.end(), line), 1) << line;
}

} // namespace
