#include "tests/ui/remote_memory.h"

namespace {

bool RunsOn64BitWindows()
{
    BOOL wow64 = FALSE;
    return sizeof(void*) == 8 || (IsWow64Process(GetCurrentProcess(), &wow64) && wow64);
}

} // namespace

RemoteMemory::RemoteMemory(DWORD processId, std::size_t size)
    : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE,
                           processId))
{
    if (!process_)
        return;
    BOOL wow64 = FALSE;
    IsWow64Process(process_, &wow64);
    is64Bit_ = RunsOn64BitWindows() && !wow64;
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory()
{
    if (address_)
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_)
        CloseHandle(process_);
}

LPARAM RemoteMemory::Parameter(std::size_t offset) const
{
    return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
}

std::uint64_t RemoteMemory::Address(std::size_t offset) const
{
    return reinterpret_cast<std::uintptr_t>(address_) + offset;
}

bool RemoteMemory::Write(std::size_t offset, const void* data, std::size_t size)
{
    return address_ && WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
}

bool RemoteMemory::Read(std::size_t offset, void* data, std::size_t size) const
{
    return address_ && ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
}

bool ControlItemRect(HWND control, UINT message, WPARAM index, RECT& rect)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(control, &processId);
    RemoteMemory memory(processId, sizeof rect);
    if (!memory.Write(0, &rect, sizeof rect) || !SendMessageA(control, message, index, memory.Parameter()) ||
        !memory.Read(0, &rect, sizeof rect))
        return false;
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return true;
}
