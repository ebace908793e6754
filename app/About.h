#pragma once
// The version dialog: product name, version line and copyright from the program's own version
// information, and the contact links or, for an unsupported build, a notice.
#include <windows.h>

#include <string>

#include "framework/forms.h"

class TfrmAbout : public TForm {
  public:
    explicit TfrmAbout(TComponent* owner);

    TButton* cmdOK;
    TLabel* Copyright;
    TLabel* Version;
    TLabel* ProductName;
    TBevel* Bevel1;
    TGroupBox* GroupBox1;
    TLabel* Label1;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6;
    TImage* Image1;
    TLabel* Label2;
    TLabel* Label3;
    TGroupBox* GroupBox2;
    TLabel* Label7;
    TLabel* Label9;
    TLabel* Label10;
    TImage* Image2;

    void cmdOKClick(TObject* Sender);
    void Label4Click(TObject* Sender);
    void Label1Click(TObject* Sender);
    void FormPaint(TObject* Sender, HDC dc);
    void FormShow(TObject* Sender);
    void Label2Click(TObject* Sender);

    // The file whose version information is shown: the running program unless a test says.
    std::string VersionFile;

    // Opens an address with the program the system associates with it; tests replace it.
    using ShellOpenFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    static ShellOpenFn ShellOpen;
};

// Where the links go.
extern const char kSupportMailAddress[];
extern const char kWebSiteAddress[];
