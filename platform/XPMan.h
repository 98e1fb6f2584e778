// The visual-styles component: it has no properties and does nothing at run time. It stands,
// in form data, for the application manifest that the program's resources carry, which asks
// for version 6 of the common controls.
#pragma once

#include "Classes.h"

namespace Scindora {

class TXPManifest : public TComponent {
  SCINDORA_CLASS(TXPManifest)
public:
  explicit TXPManifest(TComponent* AOwner) : TComponent(AOwner) {}
};

void RegisterXPManClasses();

}  // namespace Scindora
