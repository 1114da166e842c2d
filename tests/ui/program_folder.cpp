#include "tests/ui/program_folder.h"

#include <fstream>

namespace {

// Reads a child's standard output until it closes it.
std::string ReadAll(HANDLE pipe)
{
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    return text;
}

} // namespace

std::string BuiltProgramPath(const char* path)
{
    using DosName = WCHAR*(CDECL*)(const char*);
    // Wine's own export; absent on Windows, where the built path is a drive path already.
    const auto toDos = reinterpret_cast<DosName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    if (path[0] != '/' || !toDos)
        return path;
    WCHAR* wide = toDos(path);
    if (!wide)
        return path;
    char narrow[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
    HeapFree(GetProcessHeap(), 0, wide);
    return narrow;
}

ProgramFolder::ProgramFolder() : path_(temp_.path().string())
{
    const std::string program = BuiltProgramPath(STUNDWERK_EXE);
    ready_ = CopyFileA(program.c_str(), File("Stundwerk.exe").c_str(), FALSE) != 0;
}

void ProgramFolder::WriteSettings(const std::vector<std::string>& options, const RECT& frame) const
{
    std::ofstream out(SettingsFile(), std::ios::binary | std::ios::trunc);
    out << "[Options]\r\nWorkingDir=" << path_ << "\\\r\n";
    for (const std::string& line : options)
        out << line << "\r\n";
    out << "[Window]\r\nLeft=" << frame.left << "\r\nTop=" << frame.top << "\r\nWidth=" << frame.right - frame.left
        << "\r\nHeight=" << frame.bottom - frame.top << "\r\n";
}

CliResult ProgramFolder::Cli(const std::string& arguments) const
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return {1, "no pipe"};
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    const std::string program = BuiltProgramPath(STUNDWERK_CLI_EXE);
    std::string commandLine = "\"" + program + "\" --ini \"" + SettingsFile() + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        path_.c_str(), &startup, &process);
    CloseHandle(writeEnd);
    CliResult result;
    if (started) {
        result.output = ReadAll(readEnd);
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &result.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        result = {1, "cannot start " + program};
    }
    CloseHandle(readEnd);
    return result;
}
