// The About box: a non-visual component that keeps a product name, a version and a copyright
// notice for the program's About dialog.
#pragma once

#include <string>

#include "Classes.h"

namespace Scindora {

class TAboutBox : public TComponent {
  SCINDORA_CLASS(TAboutBox)
public:
  // Each text holds at most this many characters; longer values are cut.
  static constexpr size_t MaxTextLength = 100;

  explicit TAboutBox(TComponent* AOwner);

  const std::string& ProductName() const { return FProductName; }
  void SetProductName(const std::string& Value);
  const std::string& Version() const { return FVersion; }
  void SetVersion(const std::string& Value);
  const std::string& Copyright() const { return FCopyright; }
  void SetCopyright(const std::string& Value);

private:
  std::string FProductName;
  std::string FVersion;
  std::string FCopyright;
};

void RegisterAboutClasses();

}  // namespace Scindora
