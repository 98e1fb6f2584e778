#include "SizeRules.h"

#include "SysUtils.h"

namespace Scindora {

void FilterSizeKey(char& Key) {
  if (Key != '\b' && (Key < '0' || Key > '9')) Key = 15;
}

int32_t FragmentSizeOf(const std::string& Text) {
  const int32_t Size = StrToInt(Text);
  if (Size < 1) throw EConvertError(SizeRefusedMessage);
  return Size;
}

bool FragmentSizeAccepted(const std::string& Text) {
  try {
    FragmentSizeOf(Text);
    return true;
  } catch (const Exception&) {
    return false;
  }
}

}  // namespace Scindora
