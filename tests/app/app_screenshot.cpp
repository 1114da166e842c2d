// Shows the main frame with a month plan (stripes, a Sunday, a public
// holiday, icons, an open entry of today, German remarks) and saves pictures
// for a person to look at: argument 1 the frame, argument 2 the plan window
// narrowed so that its cells shorten their texts.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/main_frame.h"
#include "app/month_plan_window.h"
#include "core/period.h"
#include "framework/application.h"
#include "resources/resource_ids.h"
#include "tests/core/core_fakes.h"
#include "tests/framework/message_box_catcher.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_picture.h"

namespace {

void AddEntry(MainFrame& frame, MonthPlan& plan, unsigned day, TimeValue come, TimeValue go, const char* remark)
{
    EntryRecord record;
    plan.ReadEntry(day, 1, record);
    record.Come = come;
    record.Go = go;
    record.WorkTime = record.Saldo = record.Account = NO_HOURS;
    std::snprintf(record.Info, sizeof record.Info, "%s", remark);
    record.NoSaldo =
        IsTimeCode(come) && come != TimeCode(DirectHours) ? 1 : !IsWorkDay(frame.GetSettings(), record.weekday);
    if (IsTimeCode(come) && come != TimeCode(DirectHours)) {
        record.WorkTime = HoursCode(TimeCodeKind(come));
        record.Saldo = 0;
    }
    plan.WriteEntry(0, 0, record);
    plan.Recompute(EffectiveStartDay(frame.GetSettings()));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: app_screenshot frame.bmp narrow.bmp\n");
        return 2;
    }
    Application application(GetModuleHandleA(nullptr), nullptr, "Stundwerk", MAKEINTRESOURCEA(IDI_ICON1),
                            MAKEINTRESOURCEA(SWMENU), nullptr, nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    MessageBoxCatcher boxes;
    TempFolder folder;
    WriteBytes(folder.File("stundwrk.ini"), "[Options]\r\nWorkingDir=" + folder.path().string() +
                                                "\r\nCheckMissings=0\r\n[Window]\r\nLeft=0\r\nTop=0\r\n"
                                                "Width=1000\r\nHeight=700\r\n");
    FakeClock clock;
    clock.Set(12, 10, 2005, 8, 5);
    MainFrameSetup setup;
    setup.modulePath = folder.File("Stundwerk.exe");
    setup.clock = &clock;
    MainFrame frame(setup);
    ShowWindow(frame.Handle(), SW_SHOWNORMAL);
    frame.Core().OpenMonthPlan(10, 2005, true, false);
    MonthPlanWindow* window = frame.GetActiveMonthPlan();
    MonthPlan& plan = window->Plan();
    AddEntry(frame, plan, 2, At(10, 0), At(12, 30), "Sonntagsdienst");
    AddEntry(frame, plan, 2, At(13, 0), At(14, 0), "");
    for (unsigned day : {4u, 5u, 6u, 10u, 11u})
        AddEntry(frame, plan, day, At(8, 0), At(16, 45), "");
    AddEntry(frame, plan, 7, TimeCode(FlexiDay), TimeCode(FlexiDay), "Brückentag");
    AddEntry(frame, plan, 5, At(17, 30), At(19, 15),
             "Überstunden für die Änderung der Größenübersicht, mit dem Büro abgesprochen: Ausgleich über Gleittage im "
             "November");
    plan.FillMissingDays(12);
    plan.RecordArrival();
    clock.Set(12, 10, 2005, 10, 20);
    plan.ComputeCurrentDay(true);
    SendMessageA(frame.MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window->Handle()), 0);
    PumpUntilIdle();
    bool saved = SaveWindowPicture(frame.Handle(), argv[1]);

    SendMessageA(frame.MdiClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(window->Handle()), 0);
    MoveWindow(window->Handle(), 10, 10, 520, 400, TRUE);
    PumpUntilIdle();
    saved = SaveWindowPicture(frame.Handle(), argv[2]) && saved;
    return saved ? 0 : 1;
}
