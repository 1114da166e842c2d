#include "app/message_box_prompts.h"

#include "core/user_wait.h"
#include "dialogs/commands.h"
#include "dialogs/message_dialog.h"

// A dialog that set itself as the owner (PromptOwnerScope) owns the box and
// stays disabled while it is open; otherwise the main frame does.
HWND MessageBoxPrompts::BoxOwner() const
{
    return owner() != NO_PROMPT_OWNER ? reinterpret_cast<HWND>(owner()) : owner_;
}

void MessageBoxPrompts::Tell(const char* text, const char* title, MessageIcon icon)
{
    UINT style = MB_OK;
    if (icon == MessageIcon::Information)
        style = MB_ICONINFORMATION;
    else if (icon == MessageIcon::Warning)
        style = MB_ICONWARNING;
    // While a box waits for the user, other processes may use the files.
    const UserWait wait(core_);
    MessageBoxA(BoxOwner(), text, title, style);
}

bool MessageBoxPrompts::Ask(const char* text, const char* title, bool questionIcon)
{
    const UINT icon = questionIcon ? MB_ICONQUESTION : MB_ICONINFORMATION;
    const UserWait wait(core_);
    return MessageBoxA(BoxOwner(), text, title, MB_YESNO | icon) == IDYES;
}

// The month dialog, preset to the month the core proposes; "Abbrechen" gives month 0.
bool MessageBoxPrompts::AskMonth(unsigned& month, unsigned& year)
{
    if (!core_ || !AskMonthPlan(BoxOwner(), *core_, month, year)) {
        month = 0;
        return false;
    }
    return month != 0;
}

// The warning dialog has no parent: it comes from the timer while the frame
// may be hidden in the tray.
bool MessageBoxPrompts::ShowWarning(const char* text)
{
    const UserWait wait(core_);
    return ShowWarningNotice(GetModuleHandleA(nullptr), text);
}

void MessageBoxPrompts::BeginWait()
{
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    if (waitDepth_++ == 0)
        cursorBeforeWait_ = previous;
}

void MessageBoxPrompts::EndWait()
{
    if (waitDepth_ > 0 && --waitDepth_ == 0)
        SetCursor(cursorBeforeWait_);
}
