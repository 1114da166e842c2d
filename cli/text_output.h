#pragma once
// The CLI speaks UTF-8; the core's texts are Windows-1252.
#include <string>

std::string Cp1252ToUtf8(const std::string& text);
// Characters the code page lacks, and malformed UTF-8 (over-long forms,
// surrogates, an encoded NUL), become '?'.
std::string Utf8ToCp1252(const std::string& text);
