// The dialogs run for real under Wine that the program tests (tests/app,
// which run each menu command's dialog through to the core) do not reach:
// the options sheet's pages, a warning under an open warning, the about box's
// picture, and the export dialog's OK through the core onto the Windows
// clipboard, byte for byte (clipboard_x11_test.sh reads it back from X11);
// the year overview's copy; and the printing that print_test.sh reads back
// from CUPS.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "app/clipboard_export_win32.h"
#include "app/print_month_plan.h"
#include "core/clipboard_export.h"
#include "dialogs/export_dialog.h"
#include "dialogs/info_dialog.h"
#include "dialogs/message_dialog.h"
#include "dialogs/options_sheet.h"
#include "dialogs/year_overview_dialog.h"
#include "resources/resource_ids.h"
#include "tests/core/plan_fixture.h"
#include "tests/framework/dialog_access.h"
#include "tests/support/dialog_driver.h"

struct InfoDialogTestAccess {
    static const DibImage& Picture(const InfoDialog& dialog) { return dialog.picture_; }
};

namespace {

// What no setting can mean is mended on OK as loading mends it.
TEST(DialogRoutes, OptionsSheetTakesItsPagesOnOk)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    Settings settings;
    settings.AutoTimer = 1; // as after loading
    settings.TimeLag = 5;
    WhenDialogOpens([&](HWND sheet) {
        Choose(PropSheet_GetCurrentPageHwnd(sheet), IDC_OPT_START_DAY, 14);
        Type(PropSheet_GetCurrentPageHwnd(sheet), IDC_OPT_TIME_LAG, "K");
        Type(PropSheet_GetCurrentPageHwnd(sheet), IDC_OPT_HOURS_PER_DAY, "99:99");
        PropSheet_SetCurSel(sheet, nullptr, 6); // "Automatik"
        Click(PropSheet_GetCurrentPageHwnd(sheet), IDC_OPT_AUTO_DEPARTURE);
        Click(sheet, IDOK);
    });
    OptionsSheet sheet(GetModuleHandleA(nullptr), nullptr, settings);
    EXPECT_EQ(settings.StartDay, 15u);
    EXPECT_EQ(settings.AutoDeparture, 1u);
    EXPECT_EQ(settings.TimeLag, 0);
    EXPECT_EQ(settings.HoursPerDay, Settings().HoursPerDay);
}

// The timer's next tick comes under the open warning's modal loop: a second
// warning shown there would wait for an answer that never comes.
TEST(MessageDialogTest, AWarningWhileOneIsOpenIsNotShown)
{
    bool second = true;
    WhenWindowOpens(WARNING_TITLE, [&](HWND dialog) {
        SaveScreenshot(dialog, "warning");
        second = ShowWarningNotice(GetModuleHandleA(nullptr), "Noch eine Warnung.");
        Click(dialog, IDOK);
    });
    EXPECT_TRUE(ShowWarningNotice(GetModuleHandleA(nullptr),
                                  "Sie haben für heute die Zeit von 10:00 Arbeitsstunden bereits überschritten."));
    EXPECT_FALSE(second);
    EXPECT_EQ(FindWindowA(nullptr, WARNING_TITLE), nullptr);
}

TEST(InfoDialogTest, ClosingFreesThePicture)
{
    HBITMAP bitmap = nullptr;
    HPALETTE palette = nullptr;
    WhenWindowOpens("Information", [&](HWND dialog) {
        const auto* info = dynamic_cast<InfoDialog*>(DialogTestAccess::ListHead());
        ASSERT_NE(info, nullptr);
        bitmap = InfoDialogTestAccess::Picture(*info).bitmap;
        palette = InfoDialogTestAccess::Picture(*info).palette;
        UpdateWindow(dialog);
        SaveScreenshot(dialog, "about");
        Click(dialog, IDOK);
    });
    new InfoDialog(GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_EQ(GetObjectType(palette), 0u);
    EXPECT_EQ(DialogTestAccess::LiveCount(), 0);
}

// What the clipboard holds as CF_TEXT, up to its terminating zero.
std::string ClipboardText()
{
    OpenClipboard(nullptr);
    const HANDLE block = GetClipboardData(CF_TEXT);
    const auto* bytes = static_cast<const char*>(GlobalLock(block));
    const std::string text = bytes && std::memchr(bytes, '\0', GlobalSize(block)) ? bytes : "<none>";
    GlobalUnlock(block);
    CloseClipboard();
    return text;
}

using ReportPlanTest = PlanTest;

TEST_F(ReportPlanTest, ExportDialogExportsOnOk)
{
    MonthPlan& plan = FillWeek();
    Select(4, 2);
    ClipboardExportTarget clipboard{nullptr};
    settings.ExportFields = 17;
    WhenWindowOpens("In Zwischenablage exportieren", [&](HWND dialog) {
        SaveScreenshot(dialog, "export");
        Click(dialog, IDC_EXPORT_COME);
        Click(dialog, IDOK);
    });
    new ExportDialog(GetModuleHandleA(nullptr), nullptr, settings, plan, clipboard);
    EXPECT_EQ(settings.ExportFields, 19u);
    EXPECT_EQ(ClipboardText(), "04.03.2002\t08:00\t0:24\n");
    EXPECT_EQ(Texts(), std::vector<std::string>{EXPORT_DONE});
}

TEST_F(ReportPlanTest, YearOverviewCopiesTheYearShown)
{
    Open(5, 2002);
    Add(6, At(8, 0), At(17, 0));
    Open(3, 2003);
    ClipboardExportTarget clipboard{nullptr};
    WhenDialogOpens([&](HWND d) {
        Click(d, IDC_YEAR_PREVIOUS);
        Click(d, IDC_YEAR_COPY);
        Click(d, IDCANCEL);
    });
    new YearOverviewDialog(GetModuleHandleA(nullptr), nullptr, frame, 2003, clipboard,
                           [](HWND, const Settings&, const YearOverview&) {});
    EXPECT_EQ(ClipboardText(), YearOverviewText(settings, BuildYearOverview(frame, 2002)));
    EXPECT_EQ(DialogTestAccess::LiveCount(), 0);
}

// With STUNDWERK_PRINT_EXPECTED naming a file, prints March 2005 through the
// print dialog, answered with two copies: three entries a work day, so that
// the list runs over a page, a long remark, and today, the 15th, an arrival
// shown live. Writes to the file the lines each page must show, by the page
// geometry the printing measures on the default printer, each page ended by
// a form feed as pdftotext ends it.
TEST_F(ReportPlanTest, PrintsTwoCopiesThroughThePrintDialog)
{
    const char* expectedPath = std::getenv("STUNDWERK_PRINT_EXPECTED");
    if (!expectedPath)
        GTEST_SKIP() << "print_test.sh runs it with a printer";
    constexpr const char* LONG_REMARK = "Kundentermin in Hamburg, Anreise";
    std::snprintf(settings.HeadLine2, sizeof settings.HeadLine2, "Name: Erika Mustermann");
    clock.Set(15, 3, 2005, 16, 5);
    MonthPlan& plan = Open(3, 2005);
    const std::pair<TimeValue, TimeValue> parts[] = {
        {At(8, 0), At(12, 0)}, {At(12, 30), At(15, 0)}, {At(15, 15), At(16, 45)}};
    for (unsigned day = 1; day <= 31; ++day) {
        if (!IsWorkDay(settings, Entry(day).weekday) || Entry(day).Come == TimeCode(PublicHoliday))
            continue;
        if (day == 15) {
            Add(day, At(8, 0), NO_TIME);
            continue;
        }
        for (const auto& [come, go] : parts)
            Add(day, come, go);
    }
    EntryRecord remarked = Entry(3);
    std::snprintf(remarked.Info, sizeof remarked.Info, "%s", LONG_REMARK);
    plan.WriteEntry(3, 1, remarked);
    plan.Recompute(3);
    plan.ComputeCurrentDay(true);

    WhenWindowOpens("Print", [](HWND dialog) {
        SaveScreenshot(dialog, "print_dialog");
        SetDlgItemInt(dialog, 0x482, 2, FALSE); // the print dialog's copies
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    PrintMonthPlan(nullptr, plan);
    PRINTDLGA printer{};
    printer.lStructSize = sizeof printer;
    printer.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    ASSERT_TRUE(PrintDlgA(&printer) && printer.hDC) << "no default printer";
    PrintGeometry page;
    {
        PrintFont font(printer.hDC);
        page = MeasurePage(printer.hDC);
    }
    DeleteDC(printer.hDC);
    // Each copy's pages: the head lines on the first, the column header on
    // each, then as many rows as fit above the footer (the first page keeps
    // rows 6 to R-3 for them, the later pages rows 3 to R-3).
    std::ofstream expected(expectedPath, std::ios::binary);
    const std::vector<ListRow>& rows = plan.rows();
    for (int copy = 0; copy < 2; ++copy) {
        expected << settings.HeadLine1 << "\n" << settings.HeadLine2 << "\n" << settings.HeadLine3 << "\n";
        for (std::size_t row = 0, number = 1; row < rows.size(); ++number) {
            const std::size_t end = std::min(rows.size(), row + page.rows - (number == 1 ? 8 : 5));
            expected << BuildPrintHeader() << "\n";
            for (; row < end; ++row)
                expected << BuildPrintRow(rows[row]) << "\n";
            expected << "Seite " << number << "\n\f";
        }
    }
    EXPECT_GT(rows.size(), page.rows - 8u) << "the plan must run over two pages";
}

} // namespace
