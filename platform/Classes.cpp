#include "Classes.h"

#include <windows.h>

#include <algorithm>
#include <map>

#include "TypInfo.h"

namespace Scindora {

const std::string& TObject::ClassName() const { return ClassType().Name; }

bool TObject::InheritsFrom(const TClassInfo& Class) const { return ClassType().InheritsFrom(Class); }

const TPropInfo* TClassInfo::FindProp(const std::string& PropName) const {
  for (const TClassInfo* C = this; C; C = C->Parent)
    for (const auto& P : C->Props)
      if (P->Name() == PropName) return P.get();
  return nullptr;
}

// A class may publish a base's property again to give it another stream default: the
// derived entry takes the base's place in the order.
std::vector<const TPropInfo*> TClassInfo::AllProps() const {
  std::vector<const TPropInfo*> Result = Parent ? Parent->AllProps() : std::vector<const TPropInfo*>{};
  for (const auto& P : Props) {
    auto Same = std::find_if(Result.begin(), Result.end(), [&](const TPropInfo* B) { return B->Name() == P->Name(); });
    if (Same != Result.end())
      *Same = P.get();
    else
      Result.push_back(P.get());
  }
  return Result;
}

bool TClassInfo::InheritsFrom(const TClassInfo& Other) const {
  for (const TClassInfo* C = this; C; C = C->Parent)
    if (C == &Other) return true;
  return false;
}

namespace {
std::map<std::string, const TClassInfo*>& Registry() {
  static std::map<std::string, const TClassInfo*> Classes;
  return Classes;
}
}  // namespace

void RegisterComponentClass(const TClassInfo& Class) { Registry()[Class.Name] = &Class; }

const TClassInfo* FindClass(const std::string& Name) {
  auto It = Registry().find(Name);
  return It == Registry().end() ? nullptr : It->second;
}

const TClassInfo& TPersistent::StaticClass() {
  static const TClassInfo Info("TPersistent", nullptr);
  return Info;
}

void TPersistent::Assign(const TPersistent& Source) {
  throw EConvertError("Impossible d'assigner " + Source.ClassName() + " à " + ClassName());
}

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TComponent", &TPersistent::StaticClass());
    Published<TComponent>(I)
        .Int("Tag", &TComponent::Tag, &TComponent::SetTag, 0)
        .Int("DesignLeft", &TComponent::DesignLeft, &TComponent::SetDesignLeft, 0)
        .Int("DesignTop", &TComponent::DesignTop, &TComponent::SetDesignTop, 0);
    return I;
  }();
  return Info;
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  // Owned components go first, last created first.
  while (!FComponents.empty()) delete FComponents.back();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::SetName(const std::string& Value) { FName = Value; }

TComponent* TComponent::FindComponent(const std::string& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* C : FComponents)
    if (CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, C->Name().c_str(), -1, AName.c_str(), -1) ==
        CSTR_EQUAL)
      return C;
  return nullptr;
}

void TComponent::ReadChild(TComponent* Child) {
  throw EInvalidOperation(ClassName() + " ne peut pas contenir " + Child->ClassName());
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::InsertComponent(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), AComponent), FComponents.end());
  AComponent->FOwner = nullptr;
  for (TComponent* C : FComponents) C->Notification(AComponent, opRemove);
  Notification(AComponent, opRemove);
}

namespace {
std::string Convert(const std::string& S, UINT From, UINT To) {
  if (S.empty()) return S;
  int WideLen = MultiByteToWideChar(From, 0, S.data(), static_cast<int>(S.size()), nullptr, 0);
  std::wstring Wide(WideLen, L'\0');
  MultiByteToWideChar(From, 0, S.data(), static_cast<int>(S.size()), Wide.data(), WideLen);
  int Len = WideCharToMultiByte(To, 0, Wide.data(), WideLen, nullptr, 0, nullptr, nullptr);
  std::string Result(Len, '\0');
  WideCharToMultiByte(To, 0, Wide.data(), WideLen, Result.data(), Len, nullptr, nullptr);
  return Result;
}
}  // namespace

std::string Utf8ToAnsi(const std::string& S) { return Convert(S, CP_UTF8, CP_ACP); }
std::string AnsiToUtf8(const std::string& S) { return Convert(S, CP_ACP, CP_UTF8); }

}  // namespace Scindora
