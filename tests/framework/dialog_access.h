#pragma once
// What the tests read of the live-dialog list.
#include "framework/dialog.h"

struct DialogTestAccess {
    static Dialog* ListHead() { return Dialog::head_; }
    static int LiveCount() { return Dialog::count_; }
    static DLGPROC InstalledProcedure() { return Dialog::procedure_; }
    static Dialog* Next(const Dialog& dialog) { return dialog.next_; }
    static Dialog* Previous(const Dialog& dialog) { return dialog.previous_; }
};
