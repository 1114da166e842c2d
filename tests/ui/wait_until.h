#pragma once
// Polls a condition about another process until it holds or time runs out.
#include <windows.h>

template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = 10000)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(50);
    }
}
