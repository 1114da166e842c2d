// What the program run cannot show of the controls: the button bar under
// common controls 6, which hand back a copy of every bitmap that carries
// alpha (Wine does not), and the picture loader on damaged files.
#include <gtest/gtest.h>

#include <vector>

#include "controls/bb_control.h"
#include "controls/dib.h"
#include "tests/controls/bb_control_access.h"
#include "tests/controls/command_sink.h"
#include "tests/framework/message_box_catcher.h"

namespace {

// A stand-in for such a static control: a fresh bitmap back every time.
std::vector<HBITMAP> handedBack;
WNDPROC staticProcedure = nullptr;

LRESULT CALLBACK CopyingStatic(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallWindowProcA(staticProcedure, window, message, wParam, lParam);
    if (message != STM_SETIMAGE)
        return result;
    handedBack.push_back(CreateBitmap(1, 1, 1, 1, nullptr));
    return reinterpret_cast<LRESULT>(handedBack.back());
}

TEST(ButtonBar, DeletesTheCopiesTheControlHandsBack)
{
    CommandSink sink;
    BBControl* bar = BBControl::GetInstance();
    ASSERT_EQ(bar->Create(GetModuleHandleA(nullptr), sink.Handle(), 0, 0, 90, 400), 1);
    bar->AddGroup("Eintr\xE4ge", 10, 0);
    for (int i = 0; i < 4; ++i)
        bar->AddItem(0, "Knopf", "TEST_SUN", 100 + i);
    bar->ShowBar();
    HWND item = BBControlTestAccess::ItemWindow(*bar, 0, 1);
    handedBack.clear();
    staticProcedure =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(item, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CopyingStatic)));
    for (int hovered : {1, 2, 1, 3})
        SendMouse(bar->GetBarWindow(), WM_MOUSEMOVE, BBControlTestAccess::ItemWindow(*bar, 0, hovered));
    BBControl::ReleaseInstance(bar);
    ASSERT_EQ(handedBack.size(), 5u) << "four looks shown, one taken back";
    for (HBITMAP copy : handedBack)
        EXPECT_EQ(GetObjectType(copy), 0u);
}

TEST(Dib, DamagedPicturesAreRefusedWithTheirMessage)
{
    const struct {
        const char *resource, *message;
    } cases[] = {
        {"NOSUCHPICTURE", "Can't find resource 'NOSUCHPICTURE'"},
        {"NOTBM", "file is no BM-format"},
        {"HUGE", "Can't realloc hDIB"},       // 2^31 x 2^31 pixels, no size
        {"HUGESTATED", "Can't realloc hDIB"}, // the same stating 4 bytes
    };
    for (const auto& c : cases) {
        MessageBoxCatcher catcher;
        DibImage image;
        EXPECT_EQ(LoadDibResource("DIB", c.resource, &image), 0) << c.resource;
        ASSERT_EQ(catcher.Caught().size(), 1u) << c.resource;
        EXPECT_EQ(catcher.Caught()[0].title + ": " + catcher.Caught()[0].text, std::string("Error: ") + c.message);
        EXPECT_EQ(image.packedDib, nullptr) << c.resource;
        EXPECT_EQ(image.bitmap, nullptr) << c.resource;
    }
}

} // namespace
