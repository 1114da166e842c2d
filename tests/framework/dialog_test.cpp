#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "framework/fatal_error.h"
#include "framework/modal_dialog.h"
#include "framework/modeless_dialog.h"
#include "tests/framework/test_application.h"

namespace {

constexpr int CMD_OPEN_INNER = 100;
constexpr int CMD_PING = 200;

HINSTANCE Module()
{
    return GetModuleHandleA(nullptr);
}

// Counts destructions across self-deleting dialog objects.
int destroyedDialogs = 0;

// A modal dialog whose OnInitDialog posts `firstCommand` to itself and whose
// OnCommand runs `onCommand`.
class ScriptedDialog : public ModalDialog {
public:
    using Script = std::function<void(ScriptedDialog&, HWND dialog, int command)>;
    ScriptedDialog(int firstCommand, Script script)
        : ModalDialog(Module()), firstCommand_(firstCommand), script_(std::move(script))
    {
    }
    ~ScriptedDialog() override { ++destroyedDialogs; }

    INT_PTR OnInitDialog(HWND dialog) override
    {
        initHandle = dialog;
        setFontBeforeInit = setFontSeen;
        PostMessageA(dialog, WM_COMMAND, firstCommand_, 0);
        if (onInit)
            onInit(*this, dialog);
        return 1;
    }
    INT_PTR OnSetFont(HWND*, WPARAM*, LPARAM*) override
    {
        setFontSeen = true;
        return 0;
    }
    INT_PTR OnCommand(HWND* dialog, WPARAM* wParam, LPARAM*) override
    {
        script_(*this, *dialog, LOWORD(*wParam));
        return 1;
    }

    std::function<void(ScriptedDialog&, HWND)> onInit;
    HWND initHandle = nullptr;
    bool setFontSeen = false;
    bool setFontBeforeInit = false;

private:
    int firstCommand_;
    Script script_;
};

class Dialogs : public testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        destroyedDialogs = 0;
        ASSERT_EQ(Dialog::LiveCount(), 0);
    }
};

TEST_F(Dialogs, EndModalTwiceCallsEndDialogOnce)
{
    auto* dialog = new ScriptedDialog(IDOK, [](ScriptedDialog& self, HWND window, int) {
        self.EndModal(window);
        EndDialog(window, 7);
        self.EndModal(window); // must not overwrite the 7
    });
    EXPECT_EQ(dialog->DoModal(nullptr, "TESTDLG"), 7);
    EXPECT_EQ(destroyedDialogs, 1);
    EXPECT_EQ(Dialog::LiveCount(), 0);
    EXPECT_EQ(Dialog::ListHead(), nullptr);
}

TEST_F(Dialogs, MessagesBeforeInitDialogNeverReachTheObject)
{
    bool fontBeforeInit = true;
    auto* dialog = new ScriptedDialog(IDOK, [&](ScriptedDialog& self, HWND window, int) {
        fontBeforeInit = self.setFontBeforeInit;
        self.EndModal(window);
    });
    dialog->DoModal(nullptr, "TESTDLG");
    EXPECT_FALSE(fontBeforeInit);
}

TEST_F(Dialogs, NestedDialogsAreFoundByTheirOwnHandles)
{
    HWND outerSeen = nullptr;
    HWND innerSeen = nullptr;
    HWND outerInit = nullptr;
    HWND innerInit = nullptr;
    std::vector<int> outerCommands;
    Dialog* outerObject = nullptr;

    auto* outer = new ScriptedDialog(CMD_OPEN_INNER, [&](ScriptedDialog& self, HWND window, int command) {
        outerCommands.push_back(command);
        if (command != CMD_OPEN_INNER)
            return;
        outerSeen = window;
        outerInit = self.initHandle;
        auto* inner = new ScriptedDialog(IDOK, [&](ScriptedDialog& innerSelf, HWND innerWindow, int) {
            innerSeen = innerWindow;
            innerInit = innerSelf.initHandle;
            EXPECT_EQ(Dialog::LiveCount(), 2);
            EXPECT_EQ(Dialog::ListHead(), &innerSelf);
            EXPECT_EQ(innerSelf.Next(), outerObject);
            // A message for the outer dialog while the inner one runs.
            SendMessageA(outerSeen, WM_COMMAND, CMD_PING, 0);
            innerSelf.EndModal(innerWindow);
        });
        inner->DoModal(window, "TESTDLG");
        self.EndModal(window);
    });
    outerObject = outer;
    outer->DoModal(nullptr, "TESTDLG");

    ASSERT_NE(outerSeen, nullptr);
    ASSERT_NE(innerSeen, nullptr);
    EXPECT_NE(outerSeen, innerSeen);
    EXPECT_EQ(outerSeen, outerInit);
    EXPECT_EQ(innerSeen, innerInit);
    EXPECT_EQ(outerCommands, (std::vector<int>{CMD_OPEN_INNER, CMD_PING}));
    EXPECT_EQ(destroyedDialogs, 2);
    EXPECT_EQ(Dialog::LiveCount(), 0);
}

TEST_F(Dialogs, LocatedTemplateRunsTheSameDialog)
{
    auto* dialog = new ScriptedDialog(IDOK, [](ScriptedDialog& self, HWND window, int) { self.EndModal(window); });
    EXPECT_EQ(dialog->DoModal(nullptr, Module(), "TESTDLG"), 1);
    EXPECT_EQ(destroyedDialogs, 1);
}

struct FailureCase {
    const char* name;
    std::function<void(HINSTANCE)> run;
    const char* message;
};

class DialogFailure : public testing::TestWithParam<FailureCase> {
protected:
    void SetUp() override { TestApplication(); }
};

TEST_P(DialogFailure, IsFatalWithItsMessage)
{
    try {
        GetParam().run(Module());
        FAIL() << "no error";
    } catch (const FrameworkError& error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
}

template <typename D, typename Call>
std::function<void(HINSTANCE)> OnFreshDialog(Call call)
{
    return [call](HINSTANCE module) {
        // The object never got a window, so nothing deletes it for us.
        std::unique_ptr<D> dialog(new D(module));
        call(*dialog, module);
    };
}

INSTANTIATE_TEST_SUITE_P(
    Messages, DialogFailure,
    testing::Values(
        FailureCase{"ModalMissing",
                    OnFreshDialog<ModalDialog>([](ModalDialog& d, HINSTANCE) { d.DoModal(nullptr, "NOSUCHDLG"); }),
                    "Failed to display dialog."},
        FailureCase{"ModalLocatedMissing",
                    OnFreshDialog<ModalDialog>([](ModalDialog& d, HINSTANCE m) { d.DoModal(nullptr, m, "NOSUCHDLG"); }),
                    "Failed to locate dialog-resource."},
        FailureCase{"ModelessMissing",
                    OnFreshDialog<ModelessDialog>([](ModelessDialog& d, HINSTANCE) { d.Create(nullptr, "NOSUCHDLG"); }),
                    "Failed to display dialog."},
        FailureCase{"ModelessLocatedMissing", OnFreshDialog<ModelessDialog>([](ModelessDialog& d, HINSTANCE m) {
                        d.Create(nullptr, m, "NOSUCHDLG");
                    }),
                    "Failed to locate dialog-resource."}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

class CountedModeless : public ModelessDialog {
public:
    CountedModeless() : ModelessDialog(Module()) {}
    ~CountedModeless() override { ++destroyedDialogs; }
};

// The live list from its head, checking that the back links agree.
std::vector<Dialog*> WalkList()
{
    std::vector<Dialog*> entries;
    Dialog* previous = nullptr;
    for (Dialog* d = Dialog::ListHead(); d; d = d->Next()) {
        EXPECT_EQ(d->Previous(), previous);
        entries.push_back(d);
        previous = d;
    }
    return entries;
}

class DestructionOrder : public testing::TestWithParam<std::vector<int>> {
protected:
    void SetUp() override
    {
        TestApplication();
        destroyedDialogs = 0;
    }
};

TEST_P(DestructionOrder, KeepsHeadCountAndLinks)
{
    std::vector<CountedModeless*> dialogs;
    std::vector<HWND> windows;
    for (int i = 0; i < 3; ++i) {
        dialogs.push_back(new CountedModeless);
        windows.push_back(dialogs.back()->Create(nullptr, "TESTDLG"));
    }
    EXPECT_EQ(Dialog::InstalledProcedure(), &Dialog::DialogProcedure);
    std::vector<Dialog*> alive{dialogs[2], dialogs[1], dialogs[0]}; // newest first
    EXPECT_EQ(WalkList(), alive);

    for (int index : GetParam()) {
        dialogs[index]->Destroy(windows[index]);
        alive.erase(std::find(alive.begin(), alive.end(), dialogs[index]));
        EXPECT_EQ(Dialog::LiveCount(), static_cast<int>(alive.size()));
        EXPECT_EQ(WalkList(), alive);
        EXPECT_EQ(Dialog::ListHead(), alive.empty() ? nullptr : alive.front());
    }
    EXPECT_EQ(destroyedDialogs, 3);
}

INSTANTIATE_TEST_SUITE_P(AllOrders, DestructionOrder,
                         testing::Values(std::vector<int>{0, 1, 2}, std::vector<int>{0, 2, 1},
                                         std::vector<int>{1, 0, 2}, std::vector<int>{1, 2, 0},
                                         std::vector<int>{2, 0, 1}, std::vector<int>{2, 1, 0}));

TEST_F(Dialogs, UnknownWindowGetsZeroAndReachesNoObject)
{
    bool reached = false;
    auto* dialog = new ScriptedDialog(IDOK, [&](ScriptedDialog&, HWND, int) { reached = true; });
    HWND stranger = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, Module(), nullptr);
    EXPECT_EQ(Dialog::DialogProcedure(stranger, WM_COMMAND, IDOK, 0), 0);
    EXPECT_FALSE(reached);
    DestroyWindow(stranger);
    delete dialog;
}

struct CenterCase {
    const char* name;
    bool hasOwner;
    RECT owner; // relative to the desktop's right/bottom when negative coordinates are marked below
    bool ownerFromRight;
    bool ownerFromBottom;
    bool expectDesktopX;
    bool expectDesktopY;
};

class Centering : public testing::TestWithParam<CenterCase> {};

TEST_P(Centering, CentresOverOwnerAndKeepsRightAndBottomOnScreen)
{
    const CenterCase& c = GetParam();
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    RECT owner = c.owner;
    if (c.ownerFromRight)
        OffsetRect(&owner, desktop.right, 0);
    if (c.ownerFromBottom)
        OffsetRect(&owner, 0, desktop.bottom);

    HWND ownerWindow = nullptr;
    if (c.hasOwner)
        ownerWindow = CreateWindowExA(0, "Static", "", WS_POPUP, owner.left, owner.top, owner.right - owner.left,
                                      owner.bottom - owner.top, nullptr, nullptr, Module(), nullptr);
    HWND window = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 200, 100, ownerWindow, nullptr, Module(), nullptr);
    EXPECT_EQ(CenterWindow(window), 1);

    const RECT& reference = c.hasOwner ? owner : desktop;
    const int x = c.expectDesktopX ? (desktop.right - desktop.left - 200) / 2
                                   : reference.left + (reference.right - reference.left - 200) / 2;
    const int y = c.expectDesktopY ? (desktop.bottom - desktop.top - 100) / 2
                                   : reference.top + (reference.bottom - reference.top - 100) / 2;
    RECT placed{};
    GetWindowRect(window, &placed);
    EXPECT_EQ(placed.left, x);
    EXPECT_EQ(placed.top, y);
    EXPECT_EQ(placed.right - placed.left, 200);
    DestroyWindow(window);
    if (ownerWindow)
        DestroyWindow(ownerWindow);
}

INSTANTIATE_TEST_SUITE_P(
    Placements, Centering,
    testing::Values(CenterCase{"NoOwner", false, {}, false, false, false, false},
                    CenterCase{"OwnerInside", true, {100, 100, 500, 400}, false, false, false, false},
                    CenterCase{"OwnerAtRightEdge", true, {-80, 100, 120, 300}, true, false, true, false},
                    CenterCase{"OwnerAtBottomEdge", true, {100, -30, 500, 170}, false, true, false, true},
                    // Left of the screen stays left of the screen.
                    CenterCase{"OwnerLeftOfScreen", true, {-500, 100, -300, 300}, false, false, false, false}),
    [](const testing::TestParamInfo<CenterCase>& info) { return info.param.name; });

} // namespace
