// The main frame's start, the settings file, quitting, the tray tip and the
// day timer, and "Kommen"/"Gehen" through the frame's commands.
#include "tests/app/app_fixture.h"

#include <commctrl.h>

#include <functional>

#include "app/handler_results.h"
#include "app/list_view.h"
#include "resources/resource_ids.h"
#include "tests/framework/test_application.h"
#include "tests/support/dialog_driver.h"

namespace {

RECT WindowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

} // namespace

TEST_F(AppTest, WithoutOpenMonthTheProgramLivesInTheTray)
{
    Start();
    EXPECT_FALSE(IsWindowVisible(frame->Handle()));
    EXPECT_EQ(Active(), nullptr);
    EXPECT_STREQ(frame->Tray().Tip(), "Stundwerk: Tagesberechnung nicht aktiv.");
}

TEST_F(AppTest, OpenMonthOpensThePeriodOfToday)
{
    const struct {
        unsigned startDay, day, month, year;
        const char* title;
    } cases[] = {
        {15, 3, 1, 2005, "Monatsplan für Dezember 2004"},
        {15, 15, 1, 2005, "Monatsplan für Januar 2005"},
        {1, 3, 1, 2005, "Monatsplan für Januar 2005"},
        {1, 31, 12, 2004, "Monatsplan für Dezember 2004"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        clock.Set(c.day, c.month, c.year);
        const std::string startDay = "StartDay=" + std::to_string(c.startDay);
        // The plan exists already: opening it asks nothing.
        WriteOptions({startDay});
        Start();
        unsigned month = 0, year = 0;
        frame->Core().TodaysPeriod(month, year);
        OpenPlan(month, year);
        frame.reset();

        WriteOptions({startDay, "OpenMonth=1"});
        Start();
        ASSERT_NE(Active(), nullptr);
        char title[64] = {};
        GetWindowTextA(Active()->Handle(), title, sizeof title);
        EXPECT_STREQ(title, c.title);
        EXPECT_TRUE(IsWindowVisible(frame->Handle()));
        frame.reset();
    }
    EXPECT_TRUE(boxes.Caught().empty()) << MessageTexts()[0];
}

TEST_F(AppTest, OpenMonthAsksBeforeCreatingTheMissingPlan)
{
    WriteOptions({"OpenMonth=1"});
    Start();
    ASSERT_EQ(boxes.Caught().size(), 1u);
    EXPECT_EQ(MessageTexts()[0], "Frage: Der Monatsplan für Oktober 2005 existiert noch nicht.\n\n"
                                 "Soll ein neuer Monatsplan angelegt werden?");
    EXPECT_EQ(Active(), nullptr);
}

TEST_F(AppTest, StoredGeometryIsUsedUnlessNoMonitorShowsIt)
{
    Start();
    const RECT defaults = WindowRect(frame->Handle());
    frame.reset();
    const struct {
        const char* stored;
        RECT expected;
    } cases[] = {
        {"Left=100\r\nTop=50\r\nWidth=640\r\nHeight=480", {100, 50, 740, 530}},
        // Written "%u": a frame left of the screen, still partly visible.
        {"Left=4294967288\r\nTop=20\r\nWidth=700\r\nHeight=500", {-8, 20, 692, 520}},
        {"Left=30000\r\nTop=30000\r\nWidth=640\r\nHeight=480", defaults},
        {"Left=100\r\nTop=100\r\nWidth=0\r\nHeight=0", defaults},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        WriteOptions({}, c.stored);
        Start();
        const RECT rect = WindowRect(frame->Handle());
        EXPECT_EQ(rect.left, c.expected.left);
        EXPECT_EQ(rect.top, c.expected.top);
        EXPECT_EQ(rect.right, c.expected.right);
        EXPECT_EQ(rect.bottom, c.expected.bottom);
        frame.reset();
    }
}

TEST_F(AppTest, QuitDeclinedChangesNothing)
{
    Start();
    HACCEL keys = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(SWMENU));
    ASSERT_NE(keys, nullptr);
    MSG escape{frame->Handle(), WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
    EXPECT_TRUE(TranslateAcceleratorA(frame->Handle(), keys, &escape));
    EXPECT_EQ(Command(CMD_QUIT), MSG_HANDLED);
    const std::string question = "Frage: Wollen Sie Stundwerk wirklich beenden ?";
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{question, question}));
    EXPECT_FALSE(TakeQuitMessage());
    EXPECT_TRUE(SectionLines(Ini(), "Window").empty());
}

TEST_F(AppTest, QuitWritesTheNormalGeometryAndTheSettings)
{
    const struct {
        const char* how;
        UINT message;
        WPARAM wParam;
        size_t questions;
    } cases[] = {
        {"menu", WM_COMMAND, CMD_QUIT, 1},
        {"tray menu", WM_COMMAND, CMD_TRAY_QUIT, 1},
        {"close box", WM_SYSCOMMAND, SC_CLOSE, 1},
        {"end of session", WM_QUERYENDSESSION, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        WriteOptions();
        Start();
        boxes.AnswerYes(true);
        MoveWindow(frame->Handle(), -8, 20, 700, 500, FALSE);
        ShowWindow(frame->Handle(), SW_MINIMIZE);
        const size_t before = boxes.Caught().size();
        SendMessageA(frame->Handle(), c.message, c.wParam, 0);
        EXPECT_EQ(boxes.Caught().size() - before, c.questions);
        EXPECT_TRUE(TakeQuitMessage());
        EXPECT_EQ(SectionLines(Ini(), "Window"),
                  (std::vector<std::string>{"Left=4294967288", "Top=20", "Width=700", "Height=500"}));
        EXPECT_FALSE(SectionLines(Ini(), "Options").empty());
        frame.reset();
    }
}

// Without the notification module the frame still acts on the session's
// messages; with the options unticked they change nothing.
TEST_F(AppTest, SessionMessagesRecordTheDayWhenTicked)
{
    sessionLibrary = "stundwerk-no-such-module.dll";
    const struct {
        WPARAM lock;
        unsigned hour, minute;
    } day[] = {
        {WTS_SESSION_LOCK, 9, 0}, {WTS_SESSION_UNLOCK, 9, 5}, {WTS_SESSION_LOCK, 12, 0}, {WTS_SESSION_UNLOCK, 12, 40}};
    for (const bool ticked : {true, false}) {
        SCOPED_TRACE(ticked ? "ticked" : "unticked");
        const std::string plan = folder.File("102005.SW");
        DeleteFileA(plan.c_str());
        if (ticked)
            WriteOptions({"CheckMissings=0", "AutoArrival=1", "AutoDeparture=1", "LockBreak=1"});
        else
            WriteOptions({"CheckMissings=0"});
        clock.Set(12, 10, 2005, 7, 55);
        Start();
        EXPECT_FALSE(frame->SessionNotificationsRegistered());
        for (const auto& step : day) {
            clock.Set(12, 10, 2005, step.hour, step.minute);
            SendMessageA(frame->Handle(), WM_WTSSESSION_CHANGE, step.lock, 0);
        }
        clock.Set(12, 10, 2005, 17, 10);
        SendMessageA(frame->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
        EXPECT_TRUE(TakeQuitMessage());
        if (!ticked) {
            EXPECT_EQ(GetFileAttributesA(plan.c_str()), INVALID_FILE_ATTRIBUTES);
            frame.reset();
            continue;
        }
        ASSERT_NE(Active(), nullptr);
        std::vector<std::string> shown;
        const std::vector<ListRow>& rows = Active()->Plan().rows();
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const std::vector<std::string> texts = RowTexts(Active()->ListView(), static_cast<int>(row));
            if (KeyDay(rows[row].key) == 12)
                shown.push_back(texts[ColCome] + "-" + texts[ColGo]);
        }
        EXPECT_EQ(shown, (std::vector<std::string>{"07:55-12:00", "12:40-17:10"}));
        frame.reset();
    }
    EXPECT_TRUE(boxes.Caught().empty()) << MessageTexts()[0];
}

TEST_F(AppTest, ArrivalTimerTickAndDepartureShowInTodaysRowAndTheTip)
{
    WriteOptions({"CheckMissings=0"});
    clock.Set(12, 10, 2005, 8, 0);
    Start();
    MonthPlanWindow& window = OpenPlan(10, 2005);
    Command(CMD_RECORD_ARRIVAL);

    const auto todaysRow = [&] {
        const std::vector<ListRow>& rows = window.Plan().rows();
        for (size_t row = 0; row < rows.size(); ++row) {
            if (rows[row].key == EntryKey(12, 1))
                return RowTexts(window.ListView(), static_cast<int>(row));
        }
        return std::vector<std::string>{};
    };
    ASSERT_FALSE(todaysRow().empty());
    EXPECT_EQ(todaysRow()[ColCome], "08:00");
    EXPECT_EQ(todaysRow()[ColGo], "08:00T");

    clock.Set(12, 10, 2005, 9, 30);
    SendMessageA(frame->Handle(), WM_TIMER, DAY_TIMER_ID, 0);
    EXPECT_EQ(todaysRow()[ColGo], "09:30T");
    EXPECT_EQ(todaysRow()[ColHours], "1:30T");
    EXPECT_STREQ(frame->Tray().Tip(), "Kommen: 08:00, Stunden: 1:30, Saldo: -6:06, Konto: -6:06");
    EXPECT_STREQ(frame->Tray().ShownTip(),
                 "Kommen: 08:00, Stunden: 1:30, Saldo: -6:06, Konto: -6:06\nFeierabend um 16:06");
    const auto endOfDay = [&] {
        char text[64] = {};
        SendMessageA(frame->StatusBar(), SB_GETTEXTA, 4, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    EXPECT_EQ(endOfDay(), "Feierabend um 16:06");

    clock.Set(12, 10, 2005, 16, 30);
    Command(CMD_RECORD_DEPARTURE);
    EXPECT_EQ(todaysRow()[ColGo], "16:30");
    EXPECT_EQ(endOfDay(), "");
    EXPECT_TRUE(boxes.Caught().empty()) << MessageTexts()[0];

    // Closing the last plan leaves the tray and the status bar as at the start.
    frame->SetTrayIconActive(true); // as a warning leaves it
    Command(CMD_CLOSE_MONTH_PLAN);
    EXPECT_STREQ(frame->Tray().Tip(), TIP_TIMER_OFF);
    EXPECT_EQ(frame->Tray().Icon(), LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_ICON1)));
    char part[64] = "?";
    SendMessageA(frame->StatusBar(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(part));
    EXPECT_EQ(SendMessageA(frame->StatusBar(), SB_GETPARTS, 0, 0), 1);
    EXPECT_STREQ(part, "");
}

TEST_F(AppTest, TrayAndMinimisingShowAndHideTheFrame)
{
    Start();
    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool visible;
    } steps[] = {
        {"left click on the tray icon", WM_TRAY_NOTIFY, TRAY_ICON_ID, WM_LBUTTONDOWN, true},
        {"\"Verbergen\"", WM_COMMAND, CMD_TRAY_HIDE, 0, false},
        {"\"Öffnen\"", WM_COMMAND, CMD_TRAY_OPEN, 0, true},
        {"minimising", WM_SYSCOMMAND, SC_MINIMIZE, 0, false},
        {"double click on the tray icon", WM_TRAY_NOTIFY, TRAY_ICON_ID, WM_LBUTTONDBLCLK, true},
        {"mouse moving over the tray icon", WM_TRAY_NOTIFY, TRAY_ICON_ID, WM_MOUSEMOVE, true},
    };
    for (const auto& step : steps) {
        SendMessageA(frame->Handle(), step.message, step.wParam, step.lParam);
        EXPECT_EQ(IsWindowVisible(frame->Handle()) != FALSE, step.visible) << step.what;
    }
    EXPECT_FALSE(IsIconic(frame->Handle()));
}

// The warning of the live computation has no owner: the frame stays usable
// behind it, and the plan under the computation may be closed meanwhile.
TEST_F(AppTest, APlanClosedUnderItsWarningOutlivesTheComputation)
{
    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
    } starts[] = {
        {"timer tick", WM_TIMER, DAY_TIMER_ID},
        {"list refresh of a command", WM_COMMAND, CMD_RECOMPUTE},
    };
    const struct {
        const char* what;
        std::function<void(MainFrame&, HWND plan)> close;
    } closes[] = {
        {"close box", [](MainFrame&, HWND plan) { SendMessageA(plan, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alles schließen", [](MainFrame& f, HWND) { SendMessageA(f.Handle(), WM_COMMAND, CMD_CLOSE_ALL, 0); }},
    };
    WriteOptions({"CheckMissings=0", "WWorkTime=60"});
    Start();
    for (const auto& start : starts) {
        for (const auto& close : closes) {
            SCOPED_TRACE(std::string(start.what) + ", " + close.what);
            frame->GetSettings().WarnWorkTime = 0;
            OpenPlan(10, 2005);
            AddEntry(12, At(6, 0), NO_TIME);
            frame->GetSettings().WarnWorkTime = 1;
            HWND plan = Active()->Handle();
            bool warned = false;
            WhenDialogOpens([&](HWND warning) {
                warned = TitleOf(warning) == WARNING_TITLE;
                close.close(*frame, plan);
                EXPECT_FALSE(IsWindow(plan));
                Click(warning, IDOK);
            });
            SendMessageA(frame->Handle(), start.message, start.wParam, 0);
            EXPECT_TRUE(warned);
            EXPECT_EQ(Active(), nullptr);
            Pump();
        }
    }
}

// Without a settings file the welcome dialog comes first: "Abbrechen" leaves
// the defaults and writes nothing, OK saves and opens today's period.
TEST_F(AppTest, FirstStartWelcome)
{
    for (const bool ok : {false, true}) {
        frame.reset();
        TakeQuitMessage();
        std::remove(Ini().c_str());
        WhenDialogOpens([ok](HWND welcome) {
            if (!ok) {
                Click(welcome, IDCANCEL);
                return;
            }
            Type(welcome, IDC_WELCOME_FROM, "10.10.2005");
            Type(welcome, IDC_WELCOME_ACCOUNT, "-5:30");
            Click(welcome, IDOK);
        });
        Start();
        EXPECT_EQ(GetFileAttributesA(Ini().c_str()) != INVALID_FILE_ATTRIBUTES, ok);
        ASSERT_EQ(Active() != nullptr, ok);
        if (!ok)
            continue;
        char text[32] = {};
        GetPrivateProfileStringA("Options", "RecordFrom", "", text, sizeof text, Ini().c_str());
        EXPECT_STREQ(text, "20051010");
        GetPrivateProfileStringA("MAIN", "Account", "", text, sizeof text, Active()->Plan().path().c_str());
        EXPECT_STREQ(text, "-330");
    }
}
