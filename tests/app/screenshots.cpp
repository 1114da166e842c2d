// Pictures of the frame with a month plan (stripes, a Sunday, a public
// holiday, icons, an open entry of today, German remarks) for a person to
// look at: the frame, then the plan window narrowed so that its cells shorten
// their texts. screenshots.sh runs only these, in the pictures' folder.
#include "tests/app/app_fixture.h"

#include "tests/support/window_picture.h"

namespace {

using Screenshots = AppTest;

TEST_F(Screenshots, FrameAndNarrowPlan)
{
    WriteOptions({"CheckMissings=0"}, "Left=0\r\nTop=0\r\nWidth=1000\r\nHeight=700");
    clock.Set(12, 10, 2005, 8, 5);
    Start();
    ShowWindow(frame->Handle(), SW_SHOWNORMAL);
    MonthPlanWindow& window = OpenPlan(10, 2005);
    AddEntry(2, At(10, 0), At(12, 30), "Sonntagsdienst");
    AddEntry(2, At(13, 0), At(14, 0));
    for (unsigned day : {4u, 5u, 6u, 10u, 11u})
        AddEntry(day, At(8, 0), At(16, 45));
    AddEntry(7, TimeCode(FlexiDay), TimeCode(FlexiDay), "Brückentag");
    AddEntry(5, At(17, 30), At(19, 15),
             "Überstunden für die Änderung der Größenübersicht, mit dem Büro abgesprochen: Ausgleich über Gleittage "
             "im November");
    MonthPlan& plan = window.Plan();
    plan.FillMissingDays(12);
    plan.RecordArrival();
    clock.Set(12, 10, 2005, 10, 20);
    plan.ComputeCurrentDay(true);
    SendMessageA(frame->MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window.Handle()), 0);
    PumpUntilIdle();
    EXPECT_TRUE(SaveWindowPicture(frame->Handle(), "stundwerk.bmp"));

    SendMessageA(frame->MdiClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(window.Handle()), 0);
    MoveWindow(window.Handle(), 10, 10, 520, 400, TRUE);
    PumpUntilIdle();
    EXPECT_TRUE(SaveWindowPicture(frame->Handle(), "stundwerk_narrow.bmp"));
}

} // namespace
