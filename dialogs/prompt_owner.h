#pragma once
// The core tells the user what is wrong through UserPrompts. While a dialog
// runs its OK, those message boxes belong to the dialog: a box owned by the
// frame would enable the frame again when it closes, under a modal dialog.
#include <windows.h>

class UserPrompts;

class DialogOwnsPrompts {
public:
    DialogOwnsPrompts(UserPrompts& prompts, HWND dialog);
    ~DialogOwnsPrompts();
    DialogOwnsPrompts(const DialogOwnsPrompts&) = delete;
    DialogOwnsPrompts& operator=(const DialogOwnsPrompts&) = delete;

private:
    UserPrompts& prompts_;
    HWND dialog_;
};
