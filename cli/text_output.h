#pragma once
// The CLI prints UTF-8; the core's texts are Windows-1252.
#include <string>

std::string Cp1252ToUtf8(const std::string& text);
