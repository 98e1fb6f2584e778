#include "TypInfo.h"

#include <limits>

namespace Scindora {

void RaiseBadValue(const std::string& Prop, const TFormValue& Value) {
  throw EFormDataError("Valeur incorrecte pour la propriété " + Prop, Value.Line);
}

void ReadProperties(TObject& Instance, const std::vector<TFormProperty>& Props, TFormReader& Reader) {
  for (const TFormProperty& P : Props) {
    const TPropInfo* Info = Instance.ClassType().FindProp(P.Name);
    if (!Info) throw EFormDataError("Propriété inconnue : " + Instance.ClassName() + "." + P.Name, P.Line);
    try {
      Info->Read(Instance, P.Value, Reader);
    } catch (const EFormDataError&) {
      throw;
    } catch (const Exception& E) {
      throw EFormDataError(P.Name + " : " + E.Message(), P.Line);
    }
  }
}

std::vector<TFormProperty> WriteProperties(const TObject& Instance) {
  std::vector<TFormProperty> Result;
  for (const TPropInfo* Info : Instance.ClassType().AllProps())
    if (auto Value = Info->Write(Instance)) Result.push_back({Info->Name(), std::move(*Value), 0});
  return Result;
}

namespace Codecs {

int TInt::Decode(const std::string& Prop, const TFormValue& V, TFormReader&) const {
  if (V.Kind != TFormValue::vkInteger || V.Int < std::numeric_limits<int>::min() ||
      V.Int > std::numeric_limits<int>::max())
    RaiseBadValue(Prop, V);
  return static_cast<int>(V.Int);
}

bool TBool::Decode(const std::string& Prop, const TFormValue& V, TFormReader&) const {
  if (V.Kind == TFormValue::vkIdent && V.Str == "True") return true;
  if (V.Kind == TFormValue::vkIdent && V.Str == "False") return false;
  RaiseBadValue(Prop, V);
}

std::string TString::Decode(const std::string& Prop, const TFormValue& V, TFormReader&) const {
  if (V.Kind != TFormValue::vkString) RaiseBadValue(Prop, V);
  return Utf8ToAnsi(V.Str);
}

std::vector<std::string> TStrings::Decode(const std::string& Prop, const TFormValue& V, TFormReader& R) const {
  if (V.Kind != TFormValue::vkList) RaiseBadValue(Prop, V);
  std::vector<std::string> Result;
  for (const TFormValue& Item : V.Items) Result.push_back(TString{}.Decode(Prop, Item, R));
  return Result;
}

TFormValue TStrings::Encode(const std::vector<std::string>& V) const {
  std::vector<TFormValue> Items;
  for (const std::string& S : V) Items.push_back(TString{}.Encode(S));
  return TFormValue::List(std::move(Items));
}

namespace {
int IndexOf(const TIdentTable& Names, const std::string& Name) {
  for (size_t I = 0; I < Names.size(); ++I)
    if (Name == Names[I]) return static_cast<int>(I);
  return -1;
}
}  // namespace

int TEnum::Decode(const std::string& Prop, const TFormValue& V, TFormReader&) const {
  int Index = V.Kind == TFormValue::vkIdent ? IndexOf(*Names, V.Str) : -1;
  if (Index < 0) RaiseBadValue(Prop, V);
  return Index;
}

TFormValue TEnum::Encode(int V) const { return TFormValue::Ident(Names->at(V)); }

uint32_t TSet::Decode(const std::string& Prop, const TFormValue& V, TFormReader&) const {
  if (V.Kind != TFormValue::vkList) RaiseBadValue(Prop, V);
  uint32_t Result = 0;
  for (const TFormValue& Item : V.Items) {
    int Index = Item.Kind == TFormValue::vkIdent ? IndexOf(*Names, Item.Str) : -1;
    if (Index < 0) RaiseBadValue(Prop, Item);
    Result |= 1u << Index;
  }
  return Result;
}

TFormValue TSet::Encode(uint32_t V) const {
  std::vector<TFormValue> Items;
  for (size_t I = 0; I < Names->size(); ++I)
    if (V & (1u << I)) Items.push_back(TFormValue::Ident((*Names)[I]));
  return TFormValue::List(std::move(Items));
}

int TIntIdent::Decode(const std::string& Prop, const TFormValue& V, TFormReader& R) const {
  if (V.Kind == TFormValue::vkIdent) {
    for (const auto& [Name, Value] : *Names)
      if (V.Str == Name) return Value;
    RaiseBadValue(Prop, V);
  }
  return TInt{}.Decode(Prop, V, R);
}

TFormValue TIntIdent::Encode(int V) const {
  for (const auto& [Name, Value] : *Names)
    if (V == Value) return TFormValue::Ident(Name);
  return TFormValue::Integer(V);
}

}  // namespace Codecs
}  // namespace Scindora
