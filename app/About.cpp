#include "app/About.h"

#include <shellapi.h>

#include <memory>
#include <optional>

#include "app/res/resource_ids.h"
#include "app/version_text.h"
#include "framework/application.h"
#include "framework/text_encoding.h"

const char kSupportMailAddress[] = "support@varrow.example";
const char kWebSiteAddress[] = "https://www.varrow.example/";

TfrmAbout::ShellOpenFn TfrmAbout::ShellOpen = ::ShellExecuteA;

namespace {

constexpr char kFilledAtRunTime[] = "実行時に取得";

std::string OwnProgramPath() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// A string value of the "041103A4" table, in the system code page; nothing when missing.
std::optional<std::string> ReadValue(const void* info, const char* key) {
    const std::string path = std::string("\\StringFileInfo\\041103A4\\") + key;
    char* value = nullptr;  // a failed lookup leaves it as it was
    UINT length = 0;
    ::VerQueryValueA(info, path.c_str(), reinterpret_cast<void**>(&value), &length);
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

}  // namespace

TfrmAbout::TfrmAbout(TComponent* owner) : TForm(owner), VersionFile(OwnProgramPath()) {
    SetCaption("バージョン情報");
    SetClientSize(329, 257);
    SetBorderStyle(TBorderStyle::Dialog);
    SetContextHelp(true);
    SetPosition(TPosition::ScreenCenter);
    SetShowHint(true);
    SetFont({L"MS UI Gothic", 12, false, false, RGB(0, 0, 0)});

    // Declaration order; tab order follows creation order.
    // clang-format off
    //                                    owner parent      left, top, width, height  caption
    cmdOK = PlaceControl<TButton>(        this, this,      {112, 224,  97,  26}, "OK");
    Copyright = PlaceControl<TLabel>(     this, this,      { 72,  72,  69,  12}, kFilledAtRunTime);
    Version = PlaceControl<TLabel>(       this, this,      { 72,  44,  69,  12}, kFilledAtRunTime);
    ProductName = PlaceControl<TLabel>(   this, this,      { 70,  24,  77,  12}, kFilledAtRunTime);
    Bevel1 = new TBevel(this);
    GroupBox1 = PlaceControl<TGroupBox>(  this, this,      {  8, 120, 313,  92}, "連絡先");
    Label1 = PlaceControl<TLabel>(        this, GroupBox1, {104,  43, 129,  12}, kWebSiteAddress);
    Label4 = PlaceControl<TLabel>(        this, GroupBox1, {104,  22, 109,  12}, kSupportMailAddress);
    Label5 = PlaceControl<TLabel>(        this, GroupBox1, { 64,  22,  36,  12}, "E-mail:");
    Label6 = PlaceControl<TLabel>(        this, GroupBox1, { 64,  44,  24,  12}, "URL:");
    Image1 = PlaceControl<TImage>(        this, GroupBox1, { 16,  33,  32,  32}, "");
    Label2 = PlaceControl<TLabel>(        this, GroupBox1, {104,  64, 179,  12}, "USERS' SITE (サポートのお知らせ)");
    Label3 = PlaceControl<TLabel>(        this, this,      {200,  88, 105,  12}, "All Rights Reserved.");
    GroupBox2 = PlaceControl<TGroupBox>(  this, this,      {  8, 120, 313,  92}, "お知らせ");
    Label7 = PlaceControl<TLabel>(        this, GroupBox2, {136,  59, 129,  12}, kWebSiteAddress);
    Label9 = PlaceControl<TLabel>(        this, GroupBox2, { 64,  24, 233,  33},
                                  "このソフトウエアはノンサポートソフトウエアです。\r\n"
                                  "一切のお問い合わせをお断りしております。");
    Label10 = PlaceControl<TLabel>(       this, GroupBox2, { 64,  60,  60,  12}, "公開元URL:");
    Image2 = PlaceControl<TImage>(        this, GroupBox2, { 16,  33,  32,  32}, "");
    // clang-format on
    Bevel1->SetParent(this);
    Bevel1->SetBounds(8, 8, 313, 105);

    ProductName->SetFont({L"ＭＳ Ｐゴシック", 12, true, false, RGB(0, 0, 0)});
    Label3->SetAlignRight(true);
    Label9->SetAutoSize(false);
    Label9->SetWordWrap(true);
    for (TLabel* link : {Label1, Label2, Label4, Label7})
        link->SetLinkLook(true);
    Image1->SetIconResource(IDI_VARROW_LETTER);
    Image2->SetIconResource(IDI_VARROW_WARNING);
    GroupBox2->SetVisible(false);
    cmdOK->SetDefault(true);
    SetActiveControl(cmdOK);

    ProductName->SetHint("ソフトウエアの名称");
    Version->SetHint("バージョン情報");
    Copyright->SetHint("著作権情報");
    cmdOK->SetHint("閉じる");
    Image1->SetHint("Contact me!");
    Image2->SetHint("Contact me!");
    Label4->SetHint("作者にサポート依頼メールを送信");
    Label1->SetHint("作者の Web サイトへジャンプ");
    Label7->SetHint("作者の Web サイトへジャンプ");
    Label2->SetHint("USERS' SITE (サポート専用のサイト)へジャンプ");

    cmdOK->OnClick = [this](TObject* s) { cmdOKClick(s); };
    Label4->OnClick = [this](TObject* s) { Label4Click(s); };
    Label1->OnClick = [this](TObject* s) { Label1Click(s); };
    Label7->OnClick = [this](TObject* s) { Label1Click(s); };
    Label2->OnClick = [this](TObject* s) { Label2Click(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    OnPaint = [this](TObject* s, HDC dc) { FormPaint(s, dc); };
}

void TfrmAbout::FormShow(TObject*) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(VersionFile.c_str(), &ignored);
    if (size == 0)
        return;  // no version information: the designed captions stay
    const auto info = std::make_unique<char[]>(size);  // given back on every path
    ::GetFileVersionInfoA(VersionFile.c_str(), 0, size, info.get());

    ProductName->SetCaption(AnsiToUtf8(ReadValue(info.get(), "ProductName").value_or("")));
    const std::string fileVersion = ReadValue(info.get(), "FileVersion").value_or("");
    const std::optional<std::string> description = ReadValue(info.get(), "FileDescription");
    Version->SetCaption(AnsiToUtf8(ComposeVersionLine(fileVersion, description)));
    Copyright->SetCaption(AnsiToUtf8(ReadValue(info.get(), "LegalCopyright").value_or("")));
    const std::string special = ReadValue(info.get(), "SpecialBuild").value_or("");
    if (MarksNonSupport(special, [](unsigned char b) { return ::IsDBCSLeadByte(b) != FALSE; })) {
        GroupBox1->SetVisible(false);
        GroupBox2->SetVisible(true);
    }
}

void TfrmAbout::FormPaint(TObject*, HDC dc) {
    // A failure to draw is of no consequence: the repaint goes on without the icon.
    HICON icon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                 MAKEINTRESOURCEW(IDI_VARROW_MAIN), IMAGE_ICON, 32,
                                                 32, LR_SHARED));
    if (icon != nullptr) {
        ::DrawIconEx(dc, ScaleValue(24), ScaleValue(24), icon, ScaleValue(32), ScaleValue(32), 0,
                     nullptr, DI_NORMAL);
    }
}

void TfrmAbout::cmdOKClick(TObject*) {
    SetModalResult(mrOk);
}

void TfrmAbout::Label4Click(TObject*) {
    Application->ShowMessageBox(
        WindowHandle(),
        "お問い合わせになる前に，必ずサポートについてのヘルプをご覧下さい\r\n"
        "ヘルプを無視したサポートにはお答えできません",
        "ヘルプ参照のお願い", MB_OK | MB_ICONWARNING);
    ShellOpen(nullptr, nullptr, (std::string("mailto:") + kSupportMailAddress).c_str(), nullptr,
              nullptr, SW_SHOWNORMAL);
}

void TfrmAbout::Label1Click(TObject*) {
    ShellOpen(nullptr, nullptr, kWebSiteAddress, nullptr, nullptr, SW_SHOWNORMAL);
}

void TfrmAbout::Label2Click(TObject*) {
    ShellOpen(nullptr, nullptr, (std::string(kWebSiteAddress) + "users/").c_str(), nullptr, nullptr,
              SW_SHOWNORMAL);
}
