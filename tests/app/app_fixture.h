#pragma once
// The main frame in a throwaway folder: stundwrk.ini and the month plans live
// there, a fake clock gives the date, and every message box is answered and
// recorded.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_frame.h"
#include "app/month_plan_window.h"
#include "tests/core/core_fakes.h"
#include "tests/framework/message_box_catcher.h"
#include "tests/support/temp_folder.h"

class AppTest : public ::testing::Test {
protected:
    AppTest();
    ~AppTest() override;

    // Section Options of stundwrk.ini: WorkingDir is the folder, then the
    // given "Key=Value" lines.
    void WriteOptions(const std::vector<std::string>& lines = {});
    // Builds the frame (shown normally once a plan opens).
    MainFrame& Start();
    // Creates the period's plan without questions (its carry-over note is
    // not kept among the caught boxes); it becomes the active one.
    MonthPlanWindow& OpenPlan(unsigned month, unsigned year);
    MonthPlanWindow* Active() { return frame->GetActiveMonthPlan(); }
    // Runs what is waiting in this thread's queue.
    static void Pump();
    LRESULT Command(UINT command) { return SendMessageA(frame->Handle(), WM_COMMAND, command, 0); }
    std::vector<std::string> MessageTexts() const;
    std::string Ini() const { return folder.File("stundwrk.ini"); }

    TempFolder folder;
    FakeClock clock;
    MessageBoxCatcher boxes;
    std::unique_ptr<MainFrame> frame;
};

// The texts of one list row, column by column.
std::vector<std::string> RowTexts(HWND list, int row);
