#include "XPMan.h"

namespace Scindora {

const TClassInfo& TXPManifest::StaticClass() {
  static const TClassInfo Info("TXPManifest", &TComponent::StaticClass(),
                               [](TComponent* O) -> TComponent* { return new TXPManifest(O); });
  return Info;
}

void RegisterXPManClasses() { RegisterComponentClass(TXPManifest::StaticClass()); }

}  // namespace Scindora
