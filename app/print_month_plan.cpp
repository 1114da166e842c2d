#include "app/print_month_plan.h"

#include <commdlg.h>

#include <algorithm>
#include <string>

#include "core/month_plan.h"
#include "core/settings.h"

namespace {

struct PrintColumn {
    int width;
    PrintAlign align;
};

// The list's eight columns on paper; with one space after each they line up
// under the header names.
constexpr PrintColumn ROW_COLUMNS[LIST_COLUMNS] = {
    {3, PrintAlign::Left},  {11, PrintAlign::Left}, {6, PrintAlign::Right}, {6, PrintAlign::Right},
    {6, PrintAlign::Right}, {6, PrintAlign::Right}, {7, PrintAlign::Right}, {20, PrintAlign::Left},
};

struct HeaderName {
    const char* name;
    int width;
};

constexpr HeaderName HEADER_NAMES[] = {
    {"Tag", 4}, {"Datum", 12}, {"Komm.", 7}, {"Gehen", 7}, {"Std.", 7}, {"Saldo", 7}, {"Konto", 8}, {"Bemerkung", 0},
};

void Line(HDC dc, const PrintGeometry& page, int row, const std::string& text)
{
    TextOutA(dc, page.charWidth, page.Y(row), text.c_str(), static_cast<int>(text.size()));
}

void Rule(HDC dc, const PrintGeometry& page, int row)
{
    MoveToEx(dc, page.charWidth, page.Y(row), nullptr);
    LineTo(dc, page.charWidth + page.lineWidth, page.Y(row));
}

void FinishPage(HDC dc, const PrintGeometry& page, int number)
{
    Rule(dc, page, page.rows - 1);
    Line(dc, page, page.rows, "Seite " + std::to_string(number));
    EndPage(dc);
}

// What PrintDlgA hands over: the printer DC and the two setting blocks.
class PrintDialogResult {
public:
    explicit PrintDialogResult(const PRINTDLGA& dialog) : dialog_(dialog) {}
    ~PrintDialogResult()
    {
        if (dialog_.hDC)
            DeleteDC(dialog_.hDC);
        if (dialog_.hDevMode)
            GlobalFree(dialog_.hDevMode);
        if (dialog_.hDevNames)
            GlobalFree(dialog_.hDevNames);
    }
    PrintDialogResult(const PrintDialogResult&) = delete;
    PrintDialogResult& operator=(const PrintDialogResult&) = delete;

private:
    const PRINTDLGA& dialog_;
};

} // namespace

void Pad(std::string& line, const std::string& text, int width, PrintAlign align)
{
    const std::size_t fill = text.size() < static_cast<std::size_t>(width) ? width - text.size() : 0;
    if (align == PrintAlign::Right)
        line.append(fill, ' ');
    line += text;
    if (align == PrintAlign::Left)
        line.append(fill, ' ');
}

std::string BuildPrintHeader()
{
    std::string line;
    for (const HeaderName& h : HEADER_NAMES)
        Pad(line, h.name, h.width, PrintAlign::Left);
    return line;
}

std::string BuildPrintRow(const ListRow& row)
{
    std::string line;
    for (int column = 0; column < LIST_COLUMNS; ++column) {
        Pad(line, row.text[column], ROW_COLUMNS[column].width, ROW_COLUMNS[column].align);
        line += ' ';
    }
    return line;
}

PrintGeometry MeasurePage(HDC printer)
{
    PrintGeometry page;
    SIZE cell{};
    if (!GetTextExtentPoint32A(printer, "1234", 4, &cell) || cell.cy <= 0)
        return page;
    page.charWidth = cell.cx;
    page.lineHeight = cell.cy;
    page.lineWidth = GetDeviceCaps(printer, HORZRES) - 2 * cell.cx;
    page.rows = (GetDeviceCaps(printer, VERTRES) - 4 * cell.cy) / cell.cy;
    return page;
}

PrintFont::PrintFont(HDC printer)
    : printer_(printer), previous_(SelectObject(printer, GetStockObject(DEVICE_DEFAULT_FONT)))
{
    TEXTMETRICA metrics{};
    const int pixelsPerInch = GetDeviceCaps(printer, LOGPIXELSY);
    // TMPF_FIXED_PITCH set means a variable pitch.
    const bool usable = GetTextMetricsA(printer, &metrics) && !(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) &&
                        metrics.tmHeight >= MulDiv(8, pixelsPerInch, 72);
    if (usable)
        return;
    created_ =
        CreateFontA(-MulDiv(10, pixelsPerInch, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
    if (created_)
        SelectObject(printer, created_);
}

PrintFont::~PrintFont()
{
    if (previous_ && previous_ != HGDI_ERROR)
        SelectObject(printer_, previous_);
    if (created_)
        DeleteObject(created_);
}

bool PrintPages(HDC printer, const Settings& settings, const std::string& header, const std::vector<std::string>& lines)
{
    const PrintGeometry page = MeasurePage(printer);
    if (page.lineHeight <= 0)
        return false;
    int number = 0;
    StartPage(printer);
    Line(printer, page, 0, settings.HeadLine1);
    Line(printer, page, 1, settings.HeadLine2);
    Line(printer, page, 2, settings.HeadLine3);
    Rule(printer, page, 3);
    Line(printer, page, 4, header);
    int next = 6;
    for (const std::string& line : lines) {
        // A page breaks before a row that does not fit, so the document
        // never ends on a page with nothing but the continuation header.
        if (next > page.rows - 3 && next > 3) {
            FinishPage(printer, page, ++number);
            StartPage(printer);
            Rule(printer, page, 0);
            Line(printer, page, 1, header);
            next = 3;
        }
        Line(printer, page, next++, line);
    }
    FinishPage(printer, page, ++number);
    return true;
}

void PrintDocument(HWND owner, const Settings& settings, const char* documentName, const std::string& header,
                   const std::vector<std::string>& lines)
{
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION;
    dialog.nFromPage = dialog.nToPage = dialog.nMinPage = dialog.nMaxPage = 1;
    dialog.nCopies = 1;
    const BOOL chosen = PrintDlgA(&dialog);
    PrintDialogResult result(dialog);
    if (!chosen || !dialog.hDC)
        return;

    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName;
    if (StartDocA(dialog.hDC, &document) <= 0)
        return;
    {
        PrintFont font(dialog.hDC);
        // Each copy is the whole document, numbered from page 1.
        const int copies = std::max<int>(1, dialog.nCopies);
        bool printed = true;
        for (int copy = 0; copy < copies && printed; ++copy)
            printed = PrintPages(dialog.hDC, settings, header, lines);
        if (printed)
            EndDoc(dialog.hDC);
        else
            AbortDoc(dialog.hDC);
    }
}

void PrintMonthPlan(HWND planWindow, MonthPlan& plan)
{
    std::vector<std::string> lines;
    for (const ListRow& row : plan.rows())
        lines.push_back(BuildPrintRow(row));
    PrintDocument(planWindow, plan.settings(), "Stundwerk Monatsdokument", BuildPrintHeader(), lines);
}
