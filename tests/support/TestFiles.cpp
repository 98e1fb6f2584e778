#include "TestFiles.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>

namespace Scindora::Support {

static std::runtime_error Failure(const std::string& What, const std::string& Path) {
  return std::runtime_error(What + " failed (" + std::to_string(GetLastError()) + "): " + Path);
}

TTempFolder::TTempFolder(const std::string& Root) {
  std::string Base = Root;
  if (Base.empty()) {
    char Buffer[MAX_PATH];
    GetTempPathA(MAX_PATH, Buffer);
    Base = Buffer;
  }
  if (!Base.empty() && Base.back() == '\\') Base.pop_back();
  static std::atomic<unsigned> Counter{0};
  for (;;) {
    FPath = Base + "\\scindora-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(Counter++);
    if (CreateDirectoryA(FPath.c_str(), nullptr)) return;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw Failure("CreateDirectory", FPath);
  }
}

TTempFolder::~TTempFolder() { RemoveTree(FPath); }

void RemoveTree(const std::string& Path) {
  WIN32_FIND_DATAA Found;
  HANDLE Find = FindFirstFileA((Path + "\\*").c_str(), &Found);
  if (Find != INVALID_HANDLE_VALUE) {
    do {
      const std::string Name = Found.cFileName;
      if (Name == "." || Name == "..") continue;
      const std::string Child = Path + "\\" + Name;
      if (Found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(Child);
      } else {
        // Wine unlinks at close and reports success even when that fails: clear first.
        if (Found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ClearReadOnly(Child);
        DeleteFileA(Child.c_str());
      }
    } while (FindNextFileA(Find, &Found));
    FindClose(Find);
  }
  RemoveDirectoryA(Path.c_str());
}

namespace {
struct THandle {
  HANDLE H;
  explicit THandle(HANDLE AH) : H(AH) {}
  ~THandle() {
    if (H != INVALID_HANDLE_VALUE) CloseHandle(H);
  }
};
}  // namespace

std::string ReadFileBytes(const std::string& Path) {
  THandle F(CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_EXISTING, 0, nullptr));
  if (F.H == INVALID_HANDLE_VALUE) throw Failure("open", Path);
  LARGE_INTEGER Size;
  GetFileSizeEx(F.H, &Size);
  std::string Bytes(static_cast<size_t>(Size.QuadPart), '\0');
  DWORD Done = 0;
  if (!Bytes.empty() && (!ReadFile(F.H, Bytes.data(), DWORD(Bytes.size()), &Done, nullptr) ||
                         Done != Bytes.size()))
    throw Failure("read", Path);
  return Bytes;
}

void WriteFileBytes(const std::string& Path, const std::string& Bytes) {
  THandle F(CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (F.H == INVALID_HANDLE_VALUE) throw Failure("create", Path);
  DWORD Done = 0;
  if (!Bytes.empty() &&
      (!WriteFile(F.H, Bytes.data(), DWORD(Bytes.size()), &Done, nullptr) || Done != Bytes.size()))
    throw Failure("write", Path);
}

bool FileExists(const std::string& Path) {
  const DWORD A = GetFileAttributesA(Path.c_str());
  return A != INVALID_FILE_ATTRIBUTES && !(A & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& Path) {
  const DWORD A = GetFileAttributesA(Path.c_str());
  return A != INVALID_FILE_ATTRIBUTES && (A & FILE_ATTRIBUTE_DIRECTORY);
}

int64_t FileSizeOf(const std::string& Path) {
  WIN32_FILE_ATTRIBUTE_DATA Data;
  if (!GetFileAttributesExA(Path.c_str(), GetFileExInfoStandard, &Data)) throw Failure("stat", Path);
  return (int64_t(Data.nFileSizeHigh) << 32) | Data.nFileSizeLow;
}

std::vector<std::string> FolderNames(const std::string& Path) {
  std::vector<std::string> Names;
  WIN32_FIND_DATAA Found;
  HANDLE Find = FindFirstFileA((Path + "\\*").c_str(), &Found);
  if (Find == INVALID_HANDLE_VALUE) return Names;
  do {
    const std::string Name = Found.cFileName;
    if (Name != "." && Name != "..") Names.push_back(Name);
  } while (FindNextFileA(Find, &Found));
  FindClose(Find);
  std::sort(Names.begin(), Names.end());
  return Names;
}

std::string UnixPath(const std::string& Path) {
  using TGetUnixName = char*(CDECL*)(LPCWSTR);
  auto GetUnixName = reinterpret_cast<TGetUnixName>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
  if (!GetUnixName) return std::string();
  std::wstring Wide(Path.size() + 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, Path.c_str(), -1, Wide.data(), int(Wide.size()));
  char* Name = GetUnixName(Wide.c_str());
  if (!Name) return std::string();
  std::string Result = Name;
  HeapFree(GetProcessHeap(), 0, Name);
  return Result;
}

void StartUnix(const std::string& CommandLine) {
  std::string Line = CommandLine;
  const std::string Program = "Z:" + Line.substr(0, Line.find(' '));
  STARTUPINFOA Startup = {};
  Startup.cb = sizeof Startup;
  PROCESS_INFORMATION Process = {};
  if (!CreateProcessA(Program.c_str(), Line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &Startup, &Process))
    throw Failure("CreateProcess", CommandLine);
  CloseHandle(Process.hThread);
  CloseHandle(Process.hProcess);
}

// Polls for up to five seconds.
template <class TCondition>
static bool WaitFor(TCondition Condition) {
  for (int I = 0; I < 500; ++I) {
    if (Condition()) return true;
    Sleep(10);
  }
  return Condition();
}

static bool WriteRefused(const std::string& Path) {
  HANDLE F = CreateFileA(Path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (F == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_ACCESS_DENIED;
  CloseHandle(F);
  return false;
}

bool MakeReadOnly(const std::string& Path) {
  if (!SetFileAttributesA(Path.c_str(), FILE_ATTRIBUTE_READONLY)) throw Failure("SetFileAttributes", Path);
  if (WriteRefused(Path)) return true;
  const std::string Unix = UnixPath(Path);
  if (Unix.empty() || Unix.find('"') != std::string::npos) return false;
  StartUnix("/usr/bin/chattr +i \"" + Unix + "\"");
  return WaitFor([&] { return WriteRefused(Path); });
}

void ClearReadOnly(const std::string& Path) {
  const std::string Unix = UnixPath(Path);
  SetFileAttributesA(Path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!WriteRefused(Path) || Unix.empty()) return;
  StartUnix("/usr/bin/chattr -i \"" + Unix + "\"");
  WaitFor([&] { return !WriteRefused(Path); });
  SetFileAttributesA(Path.c_str(), FILE_ATTRIBUTE_NORMAL);  // refused while it was immutable
}

std::string PatternBytes(size_t Count, uint32_t Seed) {
  std::string Bytes(Count, '\0');
  uint32_t X = Seed * 2654435761u + 1;
  for (size_t I = 0; I < Count; ++I) {
    X ^= X << 13;
    X ^= X >> 17;
    X ^= X << 5;
    Bytes[I] = static_cast<char>(X);
  }
  return Bytes;
}

void MakeSparseFile(const std::string& Path, int64_t Size) {
  THandle F(CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (F.H == INVALID_HANDLE_VALUE) throw Failure("create", Path);
  LARGE_INTEGER Distance;
  Distance.QuadPart = Size;
  if (!SetFilePointerEx(F.H, Distance, nullptr, FILE_BEGIN) || !SetEndOfFile(F.H))
    throw Failure("SetEndOfFile", Path);
}

int64_t AllocatedSize(const std::string& Path) {
  THandle F(CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                        nullptr));
  if (F.H == INVALID_HANDLE_VALUE) throw Failure("open", Path);
  FILE_STANDARD_INFO Info;
  if (!GetFileInformationByHandleEx(F.H, FileStandardInfo, &Info, sizeof Info))
    throw Failure("GetFileInformationByHandleEx", Path);
  return Info.AllocationSize.QuadPart;
}

void WriteAt(const std::string& Path, int64_t Offset, const std::string& Bytes) {
  THandle F(CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  if (F.H == INVALID_HANDLE_VALUE) throw Failure("open", Path);
  LARGE_INTEGER Distance;
  Distance.QuadPart = Offset;
  DWORD Done = 0;
  if (!SetFilePointerEx(F.H, Distance, nullptr, FILE_BEGIN) ||
      !WriteFile(F.H, Bytes.data(), DWORD(Bytes.size()), &Done, nullptr) || Done != Bytes.size())
    throw Failure("write", Path);
}

std::string ReadAt(const std::string& Path, int64_t Offset, size_t Count) {
  THandle F(CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                        nullptr));
  if (F.H == INVALID_HANDLE_VALUE) throw Failure("open", Path);
  LARGE_INTEGER Distance;
  Distance.QuadPart = Offset;
  std::string Bytes(Count, '\0');
  DWORD Done = 0;
  if (!SetFilePointerEx(F.H, Distance, nullptr, FILE_BEGIN) ||
      !ReadFile(F.H, Bytes.data(), DWORD(Count), &Done, nullptr))
    throw Failure("read", Path);
  Bytes.resize(Done);
  return Bytes;
}

unsigned RunCmd(const std::string& Folder, const std::string& Command) {
  std::string CommandLine = "cmd.exe /c " + Command;
  STARTUPINFOA Startup = {};
  Startup.cb = sizeof Startup;
  PROCESS_INFORMATION Process = {};
  if (!CreateProcessA(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      Folder.c_str(), &Startup, &Process))
    throw Failure("CreateProcess", CommandLine);
  WaitForSingleObject(Process.hProcess, INFINITE);
  DWORD ExitCode = 0;
  GetExitCodeProcess(Process.hProcess, &ExitCode);
  CloseHandle(Process.hThread);
  CloseHandle(Process.hProcess);
  return ExitCode;
}

}  // namespace Scindora::Support
