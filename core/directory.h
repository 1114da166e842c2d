#pragma once

// Creates the directory itself (not its parents); an existing directory or a
// failure is ignored: the caller checks the file it then writes.
void CreateDirectoryOneLevel(const char* path);
