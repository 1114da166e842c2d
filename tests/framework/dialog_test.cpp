#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "framework/fatal_error.h"
#include "framework/modal_dialog.h"
#include "framework/modeless_dialog.h"
#include "tests/framework/dialog_access.h"
#include "tests/framework/message_box_catcher.h"
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

constexpr INT_PTR HANDLED = 0x55;

struct DialogCall {
    std::string handler;
    HWND dialog;
    WPARAM wParam; // 0 for the handlers that get only the window
    LPARAM lParam;
};

// A modeless dialog whose handlers record what reached them and return HANDLED.
class RecordingDialog : public ModelessDialog {
    INT_PTR Record(const char* handler, HWND dialog, WPARAM* wParam, LPARAM* lParam)
    {
        calls.push_back({handler, dialog, wParam ? *wParam : 0, lParam ? *lParam : 0});
        return HANDLED;
    }

public:
    RecordingDialog() : ModelessDialog(Module()) {}
    std::vector<DialogCall> calls;

    // clang-format off
#define WINDOW_ONLY(name) INT_PTR name(HWND d) override { return Record(#name, d, nullptr, nullptr); }
#define WITH_PARAMETERS(name) \
    INT_PTR name(HWND* d, WPARAM* w, LPARAM* l) override { return Record(#name, *d, w, l); }
    WINDOW_ONLY(OnInitDialog) WINDOW_ONLY(OnPaint) WINDOW_ONLY(OnActivate) WINDOW_ONLY(OnDeactivate)
    WINDOW_ONLY(OnClose) WITH_PARAMETERS(OnCommand) WITH_PARAMETERS(OnCtlColor) WITH_PARAMETERS(OnSetFont)
    WITH_PARAMETERS(OnNotify) WITH_PARAMETERS(OnMove) WITH_PARAMETERS(OnLButtonDown) WITH_PARAMETERS(OnRButtonDown)
    WITH_PARAMETERS(OnDrawItem) WITH_PARAMETERS(OnKeyDown) WITH_PARAMETERS(OnSetCursor)
    WITH_PARAMETERS(OnMouseActivate) WITH_PARAMETERS(OnSize) WITH_PARAMETERS(OnSizing)
#undef WINDOW_ONLY
#undef WITH_PARAMETERS
    // clang-format on
};

TEST_F(Dialogs, EachMessageReachesItsHandlerWithItsArgumentsAndStrangersNone)
{
    struct Route {
        UINT message;
        WPARAM wParam;
        const char* handler; // null: no handler, the procedure returns 0
        bool withParameters;
    };
    // clang-format off
    const Route routes[] = {
        {WM_INITDIALOG, 1, "OnInitDialog", false}, {WM_PAINT, 2, "OnPaint", false},
        {WM_ACTIVATE, WA_ACTIVE, "OnActivate", false}, {WM_ACTIVATE, WA_CLICKACTIVE, "OnActivate", false},
        {WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 1), "OnActivate", false},
        {WM_ACTIVATE, WA_INACTIVE, "OnDeactivate", false},
        {WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), "OnDeactivate", false}, // minimised: only the low word counts
        {WM_COMMAND, 3, "OnCommand", true}, {WM_CTLCOLORMSGBOX - 1, 4, nullptr, false},
        {WM_CTLCOLORMSGBOX, 5, "OnCtlColor", true}, {WM_CTLCOLOREDIT, 6, "OnCtlColor", true},
        {WM_CTLCOLORLISTBOX, 7, "OnCtlColor", true}, {WM_CTLCOLORBTN, 8, "OnCtlColor", true},
        {WM_CTLCOLORDLG, 9, "OnCtlColor", true}, {WM_CTLCOLORSCROLLBAR, 10, "OnCtlColor", true},
        {WM_CTLCOLORSTATIC, 11, "OnCtlColor", true}, {WM_CTLCOLORSTATIC + 1, 12, nullptr, false},
        {WM_SETFONT, 13, "OnSetFont", true}, {WM_NOTIFY, 14, "OnNotify", true}, {WM_MOVE, 15, "OnMove", true},
        {WM_LBUTTONDOWN, 16, "OnLButtonDown", true}, {WM_RBUTTONDOWN, 17, "OnRButtonDown", true},
        {WM_DRAWITEM, 18, "OnDrawItem", true}, {WM_KEYDOWN, 19, "OnKeyDown", true},
        {WM_SETCURSOR, 20, "OnSetCursor", true}, {WM_MOUSEACTIVATE, 21, "OnMouseActivate", true},
        {WM_SIZE, 22, "OnSize", true}, {WM_SIZING, 23, "OnSizing", true}, {WM_CLOSE, 24, "OnClose", false},
        {WM_KEYUP, 25, nullptr, false}, {WM_RBUTTONUP, 26, nullptr, false}};
    // clang-format on
    auto* dialog = new RecordingDialog;
    HWND window = dialog->Create(nullptr, "TESTDLG");
    for (const Route& route : routes) {
        SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << route.message << " wParam " << route.wParam);
        dialog->calls.clear();
        const LPARAM lParam = 0x7000 + route.message;
        EXPECT_EQ(Dialog::DialogProcedure(window, route.message, route.wParam, lParam), route.handler ? HANDLED : 0);
        if (!route.handler) {
            EXPECT_TRUE(dialog->calls.empty());
            continue;
        }
        ASSERT_EQ(dialog->calls.size(), 1u);
        const DialogCall& call = dialog->calls[0];
        EXPECT_EQ(call.handler, route.handler);
        EXPECT_EQ(call.dialog, window);
        EXPECT_EQ(call.wParam, route.withParameters ? route.wParam : 0);
        EXPECT_EQ(call.lParam, route.withParameters ? lParam : 0);
    }
    // A window that is no dialog of ours gets 0 and reaches no object.
    dialog->calls.clear();
    HWND stranger = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, Module(), nullptr);
    EXPECT_EQ(Dialog::DialogProcedure(stranger, WM_COMMAND, IDOK, 0), 0);
    EXPECT_TRUE(dialog->calls.empty());
    DestroyWindow(stranger);
    dialog->Destroy(window);
    EXPECT_EQ(Access::LiveCount(), 0);
}

TEST(DialogDeathTest, AnExceptionInAHandlerEndsTheProgramWithItsMessage)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            MessageBoxCatcher catcher;
            (new ScriptedDialog(IDOK, [](ScriptedDialog&, HWND, int) {
                throw FrameworkError("Broken dialog.");
            }))->DoModal(nullptr, "TESTDLG");
        },
        testing::ExitedWithCode(FATAL_EXIT_CODE), "Error: Broken dialog\\.");
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
