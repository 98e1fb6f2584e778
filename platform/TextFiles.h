// Text-file output with input/output error checking, buffered as the system's run-time does.
#pragma once

#include <cstdint>
#include <string>

#include "SysUtils.h"

typedef void* HANDLE;

namespace Scindora {

// Writes lines of single-byte text. Output waits in a 128-byte buffer that reaches the disk
// when it fills and at CloseFile, so a disk failure shows at the line that emptied it.
// Every failure is an EInOutError carrying the system's error code. The destructor
// releases the file without writing what is left: only CloseFile completes it.
class TTextFile {
public:
  static constexpr int BufSize = 128;

  TTextFile() = default;
  explicit TTextFile(const std::string& FileName) : FFileName(FileName) {}
  ~TTextFile();
  TTextFile(const TTextFile&) = delete;
  TTextFile& operator=(const TTextFile&) = delete;

  void AssignFile(const std::string& FileName);
  // Creates the file or truncates it; write access; others may read it meanwhile.
  void Rewrite();
  void Write(const std::string& Text);
  void WriteLn(const std::string& Text);
  void CloseFile();

  bool IsOpen() const;

private:
  void Flush();
  [[noreturn]] static void RaiseInOutError(int Code);

  std::string FFileName;
  HANDLE FHandle = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));
  char FBuffer[BufSize] = {};
  int FBufPos = 0;
};

// The message shown for an input/output error code.
std::string InOutErrorMessage(int Code);

}  // namespace Scindora
