// Stands in for the product's alcohol.exe: only its version resource is read.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return 0;
}
