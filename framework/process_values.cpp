#include "framework/process_values.h"

ProcessValues& Process()
{
    static ProcessValues values;
    return values;
}
