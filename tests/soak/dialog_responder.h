#pragma once
// Answers every dialog the program opens while the responder lives, as a
// person with random intentions would: the application's dialogs get
// generated texts in their fields, clicks on their check boxes and radio
// buttons and then OK or "Abbrechen"; a dialog that refuses its input and
// stays open is tried again and given up with "Abbrechen" after a few tries.
// System dialogs (printing, colours, folders) are cancelled, except the file
// choice of "Monatsplan löschen", which names one of the working folder's
// plans. The folder page is given one of a few folders.
// Message boxes are left to the MessageBoxCatcher; each dialog the responder
// answers decides anew whether the questions after it get Yes or No. Runs
// through WhenDialogOpens, arming itself again each time it runs.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "tests/framework/message_box_catcher.h"
#include "tests/soak/random_input.h"

class DialogResponder {
public:
    // folders: what the folder page may be given; the plans' folder first.
    DialogResponder(RandomInput& input, MessageBoxCatcher& boxes, std::vector<std::string> folders);
    ~DialogResponder();
    DialogResponder(const DialogResponder&) = delete;
    DialogResponder& operator=(const DialogResponder&) = delete;
    // Arms the responder once; it stays armed from then on.
    void Start();
    // The period that plausible dates fall into.
    void SetPeriod(unsigned month, unsigned year)
    {
        month_ = month;
        year_ = year;
    }
    // The folder the program's month plans are in now.
    void SetWorkingDir(std::string folder) { workingDir_ = std::move(folder); }
    // What the responder did since the last call, for a failure message.
    std::string TakeLog();

private:
    void Respond(HWND dialog);
    void Arm();
    void Press(HWND dialog, int id);
    void Fill(HWND dialog, int id, FieldKind kind);
    void Toggle(HWND dialog, int id, unsigned percent);
    // OK, or "Abbrechen" by chance and after the third try.
    void Finish(HWND dialog, unsigned okPercent);

    void TimeEntry(HWND dialog);
    void DayFields(HWND dialog);
    void Month(HWND dialog);
    void Options(HWND sheet);
    void Export(HWND dialog);
    void DeleteFile(HWND dialog);

    RandomInput& input_;
    MessageBoxCatcher& boxes_;
    std::vector<std::string> folders_;
    std::string workingDir_;
    unsigned month_ = 1, year_ = 2005;
    std::map<HWND, int> tries_;
    std::string log_;
};
