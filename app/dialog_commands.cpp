// The commands that open a dialog: new and open (month dialog), options,
// printing, entry dialogs, day counts, evaluation, export and info. Each is
// wired here to its dialog; until a dialog exists its command does nothing.
#include "app/handler_results.h"
#include "app/main_frame.h"
#include "resources/resource_ids.h"

namespace {

constexpr UINT DIALOG_COMMANDS[] = {
    CMD_NEW_MONTH_PLAN,
    CMD_OPEN_MONTH_PLAN,
    CMD_OPTIONS,
    CMD_PRINT,
    CMD_EDIT_ENTRY,
    CMD_CLIPBOARD_EXPORT,
    CMD_ENTER_WORK_TIME,
    CMD_ENTER_FLEXI_DAY,
    CMD_ENTER_VACATION,
    CMD_ENTER_SICK_DAYS,
    CMD_ENTER_HOLIDAY,
    CMD_ACCOUNT_CORRECTION,
    CMD_VACATION_DAY_COUNT,
    CMD_SICK_DAY_COUNT,
    CMD_FLEXI_DAY_COUNT,
    CMD_MONTHLY_EVALUATION,
    CMD_INFO,
};

} // namespace

bool MainFrame::IsDialogCommand(UINT command)
{
    for (UINT dialogCommand : DIALOG_COMMANDS) {
        if (dialogCommand == command)
            return true;
    }
    return false;
}

LRESULT MainFrame::RunDialogCommand(UINT)
{
    return MSG_HANDLED;
}
