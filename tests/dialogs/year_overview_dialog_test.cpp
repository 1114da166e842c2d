#include "dialogs/year_overview_dialog.h"

#include <commctrl.h>

#include <string>

#include "core/clipboard_export.h"
#include "resources/resource_ids.h"
#include "tests/dialogs/dialog_fixture.h"

namespace {

struct Clipboard : ExportTarget {
    std::string text;
    bool PutText(const std::string& t) override
    {
        text = t;
        return true;
    }
};

unsigned printedYear = 0;

std::string Cell(HWND dialog, int row, int column)
{
    char text[64] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendDlgItemMessageA(dialog, IDC_YEAR_LIST, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

} // namespace

// The list shows the core's rows; the year buttons, "Kopieren" and
// "Drucken..." work on the year shown.
TEST_F(DialogTest, YearOverviewListsCopiesAndPrintsTheYearShown)
{
    Open(3, 2002);
    Add(4, At(8, 0), At(17, 0));
    Open(3, 2003);
    Clipboard clipboard;
    WhenDialogOpens([&](HWND dialog) {
        EXPECT_EQ(TextOf(dialog, IDC_YEAR_YEAR), "2003");
        Click(dialog, IDC_YEAR_PREVIOUS);
        EXPECT_EQ(TextOf(dialog, IDC_YEAR_YEAR), "2002");
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_YEAR_LIST, LVM_GETITEMCOUNT, 0, 0), 2);
        EXPECT_EQ(Cell(dialog, 0, 0), "März");
        EXPECT_EQ(Cell(dialog, 1, 0), "Summe");
        Click(dialog, IDC_YEAR_COPY);
        Click(dialog, IDC_YEAR_PRINT);
        Click(dialog, IDCANCEL);
    });
    new YearOverviewDialog(Module(), nullptr, frame, 2003, clipboard,
                           [](HWND, const Settings&, const YearOverview& overview) { printedYear = overview.year; });
    EXPECT_EQ(clipboard.text, YearOverviewText(settings, BuildYearOverview(frame, 2002)));
    EXPECT_EQ(printedYear, 2002u);
}
