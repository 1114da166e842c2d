#pragma once
// "Jahresübersicht" on paper, through the month plan's printing path: one
// line per period in fixed-width columns, the total, the vacation days left.
#include <windows.h>

#include <string>
#include <vector>

struct Settings;
struct YearOverview;

// The lines below the column header, and the header itself.
std::string BuildYearOverviewPrintHeader();
std::vector<std::string> BuildYearOverviewPrintLines(const Settings& settings, const YearOverview& overview);

void PrintYearOverview(HWND owner, const Settings& settings, const YearOverview& overview);
