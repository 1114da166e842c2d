#include "core/user_wait.h"

#include "ini/profile_store.h"

UserWait::UserWait(FrameCore* frame) : frame_(frame)
{
    if (!frame_)
        return;
    ++frame_->waits_;
    if (!frame_->locked_ || frame_->store().InBatch())
        return;
    frame_->lock_.Release();
    frame_->locked_ = false;
    gaveBack_ = true;
}

UserWait::~UserWait()
{
    if (!frame_)
        return;
    --frame_->waits_;
    if (!gaveBack_)
        return;
    // What follows the wait belongs to the command that waited: it goes on
    // under the lock, or, when another process kept it, as a command that
    // could not lock its files.
    frame_->locked_ =
        frame_->lock_.Take(frame_->store(), frame_->settings(), [this] { frame_->RefreshSettingsFile(); });
    if (!frame_->locked_)
        frame_->unlocked_ = true;
}
