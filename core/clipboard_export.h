#pragma once
// The clipboard export: chosen figures of each day as tab-separated text for
// a spreadsheet, one line per day, in the display format of the list.
#include <string>

class MonthPlan;

// ExportFields bits, in the order of the fields on a line.
enum ExportField : unsigned {
    ExportDate = 1,
    ExportCome = 2,
    ExportGo = 4,
    ExportHours = 8,
    ExportSaldo = 16,
};

inline constexpr const char* EXPORT_NOTHING_MARKED = "Es ist kein Eintrag zum Export markiert.";
inline constexpr const char* EXPORT_DONE =
    "Die auswertbaren Daten wurden in die Zwischenablage exportiert.\n\n"
    "Sie können diese nun in eine beliebige andere Anwendung (z.B. Excel) einfügen.";
inline constexpr const char* EXPORT_NOTHING =
    "Es konnten keine auswertbaren Daten in die Zwischenablage exportiert werden.";

// The export text of one day (1..31), or of every day of the period in period
// order when day is 0: per day with a time or hours entry one line of the
// chosen fields, separated by tabs and ended by a line feed. Date and arrival
// come from the day's first such entry, the other fields from its last.
std::string ExportText(MonthPlan& plan, unsigned fields, unsigned day);

// Where the text goes: the Windows clipboard in the GUI.
class ExportTarget {
public:
    virtual ~ExportTarget() = default;
    // False when the text could not be placed (clipboard busy, no memory).
    virtual bool PutText(const std::string& text) = 0;
};

// The command: the marked entry's day or the whole period with the plan's
// ExportFields, then the closing note. True when the text was placed.
bool ExportToClipboard(MonthPlan& plan, bool markedOnly, ExportTarget& target);
