#pragma once
// Every resource id of the program, grouped by what uses it. Included by C++
// sources and by the resource scripts, so plain #defines only.

// Framework controls: hand cursor over the button bar and title banners,
// scroll arrows of the button bar.
#define IDC_MYHAND 300
#define IDB_UP 310
#define IDB_DOWN 311
