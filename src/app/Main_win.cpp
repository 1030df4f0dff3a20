#include "app/Startup.h"
#include "platform/Win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return fw::runFramewing();
}
