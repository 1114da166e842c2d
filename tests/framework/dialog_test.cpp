#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include "framework/modal_dialog.h"
#include "framework/modeless_dialog.h"
#include "tests/framework/dialog_access.h"
#include "tests/framework/test_application.h"

namespace {

using Access = DialogTestAccess;

constexpr int CMD_OPEN_INNER = 100;
constexpr int CMD_PING = 200;

HINSTANCE Module()
{
    return GetModuleHandleA(nullptr);
}

// Counts destructions across self-deleting dialog objects.
int destroyedDialogs = 0;

// A modal dialog whose OnInitDialog posts `firstCommand` to itself and whose
// OnCommand runs the script.
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
        PostMessageA(dialog, WM_COMMAND, firstCommand_, 0);
        return 1;
    }
    INT_PTR OnSetFont(HWND*, WPARAM*, LPARAM*) override
    {
        setFontBeforeInit |= !initHandle;
        return 0;
    }
    INT_PTR OnCommand(HWND* dialog, WPARAM* wParam, LPARAM*) override
    {
        script_(*this, *dialog, LOWORD(*wParam));
        return 1;
    }

    HWND initHandle = nullptr;
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
        ASSERT_EQ(Access::LiveCount(), 0);
    }
};

TEST_F(Dialogs, EndModalTwiceCallsEndDialogOnceAndMessagesBeforeInitNeverReachTheObject)
{
    for (bool locate : {false, true}) {
        bool setFontBeforeInit = true;
        auto* dialog = new ScriptedDialog(IDOK, [&](ScriptedDialog& self, HWND window, int) {
            setFontBeforeInit = self.setFontBeforeInit;
            self.EndModal(window);
            EndDialog(window, 7);
            self.EndModal(window); // must not overwrite the 7
        });
        EXPECT_EQ(locate ? dialog->DoModal(nullptr, Module(), "TESTDLG") : dialog->DoModal(nullptr, "TESTDLG"), 7);
        EXPECT_FALSE(setFontBeforeInit);
        EXPECT_EQ(destroyedDialogs, locate ? 2 : 1);
        EXPECT_EQ(Access::LiveCount(), 0);
        EXPECT_EQ(Access::ListHead(), nullptr);
    }
}

TEST_F(Dialogs, NestedDialogsAreFoundByTheirOwnHandles)
{
    // Each command as the dialog that got it saw it: command, window, window at WM_INITDIALOG.
    std::vector<std::tuple<int, HWND, HWND>> outerSaw, innerSaw;
    auto* outer = new ScriptedDialog(CMD_OPEN_INNER, [&](ScriptedDialog& self, HWND window, int command) {
        outerSaw.emplace_back(command, window, self.initHandle);
        if (command != CMD_OPEN_INNER)
            return;
        auto* inner = new ScriptedDialog(IDOK, [&](ScriptedDialog& innerSelf, HWND innerWindow, int innerCommand) {
            innerSaw.emplace_back(innerCommand, innerWindow, innerSelf.initHandle);
            EXPECT_EQ(Access::LiveCount(), 2);
            EXPECT_EQ(Access::ListHead(), &innerSelf);
            EXPECT_EQ(Access::Next(innerSelf), &self);
            SendMessageA(window, WM_COMMAND, CMD_PING, 0); // for the outer dialog while the inner one runs
            innerSelf.EndModal(innerWindow);
        });
        inner->DoModal(window, "TESTDLG");
        self.EndModal(window);
    });
    outer->DoModal(nullptr, "TESTDLG");

    ASSERT_EQ(outerSaw.size(), 2u);
    ASSERT_EQ(innerSaw.size(), 1u);
    const HWND outerWindow = std::get<1>(outerSaw[0]), innerWindow = std::get<1>(innerSaw[0]);
    EXPECT_NE(outerWindow, innerWindow);
    EXPECT_EQ(outerSaw[0], std::make_tuple(CMD_OPEN_INNER, outerWindow, outerWindow));
    EXPECT_EQ(outerSaw[1], std::make_tuple(CMD_PING, outerWindow, outerWindow));
    EXPECT_EQ(innerSaw[0], std::make_tuple(int{IDOK}, innerWindow, innerWindow));
    EXPECT_EQ(destroyedDialogs, 2);
    EXPECT_EQ(Access::LiveCount(), 0);
}

TEST_F(Dialogs, MissingTemplatesAreFatalWithTheirMessages)
{
    // The objects never get a window, so nothing deletes them for us.
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[] { std::make_unique<ModalDialog>(Module())->DoModal(nullptr, "NOSUCHDLG"); }, "Failed to display dialog."},
        {[] { std::make_unique<ModalDialog>(Module())->DoModal(nullptr, Module(), "NOSUCHDLG"); },
         "Failed to locate dialog-resource."},
        {[] { std::make_unique<ModelessDialog>(Module())->Create(nullptr, "NOSUCHDLG"); }, "Failed to display dialog."},
        {[] { std::make_unique<ModelessDialog>(Module())->Create(nullptr, Module(), "NOSUCHDLG"); },
         "Failed to locate dialog-resource."}};
    for (const auto& [run, message] : cases)
        EXPECT_EQ(FrameworkErrorOf(run), message);
}

class CountedModeless : public ModelessDialog {
public:
    CountedModeless() : ModelessDialog(Module()) {}
    ~CountedModeless() override { ++destroyedDialogs; }
};

// The live list from its head, checking that the back links agree.
std::vector<Dialog*> WalkList()
{
    std::vector<Dialog*> entries;
    for (Dialog* d = Access::ListHead(); d; d = Access::Next(*d)) {
        EXPECT_EQ(Access::Previous(*d), entries.empty() ? nullptr : entries.back());
        entries.push_back(d);
    }
    return entries;
}

TEST_F(Dialogs, DestructionInAnyOrderKeepsHeadCountAndLinks)
{
    std::vector<int> order{0, 1, 2};
    do {
        destroyedDialogs = 0;
        std::vector<CountedModeless*> dialogs;
        std::vector<HWND> windows;
        for (int i = 0; i < 3; ++i) {
            dialogs.push_back(new CountedModeless);
            windows.push_back(dialogs.back()->Create(nullptr, "TESTDLG"));
        }
        EXPECT_EQ(Access::InstalledProcedure(), &Dialog::DialogProcedure);
        std::vector<Dialog*> alive{dialogs[2], dialogs[1], dialogs[0]}; // newest first
        EXPECT_EQ(WalkList(), alive);
        for (int index : order) {
            dialogs[index]->Destroy(windows[index]);
            alive.erase(std::find(alive.begin(), alive.end(), dialogs[index]));
            EXPECT_EQ(Access::LiveCount(), static_cast<int>(alive.size()));
            EXPECT_EQ(WalkList(), alive) << "order " << order[0] << order[1] << order[2];
        }
        EXPECT_EQ(destroyedDialogs, 3);
    } while (std::next_permutation(order.begin(), order.end()));
}

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

TEST(Dialog, CenterWindowCentresOverTheOwnerAndKeepsRightAndBottomOnScreen)
{
    // An empty owner rectangle means no owner. An owner at the right (bottom)
    // edge is moved by the desktop's right (bottom), and the window then
    // centres on the desktop in that direction; left of the screen stays left.
    struct Case {
        RECT owner;
        bool atRight, atBottom;
    };
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    for (Case c :
         {Case{{}, false, false}, Case{{100, 100, 500, 400}, false, false}, Case{{-80, 100, 120, 300}, true, false},
          Case{{100, -30, 500, 170}, false, true}, Case{{-500, 100, -300, 300}, false, false}}) {
        OffsetRect(&c.owner, c.atRight ? desktop.right : 0, c.atBottom ? desktop.bottom : 0);
        const RECT& o = c.owner;
        HWND owner = IsRectEmpty(&o) ? nullptr
                                     : CreateWindowExA(0, "Static", "", WS_POPUP, o.left, o.top, o.right - o.left,
                                                       o.bottom - o.top, nullptr, nullptr, Module(), nullptr);
        HWND window = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 200, 100, owner, nullptr, Module(), nullptr);
        EXPECT_EQ(CenterWindow(window), 1);
        RECT placed{};
        GetWindowRect(window, &placed);
        const RECT& x = owner && !c.atRight ? o : desktop;
        const RECT& y = owner && !c.atBottom ? o : desktop;
        EXPECT_EQ(placed.left, x.left + (x.right - x.left - 200) / 2) << o.left << "," << o.top;
        EXPECT_EQ(placed.top, y.top + (y.bottom - y.top - 100) / 2) << o.left << "," << o.top;
        EXPECT_EQ(placed.right - placed.left, 200);
        DestroyWindow(window);
        if (owner)
            DestroyWindow(owner);
    }
}

} // namespace
