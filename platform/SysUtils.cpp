#include "SysUtils.h"

#include <windows.h>

namespace Scindora {

int32_t StrToInt(const std::string& S) {
  size_t I = 0;
  bool Negative = false;
  if (I < S.size() && (S[I] == '+' || S[I] == '-')) {
    Negative = S[I] == '-';
    ++I;
  }
  // The magnitude may reach 2^31 for a negative value only.
  const int64_t Limit = Negative ? 2147483648LL : 2147483647LL;
  int64_t Value = 0;
  const size_t FirstDigit = I;
  for (; I < S.size(); ++I) {
    const char C = S[I];
    if (C < '0' || C > '9') break;
    Value = Value * 10 + (C - '0');
    if (Value > Limit) break;
  }
  if (I == FirstDigit || I != S.size())
    throw EConvertError("'" + S + "' n'est pas une valeur entière correcte");
  return static_cast<int32_t>(Negative ? -Value : Value);
}

std::string IntToStr(int64_t Value) { return std::to_string(Value); }

std::string IntToHex(int64_t Value, int Digits) {
  static const char HexDigits[] = "0123456789ABCDEF";
  uint64_t V = static_cast<uint64_t>(Value);
  std::string Result;
  do {
    Result.insert(Result.begin(), HexDigits[V & 0xF]);
    V >>= 4;
  } while (V != 0);
  if (static_cast<int>(Result.size()) < Digits) Result.insert(0, Digits - Result.size(), '0');
  return Result;
}

static size_t LastDelimiter(const std::string& FileName) {
  return FileName.find_last_of("\\:");
}

std::string ExtractFileName(const std::string& FileName) {
  const size_t I = LastDelimiter(FileName);
  return I == std::string::npos ? FileName : FileName.substr(I + 1);
}

std::string ExtractFilePath(const std::string& FileName) {
  const size_t I = LastDelimiter(FileName);
  return I == std::string::npos ? std::string() : FileName.substr(0, I + 1);
}

bool DirectoryExists(const std::string& Directory) {
  const DWORD Attributes = GetFileAttributesA(Directory.c_str());
  return Attributes != INVALID_FILE_ATTRIBUTES && (Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ForceDirectories(const std::string& Dir) {
  if (Dir.empty()) throw EInOutError("Impossible de créer le répertoire", 0);
  std::string D = Dir;
  while (D.size() > 1 && D.back() == '\\') D.pop_back();
  // Too short to name anything but a drive or a root, which cannot be made.
  if (D.size() < 3 || DirectoryExists(D)) return true;
  const std::string Parent = ExtractFilePath(D);
  if (Parent == D) return true;  // "X:" style text: a drive, nothing to create
  // A relative name without a separator has no parent of its own to make.
  if (!Parent.empty() && !ForceDirectories(Parent)) return false;
  if (CreateDirectoryA(D.c_str(), nullptr)) return true;
  return DirectoryExists(D);  // made meanwhile by someone else
}

}  // namespace Scindora
