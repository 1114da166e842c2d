// What no end-to-end run can show: an exception must never unwind through
// user32's frames. A failing handler of a window or a dialog ends the program
// with its message, and a failure under the open error box ends it at once
// instead of opening box after box until the stack runs out.
#include <gtest/gtest.h>

#include <functional>

#include "framework/base_window.h"
#include "framework/fatal_error.h"
#include "framework/modal_dialog.h"
#include "tests/framework/message_box_catcher.h"
#include "tests/framework/test_application.h"

namespace {

class Failing : public BaseWindow {
public:
    explicit Failing(int show = SW_HIDE)
        : BaseWindow((TestApplication(), show), "failing", nullptr, nullptr, WS_OVERLAPPEDWINDOW)
    {
    }
    LRESULT OnCommand(WPARAM*, LPARAM*) override { throw FrameworkError("Broken command."); }
    LRESULT OnPaint(WPARAM*, LPARAM*) override { throw FrameworkError("Broken paint."); }
};

class FailingDialog : public ModalDialog {
public:
    FailingDialog() : ModalDialog(GetModuleHandleA(nullptr)) {}
    INT_PTR OnInitDialog(HWND) override { throw FrameworkError("Broken dialog."); }
};

TEST(WindowProcedureDeathTest, AnExceptionInAHandlerEndsTheProgramWithItsMessage)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    const struct {
        MessageBoxCatcher::Mode boxes;
        std::function<void()> fail;
        const char* output;
    } cases[] = {
        {MessageBoxCatcher::ANSWER, [] { SendMessageA(Failing().Handle(), WM_COMMAND, 1, 0); },
         "Error: Broken command\\."},
        {MessageBoxCatcher::ANSWER, [] { (new FailingDialog)->DoModal(nullptr, "DLG_GETINFO"); },
         "Error: Broken dialog\\."},
        {MessageBoxCatcher::LEAVE_OPEN,
         [] { RedrawWindow(Failing(SW_SHOW).Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); },
         "^\\[message box\\] Error: Broken paint\\.\n$"},
    };
    for (const auto& c : cases)
        EXPECT_EXIT(
            {
                MessageBoxCatcher catcher(c.boxes);
                c.fail();
            },
            testing::ExitedWithCode(FATAL_EXIT_CODE), c.output);
}

} // namespace
