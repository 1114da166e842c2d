// The session's messages to the frame: a lock, an unlock and a logon, and
// the end of the session. What each records decides the core.
#include "app/main_frame.h"
#include "core/command_scope.h"

void MainFrame::OnSessionChange(WPARAM reason)
{
    const CommandScope command(core_);
    switch (reason) {
    case WTS_SESSION_LOCK:
        session_.Handle(SessionEvent::Lock);
        break;
    case WTS_SESSION_UNLOCK:
        session_.Handle(SessionEvent::Unlock);
        break;
    case WTS_SESSION_LOGON:
        session_.Handle(SessionEvent::Logon);
        break;
    default:
        break;
    }
}

void MainFrame::RecordSessionEnd()
{
    const CommandScope command(core_);
    session_.Handle(SessionEvent::End);
}
