// Applies form data to a live component: creates the entries' components through the class
// registry, reads their properties, binds events to the handlers a form publishes by name.
#pragma once

#include <any>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>

#include "Classes.h"
#include "FormDataTree.h"

namespace Scindora {

// The handlers a form offers to its form data, by exact name. Each is kept as the exact
// std::function type of the event it may be bound to, so a handler of another signature is
// refused at load time.
class TMethodTable {
public:
  template <class... Args>
  void Publish(const std::string& Name, std::function<void(Args...)> Fn) {
    FMethods[Name] = std::move(Fn);
  }
  // Publish("FormClose", this, &TMainForm::FormClose)
  template <class C, class... Args>
  void Publish(const std::string& Name, C* Self, void (C::*Method)(Args...)) {
    Publish(Name, std::function<void(Args...)>([Self, Method](Args... A) { (Self->*Method)(std::forward<Args>(A)...); }));
  }
  // nullptr when nothing is published under Name.
  const std::any* Find(const std::string& Name) const;

private:
  std::map<std::string, std::any> FMethods;
};

// Loads Tree into Root. The root entry must name Root's class; Root takes the entry's name
// and properties. Each child entry's component is made by its class's factory with Root as
// owner, named, handed to the enclosing component's ReadChild, then given its properties in
// the order listed. Component references are resolved once every component exists; Loaded()
// then runs on each new component in creation order, Root last. Errors raise EFormDataError
// naming the line; components already made stay owned by Root and go with it.
void LoadForm(TComponent& Root, const TFormObject& Tree, const TMethodTable& Methods);

// The bytes of the RCDATA resource ResName of Module (nullptr: the executable). A missing
// resource raises EInvalidOperation.
std::string LoadFormResource(const char* ResName, void* Module = nullptr);

// LoadForm with the form data kept in the executable's RCDATA resource ResName.
void LoadFormFromResource(TComponent& Root, const char* ResName, const TMethodTable& Methods);

void RegisterClasses(std::initializer_list<const TClassInfo*> Classes);

}  // namespace Scindora
