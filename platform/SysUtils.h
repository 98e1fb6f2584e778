// Run-time routines and the exception classes that carry the program's French messages.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace Scindora {

// Root of every failure the program reports to the user; the message is ready to show.
class Exception : public std::exception {
public:
  explicit Exception(std::string Msg) : FMessage(std::move(Msg)) {}
  const std::string& Message() const noexcept { return FMessage; }
  const char* what() const noexcept override { return FMessage.c_str(); }

private:
  std::string FMessage;
};

class EInvalidOperation : public Exception { using Exception::Exception; };
class EConvertError : public Exception { using Exception::Exception; };

class EInOutError : public Exception {
public:
  EInOutError(std::string Msg, int ErrorCode) : Exception(std::move(Msg)), FErrorCode(ErrorCode) {}
  int ErrorCode() const noexcept { return FErrorCode; }

private:
  int FErrorCode;
};

class EStreamError : public Exception { using Exception::Exception; };
class EReadError : public EStreamError { using EStreamError::EStreamError; };
class EWriteError : public EStreamError { using EStreamError::EStreamError; };
class EFOpenError : public EStreamError { using EStreamError::EStreamError; };
class EFCreateError : public EStreamError { using EStreamError::EStreamError; };

// Text and number routines.

// Decimal text to a signed 32-bit integer: an optional sign, then digits, nothing else.
// Anything else (spaces, hexadecimal forms, overflow, empty text) raises EConvertError.
int32_t StrToInt(const std::string& S);
std::string IntToStr(int64_t Value);
// Unsigned upper-case hexadecimal, left-filled with zeros to at least Digits digits.
std::string IntToHex(int64_t Value, int Digits);

// Path parts: a drive ("C:") or folder ends at the last '\\' or ':'.
std::string ExtractFileName(const std::string& FileName);
std::string ExtractFilePath(const std::string& FileName);

bool DirectoryExists(const std::string& Directory);
// Creates Dir with every missing parent. Empty text raises EInOutError; a text shorter than
// three characters (a drive, a root) is left alone. False when a folder could not be made.
bool ForceDirectories(const std::string& Dir);

}  // namespace Scindora
