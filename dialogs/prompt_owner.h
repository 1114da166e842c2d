#pragma once
// The core tells the user what is wrong through UserPrompts. While a dialog
// runs its OK, those message boxes belong to the dialog: a box owned by the
// frame would enable the frame again when it closes, under a modal dialog.
#include <windows.h>

class UserPrompts;

class PromptOwnerScope {
public:
    PromptOwnerScope(UserPrompts& prompts, HWND dialog);
    ~PromptOwnerScope();
    PromptOwnerScope(const PromptOwnerScope&) = delete;
    PromptOwnerScope& operator=(const PromptOwnerScope&) = delete;

private:
    UserPrompts& prompts_;
    HWND dialog_;
};
