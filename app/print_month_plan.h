#pragma once
// A month plan on paper: three header lines, a rule, the column header, then
// one line per row of the month plan list in fixed-width columns, with page
// breaks, a continuation header and "Seite n" footers. The layout counts
// characters, so it is printed in the printer's fixed-pitch device font.
#include <windows.h>

#include <string>
#include <vector>

#include "core/shell.h"

class MonthPlan;
struct Settings;

enum class PrintAlign { Left, Right };
// Appends text to line, filled with blanks to width on the side away from
// its alignment; a longer text is not cut.
void Pad(std::string& line, const std::string& text, int width, PrintAlign align);

// The column header line: the names padded to their columns.
std::string BuildPrintHeader();
// The line of one list row: each cell padded to its column and followed by
// one space. A longer text is not cut; it pushes the rest to the right.
std::string BuildPrintRow(const ListRow& row);

// Where the lines go on a page, in device units, from the extent of "1234"
// in the selected font.
struct PrintGeometry {
    int charWidth = 0;  // of four characters: the left margin
    int lineHeight = 0; // one row; the top margin is two
    int lineWidth = 0;  // the rules' length
    int rows = 0;       // rows per page: the footer stands on the last one
    int Y(int row) const { return 2 * lineHeight + row * lineHeight; }
};
PrintGeometry MeasurePage(HDC printer);

// Selects the font the lines are printed in while it lives: the printer's
// device font when that is a fixed-pitch font of at least 8 points; else
// (some drivers' device font is proportional or tiny) a 10-point fixed-pitch
// font, so that the columns still line up.
class PrintFont {
public:
    explicit PrintFont(HDC printer);
    ~PrintFont();
    PrintFont(const PrintFont&) = delete;
    PrintFont& operator=(const PrintFont&) = delete;

private:
    HDC printer_;
    HGDIOBJ previous_;
    HFONT created_ = nullptr;
};

// Prints the pages of one copy of a document: the header lines of settings,
// the column header (again on every further page) and the given lines.
// False when the page cannot be measured.
bool PrintPages(HDC printer, const Settings& settings, const std::string& header, const std::vector<std::string>& lines);

// Asks for the printer and the number of copies (owned by owner) and prints
// the document in the fixed-pitch font. Cancel prints nothing.
void PrintDocument(HWND owner, const Settings& settings, const char* documentName, const std::string& header,
                   const std::vector<std::string>& lines);

// Command "&Drucken...": PrintDocument with the plan's list rows as the list
// shows them, the live values of today's row included.
void PrintMonthPlan(HWND planWindow, MonthPlan& plan);
