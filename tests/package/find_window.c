/* Waits up to the given seconds for a top-level window of the given class.
   Exit code 0 when one exists, 1 when none appeared. */
#include <windows.h>

#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    int tenths = atoi(argv[2]) * 10;
    for (int i = 0; i <= tenths; ++i) {
        if (FindWindowA(argv[1], NULL))
            return 0;
        Sleep(100);
    }
    return 1;
}
