#pragma once
// One user command (a menu command, a timer tick, closing a window) as far as
// saving goes: the end of the outermost scope tells the user, once, about the
// first file that could not be written during it, so that a lost change never
// passes for a saved one. Inner scopes, such as a timer tick inside a dialog,
// leave the report to the outer one. Its end also tells the shell that no
// plan operation is under way any more.
#include <exception>

#include "core/frame_core.h"

class CommandScope {
public:
    explicit CommandScope(FrameCore& frame) : frame_(frame), exceptions_(std::uncaught_exceptions())
    {
        ++frame_.commands_;
    }
    ~CommandScope()
    {
        // Still counted while the message is open, so that a timer tick under
        // the message box shows no second one. An exception on its way out
        // leaves the report to the next command.
        if (frame_.commands_ == 1 && std::uncaught_exceptions() == exceptions_)
            frame_.ReportUnsavedFile();
        if (--frame_.commands_ == 0)
            frame_.shell().CommandEnded();
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

private:
    FrameCore& frame_;
    int exceptions_;
};
