#pragma once
// Answers every message box of this thread while it lives, recording title
// and text, so code that reports through MessageBoxA can run unattended.
// Left open, the boxes are only recorded. One catcher at a time.
#include <windows.h>

#include <string>
#include <vector>

struct CaughtMessageBox {
    std::string title;
    std::string text;
};

// Whether the window is a system message box rather than a dialog.
bool IsMessageBox(HWND window);

class MessageBoxCatcher {
public:
    enum Mode { ANSWER, LEAVE_OPEN };
    explicit MessageBoxCatcher(Mode mode = ANSWER);
    ~MessageBoxCatcher();
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    const std::vector<CaughtMessageBox>& Caught() const { return boxes_; }
    // Forgets the boxes caught from the first-th on (those a test's setup caused).
    void Forget(std::size_t first);
    // While set, questions (boxes with a Yes button) are answered Yes;
    // otherwise every box gets OK, which a yes/no box takes as No.
    void AnswerYes(bool yes) { answerYes_ = yes; }

private:
    static LRESULT CALLBACK AfterWindowProcedure(int code, WPARAM wParam, LPARAM lParam);

    HHOOK hook_;
    Mode mode_;
    bool answerYes_ = false;
    std::vector<CaughtMessageBox> boxes_;
};
