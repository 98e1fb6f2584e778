// Small typed helpers that publish a class's properties, each with its stream default in the
// same line, and the two routines that read and write a property list of form data.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Classes.h"

namespace Scindora {

// Names of an enumeration's values (or a set's members), indexed by value.
using TIdentTable = std::vector<const char*>;

// Applies form data's properties to Instance in the order they are listed.
void ReadProperties(TObject& Instance, const std::vector<TFormProperty>& Props, TFormReader& Reader);
// Every published property whose value differs from its stream default, in declaration order.
std::vector<TFormProperty> WriteProperties(const TObject& Instance);

[[noreturn]] void RaiseBadValue(const std::string& Prop, const TFormValue& Value);

namespace Codecs {

struct TInt {
  int Decode(const std::string& Prop, const TFormValue& V, TFormReader&) const;
  TFormValue Encode(int V) const { return TFormValue::Integer(V); }
};
struct TBool {
  bool Decode(const std::string& Prop, const TFormValue& V, TFormReader&) const;
  TFormValue Encode(bool V) const { return TFormValue::Ident(V ? "True" : "False"); }
};
struct TString {
  std::string Decode(const std::string& Prop, const TFormValue& V, TFormReader&) const;
  TFormValue Encode(const std::string& V) const { return TFormValue::String(AnsiToUtf8(V)); }
};
struct TStrings {
  std::vector<std::string> Decode(const std::string& Prop, const TFormValue& V, TFormReader&) const;
  TFormValue Encode(const std::vector<std::string>& V) const;
};
struct TEnum {
  const TIdentTable* Names;
  int Decode(const std::string& Prop, const TFormValue& V, TFormReader&) const;
  TFormValue Encode(int V) const;
};
struct TSet {
  const TIdentTable* Names;
  uint32_t Decode(const std::string& Prop, const TFormValue& V, TFormReader&) const;
  TFormValue Encode(uint32_t V) const;
};
// An integer, or one of the named values (colours, cursors).
struct TIntIdent {
  const std::vector<std::pair<const char*, int>>* Names;
  int Decode(const std::string& Prop, const TFormValue& V, TFormReader&) const;
  TFormValue Encode(int V) const;
};

}  // namespace Codecs

template <class C, class V, class Codec>
class TTypedProp : public TPropInfo {
public:
  TTypedProp(std::string Name, std::function<V(const C&)> Get, std::function<void(C&, V)> Set,
             std::optional<V> Default, Codec ACodec)
      : TPropInfo(std::move(Name)), FGet(std::move(Get)), FSet(std::move(Set)),
        FDefault(std::move(Default)), FCodec(ACodec) {}

  void Read(TObject& Instance, const TFormValue& Value, TFormReader& Reader) const override {
    FSet(dynamic_cast<C&>(Instance), FCodec.Decode(Name(), Value, Reader));
  }
  std::optional<TFormValue> Write(const TObject& Instance) const override {
    V Value = FGet(dynamic_cast<const C&>(Instance));
    if (FDefault && *FDefault == Value) return std::nullopt;
    return FCodec.Encode(Value);
  }

private:
  std::function<V(const C&)> FGet;
  std::function<void(C&, V)> FSet;
  std::optional<V> FDefault;
  Codec FCodec;
};

// A property holding an owned sub-object (a font, a pen): written as a block of its own
// non-default properties, left out when that block is empty.
template <class C>
class TObjectProp : public TPropInfo {
public:
  TObjectProp(std::string Name, std::function<TPersistent&(C&)> Get)
      : TPropInfo(std::move(Name)), FGet(std::move(Get)) {}
  void Read(TObject& Instance, const TFormValue& Value, TFormReader& Reader) const override {
    if (Value.Kind != TFormValue::vkBlock) RaiseBadValue(Name(), Value);
    ReadProperties(FGet(dynamic_cast<C&>(Instance)), Value.Props, Reader);
  }
  std::optional<TFormValue> Write(const TObject& Instance) const override {
    auto& Self = const_cast<C&>(dynamic_cast<const C&>(Instance));
    auto Props = WriteProperties(FGet(Self));
    if (Props.empty()) return std::nullopt;
    return TFormValue::Block(std::move(Props));
  }

private:
  std::function<TPersistent&(C&)> FGet;
};

// An event bound by the name of a handler the form publishes.
template <class C, class... Args>
class TEventProp : public TPropInfo {
public:
  TEventProp(std::string Name, TEvent<Args...> C::*Member) : TPropInfo(std::move(Name)), FMember(Member) {}
  void Read(TObject& Instance, const TFormValue& Value, TFormReader& Reader) const override {
    if (Value.Kind != TFormValue::vkIdent) RaiseBadValue(Name(), Value);
    const std::any* Method = Reader.FindMethod(Value.Str);
    if (!Method) throw EFormDataError("Gestionnaire inconnu : " + Value.Str, Value.Line);
    auto* Fn = std::any_cast<std::function<void(Args...)>>(Method);
    if (!Fn) throw EFormDataError("Le gestionnaire " + Value.Str + " ne convient pas à " + Name(), Value.Line);
    auto& Event = dynamic_cast<C&>(Instance).*FMember;
    Event.Fn = *Fn;
    Event.Name = Value.Str;
  }
  std::optional<TFormValue> Write(const TObject& Instance) const override {
    const auto& Event = dynamic_cast<const C&>(Instance).*FMember;
    if (Event.Name.empty()) return std::nullopt;
    return TFormValue::Ident(Event.Name);
  }

private:
  TEvent<Args...> C::*FMember;
};

// A reference to another component of the form, resolved once all of them exist.
template <class C, class T>
class TComponentProp : public TPropInfo {
public:
  TComponentProp(std::string Name, std::function<T*(const C&)> Get, std::function<void(C&, T*)> Set)
      : TPropInfo(std::move(Name)), FGet(std::move(Get)), FSet(std::move(Set)) {}
  void Read(TObject& Instance, const TFormValue& Value, TFormReader& Reader) const override {
    if (Value.Kind != TFormValue::vkIdent) RaiseBadValue(Name(), Value);
    C* Self = &dynamic_cast<C&>(Instance);
    Reader.AddFixup([this, Self, Value, &Reader] {
      T* Target = dynamic_cast<T*>(Reader.FindComponent(Value.Str));
      if (!Target) throw EFormDataError("Composant introuvable : " + Value.Str, Value.Line);
      FSet(*Self, Target);
    });
  }
  std::optional<TFormValue> Write(const TObject& Instance) const override {
    T* Target = FGet(dynamic_cast<const C&>(Instance));
    if (!Target) return std::nullopt;
    return TFormValue::Ident(Target->Name());
  }

private:
  std::function<T*(const C&)> FGet;
  std::function<void(C&, T*)> FSet;
};

// Publishes C's own properties: Published<TEdit>(Info).Bool("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly, false);
template <class C>
class Published {
public:
  explicit Published(TClassInfo& AInfo) : Info(AInfo) {}

  template <class G, class S>
  Published& Int(const char* Name, G Get, S Set, std::optional<int> Default) {
    return Add<int>(Name, Get, Set, Default, Codecs::TInt{});
  }
  template <class G, class S>
  Published& Bool(const char* Name, G Get, S Set, std::optional<bool> Default) {
    return Add<bool>(Name, Get, Set, Default, Codecs::TBool{});
  }
  template <class G, class S>
  Published& String(const char* Name, G Get, S Set, std::optional<std::string> Default) {
    return Add<std::string>(Name, Get, Set, Default, Codecs::TString{});
  }
  template <class G, class S>
  Published& Strings(const char* Name, G Get, S Set) {
    return Add<std::vector<std::string>>(Name, Get, Set, std::vector<std::string>{}, Codecs::TStrings{});
  }
  template <class E, class G, class S>
  Published& Enum(const char* Name, G Get, S Set, const TIdentTable& Names, std::optional<E> Default) {
    std::optional<int> D;
    if (Default) D = static_cast<int>(*Default);
    auto Getter = [Get](const C& Self) { return static_cast<int>(std::invoke(Get, Self)); };
    auto Setter = [Set](C& Self, int V) { std::invoke(Set, Self, static_cast<E>(V)); };
    return Add<int>(Name, Getter, Setter, D, Codecs::TEnum{&Names});
  }
  template <class G, class S>
  Published& Set(const char* Name, G Get, S Set, const TIdentTable& Names, std::optional<uint32_t> Default) {
    return Add<uint32_t>(Name, Get, Set, Default, Codecs::TSet{&Names});
  }
  template <class G, class S>
  Published& IntIdent(const char* Name, G Get, S Set, const std::vector<std::pair<const char*, int>>& Names,
                      std::optional<int> Default) {
    return Add<int>(Name, Get, Set, Default, Codecs::TIntIdent{&Names});
  }
  template <class G>
  Published& Object(const char* Name, G Get) {
    Info.Props.push_back(std::make_unique<TObjectProp<C>>(
        Name, [Get](C& Self) -> TPersistent& { return std::invoke(Get, Self); }));
    return *this;
  }
  // Member may be declared by a base of C.
  template <class D, class... Args>
  Published& Event(const char* Name, TEvent<Args...> D::*Member) {
    TEvent<Args...> C::*Own = Member;
    Info.Props.push_back(std::make_unique<TEventProp<C, Args...>>(Name, Own));
    return *this;
  }
  template <class T, class G, class S>
  Published& Component(const char* Name, G Get, S Set) {
    Info.Props.push_back(std::make_unique<TComponentProp<C, T>>(
        Name, [Get](const C& Self) -> T* { return std::invoke(Get, Self); },
        [Set](C& Self, T* V) { std::invoke(Set, Self, V); }));
    return *this;
  }

  // The property just published is read from form data but never written back (another
  // property already stores the same state).
  Published& NotStored() {
    Info.Props.back() = std::make_unique<TNotStoredProp>(std::move(Info.Props.back()));
    return *this;
  }

private:
  class TNotStoredProp : public TPropInfo {
  public:
    explicit TNotStoredProp(std::unique_ptr<TPropInfo> Inner) : TPropInfo(Inner->Name()), FInner(std::move(Inner)) {}
    void Read(TObject& Instance, const TFormValue& Value, TFormReader& Reader) const override {
      FInner->Read(Instance, Value, Reader);
    }
    std::optional<TFormValue> Write(const TObject&) const override { return std::nullopt; }

  private:
    std::unique_ptr<TPropInfo> FInner;
  };

  template <class V, class G, class S, class Codec>
  Published& Add(const char* Name, G Get, S Set, std::optional<V> Default, Codec ACodec) {
    Info.Props.push_back(std::make_unique<TTypedProp<C, V, Codec>>(
        Name, [Get](const C& Self) -> V { return static_cast<V>(std::invoke(Get, Self)); },
        [Set](C& Self, V Value) { std::invoke(Set, Self, Value); }, std::move(Default), ACodec));
    return *this;
  }

  TClassInfo& Info;
};

}  // namespace Scindora
