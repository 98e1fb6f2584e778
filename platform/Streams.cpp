#include "Streams.h"

#include <windows.h>

#include <memory>

namespace Scindora {

int64_t TStream::Size() {
  const int64_t Pos = Seek(0, soCurrent);
  const int64_t Result = Seek(0, soEnd);
  Seek(Pos, soBeginning);
  return Result;
}

// A short count that is not yet a failure (a partial write before a full disk reports
// itself, say) is retried for the rest; a call that moves nothing ends it.
void TStream::ReadBuffer(void* Buffer, int32_t Count) {
  auto* P = static_cast<uint8_t*>(Buffer);
  while (Count > 0) {
    const int32_t N = Read(P, Count);
    if (N <= 0) throw EReadError("Erreur de lecture du flux");
    P += N;
    Count -= N;
  }
}

void TStream::WriteBuffer(const void* Buffer, int32_t Count) {
  auto* P = static_cast<const uint8_t*>(Buffer);
  while (Count > 0) {
    const int32_t N = Write(P, Count);
    if (N <= 0) throw EWriteError("Erreur d'écriture dans le flux");
    P += N;
    Count -= N;
  }
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count) {
  if (Count == 0) {
    Source.SetPosition(0);
    Count = Source.Size();
  }
  if (Count <= 0) return 0;
  const int32_t BufSize = Count > MaxBufSize ? MaxBufSize : static_cast<int32_t>(Count);
  // Left uninitialised: every byte is read before it is written.
  std::unique_ptr<uint8_t[]> Buffer(new uint8_t[BufSize]);
  for (int64_t Left = Count; Left > 0;) {
    const int32_t N = Left > BufSize ? BufSize : static_cast<int32_t>(Left);
    Source.ReadBuffer(Buffer.get(), N);
    WriteBuffer(Buffer.get(), N);
    Left -= N;
  }
  return Count;
}

int32_t THandleStream::Read(void* Buffer, int32_t Count) {
  DWORD Done = 0;
  if (Count <= 0 || !ReadFile(FHandle, Buffer, static_cast<DWORD>(Count), &Done, nullptr)) return 0;
  return static_cast<int32_t>(Done);
}

int32_t THandleStream::Write(const void* Buffer, int32_t Count) {
  DWORD Done = 0;
  if (Count <= 0) return 0;
  // On failure Done still says how much reached the file.
  WriteFile(FHandle, Buffer, static_cast<DWORD>(Count), &Done, nullptr);
  return static_cast<int32_t>(Done);
}

int64_t THandleStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  static const DWORD Methods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
  LARGE_INTEGER Distance, NewPosition;
  Distance.QuadPart = Offset;
  if (!SetFilePointerEx(FHandle, Distance, &NewPosition, Methods[Origin])) return -1;
  return NewPosition.QuadPart;
}

int64_t THandleStream::Size() {
  LARGE_INTEGER Result;
  return GetFileSizeEx(FHandle, &Result) ? Result.QuadPart : -1;
}

static HANDLE OpenHandle(const std::string& FileName, uint16_t Mode) {
  if (Mode == fmCreate)
    return CreateFileA(FileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  static const DWORD Access[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE, 0};
  static const DWORD Share[] = {0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE};
  const unsigned ShareIndex = (Mode & 0xF0) >> 4;
  return CreateFileA(FileName.c_str(), Access[Mode & 3], ShareIndex < 5 ? Share[ShareIndex] : 0,
                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

TFileStream::TFileStream(const std::string& FileName, uint16_t Mode)
    : THandleStream(OpenHandle(FileName, Mode)), FFileName(FileName) {
  if (FHandle != INVALID_HANDLE_VALUE) return;
  if (Mode == fmCreate) throw EFCreateError("Impossible de créer le fichier \"" + FileName + "\".");
  throw EFOpenError("Impossible d'ouvrir le fichier \"" + FileName + "\".");
}

TFileStream::~TFileStream() {
  if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
}

}  // namespace Scindora
