// Parses form data text into its tree. No window code here.
//
//   # comment to the end of the line
//   TMainForm MainForm {
//       Caption: "Scindora 1.0"            # integer, "string", identifier,
//       BorderIcons: [biSystemMenu]        # [list, of, values] or { Block: value }
//       TControlBar ControlBar1 { ... }    # a child entry: ClassName Name { ... }
//   }
#pragma once

#include <string>

#include "FormDataTree.h"

namespace Scindora {

// The one root entry of Text. Malformed text raises EFormDataError naming the line.
TFormObject ParseFormData(const std::string& Text);

}  // namespace Scindora
