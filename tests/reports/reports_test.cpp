// The report dialogs run for real: a warning under an open warning, the
// about box's picture, and the export dialog's OK through the core onto the
// Windows clipboard, byte for byte.
#include <gtest/gtest.h>

#include <cstring>

#include "app/clipboard_export_win32.h"
#include "core/clipboard_export.h"
#include "dialogs/export_dialog.h"
#include "dialogs/info_dialog.h"
#include "dialogs/message_dialog.h"
#include "resources/resource_ids.h"
#include "tests/core/plan_fixture.h"
#include "tests/framework/dialog_access.h"
#include "tests/support/dialog_driver.h"

struct InfoDialogTestAccess {
    static const DibImage& Picture(const InfoDialog& dialog) { return dialog.picture_; }
};

namespace {

int NoticeWindows()
{
    int count = 0;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, nullptr, WARNING_TITLE)) != nullptr;)
        ++count;
    return count;
}

// The timer's next tick comes under the open warning's modal loop.
TEST(MessageDialogTest, AWarningWhileOneIsOpenIsNotShown)
{
    bool second = true;
    int openDuringSecond = 0;
    WhenWindowOpens(WARNING_TITLE, [&](HWND dialog) {
        SaveScreenshot(dialog, "warning");
        second = ShowWarningNotice(GetModuleHandleA(nullptr), "Noch eine Warnung.");
        openDuringSecond = NoticeWindows();
        Click(dialog, IDOK);
    });
    EXPECT_TRUE(ShowWarningNotice(GetModuleHandleA(nullptr),
                                  "Sie haben für heute die Zeit von 10:00 Arbeitsstunden bereits überschritten."));
    EXPECT_FALSE(second);
    EXPECT_EQ(openDuringSecond, 1);
    EXPECT_EQ(NoticeWindows(), 0);
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
    std::string text = "<none>";
    if (OpenClipboard(nullptr)) {
        if (HANDLE block = GetClipboardData(CF_TEXT)) {
            const auto* bytes = static_cast<const char*>(GlobalLock(block));
            text = bytes && std::memchr(bytes, '\0', GlobalSize(block)) ? bytes : "<no terminator>";
            GlobalUnlock(block);
        }
        CloseClipboard();
    }
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

} // namespace
