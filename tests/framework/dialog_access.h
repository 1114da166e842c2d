#pragma once
// What the tests read of the live-dialog list.
#include "framework/dialog.h"

struct DialogTestAccess {
    static Dialog* ListHead() { return Dialog::head_; }
    static int LiveCount() { return Dialog::count_; }
};
