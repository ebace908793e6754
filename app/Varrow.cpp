#include "app/Varrow.h"

#include "app/About.h"
#include "digest/file_digests.h"
#include "stamp/file_stamper.h"
#include "stamp/system_clock.h"

namespace {

SystemLocalClock systemClock;

}  // namespace

TfrmVarrow::TfrmVarrow(TComponent* owner) : TForm(owner), Clock(&systemClock) {
    SetCaption("Varrow");
    SetClientSize(286, 298);
    SetBorderStyle(TBorderStyle::Single);
    SetTopMost(true);
    SetFont({L"MS UI Gothic", 12});

    // Declaration order; tab order follows creation order on each parent.
    // clang-format off
    //                                 owner parent   left, top, width, height  caption
    FileDrop1 = new TFileDrop(this);
    Label5 = PlaceControl<TLabel>(     this, this,   {196, 280,  83,  12}, "バージョン情報...");
    Panel1 = PlaceControl<TPanel>(     this, this,   {  4,   4, 277,  97}, "");
    Label1 = PlaceControl<TLabel>(     this, Panel1, {  8,   8, 211,  12}, "ドロップしたファイルの日付を次の日時にセット:");
    DateTimePicker1 = PlaceControl<TDateTimePickerControl>(
                                       this, Panel1, { 24,  32, 113,  20}, "", TDateTimeKind::Date);
    DateTimePicker2 = PlaceControl<TDateTimePickerControl>(
                                       this, Panel1, {144,  32, 113,  20}, "", TDateTimeKind::Time);
    Button1 = PlaceControl<TButton>(   this, Panel1, { 24,  60,  75,  25}, "現時刻");
    Button2 = PlaceControl<TButton>(   this, Panel1, {104,  60,  75,  25}, "直近の0時");
    Panel2 = PlaceControl<TPanel>(     this, this,   {  4, 104, 277, 169}, "");
    Label2 = PlaceControl<TLabel>(     this, Panel2, {  8,  12, 206,  12}, "ドロップしたファイルのMD5ダイジェストを生成:");
    memMD5Digest = PlaceControl<TMemo>(this, Panel2, { 24,  32, 237, 125}, "");
    FileDrop2 = new TFileDrop(this);
    // clang-format on

    Label5->SetLinkLook(false);

    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
    Button2->OnClick = [this](TObject* s) { Button2Click(s); };
    Label5->OnClick = [this](TObject* s) { Label5Click(s); };
    FileDrop1->OnFileDrop = [this](TObject* s, int n, TStrings& f, int x, int y) {
        FileDrop1FileDrop(s, n, f, x, y);
    };
    FileDrop2->OnFileDrop = [this](TObject* s, int n, TStrings& f, int x, int y) {
        FileDrop2FileDrop(s, n, f, x, y);
    };

    // References between components are assigned last; binding makes the windows.
    FileDrop1->SetControl(Panel1);
    FileDrop2->SetControl(Panel2);
    LoadFinished();

    FormCreate(this);
}

void TfrmVarrow::FormCreate(TObject*) {
    Button1Click(this);
}

void TfrmVarrow::Button1Click(TObject*) {
    PresetCurrentTime(DateTimePicker1->Model(), DateTimePicker2->Model(), *Clock);
}

void TfrmVarrow::Button2Click(TObject*) {
    PresetNearestMidnight(DateTimePicker1->Model(), DateTimePicker2->Model(), *Clock);
}

void TfrmVarrow::Label5Click(TObject*) {
    auto* about = new TfrmAbout(this);
    struct ReleaseAfterwards {
        TForm* form;
        ~ReleaseAfterwards() { form->Release(); }
    } release{about};
    about->ShowModal();
}

void TfrmVarrow::FileDrop1FileDrop(TObject*, int, TStrings& Files, int, int) {
    StampFiles(Files, DateTimePicker1->Model(), DateTimePicker2->Model());
}

void TfrmVarrow::FileDrop2FileDrop(TObject*, int, TStrings& Files, int, int) {
    ListFileDigests(Files, memMD5Digest->Lines());
}
