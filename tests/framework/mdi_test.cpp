#include <gtest/gtest.h>

#include <memory>

#include "framework/frame_window.h"
#include "framework/mdi_child_window.h"
#include "tests/framework/test_application.h"

namespace {

// What the frame sends to its MDI client, seen by subclassing the client.
std::vector<MSG> clientMessages;
WNDPROC originalClientProcedure = nullptr;

LRESULT CALLBACK RecordingClientProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_MDICREATE && message <= WM_MDIGETACTIVE + 1 && message != WM_MDIGETACTIVE)
        clientMessages.push_back({window, message, wParam, lParam, 0, {}});
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
    explicit Child(Frame& frame, const RECT* rect = nullptr)
        : MdiChildWindow("Child", &frame, WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect)
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

TEST_F(Mdi, ChildIsPlacedAttachedAndReachesItsDerivedHandlers)
{
    Frame frame;
    RECT wanted{20, 30, 220, 180};
    Child child(frame, &wanted);
    EXPECT_EQ(GetParent(child.Handle()), frame.MdiClient());
    EXPECT_EQ(BaseWindow::FromHandle(child.Handle()), &child);
    SendMessageA(child.Handle(), WM_COMMAND, 77, 0);
    EXPECT_EQ(child.lastCommand, 77);
    char className[32] = {};
    GetClassNameA(child.Handle(), className, sizeof className);
    EXPECT_STREQ(className, "childwindow");
    RECT got{};
    GetWindowRect(child.Handle(), &got);
    MapWindowPoints(nullptr, frame.MdiClient(), reinterpret_cast<POINT*>(&got), 2);
    EXPECT_TRUE(EqualRect(&got, &wanted)) << got.left << "," << got.top << "," << got.right << "," << got.bottom;
}

TEST_F(Mdi, NewChildOpensMaximizedOnlyWhenTheActiveChildIs)
{
    for (auto [showActive, expectMaximized] :
         {std::pair{SW_MAXIMIZE, true}, std::pair{SW_SHOWNORMAL, false}, std::pair{SW_MINIMIZE, false}}) {
        Frame frame;
        Child first(frame);
        ShowWindow(first.Handle(), showActive);
        Child second(frame);
        EXPECT_EQ(IsZoomed(second.Handle()) != FALSE, expectMaximized) << "active child shown " << showActive;
    }
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

TEST_F(Mdi, EachWindowMenuOperationSendsOneMessageToTheClient)
{
    struct Case {
        void (FrameWindow::*operation)();
        UINT message;
        WPARAM wParam; // ACTIVE: the active child, null without one
        LPARAM lParam;
    };
    constexpr WPARAM ACTIVE = ~WPARAM{0};
    const Case cases[] = {{&FrameWindow::MaximizeActiveChild, WM_MDIMAXIMIZE, ACTIVE, 0},
                          {&FrameWindow::RestoreActiveChild, WM_MDIRESTORE, ACTIVE, 0},
                          {&FrameWindow::TileHorizontally, WM_MDITILE, 3, 0},
                          {&FrameWindow::TileVertically, WM_MDITILE, 2, 0},
                          {&FrameWindow::CascadeChildren, WM_MDICASCADE, 2, 0},
                          {&FrameWindow::ArrangeIcons, WM_MDIICONARRANGE, 0, 0},
                          {&FrameWindow::ActivateNextChild, WM_MDINEXT, ACTIVE, 0},
                          {&FrameWindow::ActivatePreviousChild, WM_MDINEXT, ACTIVE, 1}};
    for (const Case& c : cases) {
        for (bool withChild : {false, true}) {
            Frame frame;
            std::unique_ptr<Child> child(withChild ? new Child(frame) : nullptr);
            originalClientProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
                frame.MdiClient(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingClientProcedure)));
            clientMessages.clear();
            (frame.*c.operation)();
            SetWindowLongPtrA(frame.MdiClient(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalClientProcedure));
            const WPARAM wParam =
                c.wParam != ACTIVE ? c.wParam : reinterpret_cast<WPARAM>(child ? child->Handle() : nullptr);
            ASSERT_FALSE(clientMessages.empty()) << &c - cases;
            EXPECT_EQ(clientMessages[0].message, c.message) << &c - cases;
            EXPECT_EQ(clientMessages[0].wParam, wParam) << &c - cases << " with child: " << withChild;
            EXPECT_EQ(clientMessages[0].lParam, c.lParam) << &c - cases;
        }
    }
}

} // namespace
