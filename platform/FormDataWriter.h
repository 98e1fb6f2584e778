// Writes a form data tree back as text, and makes the tree of a live component. The text
// reads back into an equal tree with ParseFormData.
#pragma once

#include <string>

#include "Classes.h"
#include "FormDataTree.h"

namespace Scindora {

// One property per line, children after their parent's properties, four spaces per level;
// strings escaped, blocks over several lines, lists of plain values on one line. A name or
// identifier that the parser would not read back raises EInvalidOperation.
std::string WriteFormData(const TFormObject& Root);

// Root and every component reachable through ChildrenToWrite(), each with its published
// properties that differ from their stream defaults.
TFormObject ComponentToTree(const TComponent& Root);

}  // namespace Scindora
