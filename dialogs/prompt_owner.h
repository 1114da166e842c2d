#pragma once
// A dialog runs its logic half inside a PromptOwnerScope of its own window,
// so that the messages about its input belong to it: a box owned by the
// frame would enable the frame again when it closes, under a modal dialog.
#include <windows.h>

#include "core/shell.h"

inline PromptOwner PromptOwnerOf(HWND dialog)
{
    return reinterpret_cast<PromptOwner>(dialog);
}
