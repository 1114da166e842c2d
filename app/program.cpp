#include "app/program.h"

#include <commctrl.h>

#include <exception>

#include "app/main_frame.h"
#include "cli/program_path.h"
#include "framework/application.h"
#include "framework/fatal_error.h"
#include "resources/resource_ids.h"

namespace {

constexpr const char* CLASS_NAME = "Stundwerk";

// True when another copy runs: its window comes forward (and stays hidden
// when it lives in the tray).
bool BringOtherCopyForward()
{
    HWND other = FindWindowA(CLASS_NAME, nullptr);
    if (!other)
        return false;
    BringWindowToTop(other);
    SetForegroundWindow(other);
    RedrawWindow(other, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return true;
}

int Run(HINSTANCE instance, HINSTANCE previousInstance, int showCommand)
{
    Application application(instance, previousInstance, CLASS_NAME, MAKEINTRESOURCEA(IDI_ICON1),
                            MAKEINTRESOURCEA(SWMENU), MAKEINTRESOURCEA(SWMENU), nullptr);
    if (BringOtherCopyForward())
        return 0;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    MainFrameSetup setup;
    setup.showCommand = showCommand;
    setup.modulePath = ProgramPath();
    MainFrame frame(setup);
    return application.RunMessageLoop();
}

} // namespace

int RunStundwerk(HINSTANCE instance, HINSTANCE previousInstance, int showCommand)
{
    // A framework failure while the frame is built ends the program as every
    // fatal framework error does; those inside window procedures never get
    // here.
    try {
        return Run(instance, previousInstance, showCommand);
    } catch (const std::exception& error) {
        EndProgramWithError(error.what());
    }
}
