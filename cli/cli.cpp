#include "cli/cli.h"

#include <cstring>
#include <ostream>
#include <string>

#include "calendar/calendar.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/profile_backend.h"
#include "cli/program_path.h"
#include "cli/session.h"
#include "cli/text_output.h"
#include "core/month_plan.h"
#include "core/settings_file.h"
#include "core/time_values.h"

namespace {

// An hour: longer than any command, short enough to end a forgotten script.
constexpr unsigned MAX_WAIT_SECONDS = 3600;

const char* const HelpIntro =
    "stundwerk-cli: Gleitzeiterfassung auf der Kommandozeile\n"
    "\n"
    "Aufruf: stundwerk-cli [--ini DATEI] [--today TT.MM.JJJJ] [--now HH:MM] [--wait SEKUNDEN] BEFEHL [ARGUMENTE]\n"
    "\n"
    "Globale Optionen:\n"
    "  --ini DATEI          Einstellungsdatei (Vorgabe: stundwrk.ini neben dem Programm)\n"
    "  --today TT.MM.JJJJ   das heutige Datum für diesen Aufruf (Vorgabe: die lokale Zeit)\n"
    "  --now HH:MM          die Uhrzeit für diesen Aufruf (Vorgabe: die lokale Zeit)\n"
    "  --wait SEKUNDEN      so lange auf den Befehl eines anderen Programms an denselben\n"
    "                       Dateien warten (Vorgabe: 10)\n"
    "  --system-profile     (nur Windows) die INI-Funktionen des Systems statt der eigenen\n"
    "\n"
    "DATUM ist TT.MM.JJJJ; es gehört zum Monatsplan, dessen Abrechnungszeitraum es enthält.\n"
    "Jeder Befehl öffnet den Monatsplan wie das Programm beim Öffnen seines Fensters: ein\n"
    "fehlender Plan wird still mit dem Kontostand des Vormonats angelegt, der Zeitraum neu\n"
    "berechnet und der heutige Tag laufend berechnet (dabei können Fehltage eingetragen\n"
    "werden). Rückfragen werden nie gestellt: der Befehl ist die Absicht des Benutzers.\n"
    "\n"
    "Befehle:\n";

const char* const HelpOutro = "\n"
                              "\"--\" beendet die Optionen (für einen Text, der mit \"--\" beginnt).\n"
                              "Ausgabe in UTF-8. Hinweise (z.B. eine Kontoübernahme) erscheinen auf stderr.\n"
                              "Exit-Code: 0 Erfolg, 1 vom System abgelehnt (Meldung auf stderr), 2 Aufruffehler.\n";

void PrintHelp(std::ostream& out)
{
    out << Cp1252ToUtf8(HelpIntro);
    std::size_t count = 0;
    const CliCommand* commands = Commands(count);
    for (std::size_t i = 0; i < count; ++i) {
        out << "  " << commands[i].name;
        if (*commands[i].synopsis)
            out << ' ' << commands[i].synopsis;
        out << "\n      " << Cp1252ToUtf8(commands[i].description) << '\n';
    }
    out << "  --help\n      diese Hilfe\n" << Cp1252ToUtf8(HelpOutro);
}

bool Listed(const char* list, const std::string& name)
{
    if (list == nullptr)
        return false;
    return std::strstr(list, (" " + name + " ").c_str()) != nullptr;
}

const CliCommand* FindCommand(const std::string& name)
{
    std::size_t count = 0;
    const CliCommand* commands = Commands(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (name == commands[i].name)
            return &commands[i];
    }
    return nullptr;
}

} // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    CliRun run(out, err);
    bool hasToday = false, hasNow = false;
    CliDate today;
    unsigned hour = 0, minute = 0;
    const CliCommand* command = nullptr;
    bool optionsEnded = false;

    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        // After the command, "-h" may be a text (a remark); "--help" is always help.
        if (!optionsEnded && (arg == "--help" || (command == nullptr && (arg == "-h" || arg == "help")))) {
            PrintHelp(out);
            return 0;
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg == "--system-profile") {
            if (!SystemProfileAvailable())
                return run.Usage("--system-profile gibt es nur unter Windows.");
            run.systemProfile = true;
            continue;
        }
        if (!optionsEnded && (arg == "--ini" || arg == "--today" || arg == "--now" || arg == "--wait")) {
            if (!hasValue)
                return run.Usage(Utf8ToCp1252(arg) + " erwartet einen Wert.");
            const std::string value = argv[++i];
            if (arg == "--ini") {
                std::string path;
                if (value.empty() || !NativePath(value, path))
                    return run.Usage(
                        "--ini erwartet den Namen einer Einstellungsdatei, die das System darstellen kann.");
                if (path.size() >= SETTINGS_PATH_SIZE)
                    return run.Usage("--ini: der Pfad ist länger als " + std::to_string(SETTINGS_PATH_SIZE - 1) +
                                     " Zeichen.");
                run.iniPath = path;
            } else if (arg == "--wait") {
                unsigned seconds = 0;
                if (!ParseCliNumber(value, 0, MAX_WAIT_SECONDS, seconds))
                    return run.Usage("--wait erwartet eine Zahl von Sekunden von 0 bis " +
                                     std::to_string(MAX_WAIT_SECONDS) + ", nicht \"" + Utf8ToCp1252(value) + "\".");
                run.lockWaitMs = seconds * 1000;
            } else if (arg == "--today") {
                if (!ParseCliDate(value, today))
                    return run.Usage("--today erwartet ein gültiges Datum TT.MM.JJJJ, nicht \"" + Utf8ToCp1252(value) +
                                     "\".");
                hasToday = true;
            } else {
                if (!ParseClockTime(value, hour, minute))
                    return run.Usage("--now erwartet eine Uhrzeit HH:MM, nicht \"" + Utf8ToCp1252(value) + "\".");
                hasNow = true;
            }
            continue;
        }
        if (command == nullptr) {
            command = FindCommand(arg);
            if (command == nullptr) {
                if (!arg.empty() && arg[0] == '-')
                    return run.Usage("unbekannte Option \"" + Utf8ToCp1252(arg) + "\".");
                return run.Usage("unbekannter Befehl \"" + Utf8ToCp1252(arg) + "\".");
            }
            run.command = arg;
            continue;
        }
        if (!optionsEnded && Listed(command->valueOptions, arg)) {
            if (!hasValue)
                return run.Usage(Utf8ToCp1252(arg) + " erwartet einen Wert.");
            run.args.options[arg] = argv[++i];
        } else if (!optionsEnded && Listed(command->flagOptions, arg)) {
            run.args.options[arg] = "";
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            return run.Usage("unbekannte Option \"" + Utf8ToCp1252(arg) + "\" für " + command->name + ".");
        } else {
            run.args.positional.push_back(arg);
        }
    }
    if (command == nullptr)
        return run.Usage("kein Befehl angegeben.");
    const std::size_t n = run.args.positional.size();
    if (n < command->minArgs || n > command->maxArgs)
        return run.Usage(std::string("Aufruf: stundwerk-cli ") + command->name + " " + command->synopsis);

    const LocalTime local = hasToday && hasNow ? LocalTime{} : LocalNow();
    run.now = local;
    if (hasToday) {
        run.now.day = today.day;
        run.now.month = today.month;
        run.now.year = today.year;
        run.now.dayOfWeek = static_cast<unsigned>(Calendar().Weekday(today.day, today.month, today.year));
    }
    if (hasNow) {
        run.now.hour = hour;
        run.now.minute = minute;
        run.now.second = 0;
    }
    return command->run(run);
}

// --- CliRun ---

CliRun::CliRun(std::ostream& out, std::ostream& err) : out(out), err(err) {}
CliRun::~CliRun() = default;

CliSession& CliRun::Session()
{
    if (!session_) {
        std::string path = iniPath;
        if (path.empty())
            path = SettingsFilePath(ProgramPath().c_str());
        session_ = std::make_unique<CliSession>(now, path, MakeProfileStore(systemProfile), err, lockWaitMs);
    }
    return *session_;
}

int CliRun::Usage(const std::string& message)
{
    usageFailed_ = true;
    err << "stundwerk-cli";
    if (!command.empty())
        err << ' ' << command;
    err << ": " << Cp1252ToUtf8(message) << "\nstundwerk-cli --help zeigt alle Befehle.\n";
    return EXIT_USAGE;
}

bool CliRun::Date(std::size_t index, CliDate& date)
{
    const std::string& text = args.positional.at(index);
    if (ParseCliDate(text, date))
        return true;
    Usage("\"" + Utf8ToCp1252(text) + "\" ist kein gültiges Datum TT.MM.JJJJ.");
    return false;
}

bool CliRun::MonthYear(std::size_t index, unsigned& month, unsigned& year)
{
    const std::string& monthText = args.positional.at(index);
    const std::string& yearText = args.positional.at(index + 1);
    if (!ParseCliNumber(monthText, 1, 12, month)) {
        Usage("der Monat muss eine Zahl von 1 bis 12 sein, nicht \"" + Utf8ToCp1252(monthText) + "\".");
        return false;
    }
    // A two-digit year reads as in the date fields of the dialogs.
    if (yearText.size() == 2 && ParseCliNumber(yearText, 0, 99, year)) {
        year = ParseDateYear(yearText);
        return true;
    }
    if (!ParseCliNumber(yearText, 1, 9999, year)) {
        Usage("das Jahr muss eine Zahl von 1 bis 9999 sein, nicht \"" + Utf8ToCp1252(yearText) + "\".");
        return false;
    }
    return true;
}

MonthPlan* CliRun::OpenPeriodArgument(std::size_t index)
{
    unsigned month = 0, year = 0;
    if (!MonthYear(index, month, year))
        return nullptr;
    return Session().OpenPlan(month, year);
}

MonthPlan* CliRun::OpenDatePlan(const CliDate& date)
{
    return Session().OpenPlanOfDate(date.day, date.month, date.year);
}

int CliRun::Result()
{
    if (usageFailed_)
        return EXIT_USAGE;
    if (!session_)
        return 0;
    // A file that could not be written is told like any refusal.
    session_->Finish();
    session_->frame().ReportUnsavedFile();
    return session_->refused() ? EXIT_REFUSED : 0;
}
