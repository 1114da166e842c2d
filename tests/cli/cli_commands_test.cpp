// The commands on capture and on whole periods, each on a fresh folder.
#include "cli_fixture.h"

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace {

TEST_F(CliTest, ArrivalLiveValuesAndDeparture)
{
    const std::string march = PlanFile("032002.SW");
    // The run that creates the plan checks for missing days before the days
    // exist; the next run enters Friday the 1st as a missing day.
    EXPECT_EQ(Call("04.03.2002 08:00 kommen").code, 0);
    EXPECT_EQ(Key(march, "1/1", "Come"), "32771");
    EXPECT_EQ(Call("04.03.2002 08:05 kommen").code, 1) << "an entry without departure is open";
    const std::vector<std::string> rows = Split(Call("04.03.2002 12:00 show 3 2002").out, '\n');
    ASSERT_EQ(rows.size(), 31u);
    EXPECT_EQ(rows[0], "Fr\t01.03.2002\t--.--\t--.--\t--.--\t-7:36\t-7:36\tFehltag");
    EXPECT_EQ(rows[3], "Mo\t04.03.2002\t08:00\t12:00T\t4:00T\t-3:36T\t-11:12T\t ");
    EXPECT_EQ(Call("04.03.2002 12:00 status").out, "08:00\t4:00\t-3:36\t-11:12\t16:06\n");
    // The live values are never stored.
    ExpectKeys("032002.SW", "4/1:Go=32767 4/1:Account=2147483647");
    EXPECT_EQ(Call("04.03.2002 16:30 gehen").code, 0);
    ExpectSections(march, {{"4/1", "Day=1 Come=480 Go=990 Info= WorkTime=510 Saldo=24 Account=-432 NoSaldo=0"}});
    EXPECT_EQ(Call("04.03.2002 16:40 status").code, 1);
    EXPECT_NE(Call("04.03.2002 16:45 gehen").err.find("Es wurde keine \"Kommen\"-Zeit gefunden"), std::string::npos);
}

TEST_F(CliTest, CommandsOnPlans)
{
    // March 2002 with two entries on Tuesday the 5th and one on Wednesday the 6th.
    const std::string fill = "entry 05.03.2002 08:00 12:00;entry 05.03.2002 12:30 17:00;entry 06.03.2002 07:45 16:15;";
    const char* const nothing = "Es konnten keine auswertbaren Daten in die Zwischenablage exportiert werden.\n";
    // A plan created without a plan of the month before starts at 0:00, told.
    const char* const februaryNote = "Es konnte kein Zeitkontostand \xC3\xBC"
                                     "bernommen werden: Der Monatsplan f\xC3\xBCr Februar 2002 fehlt oder hat keinen "
                                     "abgeschlossenen Kontostand.\n\nDer Kontostand beginnt mit 0:00. Geben Sie ihn "
                                     "bei Bedarf manuell ein.\n";
    const struct {
        const char* options; // further lines of [Options]
        std::string script;  // calls separated by ';': the last one is checked, the others succeed
        int code;
        const char *out, *err; // nullptr: not checked
        const char* file;      // a plan file, or "ini" for the settings file
        const char* keys;      // "section:key=value ...", a missing key as "<none>"
    } cases[] = {
        // TimeLag widens both ends; an arrival goes into the period holding today.
        {"TimeLag=2\nStartDay=15\n", "03.04.2002 07:58 kommen;03.04.2002 16:00 gehen", 0, "", "", "032002_15.SW",
         "MAIN:Month=3 3/1:Come=476 3/1:Go=962"},
        {"", fill + "move 05.03.2002 1 down", 0, "", "", "032002.SW",
         "5/1:Come=750 5/1:Saldo=-186 5/2:Come=480 5/2:Saldo=24"},
        // The account chain follows: only Wednesday's 8:30 (+0:24) is left.
        {"", fill + "delete 05.03.2002 1;delete 05.03.2002 1", 0, "", "", "032002.SW", "5/1:Come=32771 6/1:Account=24"},
        // Missing days up to the marked day, and "weekdays" empties them again.
        {"", fill + "fill-missing 08.03.2002", 0, "", "", "032002.SW",
         "1/1:Come=32773 4/1:Come=32773 7/1:Come=32773 7/1:Info=Fehltag 2/1:Come=32771 3/1:Come=32771 8/1:Come=32771"},
        {"", fill + "fill-missing 08.03.2002;weekdays 3 2002", 0, "", "", "032002.SW",
         "4/1:Come=32771 29/1:Info=Karfreitag"},
        {"CheckMissings=0\n", "06.03.2002 09:00 recompute 3 2002", 0, "", februaryNote, "032002.SW",
         "5/1:Come=32773 6/1:Come=32771"},
        // A two-digit year as in the date fields.
        {"", "open 4 02", 0, "", nullptr, "041902.SW", "MAIN:Year=1902"},
        {"", fill + "evaluate 3 2002", 0,
         "Es werden nur abgeschlossene Arbeitstage verrechnet.\nEin Manntag (MT) entspricht 07:36 Stunden.\n\n"
         "Soll-Arbeitstage:\t20 Tage\nIst-Arbeitstage:\t2 Tage\n\n"
         "\xC3\x9C"
         "berstunden:\t0:48 Stunden\nFehlstunden:\t0:00 Stunden\nStundensaldo:\t0:48 Stunden\n\n"
         "Gesamtarbeitszeit:\t16:00 Stunden\nTages-Schnitt:\t8:00 Stunden\n\nGesamtzeit in MT:\t2.11 Tage\n",
         "", "032002.SW", ""},
        // --fields is not saved.
        {"ExportFields=4\n", fill + "export 3 2002 --day 6 --fields 6", 0, "07:45\t16:15\n", "", "ini",
         "Options:ExportFields=4"},
        {"", fill + "export 3 2002 --day 7", 1, "", nothing, "032002.SW", ""},
        {"", fill + "open 4 2002;delete 06.03.2002 1;carry-over 4 2002", 0, "",
         "Der Zeitkontostand von M\xC3\xA4rz 2002 wurde \xC3\xBC"
         "bernommen.\n",
         "042002.SW", "MAIN:Account=24"},
        // A forgotten "Gehen" is told at the next "Kommen" and completed afterwards.
        {"", "04.03.2002 08:00 kommen;05.03.2002 08:10 kommen", 0, "",
         "Am 04.03.2002 wurde kein \"Gehen\" erfasst (\"Kommen\" 08:00).\n"
         "Bitte tragen Sie ein, wann Sie gegangen sind.\n",
         "032002.SW", "5/1:Come=490"},
        {"", "04.03.2002 08:00 kommen;05.03.2002 08:10 gehen 04.03.2002 17:00", 0, "", "", "032002.SW",
         "4/1:Go=1020 4/1:Saldo=54"},
        // "init" refuses to overwrite settings without --force; the days before "Erfassung ab" stay empty and
        // the account starts from the one carried over.
        {"", "07.12.2026 09:00 init --hours 8:00", 1, nullptr, nullptr, "ini",
         "Options:HoursPerDay=<none> Options:RecordFrom=<none>"},
        {"", "07.12.2026 09:00 init --force --hours 8:00 --workdays Mo,Di,Mi,Do --vacation 12", 0, nullptr, nullptr,
         "ini",
         "Options:HoursPerDay=480 Options:WorkDays=15 Options:Holidays=12 Options:OpenMonth=1 "
         "Options:RecordFrom=20261207"},
        {"", "07.12.2026 09:00 init --force --account -5:30 --from 02.12.2026;07.12.2026 09:00 show 12 2026", 0,
         nullptr, nullptr, "122026.SW", "MAIN:Account=-330 1/1:Come=32771 2/1:Come=32773 4/1:Account=-1698"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        ResetFolder(c.options);
        const CliResult r = RunScript(c.script);
        EXPECT_EQ(r.code, c.code);
        EXPECT_TRUE(!c.out || r.out == c.out) << r.out;
        EXPECT_TRUE(!c.err || r.err == c.err) << r.err;
        ExpectKeys(c.file, c.keys);
    }
}

// A plan file that cannot be replaced (a folder stands where the temporary
// file must go, which stops root too): the run names the file once and fails,
// and the file is unchanged (the engine's own test covers the repair).
TEST_F(CliTest, UnwritablePlanIsToldAndTheRunFails)
{
    const std::string march = PlanFile("032002.SW");
    ASSERT_EQ(Call("01.03.2002 07:00 show 3 2002").code, 0);
    const std::string before = ReadBytes(march);
#ifdef _WIN32
    const long id = _getpid();
#else
    const long id = ::getpid();
#endif
    // The temporary file a run writes beside a file before it replaces it.
    std::filesystem::create_directory(march + "." + std::to_string(id) + ".tmp");
    const CliResult r = Call("01.03.2002 08:00 kommen");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("032002.SW\" konnte nicht gespeichert werden."), std::string::npos) << r.err;
    EXPECT_EQ(Split(r.err, '\n').size(), 3u) << "told once: " << r.err;
    EXPECT_EQ(ReadBytes(march), before);
}

} // namespace
