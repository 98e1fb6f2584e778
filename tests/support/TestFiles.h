// Files and folders for tests: a temporary folder that cleans up after itself, whole-file
// reads and writes, sparse files and running a batch file with the system's cmd.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Scindora::Support {

// A fresh folder under Root (the system's temp folder by default), removed with all it
// holds, read-only files included, when the object goes.
class TTempFolder {
public:
  explicit TTempFolder(const std::string& Root = std::string());
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::string& Path() const { return FPath; }
  std::string operator/(const std::string& Name) const { return FPath + "\\" + Name; }

private:
  std::string FPath;
};

void RemoveTree(const std::string& Path);

std::string ReadFileBytes(const std::string& Path);
void WriteFileBytes(const std::string& Path, const std::string& Bytes);
bool FileExists(const std::string& Path);
bool FolderExists(const std::string& Path);
int64_t FileSizeOf(const std::string& Path);
// Names in a folder, sorted, without "." and "..".
std::vector<std::string> FolderNames(const std::string& Path);
// Gives the file the read-only attribute and makes it hold: Wine leaves read-only to Unix
// permissions, which root ignores, so the file is also made immutable. True when writing
// to it is now refused; ClearReadOnly undoes both (RemoveTree does it too).
bool MakeReadOnly(const std::string& Path);
void ClearReadOnly(const std::string& Path);

// Starts a Linux program (Wine starts Unix executables too). Wine cannot wait for one:
// the caller watches for its effect.
void StartUnix(const std::string& CommandLine);
// The Linux path of a Windows path.
std::string UnixPath(const std::string& Path);

// Deterministic bytes that differ from one offset to the next.
std::string PatternBytes(size_t Count, uint32_t Seed = 1);

// A file of Size bytes that holds no disk blocks: holes read as zeros.
void MakeSparseFile(const std::string& Path, int64_t Size);
// Bytes the file really occupies on disk.
int64_t AllocatedSize(const std::string& Path);
void WriteAt(const std::string& Path, int64_t Offset, const std::string& Bytes);
std::string ReadAt(const std::string& Path, int64_t Offset, size_t Count);

// Runs "cmd.exe /c <Command>" with Folder as current folder; returns its exit code.
unsigned RunCmd(const std::string& Folder, const std::string& Command);

}  // namespace Scindora::Support
