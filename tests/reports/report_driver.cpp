// Drives the reports for the scripts that check their results outside Wine.
//   report_driver print FOLDER EXPECTED  prints a month plan (in FOLDER)
//       through the print dialog, answered with two copies; writes the lines
//       each page must show to EXPECTED.
//   report_driver clipboard  puts an export on the clipboard.
#include <windows.h>
#include <commdlg.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "app/clipboard_export_win32.h"
#include "app/print_month_plan.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/settings.h"
#include "ini/profile_engine.h"
#include "tests/core/core_fakes.h"
#include "tests/support/dialog_driver.h"

namespace {

constexpr const char* LONG_REMARK = "Kundentermin in Hamburg, Anreise";
constexpr int COPIES = 2;

// The copies field of the print dialog.
constexpr int PRINT_DIALOG_COPIES = 0x482;

void Add(MonthPlan& plan, const Settings& settings, unsigned day, TimeValue come, TimeValue go, const char* remark)
{
    EntryRecord record;
    plan.ReadEntry(day, 1, record);
    record.Come = come;
    record.Go = go;
    record.WorkTime = record.Saldo = record.Account = NO_HOURS;
    std::snprintf(record.Info, sizeof record.Info, "%s", remark);
    record.NoSaldo = IsWorkDay(settings, record.weekday) ? 0 : 1;
    plan.WriteEntry(0, 0, record);
    plan.Recompute(day);
}

// March 2005: three entries on every work day but the holidays, so that the
// list runs over a page; on the 15th, today, an arrival without departure,
// shown live.
void FillPlan(MonthPlan& plan, const Settings& settings)
{
    for (unsigned day = 1; day <= 31; ++day) {
        EntryRecord first;
        plan.ReadEntry(day, 1, first);
        if (!IsWorkDay(settings, first.weekday) || first.Come == TimeCode(PublicHoliday))
            continue;
        if (day == 15) {
            Add(plan, settings, day, 8 * 60, NO_TIME, "");
            continue;
        }
        Add(plan, settings, day, 8 * 60, 12 * 60, day == 3 ? LONG_REMARK : "");
        Add(plan, settings, day, 12 * 60 + 30, 15 * 60, "");
        Add(plan, settings, day, 15 * 60 + 15, 16 * 60 + 45, "");
    }
}

void AnswerPrintDialog(HWND dialog)
{
    SaveScreenshot(dialog, "print_dialog");
    SetDlgItemInt(dialog, PRINT_DIALOG_COPIES, COPIES, FALSE);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

int Print(const char* folder, const char* expectedPath)
{
    Settings settings;
    std::snprintf(settings.WorkingDir, sizeof settings.WorkingDir, "%s", folder);
    std::snprintf(settings.HeadLine2, sizeof settings.HeadLine2, "Name: Erika Mustermann");
    settings.SelectDay = 0;
    settings.AutoTimer = 0;
    ProfileEngine engine;
    FakeClock clock;
    clock.Set(15, 3, 2005, 16, 5);
    RecordingPrompts prompts;
    FakeFrameShell shell;
    FrameCore frame(settings, engine, clock, prompts, shell);
    shell.Attach(frame);
    if (frame.OpenMonthPlan(3, 2005, false, false) != 1 || shell.windows.empty()) {
        std::fprintf(stderr, "no month plan\n");
        return 1;
    }
    MonthPlan& plan = *shell.windows.back().plan;
    FillPlan(plan, settings);
    plan.ComputeCurrentDay(true);

    // The page geometry as the printing measures it, from the printer the
    // dialog hands over; the script compares the pages against these lines.
    WhenWindowOpens("Print", AnswerPrintDialog);
    PrintMonthPlan(nullptr, plan);

    PRINTDLGA probe{};
    probe.lStructSize = sizeof probe;
    probe.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!PrintDlgA(&probe) || !probe.hDC) {
        std::fprintf(stderr, "no default printer\n");
        return 1;
    }
    PrintGeometry page;
    {
        PrintFont font(probe.hDC);
        page = MeasurePage(probe.hDC);
    }
    DeleteDC(probe.hDC);
    GlobalFree(probe.hDevMode);
    GlobalFree(probe.hDevNames);

    std::ofstream expected(expectedPath, std::ios::binary);
    expected << "copies " << COPIES << "\nrows " << page.rows << "\n";
    expected << "head " << settings.HeadLine1 << "\nhead " << settings.HeadLine2 << "\nhead " << settings.HeadLine3
             << "\n";
    expected << "header " << BuildPrintHeader() << "\n";
    for (const ListRow& row : plan.rows())
        expected << "row " << BuildPrintRow(row) << "\n";
    expected << "remark " << LONG_REMARK << "\n";
    return expected ? 0 : 1;
}

int Clipboard()
{
    ClipboardExportTarget target(nullptr);
    return target.PutText("01.03.2005\t08:00\t0:24\n02.03.2005\t07:45\t-1:06\n") ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "print") == 0)
        return Print(argv[2], argv[3]);
    if (argc == 2 && std::strcmp(argv[1], "clipboard") == 0)
        return Clipboard();
    std::fprintf(stderr, "usage: report_driver print FOLDER EXPECTED | clipboard\n");
    return 2;
}
