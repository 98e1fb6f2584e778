#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "Streams.h"
#include "TestFiles.h"

using namespace Scindora;
using Support::TTempFolder;

namespace {

// A stream in memory that can stop taking bytes and remembers the largest single call.
class TTestStream : public TStream {
public:
  explicit TTestStream(std::string AData = {}, size_t AWriteLimit = SIZE_MAX)
      : Data(std::move(AData)), WriteLimit(AWriteLimit) {}

  int32_t Read(void* Buffer, int32_t Count) override {
    LargestCall = std::max(LargestCall, Count);
    const int32_t N = static_cast<int32_t>(std::min<size_t>(Count, Data.size() - Pos));
    Data.copy(static_cast<char*>(Buffer), N, Pos);
    Pos += N;
    return N;
  }
  int32_t Write(const void* Buffer, int32_t Count) override {
    LargestCall = std::max(LargestCall, Count);
    const size_t N = std::min<size_t>(Count, WriteLimit > Pos ? WriteLimit - Pos : 0);
    Data.replace(Pos, std::min(N, Data.size() - Pos), static_cast<const char*>(Buffer), N);
    Pos += N;
    return static_cast<int32_t>(N);
  }
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override {
    const int64_t Base = Origin == soBeginning ? 0 : Origin == soCurrent ? int64_t(Pos) : int64_t(Data.size());
    Pos = static_cast<size_t>(Base + Offset);
    return Pos;
  }

  std::string Data;
  size_t Pos = 0;
  size_t WriteLimit;
  int32_t LargestCall = 0;
};

TEST(CopyFrom, CopiesExactlyCountThroughOneBoundedBuffer) {
  const std::string Bytes = Support::PatternBytes(300000);
  TTestStream Source(Bytes), Dest;
  Source.SetPosition(1000);
  EXPECT_EQ(Dest.CopyFrom(Source, 200000), 200000);
  EXPECT_EQ(Source.Position(), 201000);
  EXPECT_EQ(Dest.Data, Bytes.substr(1000, 200000));
  EXPECT_EQ(Source.LargestCall, TStream::MaxBufSize);
  EXPECT_EQ(Dest.LargestCall, TStream::MaxBufSize);
}

TEST(CopyFrom, CountZeroCopiesTheWholeSourceFromItsStart) {
  const std::string Bytes = Support::PatternBytes(5000);
  TTestStream Source(Bytes), Dest;
  Source.SetPosition(4000);
  EXPECT_EQ(Dest.CopyFrom(Source, 0), 5000);
  EXPECT_EQ(Dest.Data, Bytes);
}

TEST(CopyFrom, ShortSourceIsAReadError) {
  TTestStream Source(Support::PatternBytes(100)), Dest;
  try {
    Dest.CopyFrom(Source, 101);
    FAIL() << "no exception";
  } catch (const EReadError& E) {
    EXPECT_EQ(E.Message(), "Erreur de lecture du flux");
  }
}

TEST(CopyFrom, DestinationTakingFewerIsAWriteError) {
  TTestStream Source(Support::PatternBytes(100000)), Dest({}, 70000);
  try {
    Dest.CopyFrom(Source, 100000);
    FAIL() << "no exception";
  } catch (const EWriteError& E) {
    EXPECT_EQ(E.Message(), "Erreur d'écriture dans le flux");
  }
  EXPECT_EQ(Dest.Data, Source.Data.substr(0, 70000));
}

TEST(FileStream, OpenForReadingLetsOthersReadButNotWrite) {
  TTempFolder Temp;
  const std::string Path = Temp / "source.bin";
  Support::WriteFileBytes(Path, "abc");
  TFileStream Stream(Path, fmOpenRead | fmShareDenyWrite);
  EXPECT_EQ(Stream.Size(), 3);

  HANDLE Reader = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(Reader, INVALID_HANDLE_VALUE);
  CloseHandle(Reader);
  HANDLE Writer = CreateFileA(Path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(Writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  if (Writer != INVALID_HANDLE_VALUE) CloseHandle(Writer);

  char Buffer[1];
  EXPECT_EQ(Stream.Write("x", 1), 0) << "opened for reading only";
  EXPECT_EQ(Stream.Read(Buffer, 1), 1);
}

TEST(FileStream, OpenFailuresRaise) {
  TTempFolder Temp;
  EXPECT_THROW(TFileStream(Temp / "missing.bin", fmOpenRead | fmShareDenyWrite), EFOpenError);
  EXPECT_THROW(TFileStream("", fmOpenRead | fmShareDenyWrite), EFOpenError);
  EXPECT_THROW(TFileStream(Temp / "no\\such\\folder.bin", fmCreate), EFCreateError);
  // Someone writing to it: reading with write denied cannot be granted.
  const std::string Held = Temp / "held.bin";
  Support::WriteFileBytes(Held, "abc");
  HANDLE Writer = CreateFileA(Held.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(Writer, INVALID_HANDLE_VALUE);
  EXPECT_THROW(TFileStream(Held, fmOpenRead | fmShareDenyWrite), EFOpenError);
  CloseHandle(Writer);
}

TEST(FileStream, CreateTruncatesSharesNothingAndClosesOnDestruction) {
  TTempFolder Temp;
  const std::string Path = Temp / "00000000.frg";
  Support::WriteFileBytes(Path, std::string(1000, 'x'));
  {
    TFileStream Stream(Path, fmCreate);
    EXPECT_EQ(Stream.Size(), 0);
    HANDLE Reader = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(Reader, INVALID_HANDLE_VALUE) << "no sharing while it is open";
    if (Reader != INVALID_HANDLE_VALUE) CloseHandle(Reader);
    Stream.WriteBuffer("hello", 5);
    EXPECT_EQ(Stream.Position(), 5);
  }
  EXPECT_EQ(Support::ReadFileBytes(Path), "hello");
  EXPECT_EQ(GetFileAttributesA(Path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);

  if (!Support::MakeReadOnly(Path)) GTEST_SKIP() << "a read-only file cannot be made here";
  EXPECT_THROW(TFileStream(Path, fmCreate), EFCreateError);
  Support::ClearReadOnly(Path);
}

TEST(FileStream, SizeAndPositionBeyondFourGiB) {
  TTempFolder Temp;
  const std::string Path = Temp / "big.bin";
  const int64_t Size = 5000000000LL;
  Support::MakeSparseFile(Path, Size);
  Support::WriteAt(Path, 4500000001LL, "marker");
  ASSERT_LT(Support::AllocatedSize(Path), 1 << 20) << "the sparse file took real disk";

  TFileStream Stream(Path, fmOpenRead | fmShareDenyWrite);
  EXPECT_EQ(Stream.Size(), Size);
  Stream.SetPosition(4500000001LL);
  char Buffer[6];
  Stream.ReadBuffer(Buffer, 6);
  EXPECT_EQ(std::string(Buffer, 6), "marker");
  EXPECT_EQ(Stream.Position(), 4500000007LL);
  EXPECT_EQ(Stream.Seek(-7, soEnd), Size - 7);
}

TEST(FileStream, CopyFromBetweenFiles) {
  TTempFolder Temp;
  const std::string Bytes = Support::PatternBytes(1000003);
  Support::WriteFileBytes(Temp / "in.bin", Bytes);
  TFileStream In(Temp / "in.bin", fmOpenRead | fmShareDenyWrite);
  {
    TFileStream Out(Temp / "out.bin", fmCreate);
    In.SetPosition(3);
    EXPECT_EQ(Out.CopyFrom(In, 1000000), 1000000);
    EXPECT_EQ(In.Position(), 1000003);
  }
  EXPECT_EQ(Support::ReadFileBytes(Temp / "out.bin"), Bytes.substr(3));
  TFileStream Out2(Temp / "out2.bin", fmCreate);
  EXPECT_THROW(Out2.CopyFrom(In, 1), EReadError) << "at the end of the source";
}

}  // namespace
