#include <windows.h>

#include "app/Varrow.h"
#include "framework/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Application->Initialize();
    Application->SetTitle("Varrow");
    Application->CreateForm<TfrmVarrow>();
    Application->Run();
    delete Application->MainForm();
    return 0;
}
