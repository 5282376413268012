// The program's entry point and its one application object.
#include "app/shell/TaveloProApp.h"

CTaveloProApp theApp;

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow)
{
    return AfxGetApp()->Main(hInstance, nCmdShow);
}
