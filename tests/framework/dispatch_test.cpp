#include <gtest/gtest.h>

#include "framework/fatal_error.h"
#include "framework/process_values.h"
#include "tests/framework/message_box_catcher.h"
#include "tests/framework/recording_window.h"
#include "tests/framework/test_application.h"

namespace {

constexpr LRESULT HANDLED = 0x1234;

struct Route {
    UINT message;
    const char* handler;
};

// Every row of the dispatch table, the shared rows once per message.
const Route ROUTES[] = {
    {WM_USER + 0x66, "OnTrayNotify"},
    {WM_WINDOWPOSCHANGED, "OnWindowPosChanged"},
    {WM_MOUSEMOVE, "OnMouseMove"},
    {WM_LBUTTONDOWN, "OnLButtonDown"},
    {WM_LBUTTONUP, "OnLButtonUp"},
    {WM_COMMAND, "OnCommand"},
    {WM_PAINT, "OnPaint"},
    {WM_NCPAINT, "OnNcPaint"},
    {WM_INITMENU, "OnInitMenu"},
    {WM_CTLCOLORMSGBOX, "OnCtlColor"},
    {WM_CTLCOLOREDIT, "OnCtlColor"},
    {WM_CTLCOLORLISTBOX, "OnCtlColor"},
    {WM_CTLCOLORBTN, "OnCtlColor"},
    {WM_CTLCOLORDLG, "OnCtlColor"},
    {WM_CTLCOLORSCROLLBAR, "OnCtlColor"},
    {WM_CTLCOLORSTATIC, "OnCtlColor"},
    {WM_DESTROY, "OnDestroy"},
    {WM_NCDESTROY, "OnNcDestroy"},
    {WM_SHOWWINDOW, "OnShowWindow"},
    {WM_NCCREATE, "OnNcCreate"},
    {WM_VSCROLL, "OnVScroll"},
    {WM_CREATE, "OnCreate"},
    {WM_MDIACTIVATE, "OnMdiActivate"},
    {WM_ACTIVATE, "OnActivate"},
    {WM_ACTIVATEAPP, "OnActivateApp"},
    {WM_SIZE, "OnSize"},
    {WM_SIZING, "OnSizing"},
    {WM_ERASEBKGND, "OnEraseBkgnd"},
    {WM_SETFOCUS, "OnSetFocus"},
    {WM_MENUCHAR, "OnMenuChar"},
    {WM_HOTKEY, "OnHotKey"},
    {WM_CHILDACTIVATE, "OnChildActivate"},
    {WM_KEYDOWN, "OnKeyDown"},
    {WM_SETCURSOR, "OnSetCursor"},
    {WM_MOUSEACTIVATE, "OnMouseActivate"},
    {WM_GETMINMAXINFO, "OnGetMinMaxInfo"},
    {WM_MOVE, "OnMove"},
    {WM_SYSCOMMAND, "OnSysCommand"},
    {WM_NOTIFY, "OnNotify"},
    {WM_TIMER, "OnTimer"},
    {WM_FONTCHANGE, "OnFontChange"},
    {WM_RBUTTONUP, "OnRButtonUp"},
    {WM_RBUTTONDOWN, "OnRButtonDown"},
    {WM_MENUSELECT, "OnRButtonDown"},
    {WM_CLOSE, "OnClose"},
    {WM_DROPFILES, "OnDropFiles"},
    {WM_DRAWITEM, "OnDrawItem"},
    {WM_QUIT, "OnQuit"},
    {WM_DRAWCLIPBOARD, "OnDrawClipboard"},
    {WM_QUERYENDSESSION, "OnQueryEndSession"},
    {WM_PALETTECHANGED, "OnPaletteChanged"},
    {WM_QUERYNEWPALETTE, "OnQueryNewPalette"},
    // Unlisted messages go to OnMessage with their number.
    {WM_KEYUP, "OnMessage"},
    {WM_CHAR, "OnMessage"},
    {WM_CONTEXTMENU, "OnMessage"},
    {WM_USER + 1, "OnMessage"},
};

class DispatchRoute : public testing::TestWithParam<Route> {};

TEST_P(DispatchRoute, ReachesItsHandlerWithItsOwnParameters)
{
    const Route& route = GetParam();
    RecordingWindow window(HANDLED);
    window.calls.clear();
    window.defaultCalls.clear();
    const WPARAM wParam = 0x100 + route.message;
    const LPARAM lParam = 0x20000 + route.message;

    EXPECT_EQ(SendMessageA(window.Handle(), route.message, wParam, lParam), HANDLED);

    ASSERT_EQ(window.calls.size(), 1u);
    EXPECT_EQ(window.calls[0].handler, route.handler);
    EXPECT_EQ(window.calls[0].wParam, wParam);
    EXPECT_EQ(window.calls[0].lParam, lParam);
    if (window.calls[0].handler == "OnMessage") {
        EXPECT_EQ(window.calls[0].message, route.message);
    }
    EXPECT_TRUE(window.defaultCalls.empty()) << "a handled message reached the default procedure";
}

INSTANTIATE_TEST_SUITE_P(Table, DispatchRoute, testing::ValuesIn(ROUTES));

TEST(Dispatch, NotHandledSentinelPassesChangedParametersToTheDefaultProcedure)
{
    RecordingWindow window(HANDLED);
    window.result = MSG_NOT_HANDLED;
    window.RewriteParameters(11, 22);
    window.defaultCalls.clear();

    EXPECT_EQ(SendMessageA(window.Handle(), WM_USER + 7, 1, 2), 0x4242);

    ASSERT_EQ(window.defaultCalls.size(), 1u);
    EXPECT_EQ(window.defaultCalls[0].message, static_cast<UINT>(WM_USER + 7));
    EXPECT_EQ(window.defaultCalls[0].wParam, 11u);
    EXPECT_EQ(window.defaultCalls[0].lParam, 22);
}

TEST(Dispatch, AGenuineResultOf0x9999IsTakenAsNotHandled)
{
    RecordingWindow window(HANDLED);
    window.result = 0x9999;
    window.defaultCalls.clear();
    EXPECT_EQ(SendMessageA(window.Handle(), WM_CTLCOLORSTATIC, 0, 0),
              DefWindowProcA(window.Handle(), WM_CTLCOLORSTATIC, 0, 0));
    EXPECT_EQ(window.defaultCalls.size(), 1u);
}

TEST(Dispatch, MessagesBeforeCreateNeverReachTheObject)
{
    RecordingWindow window(MSG_NOT_HANDLED);
    ASSERT_FALSE(window.calls.empty());
    EXPECT_EQ(window.calls[0].handler, "OnCreate");
    for (const HandlerCall& call : window.calls) {
        EXPECT_NE(call.handler, "OnNcCreate");
        if (&call != &window.calls[0]) {
            EXPECT_NE(call.handler, "OnCreate");
        }
    }
    EXPECT_EQ(BaseWindow::FromHandle(window.Handle()), &window);
}

TEST(Dispatch, AWindowWithoutObjectGoesStraightToTheDefaultProcedure)
{
    TestApplication();
    HWND window = CreateWindowExA(0, Process().mainWindowClassName, "bare", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  nullptr, nullptr, Process().instance, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(BaseWindow::FromHandle(window), nullptr);
    EXPECT_EQ(BaseWindow::WindowProcedure(window, WM_USER + 3, 0, 0), 0);
    char title[16] = {};
    BaseWindow::WindowProcedure(window, WM_GETTEXT, sizeof title, reinterpret_cast<LPARAM>(title));
    EXPECT_STREQ(title, "bare");
    DestroyWindow(window);
    EXPECT_FALSE(TakeQuitMessage());
}

TEST(Dispatch, NotHandledForAVanishedWindowIsFatal)
{
    RecordingWindow window(0);
    DestroyWindow(window.Handle());
    window.result = MSG_NOT_HANDLED;
    try {
        window.Dispatch(WM_USER + 1, 0, 0);
        FAIL() << "no error";
    } catch (const FrameworkError& error) {
        EXPECT_STREQ(error.what(), "Incorrect window-handler in WndProc.");
    }
}

class Unattached : public BaseWindow {
public:
    using BaseWindow::BaseWindow;
};

TEST(BaseWindowCreation, NullTitleCreatesNoWindow)
{
    TestApplication();
    Unattached window(SW_SHOW, nullptr, nullptr, nullptr, WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(window.Handle(), nullptr);
}

TEST(BaseWindowCreation, CreatesShowsAndAcceptsFilesAndPostsQuitOnDestroy)
{
    TestApplication();
    Unattached window(SW_SHOWNORMAL, "created", nullptr, nullptr, WS_OVERLAPPEDWINDOW);
    ASSERT_NE(window.Handle(), nullptr);
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
    EXPECT_TRUE(GetWindowLongA(window.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_EQ(BaseWindow::FromHandle(window.Handle()), &window);
    DestroyWindow(window.Handle());
    EXPECT_TRUE(TakeQuitMessage());
}

TEST(BaseWindowCreation, FailureIsFatal)
{
    TestApplication();
    try {
        Unattached window(SW_SHOW, "orphan", nullptr, reinterpret_cast<HWND>(0x5678), WS_CHILD);
        FAIL() << "no error";
    } catch (const FrameworkError& error) {
        EXPECT_STREQ(error.what(), "Unable to create Window.");
    }
}

class Throwing : public RecordingWindow {
public:
    Throwing() : RecordingWindow(MSG_NOT_HANDLED) {}
    LRESULT OnCommand(WPARAM*, LPARAM*) override { throw FrameworkError("Broken command."); }
};

TEST(DispatchDeathTest, AnExceptionInAHandlerEndsTheProgramWithItsMessage)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            MessageBoxCatcher catcher;
            Throwing window;
            SendMessageA(window.Handle(), WM_COMMAND, 1, 0);
        },
        testing::ExitedWithCode(FATAL_EXIT_CODE), "Error: Broken command\\.");
}

} // namespace
