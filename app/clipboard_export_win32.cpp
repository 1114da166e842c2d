#include "app/clipboard_export_win32.h"

#include <cstring>

namespace {

class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope()
    {
        if (open_)
            CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_;
};

} // namespace

bool ClipboardExportTarget::PutText(const std::string& text)
{
    OpenClipboardScope clipboard(owner_);
    if (!clipboard.IsOpen())
        return false;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!block)
        return false;
    if (void* bytes = GlobalLock(block)) {
        std::memcpy(bytes, text.c_str(), text.size() + 1);
        GlobalUnlock(block);
    } else {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    // The clipboard owns the block only when it takes it.
    if (!SetClipboardData(CF_TEXT, block)) {
        GlobalFree(block);
        return false;
    }
    return true;
}
