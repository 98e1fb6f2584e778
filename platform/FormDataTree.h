// The tree that form data parses into: objects, their properties and values, each with the
// line it came from so that a load error can name it. No window code here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "SysUtils.h"

namespace Scindora {

struct TFormProperty;

struct TFormValue {
  enum TKind { vkInteger, vkString, vkIdent, vkList, vkBlock };

  TKind Kind = vkInteger;
  int64_t Int = 0;                    // vkInteger
  std::string Str;                    // vkString (UTF-8 as written) and vkIdent
  std::vector<TFormValue> Items;      // vkList: [a, b, "c"]
  std::vector<TFormProperty> Props;   // vkBlock: { Name: value ... }
  int Line = 0;

  static TFormValue Integer(int64_t V, int Line = 0);
  static TFormValue String(std::string V, int Line = 0);
  static TFormValue Ident(std::string V, int Line = 0);
  static TFormValue List(std::vector<TFormValue> V, int Line = 0);
  static TFormValue Block(std::vector<TFormProperty> V, int Line = 0);

  bool operator==(const TFormValue& Other) const;
};

struct TFormProperty {
  std::string Name;
  TFormValue Value;
  int Line = 0;

  bool operator==(const TFormProperty& Other) const { return Name == Other.Name && Value == Other.Value; }
};

struct TFormObject {
  std::string ClassName;
  std::string Name;
  std::vector<TFormProperty> Props;
  std::vector<TFormObject> Children;
  int Line = 0;

  bool operator==(const TFormObject& Other) const {
    return ClassName == Other.ClassName && Name == Other.Name && Props == Other.Props && Children == Other.Children;
  }
};

// A malformed or unloadable form: the message names the line.
class EFormDataError : public Exception {
public:
  EFormDataError(const std::string& Msg, int Line);
  int Line() const noexcept { return FLine; }

private:
  int FLine;
};

}  // namespace Scindora
