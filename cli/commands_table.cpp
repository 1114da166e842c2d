#include "cli/commands.h"

#include <cstdio>

#include "calendar/holiday_rules.h"
#include "cli/cli.h"
#include "cli/holidays_command.h"
#include "cli/session.h"

// The holidays of the settings' rules, or of the state --land names with the settings' own days.
int HolidaysListCommand(CliRun& run)
{
    const bool ownState = run.args.Has("--land");
    const int state = StateIndex(run.args.Option("--land").c_str());
    if (ownState && state < 0)
        return run.Usage("--land erwartet das Kürzel eines Bundeslandes: BW, BY, BE, BB, HB, HH, HE, MV, NI, NW, RP, "
                         "SL, SN, ST, SH oder TH.");
    unsigned year = 0;
    if (!ParseHolidaysYear(run.args.positional[0].c_str(), year, run.err))
        return EXIT_USAGE;
    CliSession& session = run.Session();
    if (session.refused())
        return run.Result();
    HolidayRules rules = session.settings().FreeDays;
    if (ownState)
        std::snprintf(rules.state, sizeof rules.state, "%s", States[state].code);
    PrintHolidays(year, rules, run.out);
    return run.Result();
}

namespace {

const CliCommand Table[] = {
    {"init",
     "[--hours H:MM] [--workdays Mo,Di,...] [--from DATUM] [--account H:MM] [--vacation N] "
     "[--no-open-month] [--force]",
     "erster Start: Regelarbeitszeit, Arbeitstage, Erfassung ab (Vorgabe heute; davor keine Fehltage), Übertrag aus "
     "der bisherigen Zeiterfassung, Resturlaub, \"bei Start aktuellen Monat öffnen\" (Vorgabe ein); legt den "
     "aktuellen Monatsplan mit dem Übertrag an. Eine vorhandene Einstellungsdatei nur mit --force",
     0, 0, " --hours --workdays --from --account --vacation ", " --no-open-month --force ", InitCommand},
    {"open", "MONAT JAHR", "öffnet den Monatsplan (ein fehlender wird mit dem Kontostand des Vormonats angelegt)", 2, 2,
     nullptr, nullptr, OpenCommand},
    {"show", "MONAT JAHR",
     "zeigt die Liste des Monatsplans: je Zeile Tag, Datum, Kommen, Gehen, Stunden, Saldo, Konto, Bemerkung "
     "(tab-getrennt; laufende Werte von heute mit \"T\")",
     2, 2, nullptr, nullptr, ShowCommand},
    {"kommen", "", "Erfassung: Kommen (jetzt, im Monatsplan des heutigen Tages)", 0, 0, nullptr, nullptr,
     ArriveCommand},
    {"gehen", "[DATUM UHRZEIT]",
     "Erfassung: Gehen (jetzt, im Monatsplan des heutigen Tages); mit DATUM und UHRZEIT: trägt beim offenen Eintrag "
     "dieses Tages das vergessene \"Gehen\" nach",
     0, 2, nullptr, nullptr, LeaveCommand},
    {"status", "",
     "heute laufende Werte: Kommen, Stunden, Saldo, Konto, Feierabend um (tab-getrennt); "
     "Exit-Code 1 ohne offenen Eintrag",
     0, 0, nullptr, nullptr, StatusCommand},
    {"entry", "DATUM KOMMEN [GEHEN] [--remark TEXT] [--no-saldo]",
     "neuer Eintrag mit Zeiten (ohne GEHEN: offener Eintrag); --no-saldo: Tag hat keine Regelarbeitszeit "
     "(an arbeitsfreien Tagen immer); KOMMEN F bucht einen Feiertag, G, U oder K einen Gleit-, Urlaubs- oder "
     "Krankheitstag wie flexi, vacation und sick (auch klein geschrieben); Z, -- und * werden abgelehnt (correct, "
     "fill-missing, hours), ebenso andere Buchstaben und ? unter KOMMEN",
     2, 3, " --remark ", " --no-saldo ", EntryCommand},
    {"hours", "DATUM STUNDEN [--remark TEXT] [--no-saldo]", "neuer Eintrag mit direkt erfassten Stunden (z.B. 7:30)", 2,
     2, " --remark ", " --no-saldo ", HoursCommand},
    {"flexi", "DATUM [--remark TEXT]", "Gleittag eintragen (Gleittage + 1)", 1, 1, " --remark ", nullptr, FlexiCommand},
    {"holiday", "DATUM [--remark TEXT]", "Feiertag eintragen", 1, 1, " --remark ", nullptr, HolidayCommand},
    {"vacation", "VON [BIS] [--remark TEXT]",
     "Urlaub an jedem nicht freien Tag von VON bis BIS (verbleibende Urlaubstage - n)", 1, 2, " --remark ", nullptr,
     VacationCommand},
    {"sick", "VON [BIS] [--remark TEXT]", "Krankheitstage an jedem nicht freien Tag von VON bis BIS", 1, 2,
     " --remark ", nullptr, SickCommand},
    {"correct", "DATUM KONTO [--remark TEXT]", "Zeitkonto-Korrektur: das Konto ab DATUM auf KONTO setzen (z.B. 12:30)",
     2, 2, " --remark ", nullptr, CorrectCommand},
    {"remark", "DATUM POS TEXT", "ändert die Bemerkung des Eintrags an Position POS des Tages", 3, 3, nullptr, nullptr,
     RemarkCommand},
    {"delete", "DATUM POS", "löscht den Eintrag an Position POS (ab 1) des Tages", 2, 2, nullptr, nullptr,
     DeleteCommand},
    {"move", "DATUM POS up|down", "verschiebt den Eintrag innerhalb seines Tages nach oben oder unten", 3, 3, nullptr,
     nullptr, MoveCommand},
    {"fill-missing", "DATUM", "Fehltage bis Markierung eintragen: leere Arbeitstage vor DATUM werden Fehltage", 1, 1,
     nullptr, nullptr, FillMissingCommand},
    {"recompute", "MONAT JAHR",
     "Monatszeiten neu berechnen: alle Werte neu, dann Fehltage bis zur Markierung "
     "(im laufenden Monat mit SelectDay: bis heute)",
     2, 2, nullptr, nullptr, RecomputeCommand},
    {"weekdays", "MONAT JAHR", "Wochentage neu berechnen (Wochentage, Feiertags- und Tagesnamen, Fehltage werden leer)",
     2, 2, nullptr, nullptr, WeekdaysCommand},
    {"carry-over", "MONAT JAHR", "Kontostands-Übernahme: übernimmt den Endstand des Vormonats erneut", 2, 2, nullptr,
     nullptr, CarryOverCommand},
    {"evaluate", "MONAT JAHR", "Monats-Auswertung", 2, 2, nullptr, nullptr, EvaluateCommand},
    {"year", "JAHR",
     "Jahresübersicht: je Abrechnungszeitraum mit Monatsplan die Werte der Monats-Auswertung, der Kontostand am "
     "Ende und die genommenen Urlaubs-, Krankheits- und Gleittage, dann die Summe und der Resturlaub (tab-getrennt)",
     1, 1, nullptr, nullptr, YearCommand},
    {"export", "MONAT JAHR [--day TAG] [--fields N]",
     "Zwischenablagen-Export auf stdout; --day: nur dieser Tag; --fields: Felder für diesen Aufruf "
     "(1 Datum, 2 Kommen, 4 Gehen, 8 Stunden, 16 Saldo; Vorgabe ExportFields)",
     2, 2, " --day --fields ", nullptr, ExportCommand},
    {"holidays", "JAHR [--land XX]",
     "Feiertage (H) und besondere Tage (S) eines Jahres: TT.MM.JJJJ<TAB>H|S<TAB>Name; Feiertage des Bundeslandes "
     "aus den Einstellungen oder --land (BW, BY, BE, BB, HB, HH, HE, MV, NI, NW, RP, SL, SN, ST, SH, TH), "
     "dann die eigenen freien Tage",
     1, 1, " --land ", nullptr, HolidaysListCommand},
};

} // namespace

const CliCommand* Commands(std::size_t& count)
{
    count = sizeof Table / sizeof Table[0];
    return Table;
}
