#include "app/About.h"

TfrmAbout::TfrmAbout(TComponent* owner) : TForm(owner) {
    SetCaption("バージョン情報");
    SetClientSize(329, 257);
    SetBorderStyle(TBorderStyle::Dialog);
    SetPosition(TPosition::ScreenCenter);
    SetFont({L"MS UI Gothic", 12, false, false, RGB(0, 0, 0)});

    cmdOK = new TButton(this);
    cmdOK->SetParent(this);
    cmdOK->SetBounds(112, 224, 97, 26);
    cmdOK->SetCaption("OK");
    cmdOK->SetDefault(true);
    cmdOK->OnClick = [this](TObject* s) { cmdOKClick(s); };
    SetActiveControl(cmdOK);
}

void TfrmAbout::cmdOKClick(TObject*) { SetModalResult(mrOk); }
