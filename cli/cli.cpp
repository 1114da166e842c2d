#include "cli/cli.h"

#include <cstring>
#include <ostream>
#include <string>

#include "cli/holidays_command.h"

namespace {

const char* const HelpText =
    "stundwerk-cli: Gleitzeiterfassung auf der Kommandozeile\n"
    "\n"
    "Aufruf: stundwerk-cli BEFEHL [ARGUMENTE]\n"
    "\n"
    "Befehle:\n"
    "  holidays JAHR    Feiertage (H) und besondere Tage (S) eines Jahres: DD.MM.JJJJ<TAB>H|S<TAB>Name\n"
    "  --help           diese Hilfe\n";

int Usage(std::ostream& err, const std::string& message)
{
    err << "stundwerk-cli: " << message << "\nAufruf: stundwerk-cli --help zeigt alle Befehle.\n";
    return EXIT_USAGE;
}

} // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    if (argc < 2)
        return Usage(err, "kein Befehl angegeben.");
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        out << HelpText;
        return 0;
    }
    if (command == "holidays") {
        if (argc != 3)
            return Usage(err, "holidays erwartet genau ein Jahr.");
        return HolidaysCommand(argv[2], out, err);
    }
    if (!command.empty() && command[0] == '-')
        return Usage(err, "unbekannte Option \"" + command + "\".");
    return Usage(err, "unbekannter Befehl \"" + command + "\".");
}
