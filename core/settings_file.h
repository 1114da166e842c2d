#pragma once
// stundwrk.ini: where it lives, and reading and writing the Settings record.
#include <string>

#include "core/settings.h"

class ProfileStore;

// The folder of the program: drive and directory of modulePath, ending in a
// separator ('\' on Windows, '/' elsewhere). Empty when modulePath is null,
// empty or has no directory part.
std::string ProgramDirectory(const char* modulePath);

// stundwrk.ini beside the program, or the bare name (relative to the current
// directory) when the program's folder is unknown.
std::string SettingsFilePath(const char* modulePath);

// Sets settings.SettingsPath to SettingsFilePath(modulePath), cut to fit.
void SetSettingsPath(Settings& settings, const char* modulePath);

// The default of WorkingDir: the folder of the settings file, or the current
// directory (".\" or "./") when that path has no folder.
std::string DefaultWorkingDir(const char* settingsPath);

// Reads section Options of settings.SettingsPath into settings. Missing keys
// take their defaults; out-of-range numbers are mended (see the definition).
void LoadSettings(ProfileStore& store, Settings& settings);

// Puts every value that no setting can mean back into its range (see the
// definition): what the file gives and what the options sheet applies.
void MendSettings(Settings& settings);

// Writes every key of section Options in one batch; false when the file
// could not be written.
bool SaveSettings(ProfileStore& store, const Settings& settings);

// Writes, in one batch, the keys whose values differ from asRead (the
// settings as this process last read or wrote them) and those the file
// lacks; every other key keeps what the file holds now, which another
// process may have changed. False when the file could not be written.
bool SaveSettingsChanges(ProfileStore& store, const Settings& settings, const Settings& asRead);
