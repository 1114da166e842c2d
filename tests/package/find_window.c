/* find_window CLASS SECONDS: waits up to the seconds for a top-level window of
   the class. Exit code 0 when one exists, 1 when none appeared. */
#include <windows.h>

#include <stdlib.h>

int main(int argc, char** argv)
{
    for (int tenths = argc == 3 ? atoi(argv[2]) * 10 : -1; tenths >= 0; --tenths) {
        if (FindWindowA(argv[1], NULL))
            return 0;
        Sleep(100);
    }
    return 1;
}
