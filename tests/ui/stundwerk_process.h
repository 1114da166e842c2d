#pragma once
// The real Stundwerk.exe, started in a folder of its own and worked only from
// outside, as a user would: tray icon messages, menu keys, commands, keys to
// the list, and the buttons of its message boxes.
#include <windows.h>

#include <string>

// The tray icon's callback message and identifier.
constexpr UINT TRAY_CALLBACK = WM_USER + 0x66;
constexpr WPARAM TRAY_ICON_ID = 1;

// The items of the tray menu in their order (separators are skipped by the
// menu's own keyboard handling).
enum class TrayItem { Kommen, Gehen, Oeffnen, Verbergen, Beenden };

struct SeenMessageBox {
    std::string title;
    std::string text;
};

class StundwerkProcess {
public:
    // Starts folder\Stundwerk.exe and waits for its main window; Started()
    // tells whether it came.
    explicit StundwerkProcess(const std::string& folder);
    // Ends the program if it still runs.
    ~StundwerkProcess();
    StundwerkProcess(const StundwerkProcess&) = delete;
    StundwerkProcess& operator=(const StundwerkProcess&) = delete;

    bool Started() const { return frame_ != nullptr; }
    HWND Frame() const { return frame_; }
    bool Running() const;
    // Waits for the end; false when it still runs after the time.
    bool WaitForExit(DWORD timeoutMs, DWORD& exitCode) const;

    // A visible top-level window of the program with this class, or null.
    HWND FindWindowOfClass(const char* className) const;
    // The active month plan window and its list view, or null.
    HWND ActivePlanWindow() const;
    HWND PlanList() const;
    // A direct child of the frame with this class (tool bar, status bar), or null.
    HWND FrameChild(const char* className) const;

    // Opens the tray menu as a right click on the icon does and chooses an item.
    bool ChooseTrayItem(TrayItem item) const;
    void Command(WORD id) const;
    void SystemCommand(WPARAM command) const;
    void KeyToList(UINT virtualKey) const;
    // Waits for a message box, reads it and presses the button (IDYES, IDNO,
    // IDOK); title and text stay empty when none came.
    SeenMessageBox AnswerMessageBox(int button, DWORD timeoutMs = 10000) const;

private:
    PROCESS_INFORMATION process_{};
    HWND frame_ = nullptr;
};
