#pragma once
// Small non-copyable owners for GDI and USER handles. The program runs all
// day, so every handle it creates is released by one of these.
#include <windows.h>
#include <commctrl.h>
#include <utility>

// Any object released with DeleteObject (bitmap, brush, pen, font, palette).
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(other.Release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle Release() { return std::exchange(handle_, nullptr); }
    void Reset(Handle handle = nullptr)
    {
        if (handle_)
            DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using BitmapHandle = GdiObject<HBITMAP>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;
using FontHandle = GdiObject<HFONT>;
using PaletteHandle = GdiObject<HPALETTE>;

// A memory device context from CreateCompatibleDC.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC()
    {
        if (dc_)
            DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// GetDC / ReleaseDC of a window (null: the screen).
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint for one WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

// Selects an object into a DC and puts the previous one back on scope exit,
// so the owned object is never deleted while selected.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject()
    {
        if (previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// An icon the program created (CreateIconIndirect, CopyIcon ...), released
// with DestroyIcon. Never for an icon from LoadIconA: that one is shared,
// belongs to its module and must not be destroyed.
class IconHandle {
public:
    IconHandle() = default;
    explicit IconHandle(HICON icon) : icon_(icon) {}
    ~IconHandle() { Reset(); }
    IconHandle(const IconHandle&) = delete;
    IconHandle& operator=(const IconHandle&) = delete;
    HICON Get() const { return icon_; }
    void Reset(HICON icon = nullptr)
    {
        if (icon_)
            DestroyIcon(icon_);
        icon_ = icon;
    }

private:
    HICON icon_ = nullptr;
};

// A window destroyed with its owner object. Children die with their parent
// window, so a handle that is no longer a window is left alone.
class OwnedWindow {
public:
    OwnedWindow() = default;
    explicit OwnedWindow(HWND window) : window_(window) {}
    ~OwnedWindow() { Reset(); }
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    OwnedWindow(OwnedWindow&& other) noexcept : window_(std::exchange(other.window_, nullptr)) {}
    OwnedWindow& operator=(OwnedWindow&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.window_, nullptr));
        return *this;
    }
    HWND Get() const { return window_; }
    // Forgets the window without destroying it (it is gone already).
    HWND Release() { return std::exchange(window_, nullptr); }
    void Reset(HWND window = nullptr)
    {
        if (window_ && IsWindow(window_))
            DestroyWindow(window_);
        window_ = window;
    }

private:
    HWND window_ = nullptr;
};

// A menu from CreatePopupMenu, destroyed with DestroyMenu.
class MenuHandle {
public:
    MenuHandle() = default;
    explicit MenuHandle(HMENU menu) : menu_(menu) {}
    ~MenuHandle()
    {
        if (menu_)
            DestroyMenu(menu_);
    }
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;
    MenuHandle(MenuHandle&& other) noexcept : menu_(std::exchange(other.menu_, nullptr)) {}
    HMENU Get() const { return menu_; }

private:
    HMENU menu_ = nullptr;
};

// An image list destroyed with ImageList_Destroy. A list view without
// LVS_SHAREIMAGELISTS destroys the lists it holds itself: Release hands the
// list over to it.
class ImageListHandle {
public:
    ImageListHandle() = default;
    explicit ImageListHandle(HIMAGELIST list) : list_(list) {}
    ~ImageListHandle() { Reset(); }
    ImageListHandle(const ImageListHandle&) = delete;
    ImageListHandle& operator=(const ImageListHandle&) = delete;
    HIMAGELIST Get() const { return list_; }
    HIMAGELIST Release() { return std::exchange(list_, nullptr); }
    void Reset(HIMAGELIST list = nullptr)
    {
        if (list_)
            ImageList_Destroy(list_);
        list_ = list;
    }

private:
    HIMAGELIST list_ = nullptr;
};

// Sets the text and background colours of a DC and puts the previous ones
// back on scope exit.
class DcColours {
public:
    DcColours(HDC dc, COLORREF text, COLORREF background)
        : dc_(dc), text_(SetTextColor(dc, text)), background_(SetBkColor(dc, background))
    {
    }
    ~DcColours()
    {
        SetTextColor(dc_, text_);
        SetBkColor(dc_, background_);
    }
    DcColours(const DcColours&) = delete;
    DcColours& operator=(const DcColours&) = delete;

private:
    HDC dc_;
    COLORREF text_;
    COLORREF background_;
};
