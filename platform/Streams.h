// Byte streams with 64-bit size and position, and the file stream the split job works with.
#pragma once

#include <cstdint>
#include <string>

#include "SysUtils.h"

typedef void* HANDLE;

namespace Scindora {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
  // The largest piece CopyFrom moves at once: memory stays flat whatever the sizes.
  static constexpr int32_t MaxBufSize = 61440;

  virtual ~TStream() = default;

  // Move up to Count bytes; the result is how many moved (0 at the end or on failure).
  virtual int32_t Read(void* Buffer, int32_t Count) = 0;
  virtual int32_t Write(const void* Buffer, int32_t Count) = 0;
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t Value) { Seek(Value, soBeginning); }
  virtual int64_t Size();

  // Exactly Count bytes or EReadError / EWriteError.
  void ReadBuffer(void* Buffer, int32_t Count);
  void WriteBuffer(const void* Buffer, int32_t Count);

  // Copies Count bytes from Source's position (both advance); Count 0 copies the whole
  // Source from its start. Returns the bytes copied.
  int64_t CopyFrom(TStream& Source, int64_t Count);
};

// Owns nothing: reads and writes an open system handle.
class THandleStream : public TStream {
public:
  explicit THandleStream(HANDLE AHandle) : FHandle(AHandle) {}
  HANDLE Handle() const { return FHandle; }

  int32_t Read(void* Buffer, int32_t Count) override;
  int32_t Write(const void* Buffer, int32_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override;

protected:
  HANDLE FHandle;
};

// Open modes: an access mode or'ed with a share mode, or fmCreate alone.
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;
constexpr uint16_t fmCreate = 0xFF00;  // create or truncate, read and write, no sharing

// Owns its handle: the destructor closes the file.
class TFileStream : public THandleStream {
public:
  // Raises EFOpenError, or EFCreateError for fmCreate.
  TFileStream(const std::string& FileName, uint16_t Mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  const std::string& FileName() const { return FFileName; }

private:
  std::string FFileName;
};

}  // namespace Scindora
