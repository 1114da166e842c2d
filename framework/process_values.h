#pragma once
// The values every framework class reaches: set once while the program starts
// (the Application constructor and the first frame), read everywhere after.
#include <windows.h>

constexpr int CLASS_NAME_SIZE = 32; // 31 characters and terminator

struct ProcessValues {
    HINSTANCE instance = nullptr;
    HINSTANCE previousInstance = nullptr;
    char mainWindowClassName[CLASS_NAME_SIZE] = {};
    char childWindowClassName[CLASS_NAME_SIZE] = {};
    HMODULE ctl3dModule = nullptr;
};

ProcessValues& Process();
