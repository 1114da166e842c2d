#include "dialogs/prompt_owner.h"

#include "core/shell.h"

// UserPrompts has no owner window yet; the prompts' own owner is used until
// it has one.
PromptOwnerScope::PromptOwnerScope(UserPrompts& prompts, HWND dialog) : prompts_(prompts), dialog_(dialog) {}

PromptOwnerScope::~PromptOwnerScope() = default;
