#pragma once
// Month plans on the real profile engine (see PlanTest) for dialogs that
// run under Wine; the dialog templates are linked into the test program.
#include <windows.h>

#include <commctrl.h>

#include "dialogs/prompt_owner.h"
#include "tests/core/plan_fixture.h"
#include "tests/support/dialog_driver.h"

inline HINSTANCE Module()
{
    return GetModuleHandleA(nullptr);
}

class DialogTest : public PlanTest {
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
    }

    // Checks that the one message since the last check belonged to the dialog.
    void ExpectOnlyFrom(HWND dialog, const std::string& text, const char* title)
    {
        ASSERT_EQ(prompts.messages.size(), 1u) << text;
        EXPECT_EQ(prompts.messages[0].owner, PromptOwnerOf(dialog)) << text;
        ExpectOnly(text, title);
    }

    // The (Come, Go, WorkTime) of an entry, or nothing when there is none.
    std::tuple<TimeValue, TimeValue, HoursValue> Kind(unsigned day, unsigned position = 1)
    {
        EntryRecord record;
        if (!Plan().ReadEntry(day, position, record))
            return {0, 0, 0};
        return {record.Come, record.Go, record.WorkTime};
    }
};
