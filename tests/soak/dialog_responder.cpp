#include "tests/soak/dialog_responder.h"
#include "tests/support/temp_folder.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "core/shell.h"
#include "resources/resource_ids.h"
#include "tests/framework/message_box_catcher.h"
#include "tests/support/dialog_driver.h"

namespace {

constexpr int FILE_NAME_FIELD = 1152; // edt1 of the system's file dialogs
constexpr int OPTIONS_PAGES = 6;
constexpr int DIRECTORY_PAGE = 2;
constexpr int HOLIDAYS_PAGE = 5;
// Own days the holidays page may add: every year, one year, a weekday rule.
const char* const OWN_DAYS[] = {"24.12 :Heiligabend", "ostersonntag-48 :Rosenmontag", "12.06.2027 :Ausflug",
                                "01.11 +mo :Brückentag"};

bool Has(HWND dialog, int id)
{
    return GetDlgItem(dialog, id) != nullptr;
}

int ComboCount(HWND dialog, int id)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
}

} // namespace

DialogResponder::DialogResponder(RandomInput& input, MessageBoxCatcher& boxes, std::vector<std::string> folders)
    : input_(input), boxes_(boxes), folders_(std::move(folders)), workingDir_(folders_.front())
{
}

DialogResponder::~DialogResponder()
{
    DisarmDialogScripts();
}

void DialogResponder::Start()
{
    Arm();
}

void DialogResponder::Arm()
{
    WhenDialogOpens([this](HWND dialog) {
        Arm();
        Respond(dialog);
    });
}

std::string DialogResponder::TakeLog()
{
    std::string log;
    log.swap(log_);
    return log;
}

// A button press as the dialog's own loop sees it, after this script has
// returned: OK may open a message box or end the dialog.
void DialogResponder::Press(HWND dialog, int id)
{
    log_ += " [" + std::to_string(id) + "]";
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void DialogResponder::Fill(HWND dialog, int id, FieldKind kind)
{
    if (!Has(dialog, id) || !Enabled(dialog, id))
        return;
    const std::string text = input_.Field(kind, TextOf(dialog, id), month_, year_);
    Type(dialog, id, text);
    log_ += " " + std::to_string(id) + "=\"" +
            (text.size() > 40 ? text.substr(0, 20) + "...(" + std::to_string(text.size()) + ")" : text) + "\"";
}

void DialogResponder::Toggle(HWND dialog, int id, unsigned percent)
{
    if (Has(dialog, id) && Enabled(dialog, id) && input_.Chance(percent)) {
        Click(dialog, id);
        log_ += " click " + std::to_string(id);
    }
}

void DialogResponder::Finish(HWND dialog, unsigned okPercent)
{
    const bool giveUp = ++tries_[dialog] > 3;
    Press(dialog, !giveUp && input_.Chance(okPercent) ? IDOK : IDCANCEL);
}

void DialogResponder::Respond(HWND dialog)
{
    // The catcher answers message boxes; their owner is disabled meanwhile.
    if (IsMessageBox(dialog))
        return;
    const std::string title = TitleOf(dialog);
    log_ += " {" + title + "}";
    boxes_.AnswerYes(input_.Chance(50));
    if (title == WARNING_TITLE) {
        Toggle(dialog, IDC_MESSAGE_DONT_SHOW, 30);
        Press(dialog, IDOK);
    } else if (title == "Information") {
        Press(dialog, IDOK);
    } else if (title == "Einstellungen") {
        Options(dialog);
    } else if (title == "Monatsplan l\xF6schen") {
        DeleteFile(dialog);
    } else if (Has(dialog, IDC_ENTRY_TIMES_MODE)) {
        TimeEntry(dialog);
    } else if (Has(dialog, IDC_EXPORT_ALL_ENTRIES)) {
        Export(dialog);
    } else if (title == "Monatsplan" && Has(dialog, IDC_MONTH_LIST)) {
        Month(dialog);
    } else if (Has(dialog, IDC_DAYS_COUNT)) {
        Fill(dialog, IDC_DAYS_COUNT, FieldKind::Count);
        Finish(dialog, 80);
    } else if (Has(dialog, IDC_DAY_REMARK)) {
        DayFields(dialog);
    } else {
        // A system dialog: printing, colours, the folder choice.
        const int tries = ++tries_[dialog];
        PostMessageA(dialog, tries > 3 ? WM_CLOSE : WM_COMMAND, tries > 3 ? 0 : IDCANCEL, 0);
    }
}

void DialogResponder::TimeEntry(HWND dialog)
{
    Toggle(dialog, input_.Chance(50) ? IDC_ENTRY_TIMES_MODE : IDC_ENTRY_HOURS_MODE, 20);
    Toggle(dialog, IDC_ENTRY_COME_NOW, 10);
    Toggle(dialog, IDC_ENTRY_GO_NOW, 10);
    if (input_.Chance(40))
        Fill(dialog, IDC_ENTRY_DATE, FieldKind::Date);
    if (input_.Chance(60))
        Fill(dialog, IDC_ENTRY_COME, FieldKind::Time);
    if (input_.Chance(60))
        Fill(dialog, IDC_ENTRY_GO, FieldKind::Time);
    if (input_.Chance(40))
        Fill(dialog, IDC_ENTRY_HOURS, FieldKind::Hours);
    if (input_.Chance(30))
        Fill(dialog, IDC_ENTRY_REMARK, FieldKind::Remark);
    Toggle(dialog, IDC_ENTRY_NO_SALDO, 10);
    Finish(dialog, 85);
}

// The day-kind dialogs, the account correction and the remark dialog.
void DialogResponder::DayFields(HWND dialog)
{
    if (input_.Chance(50))
        Fill(dialog, IDC_DAY_DATE, FieldKind::Date);
    if (input_.Chance(50))
        Fill(dialog, IDC_DAY_UNTIL, FieldKind::Date);
    if (input_.Chance(60))
        Fill(dialog, IDC_DAY_ACCOUNT, FieldKind::Hours);
    if (input_.Chance(40))
        Fill(dialog, IDC_DAY_REMARK, FieldKind::Remark);
    Finish(dialog, 85);
}

void DialogResponder::Month(HWND dialog)
{
    if (input_.Chance(70)) {
        const int month = static_cast<int>(input_.Below(12));
        Choose(dialog, IDC_MONTH_LIST, month);
        log_ += " month " + std::to_string(month + 1);
    }
    if (input_.Chance(50))
        Fill(dialog, IDC_MONTH_YEAR, FieldKind::Year);
    Finish(dialog, 80);
}

void DialogResponder::Export(HWND dialog)
{
    Toggle(dialog, input_.Chance(50) ? IDC_EXPORT_MARKED_ONLY : IDC_EXPORT_ALL_ENTRIES, 50);
    for (int id : {IDC_EXPORT_DATE, IDC_EXPORT_COME, IDC_EXPORT_GO, IDC_EXPORT_HOURS, IDC_EXPORT_SALDO})
        Toggle(dialog, id, 20);
    Finish(dialog, 60);
}

void DialogResponder::Options(HWND sheet)
{
    for (int index = 0; index < OPTIONS_PAGES; ++index) {
        if (!input_.Chance(index == DIRECTORY_PAGE ? 15 : 40))
            continue;
        PropSheet_SetCurSel(sheet, nullptr, index);
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        log_ += " page " + std::to_string(index);
        switch (index) {
        case 0:
            if (input_.Chance(5)) {
                const int day =
                    static_cast<int>(input_.Below(static_cast<unsigned>(ComboCount(page, IDC_OPT_START_DAY))));
                Choose(page, IDC_OPT_START_DAY, day);
                log_ += " start day " + std::to_string(day + 1);
            }
            for (int id : {IDC_OPT_HOURS_PER_DAY, IDC_OPT_REST_PER_DAY, IDC_OPT_REST_PER_DAY2, IDC_OPT_REST_TIME,
                           IDC_OPT_REST_TIME2, IDC_OPT_MAX_TIME, IDC_OPT_TIME_LAG}) {
                if (input_.Chance(25))
                    Fill(page, id, FieldKind::Time);
            }
            for (int id = IDC_OPT_MONDAY; id <= IDC_OPT_MONDAY + 6; ++id)
                Toggle(page, id, 8);
            for (int id : {IDC_OPT_EXTERN, IDC_OPT_WORK_TIME_RESTS, IDC_OPT_COM_FORMAT})
                Toggle(page, id, 10);
            break;
        case 1:
            for (int id :
                 {IDC_OPT_OPEN_MONTH, IDC_OPT_SELECT_DAY, IDC_OPT_SEPARATE, IDC_OPT_CHECK_MISSINGS, IDC_OPT_ICONS})
                Toggle(page, id, 15);
            if (input_.Chance(10))
                Choose(page, IDC_OPT_DESIGN,
                       static_cast<int>(input_.Below(static_cast<unsigned>(ComboCount(page, IDC_OPT_DESIGN)))));
            if (input_.Chance(3))
                Press(page, input_.Chance(50) ? IDC_OPT_STRIPE_COLOUR : IDC_OPT_FREE_DAY_COLOUR);
            break;
        case DIRECTORY_PAGE:
            if (input_.Chance(10)) {
                Press(page, IDC_OPT_CHOOSE_DIR);
            } else {
                const std::string& folder = folders_[input_.Below(static_cast<unsigned>(folders_.size()))];
                Type(page, IDC_OPT_WORKING_DIR, folder);
                log_ += " folder \"" + folder + "\"";
            }
            break;
        case 3:
            Toggle(page, IDC_OPT_WARN_WORK_TIME, 15);
            Toggle(page, IDC_OPT_WARN_ACCOUNT, 15);
            if (input_.Chance(30))
                Fill(page, IDC_OPT_W_WORK_TIME, FieldKind::Hours);
            if (input_.Chance(30))
                Fill(page, IDC_OPT_W_ACCOUNT, FieldKind::Hours);
            break;
        case HOLIDAYS_PAGE:
            if (input_.Chance(20)) {
                const int state = static_cast<int>(input_.Below(static_cast<unsigned>(ComboCount(page, IDC_OPT_STATE))));
                Choose(page, IDC_OPT_STATE, state);
                log_ += " state " + std::to_string(state);
            }
            if (input_.Chance(20)) {
                const char* own = OWN_DAYS[input_.Below(static_cast<unsigned>(std::size(OWN_DAYS)))];
                Type(page, IDC_OPT_OWN_DAY, own);
                Press(page, IDC_OPT_OWN_DAY_ADD);
                log_ += std::string(" own day \"") + own + "\"";
            }
            break;
        default:
            for (int id : {IDC_OPT_HEADLINE1, IDC_OPT_HEADLINE2, IDC_OPT_HEADLINE3}) {
                if (input_.Chance(30))
                    Fill(page, id, FieldKind::Remark);
            }
            break;
        }
    }
    Finish(sheet, 70);
}

void DialogResponder::DeleteFile(HWND dialog)
{
    std::vector<std::string> plans;
    for (const auto& file : PlanFiles(workingDir_))
        plans.push_back(file.first);
    if (plans.empty() || !input_.Chance(40) || ++tries_[dialog] > 2) {
        Press(dialog, IDCANCEL);
        return;
    }
    const std::string name = plans[input_.Below(static_cast<unsigned>(plans.size()))];
    Type(dialog, FILE_NAME_FIELD, name);
    log_ += " delete " + name;
    Press(dialog, IDOK);
}
