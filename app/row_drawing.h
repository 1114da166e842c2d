#pragma once
// Cell drawing of the owner-drawn month plan list.
#include <windows.h>

constexpr int CELL_TEXT_SIZE = 256;

// Shortens text in place (buffer of size bytes) with "..." until it fits
// width less 4 pixels of margin. A text that fits, or a cell too narrow
// for "..." alone, is left as it is (the cell clips it).
void FitText(HDC dc, char* text, int size, int width);

// Fills the cell with the background colour and draws the fitted text in the
// DC's colours: left-aligned 2 pixels in, or right-aligned with its last
// character 8 pixels left of the cell's right edge.
void DrawCell(HDC dc, const char* text, const RECT& cell, bool rightAligned);
