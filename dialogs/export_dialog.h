#pragma once
// The export dialog DLG_EXPORT: which entries ("nur markierten Eintrag" or
// the whole period) and which fields go to the clipboard. The field choice is
// kept in the setting ExportFields.
#include <windows.h>

#include "framework/modal_dialog.h"

class ExportTarget;
class MonthPlan;
struct Settings;

class ExportDialog : public ModalDialog {
public:
    // Runs the dialog. OK stores the checked fields in settings.ExportFields
    // and exports the plan to target; Cancel changes and exports nothing.
    // The object deletes itself.
    ExportDialog(HINSTANCE module, HWND parent, Settings& settings, MonthPlan& plan, ExportTarget& target);

    INT_PTR OnInitDialog(HWND dialog) override;
    INT_PTR OnCommand(HWND* dialog, WPARAM* wParam, LPARAM* lParam) override;

private:
    Settings& settings_;
    MonthPlan& plan_;
    ExportTarget& target_;
    unsigned fields_;
};
