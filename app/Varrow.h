#pragma once
// The main window: the stamp panel above, the digest panel below, the version link.
#include "dropfiles/NewCtrls.h"
#include "framework/forms.h"
#include "framework/memo.h"
#include "stamp/picker_control.h"
#include "stamp/presets.h"

class TfrmVarrow : public TForm {
  public:
    explicit TfrmVarrow(TComponent* owner);

    TFileDrop* FileDrop1;
    TLabel* Label5;
    TPanel* Panel1;
    TLabel* Label1;
    TDateTimePickerControl* DateTimePicker1;
    TDateTimePickerControl* DateTimePicker2;
    TButton* Button1;
    TButton* Button2;
    TPanel* Panel2;
    TLabel* Label2;
    TMemo* memMD5Digest;
    TFileDrop* FileDrop2;

    void FileDrop1FileDrop(TObject* Sender, int Num, TStrings& Files, int X, int Y);
    void FormCreate(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void Label5Click(TObject* Sender);
    void FileDrop2FileDrop(TObject* Sender, int Num, TStrings& Files, int X, int Y);

    // The clock the presets read; tests put their own in its place.
    LocalClock* Clock;
};
