// What the program run cannot show of the controls: the button bar under
// common controls 6, which hand back a copy of every bitmap that carries
// alpha (Wine does not), and the picture loader on damaged files.
#include <gtest/gtest.h>

#include <vector>

#include "controls/bb_control.h"
#include "controls/dib.h"
#include "resources/resource_ids.h"
#include "tests/framework/message_box_catcher.h"

struct BBControlTestAccess {
    static HWND Item(const BBControl& bar, int item) { return bar.groups_.at(0).buttons.at(item).window.Get(); }
};

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

// The mouse moving onto the centre of an item of the bar's first group.
void Hover(BBControl& bar, int item)
{
    RECT rect{};
    GetWindowRect(BBControlTestAccess::Item(bar, item), &rect);
    POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ScreenToClient(bar.GetBarWindow(), &centre);
    SendMessageA(bar.GetBarWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
}

TEST(ButtonBar, DeletesTheCopiesTheControlHandsBack)
{
    HWND parent =
        CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 10, 10, 400, 400, nullptr, nullptr, nullptr, nullptr);
    BBControl* bar = BBControl::GetInstance();
    ASSERT_EQ(bar->Create(GetModuleHandleA(nullptr), parent, 0, 0, 90, 400), 1);
    bar->AddGroup("Eintr\xE4ge", 10, 0);
    for (int i = 0; i < 4; ++i)
        bar->AddItem(0, "Knopf", MAKEINTRESOURCEA(IDI_BB_3), 100 + i);
    bar->ShowBar();
    handedBack.clear();
    staticProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(BBControlTestAccess::Item(*bar, 1), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CopyingStatic)));
    for (int hovered : {1, 2, 1, 3})
        Hover(*bar, hovered);
    BBControl::ReleaseInstance(bar);
    DestroyWindow(parent);
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
