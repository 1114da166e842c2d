#pragma once
// One user command (a menu command, a timer tick, closing a window): the
// outermost scope locks the command's files against other processes (see
// CommandLock) and brings the settings' day counters up to date under the
// lock; its end releases the lock and then tells the user, once, about the
// first file that could not be written during it, so that a lost change never
// passes for a saved one. Inner scopes share the outer one's lock and leave
// the report to it; while the program waits for the user (UserWait) the lock
// is given back, and an inner scope then (a dialog's OK, a timer tick under a
// dialog) takes it for itself. The outermost scope's end also tells the
// shell that no plan operation is under way any more.
#include "core/frame_core.h"

class CommandScope {
public:
    enum class WhenLocked { Tell, Skip };

    // WhenLocked::Tell shows a "Fehler" box when the files stay locked by
    // another process; Skip (a timer tick, which comes again) says nothing.
    explicit CommandScope(FrameCore& frame, WhenLocked whenLocked = WhenLocked::Tell);
    ~CommandScope();
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

    // False when the files could not be locked: the command must then change
    // nothing and read nothing it would act on.
    bool Held() const { return !frame_.unlocked_; }

private:
    FrameCore& frame_;
    int exceptions_;
    bool takesLock_ = false;     // this scope took the lock and gives it back
    bool unlockedAround_ = false; // the frame's unlocked_ before this scope took the lock
};
