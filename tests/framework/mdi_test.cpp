#include <gtest/gtest.h>

#include <functional>

#include "framework/frame_window.h"
#include "framework/mdi_child_window.h"
#include "framework/process_values.h"
#include "tests/framework/test_application.h"

namespace {

constexpr DWORD CHILD_STYLE = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

struct ClientMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// What the frame sends to its MDI client, seen by subclassing the client.
std::vector<ClientMessage> clientMessages;
WNDPROC originalClientProcedure = nullptr;

LRESULT CALLBACK RecordingClientProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_MDICREATE && message <= WM_MDIGETACTIVE + 1 && message != WM_MDIGETACTIVE)
        clientMessages.push_back({message, wParam, lParam});
    return CallWindowProcA(originalClientProcedure, window, message, wParam, lParam);
}

class Frame : public FrameWindow {
public:
    Frame() : FrameWindow(SW_HIDE, "Frame", nullptr, nullptr, 0, 1125, nullptr, WS_OVERLAPPEDWINDOW)
    {
        MoveWindow(MdiClient(), 0, 0, 600, 400, TRUE);
    }
    ~Frame() override
    {
        if (IsWindow(window_))
            DestroyWindow(window_);
        TakeQuitMessage();
    }
};

class Child : public MdiChildWindow {
public:
    Child(Frame& frame, const RECT* rect = nullptr, DWORD style = CHILD_STYLE)
        : MdiChildWindow("Child", &frame, style, rect)
    {
    }
    ~Child() override
    {
        if (IsWindow(window_))
            SendMessageA(GetParent(window_), WM_MDIDESTROY, reinterpret_cast<WPARAM>(window_), 0);
    }
    LRESULT OnCommand(WPARAM* wParam, LPARAM*) override
    {
        lastCommand = static_cast<int>(*wParam);
        return 0;
    }
    int lastCommand = 0;
};

class Mdi : public testing::Test {
protected:
    void SetUp() override { TestApplication(); }
};

TEST_F(Mdi, ChildIsAttachedAndReachesItsDerivedHandlers)
{
    Frame frame;
    Child child(frame);
    ASSERT_NE(child.Handle(), nullptr);
    EXPECT_EQ(GetParent(child.Handle()), frame.MdiClient());
    EXPECT_EQ(BaseWindow::FromHandle(child.Handle()), &child);
    SendMessageA(child.Handle(), WM_COMMAND, 77, 0);
    EXPECT_EQ(child.lastCommand, 77);
    char className[32] = {};
    GetClassNameA(child.Handle(), className, sizeof className);
    EXPECT_STREQ(className, "childwindow");
    EXPECT_STREQ(Process().childWindowClassName, "childwindow");
}

struct ActiveStateCase {
    const char* name;
    int showActive; // how the active child is shown before the new one opens
    bool expectMaximized;
};

class MdiNewChild : public testing::TestWithParam<ActiveStateCase> {
protected:
    void SetUp() override { TestApplication(); }
};

TEST_P(MdiNewChild, OpensMaximizedOnlyWhenTheActiveChildIs)
{
    Frame frame;
    Child first(frame);
    ShowWindow(first.Handle(), GetParam().showActive);
    Child second(frame);
    EXPECT_EQ(IsZoomed(second.Handle()) != FALSE, GetParam().expectMaximized);
}

INSTANTIATE_TEST_SUITE_P(States, MdiNewChild,
                         testing::Values(ActiveStateCase{"Maximized", SW_MAXIMIZE, true},
                                         ActiveStateCase{"Normal", SW_SHOWNORMAL, false},
                                         ActiveStateCase{"Minimized", SW_MINIMIZE, false}),
                         [](const testing::TestParamInfo<ActiveStateCase>& info) { return info.param.name; });

TEST_F(Mdi, RectangleGivesPositionAndSize)
{
    Frame frame;
    RECT wanted{20, 30, 220, 180};
    Child child(frame, &wanted);
    RECT got{};
    GetWindowRect(child.Handle(), &got);
    MapWindowPoints(nullptr, frame.MdiClient(), reinterpret_cast<POINT*>(&got), 2);
    EXPECT_EQ(got.left, 20);
    EXPECT_EQ(got.top, 30);
    EXPECT_EQ(got.right - got.left, 200);
    EXPECT_EQ(got.bottom - got.top, 150);
}

TEST_F(Mdi, DestroyingAChildNeverPostsQuitDestroyingTheFrameDoes)
{
    Frame frame;
    TakeQuitMessage();
    {
        Child child(frame);
        HWND handle = child.Handle();
        SendMessageA(frame.MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(handle), 0);
        EXPECT_FALSE(IsWindow(handle));
    }
    EXPECT_FALSE(TakeQuitMessage());
    DestroyWindow(frame.Handle());
    EXPECT_TRUE(TakeQuitMessage());
}

struct WindowMenuCase {
    const char* name;
    std::function<void(FrameWindow&)> operation;
    UINT message;
    bool wParamIsActiveChild;
    WPARAM wParam;
    LPARAM lParam;
};

class WindowMenu : public testing::TestWithParam<WindowMenuCase> {
protected:
    void SetUp() override { TestApplication(); }
};

TEST_P(WindowMenu, SendsOneMessageToTheClient)
{
    const WindowMenuCase& c = GetParam();
    for (bool withChild : {false, true}) {
        Frame frame;
        std::unique_ptr<Child> child;
        if (withChild)
            child = std::make_unique<Child>(frame);
        originalClientProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(frame.MdiClient(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingClientProcedure)));
        clientMessages.clear();
        c.operation(frame);
        ASSERT_FALSE(clientMessages.empty()) << "with child: " << withChild;
        const ClientMessage& sent = clientMessages[0];
        EXPECT_EQ(sent.message, c.message);
        const WPARAM expected =
            c.wParamIsActiveChild ? reinterpret_cast<WPARAM>(child ? child->Handle() : nullptr) : c.wParam;
        EXPECT_EQ(sent.wParam, expected) << "with child: " << withChild;
        EXPECT_EQ(sent.lParam, c.lParam);
        SetWindowLongPtrA(frame.MdiClient(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalClientProcedure));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, WindowMenu,
    testing::Values(WindowMenuCase{"Maximize", &FrameWindow::MaximizeActiveChild, WM_MDIMAXIMIZE, true, 0, 0},
                    WindowMenuCase{"Restore", &FrameWindow::RestoreActiveChild, WM_MDIRESTORE, true, 0, 0},
                    WindowMenuCase{"TileHorizontally", &FrameWindow::TileHorizontally, WM_MDITILE, false, 3, 0},
                    WindowMenuCase{"TileVertically", &FrameWindow::TileVertically, WM_MDITILE, false, 2, 0},
                    WindowMenuCase{"Cascade", &FrameWindow::CascadeChildren, WM_MDICASCADE, false, 2, 0},
                    WindowMenuCase{"ArrangeIcons", &FrameWindow::ArrangeIcons, WM_MDIICONARRANGE, false, 0, 0},
                    WindowMenuCase{"Next", &FrameWindow::ActivateNextChild, WM_MDINEXT, true, 0, 0},
                    WindowMenuCase{"Previous", &FrameWindow::ActivatePreviousChild, WM_MDINEXT, true, 0, 1}),
    [](const testing::TestParamInfo<WindowMenuCase>& info) { return info.param.name; });

} // namespace
