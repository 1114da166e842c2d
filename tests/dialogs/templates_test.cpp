// The dialog templates as the program's resources hold them: titles, font,
// size of the time entry dialog, and the ids and texts of their controls
// (the fields' ids are exercised by the dialogs' own tests).
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/dialogs/dialog_fixture.h"

namespace {

INT_PTR CALLBACK Inert(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

// A hidden instance of a template, destroyed with the object.
class TemplateWindow {
public:
    explicit TemplateWindow(const char* name)
        : window_(CreateDialogParamA(Module(), name, GetDesktopWindow(), Inert, 0))
    {
    }
    ~TemplateWindow() { DestroyWindow(window_); }
    TemplateWindow(const TemplateWindow&) = delete;
    TemplateWindow& operator=(const TemplateWindow&) = delete;
    HWND Get() const { return window_; }

private:
    HWND window_;
};

using Texts = std::vector<std::pair<int, const char*>>;

TEST(DialogTemplates, TitlesFontAndControlTexts)
{
    const struct {
        const char *name, *title;
        std::vector<int> fields; // controls without a text of their own
        Texts texts;
    } templates[] = {
        {"DLG_GETDATA",
         "Zeiterfassung",
         {},
         {{IDC_ENTRY_TIMES_MODE, "&Zeiten"},
          {IDC_ENTRY_HOURS_MODE, "&Stunden"},
          {IDC_ENTRY_NO_SALDO, "Tag hat keine Regelarbeitszeit"},
          {IDOK, "OK"},
          {IDCANCEL, "Abbrechen"}}},
        {"DLG_GETDAY", "", {}, {{IDOK, "OK"}, {IDCANCEL, "Abbrechen"}}},
        {"DLG_GETFEWDAYS", "", {}, {{IDOK, "OK"}, {IDCANCEL, "Abbrechen"}}},
        {"DLG_ACCOUNT", "Zeitkonto korrigieren", {}, {{IDOK, "OK"}, {IDCANCEL, "Abbrechen"}}},
        {"DLG_GETMONTH", "Monatsplan", {}, {{IDCANCEL, "Abbrechen"}}},
        {"DLG_DAYS", "", {}, {{IDC_DAYS_LABEL, "[TEXT]"}, {IDCANCEL, "Abbrechen"}}},
        {"DLG_GETINFO", "Bemerkung ändern", {}, {{IDCANCEL, "Abbrechen"}}},
        {"DLG_OPTIONS1",
         "Zeitprofil",
         {IDC_OPT_START_DAY, IDC_OPT_HOURS_PER_DAY, IDC_OPT_REST_PER_DAY, IDC_OPT_REST_PER_DAY2, IDC_OPT_REST_TIME,
          IDC_OPT_REST_TIME2, IDC_OPT_MAX_TIME, IDC_OPT_TIME_LAG},
         {{IDC_OPT_MONDAY, "Montag"},
          {IDC_OPT_MONDAY + 1, "Dienstag"},
          {IDC_OPT_MONDAY + 2, "Mittwoch"},
          {IDC_OPT_MONDAY + 3, "Donnerstag"},
          {IDC_OPT_MONDAY + 4, "Freitag"},
          {IDC_OPT_MONDAY + 5, "Samstag"},
          {IDC_OPT_MONDAY + 6, "Sonntag"},
          {IDC_OPT_EXTERN, "externer MA"},
          {IDC_OPT_WORK_TIME_RESTS, "Pausenabzug"},
          {IDC_OPT_COM_FORMAT, "Zeiten im Komma-Format zeigen"}}},
        {"DLG_OPTIONS2",
         "Anzeige",
         {IDC_OPT_DESIGN},
         {{IDC_OPT_OPEN_MONTH, "bei Start aktuellen Monat öffnen"},
          {IDC_OPT_SELECT_DAY, "aktuellen Tag automatisch markieren"},
          {IDC_OPT_AUTO_TIMER, "laufende Tageswerte automatisch berechnen"},
          {IDC_OPT_SEPARATE, "Zeilen farblich abheben"},
          {IDC_OPT_CHECK_MISSINGS, "fehlende Tage automatisch eintragen"},
          {IDC_OPT_ICONS, "Einträge mit Icons anzeigen"},
          {IDC_OPT_STRIPE_COLOUR, "&Zeilenmarkierung"},
          {IDC_OPT_FREE_DAY_COLOUR, "&arbeitsfreie Tage"}}},
        {"DLG_OPTIONS3", "Verzeichnis", {IDC_OPT_WORKING_DIR}, {{IDC_OPT_CHOOSE_DIR, "..."}}},
        {"DLG_OPTIONS4",
         "Hinweise",
         {IDC_OPT_W_WORK_TIME, IDC_OPT_W_ACCOUNT},
         {{IDC_OPT_WARN_WORK_TIME, "Hinweis bei Überschreitung Tagesarbeitszeit"},
          {IDC_OPT_WARN_ACCOUNT, "Hinweis bei Überschreitung Gesamtstundenkonto"}}},
        {"DLG_OPTIONS5", "Ausdruck", {IDC_OPT_HEADLINE1, IDC_OPT_HEADLINE2, IDC_OPT_HEADLINE3}, {}},
        {"DLG_OPTIONS_AUTOMATIC",
         "Automatik",
         {IDC_OPT_LOCK_BREAK_MINUTES},
         {{IDC_OPT_AUTO_ARRIVAL, "Kommen bei Anmeldung und Entsperren"},
          {IDC_OPT_AUTO_DEPARTURE, "Gehen beim Sperren und Abmelden"},
          {IDC_OPT_LOCK_BREAK, "Sperren zählt als Pause ab"},
          {IDC_OPT_MARK_AUTOMATIC, "Automatische Einträge in der Bemerkung kennzeichnen"}}},
        {"DLG_OPENDIR",
         "Verzeichnis auswählen",
         {IDC_OPENDIR_PATH, IDC_OPENDIR_DIRECTORIES, IDC_OPENDIR_DRIVES, IDC_OPENDIR_FILE_NAME, IDC_OPENDIR_FILES,
          IDC_OPENDIR_TYPES},
         {{IDC_OPENDIR_PROMPT, "Bitte wählen Sie das Verzeichnis aus."},
          {IDC_OPENDIR_PATH_LABEL, "&Zielverzeichnis:"},
          {IDC_OPENDIR_DRIVES_LABEL, "&Laufwerke:"},
          {IDOK, "OK"},
          {IDCANCEL, "Abbruch"},
          {IDC_OPENDIR_FILES_LABEL, "Dateien"},
          {IDC_OPENDIR_TEXT, "Text"},
          {IDC_OPENDIR_HELP, "Hilfe"},
          {IDC_OPENDIR_READ_ONLY, "schreibgeschützt"}}},
    };
    for (const auto& t : templates) {
        TemplateWindow dialog(t.name);
        ASSERT_TRUE(dialog.Get()) << t.name;
        EXPECT_EQ(TitleOf(dialog.Get()), t.title) << t.name;
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog.Get(), WM_GETFONT, 0, 0)), sizeof font, &font);
        // The options pages take the font the property sheet sizes itself by.
        const bool page = std::string(t.name).rfind("DLG_OPTIONS", 0) == 0;
        EXPECT_STREQ(font.lfFaceName, page ? "MS Shell Dlg" : "MS Sans Serif") << t.name;
        for (int id : t.fields)
            EXPECT_TRUE(GetDlgItem(dialog.Get(), id)) << t.name << " " << id;
        for (const auto& [id, text] : t.texts) {
            ASSERT_TRUE(GetDlgItem(dialog.Get(), id)) << t.name << " " << id;
            EXPECT_EQ(TextOf(dialog.Get(), id), text) << t.name << " " << id;
        }
    }
}

TEST(DialogTemplates, TimeEntryDialogHasItsSize)
{
    TemplateWindow dialog("DLG_GETDATA");
    RECT expected{0, 0, 176, 122};
    MapDialogRect(dialog.Get(), &expected);
    RECT client{};
    GetClientRect(dialog.Get(), &client);
    EXPECT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(expected.right, expected.bottom));
}

} // namespace
