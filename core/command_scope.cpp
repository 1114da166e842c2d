#include "core/command_scope.h"

#include <exception>

CommandScope::CommandScope(FrameCore& frame, WhenLocked whenLocked)
    : frame_(frame), exceptions_(std::uncaught_exceptions())
{
    // Counted before the message below, so that a timer tick under it is an
    // inner scope.
    const bool outermost = ++frame_.commands_ == 1;
    if (frame_.locked_ || (!outermost && frame_.waits_ == 0))
        return;
    takesLock_ = true;
    unlockedAround_ = frame_.unlocked_;
    frame_.locked_ = frame_.lock_.Take(frame_.store(), frame_.settings(), [this] { frame_.RefreshSettingsFile(); });
    frame_.unlocked_ = !frame_.locked_;
    if (frame_.unlocked_ && whenLocked == WhenLocked::Tell)
        frame_.prompts().Tell(FILES_LOCKED, "Fehler", MessageIcon::Warning);
}

CommandScope::~CommandScope()
{
    if (takesLock_) {
        // Released before a message can keep the other processes waiting.
        frame_.lock_.Release();
        frame_.locked_ = false;
        frame_.unlocked_ = unlockedAround_;
    }
    if (frame_.commands_ == 1) {
        frame_.unlocked_ = false;
        // Still counted while the message is open, so that a timer tick under
        // the message box shows no second one. An exception on its way out
        // leaves the report to the next command.
        if (std::uncaught_exceptions() == exceptions_)
            frame_.ReportUnsavedFile();
    }
    if (--frame_.commands_ == 0)
        frame_.shell().CommandEnded();
}
