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

// Every row of the dispatch table, the shared rows once per message; unlisted
// messages go to OnMessage with their number.
// clang-format off
const Route ROUTES[] = {
    {WM_USER + 0x66, "OnTrayNotify"}, {WM_WINDOWPOSCHANGED, "OnWindowPosChanged"}, {WM_MOUSEMOVE, "OnMouseMove"},
    {WM_LBUTTONDOWN, "OnLButtonDown"}, {WM_LBUTTONUP, "OnLButtonUp"}, {WM_COMMAND, "OnCommand"},
    {WM_PAINT, "OnPaint"}, {WM_NCPAINT, "OnNcPaint"}, {WM_INITMENU, "OnInitMenu"}, {WM_CTLCOLORMSGBOX, "OnCtlColor"},
    {WM_CTLCOLOREDIT, "OnCtlColor"}, {WM_CTLCOLORLISTBOX, "OnCtlColor"}, {WM_CTLCOLORBTN, "OnCtlColor"},
    {WM_CTLCOLORDLG, "OnCtlColor"}, {WM_CTLCOLORSCROLLBAR, "OnCtlColor"}, {WM_CTLCOLORSTATIC, "OnCtlColor"},
    {WM_DESTROY, "OnDestroy"}, {WM_NCDESTROY, "OnNcDestroy"}, {WM_SHOWWINDOW, "OnShowWindow"},
    {WM_NCCREATE, "OnNcCreate"}, {WM_VSCROLL, "OnVScroll"}, {WM_CREATE, "OnCreate"},
    {WM_MDIACTIVATE, "OnMdiActivate"}, {WM_ACTIVATE, "OnActivate"}, {WM_ACTIVATEAPP, "OnActivateApp"},
    {WM_SIZE, "OnSize"}, {WM_SIZING, "OnSizing"}, {WM_ERASEBKGND, "OnEraseBkgnd"}, {WM_SETFOCUS, "OnSetFocus"},
    {WM_MENUCHAR, "OnMenuChar"}, {WM_HOTKEY, "OnHotKey"}, {WM_CHILDACTIVATE, "OnChildActivate"},
    {WM_KEYDOWN, "OnKeyDown"}, {WM_SETCURSOR, "OnSetCursor"}, {WM_MOUSEACTIVATE, "OnMouseActivate"},
    {WM_GETMINMAXINFO, "OnGetMinMaxInfo"}, {WM_MOVE, "OnMove"}, {WM_SYSCOMMAND, "OnSysCommand"},
    {WM_NOTIFY, "OnNotify"}, {WM_TIMER, "OnTimer"}, {WM_FONTCHANGE, "OnFontChange"}, {WM_RBUTTONUP, "OnRButtonUp"},
    {WM_RBUTTONDOWN, "OnRButtonDown"}, {WM_MENUSELECT, "OnRButtonDown"}, {WM_CLOSE, "OnClose"},
    {WM_DROPFILES, "OnDropFiles"}, {WM_DRAWITEM, "OnDrawItem"}, {WM_QUIT, "OnQuit"},
    {WM_DRAWCLIPBOARD, "OnDrawClipboard"}, {WM_QUERYENDSESSION, "OnQueryEndSession"},
    {WM_PALETTECHANGED, "OnPaletteChanged"}, {WM_QUERYNEWPALETTE, "OnQueryNewPalette"}, {WM_KEYUP, "OnMessage"},
    {WM_CONTEXTMENU, "OnMessage"}, {WM_USER + 1, "OnMessage"}};
// clang-format on

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
    EXPECT_EQ(window.calls[0].message, window.calls[0].handler == "OnMessage" ? route.message : 0);
    EXPECT_TRUE(window.defaultCalls.empty()) << "a handled message reached the default procedure";
}

INSTANTIATE_TEST_SUITE_P(Table, DispatchRoute, testing::ValuesIn(ROUTES));

TEST(Dispatch, AResultOf0x9999PassesTheChangedParametersToTheDefaultProcedure)
{
    for (UINT message : {UINT{WM_CTLCOLORSTATIC}, UINT{WM_USER + 7}}) {
        RecordingWindow window(0x9999);
        window.rewrite = true;
        window.newWParam = 11;
        window.newLParam = 22;
        window.defaultCalls.clear();
        const LRESULT expected = message >= WM_USER ? 0x4242 : DefWindowProcA(window.Handle(), message, 11, 22);
        EXPECT_EQ(SendMessageA(window.Handle(), message, 1, 2), expected);
        ASSERT_EQ(window.defaultCalls.size(), 1u);
        EXPECT_EQ(window.defaultCalls[0].message, message);
        EXPECT_EQ(window.defaultCalls[0].wParam, 11u);
        EXPECT_EQ(window.defaultCalls[0].lParam, 22);
    }
}

TEST(Dispatch, MessagesBeforeCreateNeverReachTheObject)
{
    RecordingWindow window(MSG_NOT_HANDLED);
    ASSERT_FALSE(window.calls.empty());
    EXPECT_EQ(window.calls[0].handler, "OnCreate");
    for (size_t i = 1; i < window.calls.size(); ++i)
        EXPECT_NE(window.calls[i].handler, "OnCreate") << i;
    EXPECT_EQ(BaseWindow::FromHandle(window.Handle()), &window);
}

TEST(Dispatch, AWindowWithoutObjectGoesStraightToTheDefaultProcedure)
{
    TestApplication();
    HWND window = CreateWindowExA(0, Process().mainWindowClassName, "bare", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  nullptr, nullptr, Process().instance, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(BaseWindow::FromHandle(window), nullptr);
    char title[16] = {};
    BaseWindow::WindowProcedure(window, WM_GETTEXT, sizeof title, reinterpret_cast<LPARAM>(title));
    EXPECT_STREQ(title, "bare");
    DestroyWindow(window);
    EXPECT_FALSE(TakeQuitMessage());
}

class Unattached : public BaseWindow {
public:
    using BaseWindow::BaseWindow;
};

TEST(BaseWindowCreation, CreatesShowsAndAcceptsFilesAndPostsQuitOnDestroy)
{
    TestApplication();
    EXPECT_EQ(Unattached(SW_SHOW, nullptr, nullptr, nullptr, WS_OVERLAPPEDWINDOW).Handle(), nullptr) << "no title";
    Unattached window(SW_SHOWNORMAL, "created", nullptr, nullptr, WS_OVERLAPPEDWINDOW);
    ASSERT_NE(window.Handle(), nullptr);
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
    EXPECT_TRUE(GetWindowLongA(window.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_EQ(BaseWindow::FromHandle(window.Handle()), &window);
    DestroyWindow(window.Handle());
    EXPECT_TRUE(TakeQuitMessage());
}

TEST(Dispatch, FailuresAreFatalWithTheirMessages)
{
    EXPECT_EQ(FrameworkErrorOf([] {
                  TestApplication();
                  Unattached window(SW_SHOW, "orphan", nullptr, reinterpret_cast<HWND>(0x5678), WS_CHILD);
              }),
              "Unable to create Window.");
    RecordingWindow window(0);
    DestroyWindow(window.Handle());
    window.result = MSG_NOT_HANDLED;
    EXPECT_EQ(FrameworkErrorOf([&] { window.Dispatch(WM_USER + 1, 0, 0); }), "Incorrect window-handler in WndProc.");
}

// A window whose commands and painting fail.
class Failing : public RecordingWindow {
public:
    Failing() : RecordingWindow(MSG_NOT_HANDLED) {}
    LRESULT OnCommand(WPARAM*, LPARAM*) override { throw FrameworkError("Broken command."); }
    LRESULT OnPaint(WPARAM*, LPARAM*) override { throw FrameworkError("Broken paint."); }
};

TEST(DispatchDeathTest, AnExceptionInAHandlerEndsTheProgramWithItsMessage)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            MessageBoxCatcher catcher;
            Failing window;
            SendMessageA(window.Handle(), WM_COMMAND, 1, 0);
        },
        testing::ExitedWithCode(FATAL_EXIT_CODE), "Error: Broken command\\.");
}

// The error box runs a message loop; the window, never validated, asks to be
// painted again under it and fails again. That second failure must end the
// process instead of opening box after box until the stack runs out.
TEST(DispatchDeathTest, AFailureWhileTheErrorBoxIsOpenEndsTheProgramAtOnce)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            MessageBoxCatcher watcher(MessageBoxCatcher::LEAVE_OPEN);
            Failing window;
            ShowWindow(window.Handle(), SW_SHOW);
            UpdateWindow(window.Handle());
        },
        testing::ExitedWithCode(FATAL_EXIT_CODE), "^\\[message box\\] Error: Broken paint\\.\n$");
}

} // namespace
