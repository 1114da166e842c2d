#include "app/message_box_prompts.h"

// The live computation looks for an open window of this title so that a
// warning never opens on top of another.
constexpr const char* WARNING_TITLE = "- Hinweis -";

void MessageBoxPrompts::Tell(const char* text, const char* title, MessageIcon icon)
{
    MessageBoxA(owner_, text, title, icon == MessageIcon::Information ? MB_ICONINFORMATION : MB_OK);
}

bool MessageBoxPrompts::Ask(const char* text, const char* title, bool questionIcon)
{
    const UINT icon = questionIcon ? MB_ICONQUESTION : MB_ICONINFORMATION;
    return MessageBoxA(owner_, text, title, MB_YESNO | icon) == IDYES;
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
    MessageBoxA(owner_, text, WARNING_TITLE, MB_ICONINFORMATION);
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
