#pragma once
// The program waits for the user within a command: a dialog or a message box
// is open. Meanwhile the command gives its lock on the files back, so that
// another process's command (stundwerk-cli stamping from a login script) does
// not wait for a box nobody answers; when the wait ends the lock is taken
// again and the files are looked at anew. A wait while changes of a batch are
// still unwritten keeps the lock: another process's write in between would be
// overwritten by them.
#include "core/frame_core.h"

class UserWait {
public:
    explicit UserWait(FrameCore& frame) : UserWait(&frame) {}
    // Without a frame (a box shown before there is one) nothing is locked.
    explicit UserWait(FrameCore* frame);
    ~UserWait();
    UserWait(const UserWait&) = delete;
    UserWait& operator=(const UserWait&) = delete;

private:
    FrameCore* frame_;
    bool gaveBack_ = false;
};
