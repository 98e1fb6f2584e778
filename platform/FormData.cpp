#include "FormData.h"

#include <windows.h>

#include <vector>

#include "FormDataParser.h"
#include "PlatformClasses.h"
#include "TypInfo.h"

namespace Scindora {

const std::any* TMethodTable::Find(const std::string& Name) const {
  auto It = FMethods.find(Name);
  return It == FMethods.end() ? nullptr : &It->second;
}

namespace {

class TLoader : public TFormReader {
public:
  TLoader(TComponent& ARoot, const TMethodTable& AMethods) : Root(ARoot), Methods(AMethods) {}

  void Run(const TFormObject& Tree) {
    if (Tree.ClassName != Root.ClassName())
      throw EFormDataError("Classe " + Root.ClassName() + " attendue pour la fiche, trouvé " + Tree.ClassName,
                           Tree.Line);
    Guard(Tree.Line, [&] { Root.SetName(Tree.Name); });
    ReadProperties(Root, Tree.Props, *this);
    for (const TFormObject& Child : Tree.Children) LoadChild(Root, Child);
    for (auto& Fixup : Fixups) Fixup();
    for (TComponent* C : Created) C->Loaded();
    Root.Loaded();
  }

  const std::any* FindMethod(const std::string& Name) const override { return Methods.Find(Name); }

  TComponent* FindComponent(const std::string& Name) const override {
    if (!Name.empty() && CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, Name.c_str(), -1,
                                        Root.Name().c_str(), -1) == CSTR_EQUAL)
      return &Root;
    return Root.FindComponent(Name);
  }

  void AddFixup(std::function<void()> Fn) override { Fixups.push_back(std::move(Fn)); }

private:
  // Platform failures raised on behalf of an entry (a refused child, a bad name) name its line.
  template <class F>
  static void Guard(int Line, F&& Fn) {
    try {
      Fn();
    } catch (const EFormDataError&) {
      throw;
    } catch (const Exception& E) {
      throw EFormDataError(E.Message(), Line);
    }
  }

  void LoadChild(TComponent& Parent, const TFormObject& Entry) {
    const TClassInfo* Class = FindClass(Entry.ClassName);
    if (!Class) throw EFormDataError("Classe inconnue : " + Entry.ClassName, Entry.Line);
    if (!Class->Create)
      throw EFormDataError("La classe " + Entry.ClassName + " ne peut pas être créée par une fiche", Entry.Line);
    if (FindComponent(Entry.Name))
      throw EFormDataError("Un composant nommé " + Entry.Name + " existe déjà", Entry.Line);
    TComponent* Child = nullptr;
    Guard(Entry.Line, [&] {
      Child = Class->Create(&Root);
      Created.push_back(Child);
      Child->SetName(Entry.Name);
      Parent.ReadChild(Child);
    });
    ReadProperties(*Child, Entry.Props, *this);
    for (const TFormObject& Grandchild : Entry.Children) LoadChild(*Child, Grandchild);
  }

  TComponent& Root;
  const TMethodTable& Methods;
  std::vector<std::function<void()>> Fixups;
  std::vector<TComponent*> Created;
};

}  // namespace

void LoadForm(TComponent& Root, const TFormObject& Tree, const TMethodTable& Methods) {
  RegisterPlatformClasses();  // every class the platform offers can be named
  TLoader(Root, Methods).Run(Tree);
}

std::string LoadFormResource(const char* ResName, void* Module) {
  HMODULE Mod = Module ? static_cast<HMODULE>(Module) : GetModuleHandleA(nullptr);
  HRSRC Res = FindResourceA(Mod, ResName, RT_RCDATA);
  HGLOBAL Data = Res ? LoadResource(Mod, Res) : nullptr;
  const void* Bytes = Data ? LockResource(Data) : nullptr;
  if (!Bytes)
    throw EInvalidOperation(std::string("Données de fiche introuvables dans le programme : ressource ") + ResName);
  return std::string(static_cast<const char*>(Bytes), SizeofResource(Mod, Res));
}

void LoadFormFromResource(TComponent& Root, const char* ResName, const TMethodTable& Methods) {
  LoadForm(Root, ParseFormData(LoadFormResource(ResName)), Methods);
}

void RegisterClasses(std::initializer_list<const TClassInfo*> Classes) {
  for (const TClassInfo* Class : Classes) RegisterComponentClass(*Class);
}

}  // namespace Scindora
