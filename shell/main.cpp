// The entry routine of zembal.exe.
#include <windows.h>

#include "shell/frame.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR, int showCommand) {
    return runProgram(instance, previousInstance, showCommand);
}
