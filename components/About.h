// The About box: a non-visual component that keeps a product name, a version and a copyright
// notice, and the modal dialog that shows them with the machine's memory figures.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "Classes.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Lines.h"
#include "StdCtrls.h"

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

  // Shows a new About dialog modally; it is gone when this returns. A dialog that cannot be
  // built is answered with a beep only.
  virtual void Execute();

private:
  std::string FProductName;
  std::string FVersion;
  std::string FCopyright;
};

// The About dialog; its layout is the form data of the resource TFABOUT.
class TFAbout : public TForm {
  SCINDORA_CLASS(TFAbout)
public:
  explicit TFAbout(TComponent* AOwner);

  TButton* Button1 = nullptr;
  TImage* Image1 = nullptr;
  TLabel* lblPhysMem = nullptr;
  TLabel* lblPhysRes = nullptr;
  TLine* Line1 = nullptr;
  TLine* Line2 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;

  void FormCreate(TObject* Sender);
  void Button1Click(TObject* Sender);

  // The fields are bound here, before OnCreate runs.
  void Loaded() override;
};

// Bytes / 1024 to the nearest whole number, digits grouped by three with Separator between
// groups, then " Ko": 536330240 -> "523 760 Ko" with a space.
std::string FormatKilobytes(uint32_t Bytes, const std::string& Separator);
// The thousands separator of the user's locale settings.
std::string LocaleThousandSeparator();

// Tests' seam. Beep, when set, is called in place of MessageBeep; Constructing, when set, runs
// as each dialog begins to build (a test raises there to make the construction fail).
struct TAboutSeam {
  std::function<void(unsigned Type)> Beep;
  std::function<void()> Constructing;
};
TAboutSeam& AboutSeam();

void RegisterAboutClasses();

}  // namespace Scindora
