#include <gtest/gtest.h>

#include "framework/application.h"
#include "framework/base_window.h"
#include "framework/process_values.h"
#include "tests/framework/test_application.h"

namespace {

HINSTANCE Module()
{
    return GetModuleHandleA(nullptr);
}

struct AcceleratorCase {
    const char* className;
    const char* acceleratorName;
    bool expectTable;
};

class ApplicationAccelerators : public testing::TestWithParam<AcceleratorCase> {};

TEST_P(ApplicationAccelerators, LoadsOnlyAnExistingNamedTable)
{
    const AcceleratorCase& c = GetParam();
    Application application(Module(), nullptr, c.className, nullptr, nullptr, c.acceleratorName, nullptr);
    EXPECT_EQ(application.Accelerators() != nullptr, c.expectTable);
    WNDCLASSA registered{};
    ASSERT_TRUE(GetClassInfoA(Module(), c.className, &registered));
    EXPECT_EQ(registered.lpfnWndProc, BaseWindow::WindowProcedure);
    EXPECT_EQ(registered.cbWndExtra, static_cast<int>(sizeof(LONG_PTR)));
    EXPECT_EQ(registered.style, static_cast<UINT>(CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW));
    EXPECT_NE(registered.hbrBackground, nullptr);
    EXPECT_STREQ(Process().mainWindowClassName, c.className);
    EXPECT_EQ(Process().instance, Module());
}

INSTANTIATE_TEST_SUITE_P(Names, ApplicationAccelerators,
                         testing::Values(AcceleratorCase{"AccelNone", nullptr, false},
                                         AcceleratorCase{"AccelMissing", "NOSUCHTABLE", false},
                                         AcceleratorCase{"AccelPresent", "TESTACCEL", true},
                                         // 31 characters: exactly fills the name buffer.
                                         AcceleratorCase{"ClassNameOfThirtyOneCharacters", nullptr, false}));

TEST(Application, PreviousInstanceRegistersNothing)
{
    Application application(Module(), Module(), "NeverRegistered", nullptr, nullptr, "TESTACCEL", nullptr);
    EXPECT_EQ(application.Accelerators(), nullptr);
    WNDCLASSA registered{};
    EXPECT_FALSE(GetClassInfoA(Module(), "NeverRegistered", &registered));
    Process().previousInstance = nullptr;
}

class CommandCounter : public BaseWindow {
public:
    CommandCounter()
    {
        CreateWindowExA(0, Process().mainWindowClassName, "counter", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                        nullptr, Process().instance, this);
    }
    ~CommandCounter() override { DestroyWindow(window_); }
    LRESULT OnCommand(WPARAM* wParam, LPARAM*) override
    {
        commands.push_back(LOWORD(*wParam));
        return 0;
    }
    LRESULT OnDestroy(WPARAM*, LPARAM*) override { return 0; }
    std::vector<int> commands;
};

TEST(Application, MessageLoopReturnsTheQuitCodeAndDispatches)
{
    TestApplication();
    CommandCounter window;
    PostMessageA(window.Handle(), WM_COMMAND, 17, 0);
    PostQuitMessage(3);
    Application loopOwner(Module(), nullptr, "LoopOwner", nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(loopOwner.RunMessageLoop(), 3);
    EXPECT_EQ(window.commands, std::vector<int>{17});
}

TEST(Application, MessageLoopTranslatesAcceleratorsForTheActiveWindow)
{
    Application application(Module(), nullptr, "AccelLoop", nullptr, nullptr, "TESTACCEL", nullptr);
    CommandCounter window;
    ShowWindow(window.Handle(), SW_SHOW);
    SetForegroundWindow(window.Handle());
    SetActiveWindow(window.Handle());
    if (GetActiveWindow() != window.Handle())
        GTEST_SKIP() << "the display gives no window activation";
    PostMessageA(window.Handle(), WM_KEYDOWN, VK_F5, 1);
    PostQuitMessage(0);
    EXPECT_EQ(application.RunMessageLoop(), 0);
    EXPECT_EQ(window.commands, std::vector<int>{4711});
}

TEST(Application, MissingCtl3dIsFatalWithTheFullExplanation)
{
    Application& application = TestApplication();
    try {
        application.InitCtl3d();
        application.ExitCtl3d();
        GTEST_SKIP() << "CTL3D32.DLL is present";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "Failed to load CTL3D.DLL\nThere'll be no 3D-effect for dialogs.\n\n"
                                   "Please copy the delivered CTL3D-files\nin your windows-system-directory.");
    }
}

} // namespace
