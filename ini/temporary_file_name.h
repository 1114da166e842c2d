#pragma once
// The temporary file a writer replaces a file with: "<file>.<pid>.tmp" beside
// it. The process id keeps two writers of one file apart and tells, after a
// crash, whether a left-over temporary file still has a live writer.
#include <string>
#include <string_view>

std::string TemporaryPathFor(const std::string& fullPath, unsigned long processId);

// The writer's process id when name is a temporary file of target (both
// without folder), otherwise 0. Only the exact pattern counts: digits without
// a leading zero, nothing before or after. Windows compares without case.
unsigned long TemporaryFileWriter(std::string_view name, std::string_view target);
