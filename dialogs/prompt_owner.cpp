#include "dialogs/prompt_owner.h"

#include "core/shell.h"

// UserPrompts has no owner window yet; the prompts' own owner is used until
// it has one.
DialogOwnsPrompts::DialogOwnsPrompts(UserPrompts& prompts, HWND dialog) : prompts_(prompts), dialog_(dialog) {}

DialogOwnsPrompts::~DialogOwnsPrompts() = default;
