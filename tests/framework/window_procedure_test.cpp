// What no end-to-end run can show: an exception must never unwind through
// user32's frames. A failing handler of a window or a dialog ends the program
// with its message, and a failure under the open error box ends it at once
// instead of opening box after box until the stack runs out.
#include <gtest/gtest.h>

#include "framework/base_window.h"
#include "framework/fatal_error.h"
#include "framework/modal_dialog.h"
#include "tests/framework/message_box_catcher.h"
#include "tests/framework/test_application.h"

namespace {

class Failing : public BaseWindow {
public:
    Failing() : BaseWindow((TestApplication(), SW_HIDE), "failing", nullptr, nullptr, WS_OVERLAPPEDWINDOW) {}
    LRESULT OnCommand(WPARAM*, LPARAM*) override { throw FrameworkError("Broken command."); }
    LRESULT OnPaint(WPARAM*, LPARAM*) override { throw FrameworkError("Broken paint."); }
};

class FailingDialog : public ModalDialog {
public:
    FailingDialog() : ModalDialog(GetModuleHandleA(nullptr)) {}
    INT_PTR OnInitDialog(HWND dialog) override
    {
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return 1;
    }
    INT_PTR OnCommand(HWND*, WPARAM* wParam, LPARAM*) override
    {
        if (*wParam == IDOK) // not the notifications of the template's fields
            throw FrameworkError("Broken dialog.");
        return 0;
    }
};

TEST(WindowProcedureDeathTest, AnExceptionInAHandlerEndsTheProgramWithItsMessage)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            MessageBoxCatcher catcher;
            Failing window;
            SendMessageA(window.Handle(), WM_COMMAND, 1, 0);
        },
        testing::ExitedWithCode(FATAL_EXIT_CODE), "Error: Broken command\\.");
    EXPECT_EXIT(
        {
            MessageBoxCatcher catcher;
            (new FailingDialog)->DoModal(nullptr, "DLG_GETINFO");
        },
        testing::ExitedWithCode(FATAL_EXIT_CODE), "Error: Broken dialog\\.");
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
