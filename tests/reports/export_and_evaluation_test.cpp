// The export dialog and the Windows clipboard, and the evaluation box, on a
// real month plan file.
#include <cstring>

#include "app/clipboard_export_win32.h"
#include "app/report_commands.h"
#include "core/clipboard_export.h"
#include "core/evaluation.h"
#include "dialogs/export_dialog.h"
#include "resources/resource_ids.h"
#include "tests/core/plan_fixture.h"
#include "tests/framework/message_box_catcher.h"
#include "tests/support/dialog_driver.h"

namespace {

// What the clipboard holds as CF_TEXT, up to its terminating zero; "<none>"
// when it holds no text, "<no terminator>" when the block has no zero.
std::string ClipboardText()
{
    if (!OpenClipboard(nullptr))
        return "<not open>";
    std::string text = "<none>";
    if (HANDLE block = GetClipboardData(CF_TEXT)) {
        const SIZE_T size = GlobalSize(block);
        if (const auto* bytes = static_cast<const char*>(GlobalLock(block))) {
            const void* end = std::memchr(bytes, '\0', size);
            text = end ? std::string(bytes, static_cast<const char*>(end)) : "<no terminator>";
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    return text;
}

class ReportPlanTest : public PlanTest {
protected:
    ClipboardExportTarget clipboard{nullptr};
};

TEST_F(ReportPlanTest, ClipboardHoldsTheExactBytes)
{
    MonthPlan& plan = FillWeek();
    settings.ExportFields = 31;
    ASSERT_TRUE(ExportToClipboard(plan, false, clipboard));
    // Tabs between the fields, a bare line feed after each day, a zero at the end.
    EXPECT_EQ(ClipboardText(), "04.03.2002\t08:00\t17:00\t4:30\t0:24\n"
                               "06.03.2002\t**.**\t**.**\t5:00\t-2:36\n"
                               "07.03.2002\t07:45\t16:15\t8:30\t0:24\n");
}

TEST_F(ReportPlanTest, ExportsThatLeaveTheClipboardAlone)
{
    MonthPlan& plan = FillWeek();
    const struct {
        const char* what;
        unsigned fields;
        bool markedOnly;
        int selectDay; // 0: no row selected
        const char* message;
    } cases[] = {
        {"nothing marked", 17, true, 0, EXPORT_NOTHING_MARKED},
        {"a day without figures", 17, true, 5, EXPORT_NOTHING},
        {"no field chosen", 0, false, 0, EXPORT_NOTHING},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(clipboard.PutText("alt\n"));
        settings.ExportFields = c.fields;
        View().selected = -1;
        if (c.selectDay)
            Select(static_cast<unsigned>(c.selectDay));
        prompts.messages.clear();
        EXPECT_FALSE(ExportToClipboard(plan, c.markedOnly, clipboard)) << c.what;
        EXPECT_EQ(ClipboardText(), "alt\n") << c.what;
        EXPECT_EQ(Texts(), std::vector<std::string>{c.message}) << c.what;
    }
}

TEST_F(ReportPlanTest, ExportDialogStoresTheFieldsAndExportsOnlyOnOk)
{
    MonthPlan& plan = FillWeek();
    Select(4, 2);
    const struct {
        const char* what;
        std::function<void(HWND)> answer;
        unsigned storedFields;
        const char* clipboardAfter;
    } cases[] = {
        {"Kommen checked, OK",
         [](HWND d) {
             Click(d, IDC_EXPORT_COME);
             Click(d, IDOK);
         },
         19, "04.03.2002\t08:00\t0:24\n"},
        {"boxes changed, then Abbrechen",
         [](HWND d) {
             Click(d, IDC_EXPORT_COME);
             Click(d, IDC_EXPORT_DATE);
             Click(d, IDCANCEL);
         },
         17, "alt\n"},
        {"all entries, OK",
         [](HWND d) {
             SendMessageA(GetDlgItem(d, IDC_EXPORT_ALL_ENTRIES), BM_CLICK, 0, 0);
             Click(d, IDOK);
         },
         17, "04.03.2002\t0:24\n06.03.2002\t-2:36\n07.03.2002\t0:24\n"},
    };
    bool first = true;
    for (const auto& c : cases) {
        settings.ExportFields = 17;
        ASSERT_TRUE(clipboard.PutText("alt\n"));
        prompts.messages.clear();
        std::vector<int> checked;
        WhenWindowOpens("In Zwischenablage exportieren", [&](HWND dialog) {
            for (int box : {IDC_EXPORT_MARKED_ONLY, IDC_EXPORT_ALL_ENTRIES, IDC_EXPORT_DATE, IDC_EXPORT_COME,
                            IDC_EXPORT_GO, IDC_EXPORT_HOURS, IDC_EXPORT_SALDO})
                if (Checked(dialog, box))
                    checked.push_back(box);
            if (first)
                SaveScreenshot(dialog, "export");
            first = false;
            c.answer(dialog);
        });
        new ExportDialog(GetModuleHandleA(nullptr), nullptr, settings, plan, clipboard);
        EXPECT_EQ(checked, (std::vector<int>{IDC_EXPORT_MARKED_ONLY, IDC_EXPORT_DATE, IDC_EXPORT_SALDO})) << c.what;
        EXPECT_EQ(settings.ExportFields, c.storedFields) << c.what;
        EXPECT_EQ(ClipboardText(), c.clipboardAfter) << c.what;
        const bool exported = std::strcmp(c.clipboardAfter, "alt\n") != 0;
        EXPECT_EQ(Texts(), exported ? std::vector<std::string>{EXPORT_DONE} : std::vector<std::string>{}) << c.what;
    }
}

TEST_F(ReportPlanTest, EvaluationBoxShowsTheCoreReport)
{
    MonthPlan& plan = FillWeek();
    MessageBoxCatcher boxes(MessageBoxCatcher::LEAVE_OPEN);
    WhenWindowOpens(EVALUATION_TITLE, [](HWND box) {
        SaveScreenshot(box, "evaluation");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    ShowMonthlyEvaluation(nullptr, plan);
    ASSERT_EQ(boxes.Caught().size(), 1u);
    EXPECT_EQ(boxes.Caught()[0].title, EVALUATION_TITLE);
    EXPECT_EQ(boxes.Caught()[0].text, EvaluateMonth(plan));
}

} // namespace
