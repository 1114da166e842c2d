#pragma once
// "Jahresübersicht" (DLG_YEAROVERVIEW): the year overview of one year in a
// report list, with the previous and next year a click away; "Kopieren" puts
// its text on the clipboard, "Drucken..." prints it.
#include <windows.h>

#include "core/year_overview.h"
#include "framework/modal_dialog.h"

class ExportTarget;
class FrameCore;

using YearOverviewPrinter = void (*)(HWND owner, const Settings& settings, const YearOverview& overview);

class YearOverviewDialog : public ModalDialog {
public:
    // Runs the dialog; the object deletes itself.
    YearOverviewDialog(HINSTANCE module, HWND parent, FrameCore& frame, unsigned year, ExportTarget& clipboard,
                       YearOverviewPrinter print);

    INT_PTR OnInitDialog(HWND dialog) override;
    INT_PTR OnCommand(HWND* dialog, WPARAM* wParam, LPARAM* lParam) override;

private:
    void Show(HWND dialog, unsigned year);

    FrameCore& frame_;
    ExportTarget& clipboard_;
    YearOverviewPrinter print_;
    YearOverview overview_;
};
