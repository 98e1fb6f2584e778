// RESTORE.BAT: the batch script left beside the fragments that rebuilds the source file.
#pragma once

#include <string>

namespace Scindora {

// Writes DestFolder\RESTORE.BAT for the file named by SourcePath; EInOutError on failure.
void WriteRestoreScript(const std::string& DestFolder, const std::string& SourcePath);

// The source's name as the join line carries it: "%" doubled, and in the console's OEM
// code page when every character has an exact equivalent there.
std::string ScriptFileName(const std::string& SourcePath);

}  // namespace Scindora
