#include "app/message_box_prompts.h"

// A dialog that set itself as the owner (PromptOwnerScope) owns the box and
// stays disabled while it is open; otherwise the main frame does.
HWND MessageBoxPrompts::BoxOwner() const
{
    return owner() != NO_PROMPT_OWNER ? reinterpret_cast<HWND>(owner()) : owner_;
}

void MessageBoxPrompts::Tell(const char* text, const char* title, MessageIcon icon)
{
    MessageBoxA(BoxOwner(), text, title, icon == MessageIcon::Information ? MB_ICONINFORMATION : MB_OK);
}

bool MessageBoxPrompts::Ask(const char* text, const char* title, bool questionIcon)
{
    const UINT icon = questionIcon ? MB_ICONQUESTION : MB_ICONINFORMATION;
    return MessageBoxA(BoxOwner(), text, title, MB_YESNO | icon) == IDYES;
}

// Stand-in until the month dialog (DLG_GETMONTH) exists: "Abbrechen".
bool MessageBoxPrompts::AskMonth(unsigned&, unsigned&)
{
    return false;
}

// Stand-in until the message dialog with its "Nachricht nicht mehr anzeigen"
// box exists: a plain message box, as if the box stayed ticked (its initial
// state), so the warning comes once a day.
bool MessageBoxPrompts::ShowWarning(const char* text)
{
    MessageBoxA(BoxOwner(), text, WARNING_TITLE, MB_ICONINFORMATION);
    return true;
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
