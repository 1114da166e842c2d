#pragma once
// Memory in another process. The messages of the common controls carry
// pointers that Windows does not copy across processes, so the structures
// they point to are placed in the control's own process and read back.
#include <windows.h>

#include <cstddef>
#include <cstdint>

class RemoteMemory {
public:
    RemoteMemory(DWORD processId, std::size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    explicit operator bool() const { return address_ != nullptr; }
    // Whether the other process has 64-bit pointers.
    bool Is64Bit() const { return is64Bit_; }
    // An address in the other process, as a message parameter and as a
    // pointer field of a structure laid out for that process.
    LPARAM Parameter(std::size_t offset = 0) const;
    std::uint64_t Address(std::size_t offset = 0) const;

    bool Write(std::size_t offset, const void* data, std::size_t size);
    bool Read(std::size_t offset, void* data, std::size_t size) const;

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    bool is64Bit_ = false;
};

// Sends a control a message that fills in a RECT (LVM_GETITEMRECT,
// TB_GETITEMRECT) and gives the rectangle in screen coordinates. The RECT
// enters with rect's contents, as LVM_GETITEMRECT wants its left field.
bool ControlItemRect(HWND control, UINT message, WPARAM index, RECT& rect);
