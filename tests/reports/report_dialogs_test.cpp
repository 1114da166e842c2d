// The note, about and export dialogs, run for real and answered through
// their controls.
#include <gtest/gtest.h>

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

HINSTANCE Module()
{
    return GetModuleHandleA(nullptr);
}

// Windows titled WARNING_TITLE; the reports run alone on the display.
int NoticeWindows()
{
    int count = 0;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, nullptr, WARNING_TITLE)) != nullptr;)
        ++count;
    return count;
}

TEST(MessageDialogTest, TheFlagTellsHowTheNoteWasLeft)
{
    const struct {
        const char* how;
        std::function<void(HWND)> leave;
        int expected;        // the flag starts at 7
        bool warnAgainToday; // for a warning: false when the box was cleared
    } cases[] = {
        {"Ok with the box as it came", [](HWND d) { Click(d, IDOK); }, 1, false},
        {"Ok after clearing the box",
         [](HWND d) {
             Click(d, IDC_MESSAGE_DONT_SHOW);
             Click(d, IDOK);
         },
         0, true},
        {"Escape after clearing the box",
         [](HWND d) {
             Click(d, IDC_MESSAGE_DONT_SHOW);
             PressKey(d, VK_ESCAPE);
         },
         7, false},
    };
    for (const auto& c : cases) {
        int flag = 7;
        bool startedTicked = false;
        char shown[600] = {};
        WhenWindowOpens(WARNING_TITLE, [&](HWND dialog) {
            startedTicked = Checked(dialog, IDC_MESSAGE_DONT_SHOW);
            GetDlgItemTextA(dialog, IDC_MESSAGE_TEXT, shown, sizeof shown);
            c.leave(dialog);
        });
        new MessageDialog(Module(), nullptr, "Ein Hinweis für heute.", &flag);
        EXPECT_TRUE(startedTicked) << c.how;
        EXPECT_STREQ(shown, "Ein Hinweis für heute.") << c.how;
        EXPECT_EQ(flag, c.expected) << c.how;

        WhenWindowOpens(WARNING_TITLE, c.leave);
        EXPECT_EQ(ShowWarningNotice(Module(), "Eine Warnung."), !c.warnAgainToday) << c.how;
    }
}

TEST(MessageDialogTest, AWarningWhileOneIsOpenIsNotShown)
{
    bool second = true;
    int openDuringSecond = 0;
    WhenWindowOpens(WARNING_TITLE, [&](HWND dialog) {
        SaveScreenshot(dialog, "warning");
        // The timer's next tick comes under this dialog's modal loop.
        second = ShowWarningNotice(Module(), "Noch eine Warnung.");
        openDuringSecond = NoticeWindows();
        Click(dialog, IDOK);
    });
    EXPECT_TRUE(
        ShowWarningNotice(Module(), "Sie haben für heute die Zeit von 10:00 Arbeitsstunden bereits überschritten."));
    EXPECT_FALSE(second);
    EXPECT_EQ(openDuringSecond, 1);
    EXPECT_EQ(NoticeWindows(), 0);
}

TEST(InfoDialogTest, EachOpeningLoadsThePictureAndClosingFreesIt)
{
    for (int round = 0; round < 3; ++round) {
        HBITMAP bitmap = nullptr;
        HPALETTE palette = nullptr;
        WhenWindowOpens("Information", [&](HWND dialog) {
            const auto* info = dynamic_cast<InfoDialog*>(DialogTestAccess::ListHead());
            ASSERT_NE(info, nullptr);
            bitmap = InfoDialogTestAccess::Picture(*info).bitmap;
            palette = InfoDialogTestAccess::Picture(*info).palette;
            UpdateWindow(dialog);
            if (round == 0)
                SaveScreenshot(dialog, "about");
            Click(dialog, IDOK);
        });
        new InfoDialog(Module(), nullptr);
        ASSERT_NE(bitmap, nullptr) << round;
        // Closed: the bitmap and the picture's own palette are gone.
        EXPECT_EQ(GetObjectType(bitmap), 0u) << round;
        EXPECT_EQ(GetObjectType(palette), 0u) << round;
        EXPECT_EQ(DialogTestAccess::LiveCount(), 0) << round;
    }
}

} // namespace
