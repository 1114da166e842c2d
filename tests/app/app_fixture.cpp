#include "tests/app/app_fixture.h"

#include <commctrl.h>

#include "app/list_view.h"
#include "framework/application.h"
#include "resources/resource_ids.h"
#include "tests/framework/test_application.h"

AppTest::AppTest()
{
    // The program's own window class, menu and icons: one registration per process.
    static Application application(GetModuleHandleA(nullptr), nullptr, "Stundwerk", MAKEINTRESOURCEA(IDI_ICON1),
                                   MAKEINTRESOURCEA(SWMENU), nullptr, nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    clock.Set(12, 10, 2005, 9, 0);
    WriteOptions();
}

AppTest::~AppTest()
{
    frame.reset();
    // The frame's window posts WM_QUIT when it is destroyed.
    TakeQuitMessage();
}

void AppTest::WriteOptions(const std::vector<std::string>& lines)
{
    std::string text = "[Options]\r\nWorkingDir=" + folder.path().string() + "\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    WriteBytes(Ini(), text);
}

MainFrame& AppTest::Start()
{
    MainFrameSetup setup;
    setup.showCommand = SW_SHOWNORMAL;
    setup.modulePath = folder.File("Stundwerk.exe");
    setup.clock = &clock;
    frame = std::make_unique<MainFrame>(setup);
    return *frame;
}

MonthPlanWindow& AppTest::OpenPlan(unsigned month, unsigned year)
{
    const std::size_t before = boxes.Caught().size();
    EXPECT_EQ(frame->Core().OpenMonthPlan(month, year, true, false), 1);
    // Without a plan of the period before, the creation tells that the
    // account starts at 0:00; that note belongs to the setup.
    for (std::size_t i = before; i < boxes.Caught().size(); ++i)
        EXPECT_EQ(boxes.Caught()[i].text.rfind("Es konnte kein Zeitkontostand übernommen werden: ", 0), 0u)
            << boxes.Caught()[i].text;
    boxes.Forget(before);
    MonthPlanWindow* window = Active();
    EXPECT_NE(window, nullptr);
    return *window;
}

void AppTest::Pump()
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

std::vector<std::string> AppTest::MessageTexts() const
{
    std::vector<std::string> texts;
    for (const CaughtMessageBox& box : boxes.Caught())
        texts.push_back(box.title + ": " + box.text);
    return texts;
}

std::vector<std::string> RowTexts(HWND list, int row)
{
    std::vector<std::string> texts;
    for (int column = 0; column < LIST_COLUMNS; ++column) {
        char text[256];
        GetListText(list, row, column, text, sizeof text);
        texts.emplace_back(text);
    }
    return texts;
}
