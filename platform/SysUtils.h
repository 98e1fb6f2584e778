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

}  // namespace Scindora
