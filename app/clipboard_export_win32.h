#pragma once
// The Windows clipboard as the place the export text goes: CF_TEXT, the
// text's bytes as they are (tab-separated, LF line ends) and a terminating
// zero.
#include <windows.h>

#include "core/clipboard_export.h"

class ClipboardExportTarget : public ExportTarget {
public:
    // The clipboard is opened for owner (the month plan window).
    explicit ClipboardExportTarget(HWND owner) : owner_(owner) {}

    // False when the clipboard cannot be opened, there is no memory or the
    // clipboard refuses the block; the clipboard then keeps its old content
    // unless it had been emptied already.
    bool PutText(const std::string& text) override;

private:
    HWND owner_;
};
