#include "bench/support/import_patch.h"

namespace {

// The import address table entry of function in the program's own module.
const void** FindSlot(const char* dll, const char* function)
{
    const void* target = reinterpret_cast<const void*>(GetProcAddress(GetModuleHandleA(dll), function));
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!target || !imports.VirtualAddress)
        return nullptr;
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name;
         ++entry) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + entry->Name), dll) != 0)
            continue;
        for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk); thunk->u1.Function; ++thunk)
            if (reinterpret_cast<const void*>(thunk->u1.Function) == target)
                return reinterpret_cast<const void**>(&thunk->u1.Function);
    }
    return nullptr;
}

} // namespace

ImportPatch::ImportPatch(const char* dll, const char* function, const void* replacement)
    : slot_(FindSlot(dll, function))
{
    if (!slot_)
        return;
    original_ = *slot_;
    Write(replacement);
}

ImportPatch::~ImportPatch()
{
    if (slot_)
        Write(original_);
}

void ImportPatch::Write(const void* value)
{
    DWORD protection = 0;
    VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
    *slot_ = value;
    VirtualProtect(slot_, sizeof *slot_, protection, &protection);
}
