#include "FormDataTree.h"

namespace Scindora {

TFormValue TFormValue::Integer(int64_t V, int Line) {
  TFormValue R;
  R.Kind = vkInteger;
  R.Int = V;
  R.Line = Line;
  return R;
}

TFormValue TFormValue::String(std::string V, int Line) {
  TFormValue R;
  R.Kind = vkString;
  R.Str = std::move(V);
  R.Line = Line;
  return R;
}

TFormValue TFormValue::Ident(std::string V, int Line) {
  TFormValue R = String(std::move(V), Line);
  R.Kind = vkIdent;
  return R;
}

TFormValue TFormValue::List(std::vector<TFormValue> V, int Line) {
  TFormValue R;
  R.Kind = vkList;
  R.Items = std::move(V);
  R.Line = Line;
  return R;
}

TFormValue TFormValue::Block(std::vector<TFormProperty> V, int Line) {
  TFormValue R;
  R.Kind = vkBlock;
  R.Props = std::move(V);
  R.Line = Line;
  return R;
}

// Equality ignores line numbers: a tree written and read again compares equal.
bool TFormValue::operator==(const TFormValue& Other) const {
  if (Kind != Other.Kind) return false;
  switch (Kind) {
    case vkInteger: return Int == Other.Int;
    case vkString:
    case vkIdent: return Str == Other.Str;
    case vkList: return Items == Other.Items;
    case vkBlock: return Props == Other.Props;
  }
  return false;
}

EFormDataError::EFormDataError(const std::string& Msg, int Line)
    : Exception("Ligne " + std::to_string(Line) + " : " + Msg), FLine(Line) {}

}  // namespace Scindora
