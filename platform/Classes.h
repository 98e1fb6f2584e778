// Objects, persistent objects with published properties, components with owners and names,
// events, and the class registry that form data creates components through.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FormDataTree.h"
#include "SysUtils.h"

namespace Scindora {

struct TClassInfo;
class TComponent;
class TPropInfo;

class TObject {
public:
  virtual ~TObject() = default;
  virtual const TClassInfo& ClassType() const = 0;
  const std::string& ClassName() const;
  bool InheritsFrom(const TClassInfo& Class) const;
};

// An event: the bound handler and, for form data, the name it was bound by.
template <class... Args>
struct TEvent {
  std::function<void(Args...)> Fn;
  std::string Name;

  explicit operator bool() const { return static_cast<bool>(Fn); }
  void operator()(Args... A) const {
    if (Fn) Fn(A...);
  }
  TEvent& operator=(std::function<void(Args...)> F) {
    Fn = std::move(F);
    Name.clear();
    return *this;
  }
};

using TNotifyEvent = TEvent<TObject*>;

// What a property reader needs from the loader besides the value.
class TFormReader {
public:
  virtual ~TFormReader() = default;
  // The handler published under Name, or nullptr.
  virtual const std::any* FindMethod(const std::string& Name) const = 0;
  // A component of the form being loaded, or nullptr.
  virtual TComponent* FindComponent(const std::string& Name) const = 0;
  // Runs Fn once every component of the form exists (references to later siblings).
  virtual void AddFixup(std::function<void()> Fn) = 0;
};

// One published property: reads its value from form data, writes it back unless it equals
// the stream default.
class TPropInfo {
public:
  explicit TPropInfo(std::string Name) : FName(std::move(Name)) {}
  virtual ~TPropInfo() = default;
  const std::string& Name() const { return FName; }
  virtual void Read(TObject& Instance, const TFormValue& Value, TFormReader& Reader) const = 0;
  // nullopt: the value is the stream default and is left out.
  virtual std::optional<TFormValue> Write(const TObject& Instance) const = 0;

private:
  std::string FName;
};

using TComponentFactory = TComponent* (*)(TComponent* Owner);

struct TClassInfo {
  std::string Name;
  const TClassInfo* Parent = nullptr;
  TComponentFactory Create = nullptr;   // null for classes form data cannot create
  std::vector<std::unique_ptr<TPropInfo>> Props;  // this class's own, in declaration order

  TClassInfo(std::string AName, const TClassInfo* AParent, TComponentFactory ACreate = nullptr)
      : Name(std::move(AName)), Parent(AParent), Create(ACreate) {}

  // Own properties first looked up, then the bases'.
  const TPropInfo* FindProp(const std::string& PropName) const;
  // Every property, bases' first, each in declaration order.
  std::vector<const TPropInfo*> AllProps() const;
  bool InheritsFrom(const TClassInfo& Other) const;
};

// Declares the class-info plumbing of a class; its .cpp defines StaticClass().
#define SCINDORA_CLASS(TName)                                                        \
public:                                                                              \
  static const ::Scindora::TClassInfo& StaticClass();                                \
  const ::Scindora::TClassInfo& ClassType() const override { return StaticClass(); } \
                                                                                     \
private:

// Exact class-name lookup for form data; registering twice is harmless. (Not "RegisterClass":
// windows.h takes that name as a macro.)
void RegisterComponentClass(const TClassInfo& Class);
const TClassInfo* FindClass(const std::string& Name);

class TPersistent : public TObject {
  SCINDORA_CLASS(TPersistent)
public:
  // Copies Source's attributes; raises EConvertError when the classes do not fit.
  virtual void Assign(const TPersistent& Source);
};

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
  SCINDORA_CLASS(TComponent)
public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  virtual void SetName(const std::string& Value);
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  // Where a non-visual component sits on the design surface; no run-time effect.
  int DesignLeft() const { return FDesignLeft; }
  void SetDesignLeft(int Value) { FDesignLeft = Value; }
  int DesignTop() const { return FDesignTop; }
  void SetDesignTop(int Value) { FDesignTop = Value; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int Index) const { return FComponents.at(Index); }
  TComponent* FindComponent(const std::string& AName) const;

  // Form data: a child entry nested under this one. Controls take it as their parent, menus
  // as an item; the default refuses.
  virtual void ReadChild(TComponent* Child);
  // Form data: the children to write nested under this one, in order.
  virtual std::vector<TComponent*> ChildrenToWrite() const { return {}; }
  // Form data has set every property of this component and its children.
  virtual void Loaded() {}

protected:
  // Tells an owned component that another one is coming or going, so references can drop it.
  virtual void Notification(TComponent* AComponent, TOperation Operation);

private:
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);

  TComponent* FOwner = nullptr;
  std::string FName;
  int FTag = 0;
  int FDesignLeft = 0;
  int FDesignTop = 0;
  std::vector<TComponent*> FComponents;
};

// Looks a component up by name and checks its class; raises when absent or of another class.
template <class T>
T* FindComponentAs(const TComponent& Owner, const std::string& Name) {
  TComponent* C = Owner.FindComponent(Name);
  T* Result = dynamic_cast<T*>(C);
  if (!Result)
    throw EInvalidOperation("Composant introuvable ou d'un autre type : " + Name);
  return Result;
}

// Text conversions between form data (UTF-8) and the program's ANSI code page.
std::string Utf8ToAnsi(const std::string& S);
std::string AnsiToUtf8(const std::string& S);

}  // namespace Scindora
