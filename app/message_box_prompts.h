#pragma once
// The core's questions and notes as message boxes with the fixed titles the
// core passes ("Hinweis", "Frage", "Fehler"), owned by the main frame or by
// the dialog that made itself their owner.
#include <windows.h>

#include "core/shell.h"

class FrameCore;

class MessageBoxPrompts : public UserPrompts {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    // The month dialog needs the settings and the clock of the frame.
    void SetFrameCore(FrameCore* core) { core_ = core; }

    void Tell(const char* text, const char* title, MessageIcon icon) override;
    bool Ask(const char* text, const char* title, bool questionIcon) override;
    bool AskMonth(unsigned& month, unsigned& year) override;
    bool ShowWarning(const char* text) override;
    void BeginWait() override;
    void EndWait() override;

private:
    HWND BoxOwner() const;

    HWND owner_ = nullptr;
    FrameCore* core_ = nullptr;
    int waitDepth_ = 0;
    HCURSOR cursorBeforeWait_ = nullptr;
};
