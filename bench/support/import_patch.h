#pragma once
// Points this program's import of one system function at a stand-in while it
// lives: a measurement can see calls whose effect the system hides (Wine quietly
// ignores DestroyIcon on a shared icon) or make the system answer as it does
// elsewhere (no CTL3D32.DLL).
#include <windows.h>

class ImportPatch {
public:
    // dll as the import table names it ("USER32.dll"); Patched() is false
    // when the program does not import the function.
    ImportPatch(const char* dll, const char* function, const void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    bool Patched() const { return slot_ != nullptr; }

private:
    void Write(const void* value);

    const void** slot_ = nullptr;
    const void* original_ = nullptr;
};
