// The fragment size as the size field holds it: the presets that fill it, the keys it takes
// and the check the split command makes before it starts a split.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Scindora {

enum TSizeFocus { sfSource, sfSize };

// One entry of the presets list and what choosing it does to the size field and its label.
struct TSizePreset {
  const char* ListText;
  const char* SizeText;   // bytes
  bool ReadOnly;
  TSizeFocus Focus;
  const char* LabelText;  // megabytes of 1048576 bytes; fixed texts, not computed
};

// In the order of the list's entries. A 1.44 MB floppy holds 2847 sectors of 512 bytes once
// formatted (2880 less 33 for the boot sector, the two FATs and the root directory); a Zip
// 100 disk 196156 sectors.
inline constexpr std::array<TSizePreset, 3> SizePresets{{
    {"Disquette normale", "1457664", true, sfSource, "(1,38Mo)"},
    {"Disquette Zip100", "100431872", true, sfSource, "(95,7Mo)"},
    {"Autre", "", false, sfSize, ""},
}};

// Backspace and digits pass; anything else becomes code 15, which the field ignores.
void FilterSizeKey(char& Key);

inline constexpr const char* SizeRefusedMessage = "Vous devez saisir une valeur numérique entière non formatée.";

// The one reading of the size field that the size check and the split job share: the
// number of bytes, or EConvertError for a text that is no number or a value below 1.
int32_t FragmentSizeOf(const std::string& Text);

// The size check: true when FragmentSizeOf accepts the text.
bool FragmentSizeAccepted(const std::string& Text);

}  // namespace Scindora
