// A use after free in a window test must fail it. As a debug heap does, every
// block given back through delete is overwritten and held back a while before
// it is freed, so that a later use reads the fill rather than the old values
// or a newer object's; and an access through a pointer of the fill ends the
// program at once, also where Windows would swallow the access violation at
// the boundary of a window procedure it called and carry on.
#include <windows.h>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr int FREED_BYTE = 0xDD;
constexpr std::size_t HELD_BLOCKS = 16384;

// Zero-initialised, so that they work before and after every static
// constructor and destructor of the program.
void* held[HELD_BLOCKS];
LONG lastHeld;

void FillAndFree(void* block) noexcept
{
    if (!block)
        return;
    std::memset(block, FREED_BYTE, _msize(block));
    // The count wraps around at a multiple of HELD_BLOCKS.
    const auto slot = static_cast<unsigned long>(InterlockedIncrement(&lastHeld)) % HELD_BLOCKS;
    std::free(InterlockedExchangePointer(&held[slot], block));
}

// Where an access through a pointer read from freed memory faults: the fill
// plus a member's offset. On x86-64 the fill is no canonical address, and
// such a fault names no address (all ones).
bool ThroughFreedMemory(ULONG_PTR address)
{
#ifdef _WIN64
    return address == ~ULONG_PTR{0} || (address >> 16) == 0xDDDDDDDDDDDDull;
#else
    return (address >> 16) == 0xDDDD;
#endif
}

LONG CALLBACK EndOnAccessToFreedMemory(EXCEPTION_POINTERS* exception)
{
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    if (record.ExceptionCode != EXCEPTION_ACCESS_VIOLATION || record.NumberParameters < 2 ||
        !ThroughFreedMemory(record.ExceptionInformation[1]))
        return EXCEPTION_CONTINUE_SEARCH;
    std::fprintf(stderr, "Access through freed memory at %p\n", record.ExceptionAddress);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_CONTINUE_SEARCH;
}

const PVOID HANDLER = AddVectoredExceptionHandler(1, EndOnAccessToFreedMemory);

} // namespace

// The array forms of the statically linked standard library end here.
void operator delete(void* block) noexcept
{
    FillAndFree(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    FillAndFree(block);
}
