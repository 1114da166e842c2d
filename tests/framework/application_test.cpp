#include <gtest/gtest.h>

#include "framework/application.h"
#include "framework/base_window.h"
#include "framework/process_values.h"
#include "tests/framework/import_patch.h"
#include "tests/framework/recording_window.h"
#include "tests/framework/test_application.h"

namespace {

HINSTANCE Module()
{
    return GetModuleHandleA(nullptr);
}

TEST(Application, RegistersTheMainClassAndLoadsOnlyAnExistingNamedAcceleratorTable)
{
    struct Case {
        const char* className;
        const char* acceleratorName;
        bool expectTable;
    };
    // 31 characters: exactly fills the name buffer.
    for (const Case& c :
         {Case{"AccelNone", nullptr, false}, Case{"AccelMissing", "NOSUCHTABLE", false},
          Case{"AccelPresent", "TESTACCEL", true}, Case{"ClassNameOfThirtyOneCharacters", nullptr, false}}) {
        Application application(Module(), nullptr, c.className, nullptr, nullptr, c.acceleratorName, nullptr);
        EXPECT_EQ(ApplicationTestAccess::Accelerators(application) != nullptr, c.expectTable) << c.className;
        WNDCLASSA registered{};
        ASSERT_TRUE(GetClassInfoA(Module(), c.className, &registered)) << c.className;
        EXPECT_EQ(registered.lpfnWndProc, BaseWindow::WindowProcedure);
        EXPECT_EQ(registered.cbWndExtra, static_cast<int>(sizeof(LONG_PTR)));
        EXPECT_EQ(registered.style, static_cast<UINT>(CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW));
        EXPECT_STREQ(Process().mainWindowClassName, c.className);
        EXPECT_EQ(Process().instance, Module());
    }
}

TEST(Application, PreviousInstanceRegistersNothing)
{
    Application application(Module(), Module(), "NeverRegistered", nullptr, nullptr, "TESTACCEL", nullptr);
    EXPECT_EQ(ApplicationTestAccess::Accelerators(application), nullptr);
    WNDCLASSA registered{};
    EXPECT_FALSE(GetClassInfoA(Module(), "NeverRegistered", &registered));
    Process().previousInstance = nullptr;
}

TEST(Application, MessageLoopDispatchesTranslatesAcceleratorsForTheActiveWindowAndReturnsTheQuitCode)
{
    Application application(Module(), nullptr, "AccelLoop", nullptr, nullptr, "TESTACCEL", nullptr);
    RecordingWindow window(MSG_NOT_HANDLED);
    ShowWindow(window.Handle(), SW_SHOW);
    SetForegroundWindow(window.Handle());
    SetActiveWindow(window.Handle());
    const bool active = GetActiveWindow() == window.Handle(); // not on every display
    window.calls.clear();
    PostMessageA(window.Handle(), WM_COMMAND, 17, 0);
    if (active)
        PostMessageA(window.Handle(), WM_KEYDOWN, VK_F5, 1);
    PostQuitMessage(3);
    EXPECT_EQ(application.RunMessageLoop(), 3);
    std::vector<WPARAM> commands;
    for (const HandlerCall& call : window.calls)
        if (call.handler == "OnCommand")
            commands.push_back(LOWORD(call.wParam));
    EXPECT_EQ(commands, (active ? std::vector<WPARAM>{17, 4711} : std::vector<WPARAM>{17}));
}

HMODULE WINAPI NoLibrary(LPCSTR)
{
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

TEST(Application, MissingCtl3dIsFatalWithTheFullExplanation)
{
    Application& application = TestApplication();
    // Wine ships a CTL3D32.DLL; the program must not find one here.
    ImportPatch missing("KERNEL32.dll", "LoadLibraryA", reinterpret_cast<const void*>(NoLibrary));
    ASSERT_TRUE(missing.Patched());
    EXPECT_EQ(FrameworkErrorOf([&] { application.InitCtl3d(); }),
              "Failed to load CTL3D.DLL\nThere'll be no 3D-effect for dialogs.\n\n"
              "Please copy the delivered CTL3D-files\nin your windows-system-directory.");
}

} // namespace
