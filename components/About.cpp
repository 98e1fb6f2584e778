#include "About.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "FormData.h"
#include "TypInfo.h"

namespace Scindora {

namespace {
const char DefaultCopyright[] = "© 2026 Les auteurs de Scindora";

std::string Cut(const std::string& Value) { return Value.substr(0, TAboutBox::MaxTextLength); }

void SoundBeep() {
  if (AboutSeam().Beep) AboutSeam().Beep(0);
  else MessageBeep(0);
}
}  // namespace

TAboutSeam& AboutSeam() {
  static TAboutSeam Seam;
  return Seam;
}

// --- TAboutBox -----------------------------------------------------------------------------

const TClassInfo& TAboutBox::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TAboutBox", &TComponent::StaticClass(), [](TComponent* O) -> TComponent* { return new TAboutBox(O); });
    Published<TAboutBox>(I)
        .String("ProductName", &TAboutBox::ProductName, &TAboutBox::SetProductName, std::nullopt)
        .String("Version", &TAboutBox::Version, &TAboutBox::SetVersion, std::nullopt)
        .String("Copyright", &TAboutBox::Copyright, &TAboutBox::SetCopyright, std::nullopt);
    return I;
  }();
  return Info;
}

TAboutBox::TAboutBox(TComponent* AOwner) : TComponent(AOwner), FCopyright(DefaultCopyright) {}

void TAboutBox::SetProductName(const std::string& Value) { FProductName = Cut(Value); }
void TAboutBox::SetVersion(const std::string& Value) { FVersion = Cut(Value); }
void TAboutBox::SetCopyright(const std::string& Value) { FCopyright = Cut(Value); }

void TAboutBox::Execute() {
  // The application owns the dialog while it exists; we destroy it on every way out.
  std::unique_ptr<TFAbout> Dialog;
  try {
    Dialog = std::make_unique<TFAbout>(Application);
  } catch (const Exception&) {
    SoundBeep();
    return;
  }
  Dialog->Label1->SetCaption(FProductName);
  Dialog->Label2->SetCaption(FVersion);
  Dialog->Label3->SetCaption(FCopyright);
  Dialog->ShowModal();
}

// --- TFAbout -------------------------------------------------------------------------------

const TClassInfo& TFAbout::StaticClass() {
  static const TClassInfo Info("TFAbout", &TForm::StaticClass());
  return Info;
}

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner) {
  RegisterLinesClasses();
  if (AboutSeam().Constructing) AboutSeam().Constructing();
  TMethodTable Methods;
  Methods.Publish("FormCreate", this, &TFAbout::FormCreate);
  Methods.Publish("Button1Click", this, &TFAbout::Button1Click);
  InitializeForm(Methods);
}

void TFAbout::Loaded() {
  TForm::Loaded();
  Button1 = FindComponentAs<TButton>(*this, "Button1");
  Image1 = FindComponentAs<TImage>(*this, "Image1");
  lblPhysMem = FindComponentAs<TLabel>(*this, "lblPhysMem");
  lblPhysRes = FindComponentAs<TLabel>(*this, "lblPhysRes");
  Line1 = FindComponentAs<TLine>(*this, "Line1");
  Line2 = FindComponentAs<TLine>(*this, "Line2");
  Label1 = FindComponentAs<TLabel>(*this, "Label1");
  Label2 = FindComponentAs<TLabel>(*this, "Label2");
  Label3 = FindComponentAs<TLabel>(*this, "Label3");
}

void TFAbout::FormCreate(TObject*) {
  SoundBeep();
  MEMORYSTATUS Status{};
  Status.dwLength = sizeof(Status);
  GlobalMemoryStatus(&Status);
  lblPhysMem->SetCaption("Mémoire physique totale : " +
                         FormatKilobytes(static_cast<uint32_t>(Status.dwTotalPhys), LocaleThousandSeparator()));
  // The free share of physical memory: the complement of the memory load.
  const unsigned FreePercent = 100u - std::min<DWORD>(Status.dwMemoryLoad, 100);
  lblPhysRes->SetCaption("Ressources système      : " + std::to_string(FreePercent) + "% libre.");
}

void TFAbout::Button1Click(TObject*) { Close(); }

// --- Memory figures ------------------------------------------------------------------------

std::string FormatKilobytes(uint32_t Bytes, const std::string& Separator) {
  const std::string Digits = std::to_string(std::llround(Bytes / 1024.0));
  std::string Result;
  for (size_t I = 0; I < Digits.size(); ++I) {
    if (I > 0 && (Digits.size() - I) % 3 == 0) Result += Separator;
    Result += Digits[I];
  }
  return Result + " Ko";
}

std::string LocaleThousandSeparator() {
  char Buffer[8] = {};
  if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, Buffer, sizeof(Buffer))) return " ";
  return Buffer;
}

void RegisterAboutClasses() { RegisterComponentClass(TAboutBox::StaticClass()); }

}  // namespace Scindora
