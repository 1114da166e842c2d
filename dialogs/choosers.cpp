#include "dialogs/choosers.h"

#include <windows.h>

#include <commdlg.h>

#include "framework/dialog.h"
#include "resources/resource_ids.h"

COLORREF ChooseColour(HWND owner, COLORREF initial, const OptionsWorkingCopy& copy)
{
    COLORREF custom[16];
    for (COLORREF& colour : custom)
        colour = RGB(255, 255, 255);
    custom[0] = RGB(192, 192, 192);
    custom[1] = copy.ColorStripes;
    custom[2] = RGB(255, 0, 0);
    custom[3] = copy.ColorFreeDays;

    CHOOSECOLORA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.rgbResult = initial;
    choose.lpCustColors = custom;
    choose.Flags = CC_RGBINIT;
    return ChooseColorA(&choose) ? choose.rgbResult : NO_COLOUR;
}

namespace {

// Sent to itself after a click in the directory or drive list, when the
// dialog has changed into the chosen folder.
constexpr UINT SHOW_DIRECTORY = WM_APP + 1;

// The directory the hook read at OK.
char chosenDirectory[MAX_PATH];

void ShowCurrentDirectory(HWND dialog)
{
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof directory, directory);
    SetDlgItemTextA(dialog, IDC_OPENDIR_PATH, directory);
}

// The file-open dialog changes the current directory as the user opens
// folders, so the field shows the current directory. It refuses OK with the
// wildcard file name, so the hook ends it with success itself.
UINT_PTR CALLBACK DirectoryHook(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        CenterWindow(dialog);
        ShowCurrentDirectory(dialog);
        return 0;
    case WM_PAINT:
    case SHOW_DIRECTORY:
        ShowCurrentDirectory(dialog);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            GetDlgItemTextA(dialog, IDC_OPENDIR_PATH, chosenDirectory, sizeof chosenDirectory);
            EndDialog(dialog, TRUE);
            return 1;
        }
        if (LOWORD(wParam) == IDC_OPENDIR_DIRECTORIES || LOWORD(wParam) == IDC_OPENDIR_DRIVES)
            PostMessageA(dialog, SHOW_DIRECTORY, 0, 0);
        return 0;
    default:
        return 0;
    }
}

// The dialog changes into each folder the user opens; the hook ends it
// itself, past the dialog's own restoring of the directory.
class CurrentDirectoryKeeper {
public:
    CurrentDirectoryKeeper() { GetCurrentDirectoryA(sizeof directory_, directory_); }
    ~CurrentDirectoryKeeper() { SetCurrentDirectoryA(directory_); }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

private:
    char directory_[MAX_PATH] = {};
};

} // namespace

bool ChooseDirectory(HINSTANCE module, HWND owner, std::string& directory)
{
    char file[256] = "*.*";
    char title[256] = {};
    chosenDirectory[0] = '\0';
    CurrentDirectoryKeeper keeper;

    OPENFILENAMEA open{};
    open.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    open.hwndOwner = owner;
    open.hInstance = module;
    open.nFilterIndex = 1;
    open.lpstrFile = file;
    open.nMaxFile = sizeof file;
    open.lpstrFileTitle = title;
    open.nMaxFileTitle = sizeof title;
    open.lpstrTitle = "Verzeichnis auswählen";
    open.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_NOVALIDATE;
    open.lpfnHook = DirectoryHook;
    open.lpTemplateName = "DLG_OPENDIR";
    if (!GetOpenFileNameA(&open) || chosenDirectory[0] == '\0')
        return false;
    directory = chosenDirectory;
    return true;
}
