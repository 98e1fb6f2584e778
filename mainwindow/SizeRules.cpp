#include "SizeRules.h"

#include "SysUtils.h"

namespace Scindora {

void FilterSizeKey(char& Key) {
  if (Key != '\b' && (Key < '0' || Key > '9')) Key = 15;
}

bool FragmentSizeAccepted(const std::string& Text) {
  try {
    return StrToInt(Text) >= 1;
  } catch (const Exception&) {
    return false;
  }
}

}  // namespace Scindora
