// A use after free in a window test must fail it. As a debug heap does, every
// block given back through delete is overwritten before it is freed, so that
// a later use reads garbage rather than the old values; and an access
// violation ends the program at once, also where Windows would swallow it at
// the boundary of a window procedure it called and carry on.
#include <windows.h>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr int FREED_BYTE = 0xDD;

void FillAndFree(void* block) noexcept
{
    if (!block)
        return;
    std::memset(block, FREED_BYTE, _msize(block));
    std::free(block);
}

LONG CALLBACK EndOnAccessViolation(EXCEPTION_POINTERS* exception)
{
    if (exception->ExceptionRecord->ExceptionCode != EXCEPTION_ACCESS_VIOLATION)
        return EXCEPTION_CONTINUE_SEARCH;
    std::fprintf(stderr, "Access violation at %p\n", exception->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_CONTINUE_SEARCH;
}

const PVOID HANDLER = AddVectoredExceptionHandler(1, EndOnAccessViolation);

} // namespace

void operator delete(void* block) noexcept
{
    FillAndFree(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    FillAndFree(block);
}

void operator delete[](void* block) noexcept
{
    FillAndFree(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    FillAndFree(block);
}
