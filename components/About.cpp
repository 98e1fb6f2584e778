#include "About.h"

#include "TypInfo.h"

namespace Scindora {

namespace {
const char DefaultCopyright[] = "© 2026 Les auteurs de Scindora";

std::string Cut(const std::string& Value) { return Value.substr(0, TAboutBox::MaxTextLength); }
}  // namespace

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

void RegisterAboutClasses() { RegisterComponentClass(TAboutBox::StaticClass()); }

}  // namespace Scindora
