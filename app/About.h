#pragma once
// The version dialog.
#include "framework/forms.h"

class TfrmAbout : public TForm {
public:
    explicit TfrmAbout(TComponent* owner);

    TButton* cmdOK;

    void cmdOKClick(TObject* Sender);
};
