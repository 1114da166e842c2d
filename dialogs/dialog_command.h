#pragma once
// A dialog's OK as a command of its own: the messages about its input belong
// to the dialog (PromptOwnerScope), it holds the lock on the files, which the
// command that opened the dialog gave back while it waited for the user, and
// the day counters it changed are saved before that lock is given back, so
// that no other process's count comes in between.
#include <windows.h>

#include "core/command_scope.h"
#include "core/day_counters.h"
#include "core/frame_core.h"
#include "dialogs/prompt_owner.h"

class DialogCommand {
public:
    DialogCommand(FrameCore& core, HWND dialog)
        : core_(core), owner_(core.prompts(), PromptOwnerOf(dialog)), command_(core), before_(core.settings())
    {
    }
    ~DialogCommand()
    {
        if (command_.Held() && before_.Changed())
            core_.SaveSettingsFile();
    }
    DialogCommand(const DialogCommand&) = delete;
    DialogCommand& operator=(const DialogCommand&) = delete;

    // False when another process kept the files locked: the OK then changes nothing.
    bool Held() const { return command_.Held(); }

private:
    FrameCore& core_;
    PromptOwnerScope owner_;
    CommandScope command_;
    DayCountersBefore before_;
};
