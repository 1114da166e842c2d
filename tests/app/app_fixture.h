#pragma once
// The main frame in a throwaway folder: stundwrk.ini and the month plans live
// there, a fake clock gives the date, and every message box is answered and
// recorded.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "app/list_view.h"
#include "app/main_frame.h"
#include "app/month_plan_window.h"
#include "framework/application.h"
#include "resources/resource_ids.h"
#include "tests/core/core_fakes.h"
#include "tests/framework/message_box_catcher.h"
#include "tests/framework/test_application.h"
#include "tests/support/temp_folder.h"

class AppTest : public ::testing::Test {
protected:
    AppTest()
    {
        // The program's own window class, menu and icons: one registration per process.
        static Application application(GetModuleHandleA(nullptr), nullptr, "Stundwerk", MAKEINTRESOURCEA(IDI_ICON1),
                                       MAKEINTRESOURCEA(SWMENU), nullptr, nullptr);
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        clock.Set(12, 10, 2005, 9, 0);
        WriteOptions();
    }
    ~AppTest() override
    {
        frame.reset();
        // The frame's window posts WM_QUIT when it is destroyed.
        TakeQuitMessage();
    }

    // Section Options of stundwrk.ini: WorkingDir is the folder, then the
    // given "Key=Value" lines.
    void WriteOptions(const std::vector<std::string>& lines = {})
    {
        std::string text = "[Options]\r\nWorkingDir=" + folder.path().string() + "\r\n";
        for (const std::string& line : lines)
            text += line + "\r\n";
        WriteBytes(Ini(), text);
    }
    // Builds the frame (shown normally once a plan opens).
    MainFrame& Start()
    {
        MainFrameSetup setup;
        setup.showCommand = SW_SHOWNORMAL;
        setup.modulePath = folder.File("Stundwerk.exe");
        setup.clock = &clock;
        frame = std::make_unique<MainFrame>(setup);
        return *frame;
    }
    // Creates the period's plan without questions (its carry-over note is
    // not kept among the caught boxes); it becomes the active one.
    MonthPlanWindow& OpenPlan(unsigned month, unsigned year)
    {
        const std::size_t before = boxes.Caught().size();
        EXPECT_EQ(frame->Core().OpenMonthPlan(month, year, true, false), 1);
        // Without a plan of the period before, the creation tells that the
        // account starts at 0:00; that note belongs to the setup, any other box is a fault.
        for (std::size_t i = before; i < boxes.Caught().size(); ++i)
            EXPECT_EQ(boxes.Caught()[i].text.find("Es konnte kein Zeitkontostand"), 0u) << boxes.Caught()[i].text;
        boxes.Forget(before);
        EXPECT_NE(Active(), nullptr);
        return *Active();
    }
    MonthPlanWindow* Active() { return frame->GetActiveMonthPlan(); }
    // Runs what is waiting in this thread's queue.
    static void Pump()
    {
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    LRESULT Command(UINT command) { return SendMessageA(frame->Handle(), WM_COMMAND, command, 0); }
    std::string Ini() const { return folder.File("stundwrk.ini"); }

    TempFolder folder;
    FakeClock clock;
    MessageBoxCatcher boxes;
    std::unique_ptr<MainFrame> frame;
};

// The texts of one list row, column by column.
inline std::vector<std::string> RowTexts(HWND list, int row)
{
    std::vector<std::string> texts;
    for (int column = 0; column < LIST_COLUMNS; ++column) {
        char text[256];
        GetListText(list, row, column, text, sizeof text);
        texts.emplace_back(text);
    }
    return texts;
}
