#pragma once
// "Willkommen bei Stundwerk" (DLG_WELCOME): the first start's settings.
// Created with new; runs and deletes itself inside the constructor.
#include "core/first_start.h"
#include "framework/modal_dialog.h"

class UserPrompts;
struct Settings;

class WelcomeDialog : public ModalDialog {
public:
    // values: shown, and on OK the values entered; accepted: whether OK closed it.
    WelcomeDialog(HINSTANCE module, HWND parent, const Settings& settings, UserPrompts& prompts, FirstStart& values,
                  bool& accepted);

    INT_PTR OnInitDialog(HWND dialog) override;
    INT_PTR OnCommand(HWND* dialog, WPARAM* wParam, LPARAM* lParam) override;

private:
    const Settings& settings_;
    UserPrompts& prompts_;
    FirstStart& values_;
    bool& accepted_;
};
