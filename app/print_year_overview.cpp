#include "app/print_year_overview.h"

#include "app/print_month_plan.h"
#include "core/year_overview.h"

namespace {

struct Column {
    const char* name; // short: the page holds about 85 characters
    int width;
    PrintAlign align;
};

constexpr Column COLUMNS[YEAR_OVERVIEW_COLUMNS] = {
    {"Zeitraum", 10, PrintAlign::Left}, {"Soll", 5, PrintAlign::Right},     {"Ist", 5, PrintAlign::Right},
    {"Überstd.", 9, PrintAlign::Right}, {"Fehlstd.", 9, PrintAlign::Right}, {"Saldo", 9, PrintAlign::Right},
    {"Konto", 9, PrintAlign::Right},    {"Urlaub", 6, PrintAlign::Right},   {"Krank", 6, PrintAlign::Right},
    {"Gleit", 6, PrintAlign::Right},
};

std::string Line(const std::vector<std::string>& cells)
{
    std::string line;
    for (int column = 0; column < YEAR_OVERVIEW_COLUMNS; ++column) {
        Pad(line, cells[static_cast<std::size_t>(column)], COLUMNS[column].width, COLUMNS[column].align);
        line += ' ';
    }
    return line;
}

} // namespace

std::string BuildYearOverviewPrintHeader()
{
    std::vector<std::string> names;
    for (const Column& column : COLUMNS)
        names.emplace_back(column.name);
    return Line(names);
}

std::vector<std::string> BuildYearOverviewPrintLines(const Settings& settings, const YearOverview& overview)
{
    std::vector<std::string> lines = {std::string(YEAR_OVERVIEW_TITLE) + " " + std::to_string(overview.year), ""};
    for (const YearOverviewRow& row : overview.periods)
        lines.push_back(Line(YearOverviewCells(settings, row)));
    lines.emplace_back();
    lines.push_back(Line(YearOverviewCells(settings, overview.total)));
    lines.emplace_back();
    lines.push_back("Resturlaub laut Einstellungen: " + std::to_string(overview.vacationDaysLeft) + " Tage");
    return lines;
}

void PrintYearOverview(HWND owner, const Settings& settings, const YearOverview& overview)
{
    PrintDocument(owner, settings, "Stundwerk Jahresübersicht", BuildYearOverviewPrintHeader(),
                  BuildYearOverviewPrintLines(settings, overview));
}
