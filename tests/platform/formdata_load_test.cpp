// Applying form data to components: creation through the registry, every kind of published
// property, events bound by handler name, references, Loaded(), errors with their lines, the
// way back to text, and form data kept as a resource.
#include <windows.h>

#include <gtest/gtest.h>

#include "FormData.h"
#include "FormDataParser.h"
#include "FormDataWriter.h"
#include "TypInfo.h"

using namespace Scindora;

namespace {

enum TShape { shCircle, shSquare, shTriangle };
const TIdentTable ShapeNames = {"shCircle", "shSquare", "shTriangle"};
const TIdentTable StyleNames = {"fsBold", "fsItalic", "fsUnderline"};
const std::vector<std::pair<const char*, int>> ColorNames = {{"clBlack", 0}, {"clRed", 0xFF}};

std::vector<std::string> LoadLog;  // one line per Loaded() call

class TTestFont : public TPersistent {
  SCINDORA_CLASS(TTestFont)
public:
  const std::string& FontName() const { return FName; }
  void SetFontName(const std::string& V) { FName = V; }
  int Size() const { return FSize; }
  void SetSize(int V) { FSize = V; }

private:
  std::string FName = "Arial";
  int FSize = 8;
};

const TClassInfo& TTestFont::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TTestFont", &TPersistent::StaticClass());
    Published<TTestFont>(I)
        .String("Name", &TTestFont::FontName, &TTestFont::SetFontName, "Arial")
        .Int("Size", &TTestFont::Size, &TTestFont::SetSize, 8);
    return I;
  }();
  return Info;
}

// A container: nested entries of any class become its Kids, and are written back from them.
class TTestBox : public TComponent {
  SCINDORA_CLASS(TTestBox)
public:
  using TComponent::TComponent;

  int Count() const { return FCount; }
  void SetCount(int V) {
    FCount = V;
    FParentAtCount = FParentBox;
  }
  bool Visible() const { return FVisible; }
  void SetVisible(bool V) { FVisible = V; }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& V) { FCaption = V; }
  const std::vector<std::string>& Items() const { return FItems; }
  void SetItems(const std::vector<std::string>& V) { FItems = V; }
  TShape Shape() const { return FShape; }
  void SetShape(TShape V) { FShape = V; }
  uint32_t Styles() const { return FStyles; }
  void SetStyles(uint32_t V) { FStyles = V; }
  int Color() const { return FColor; }
  void SetColor(int V) { FColor = V; }
  TTestFont& Font() { return FFont; }
  TTestBox* Buddy() const { return FBuddy; }
  void SetBuddy(TTestBox* V) { FBuddy = V; }

  TNotifyEvent OnClick;
  TEvent<TObject*, char&> OnKey;

  TTestBox* ParentBox() const { return FParentBox; }
  TTestBox* ParentAtCount() const { return FParentAtCount; }
  const std::vector<TComponent*>& Kids() const { return FKids; }

  void ReadChild(TComponent* Child) override {
    if (auto* Box = dynamic_cast<TTestBox*>(Child)) Box->FParentBox = this;
    FKids.push_back(Child);
  }
  std::vector<TComponent*> ChildrenToWrite() const override { return FKids; }
  void Loaded() override { LoadLog.push_back(Name() + (FBuddy ? " -> " + FBuddy->Name() : "")); }

protected:
  void Notification(TComponent* C, TOperation Op) override {
    if (Op != opRemove) return;
    std::erase(FKids, C);
    if (FBuddy == C) FBuddy = nullptr;
  }

private:
  int FCount = 0;
  bool FVisible = true;
  std::string FCaption;
  std::vector<std::string> FItems;
  TShape FShape = shCircle;
  uint32_t FStyles = 0;
  int FColor = 0;
  TTestFont FFont;
  TTestBox* FBuddy = nullptr;
  TTestBox* FParentBox = nullptr;
  TTestBox* FParentAtCount = nullptr;
  std::vector<TComponent*> FKids;
};

const TClassInfo& TTestBox::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TTestBox", &TComponent::StaticClass(), [](TComponent* Owner) -> TComponent* {
      return new TTestBox(Owner);
    });
    Published<TTestBox>(I)
        .Int("Count", &TTestBox::Count, &TTestBox::SetCount, 0)
        .Bool("Visible", &TTestBox::Visible, &TTestBox::SetVisible, true)
        .String("Caption", &TTestBox::Caption, &TTestBox::SetCaption, "")
        .Strings("Items", &TTestBox::Items, &TTestBox::SetItems)
        .Enum<TShape>("Shape", &TTestBox::Shape, &TTestBox::SetShape, ShapeNames, shCircle)
        .Set("Styles", &TTestBox::Styles, &TTestBox::SetStyles, StyleNames, 0u)
        .IntIdent("Color", &TTestBox::Color, &TTestBox::SetColor, ColorNames, 0)
        .Object("Font", &TTestBox::Font)
        .Event("OnClick", &TTestBox::OnClick)
        .Event("OnKey", &TTestBox::OnKey)
        .Component<TTestBox>("Buddy", &TTestBox::Buddy, &TTestBox::SetBuddy);
    return I;
  }();
  return Info;
}

// The form: registered but not creatable by form data; its handlers are members.
class TTestForm : public TTestBox {
  SCINDORA_CLASS(TTestForm)
public:
  TTestForm() : TTestBox(nullptr) {}
  void BoxClick(TObject* Sender) { Clicked.push_back(Sender); }
  void BoxKey(TObject*, char& Key) { Key = static_cast<char>(toupper(static_cast<unsigned char>(Key))); }
  std::vector<TObject*> Clicked;
};

const TClassInfo& TTestForm::StaticClass() {
  static const TClassInfo Info("TTestForm", &TTestBox::StaticClass());
  return Info;
}

// A component that takes no children.
class TTestLeaf : public TComponent {
  SCINDORA_CLASS(TTestLeaf)
public:
  using TComponent::TComponent;
};

const TClassInfo& TTestLeaf::StaticClass() {
  static const TClassInfo Info("TTestLeaf", &TComponent::StaticClass(),
                               [](TComponent* Owner) -> TComponent* { return new TTestLeaf(Owner); });
  return Info;
}

class FormDataLoad : public testing::Test {
protected:
  void SetUp() override {
    RegisterClasses({&TTestBox::StaticClass(), &TTestForm::StaticClass(), &TTestLeaf::StaticClass()});
    LoadLog.clear();
    Methods.Publish("BoxClick", &Form, &TTestForm::BoxClick);
    Methods.Publish("BoxKey", &Form, &TTestForm::BoxKey);
    Methods.Publish("Beep", std::function<void(TObject*)>([this](TObject*) { ++Beeps; }));
  }
  void Load(const std::string& Text) { LoadForm(Form, ParseFormData(Text), Methods); }
  TTestBox* Box(const char* Name) { return FindComponentAs<TTestBox>(Form, Name); }

  TTestForm Form;
  TMethodTable Methods;
  int Beeps = 0;
};

// Properties in declaration order and none at its default: what the writer produces.
const char* const FullForm =
    "TTestForm Form1 {\n"
    "    Tag: 7\n"
    "    Caption: \"Fiche d'essai\"\n"
    "    OnClick: Beep\n"
    "    TTestBox Box1 {\n"
    "        Count: -3\n"
    "        Visible: False\n"
    "        Caption: \"Fichier \xC3\xA0 fractionner : \\\"x\\\" \\\\ \\n\"\n"
    "        Items: [\"Disquette normale\", \"Disquette Zip100\", \"Autre\"]\n"
    "        Shape: shTriangle\n"
    "        Styles: [fsBold, fsUnderline]\n"
    "        Color: clRed\n"
    "        Font: {\n"
    "            Name: \"MS Sans Serif\"\n"
    "            Size: -11\n"
    "        }\n"
    "        OnClick: BoxClick\n"
    "        OnKey: BoxKey\n"
    "        Buddy: Box3\n"
    "        TTestBox Box2 {\n"
    "            Color: 12345\n"
    "            Buddy: Form1\n"
    "        }\n"
    "    }\n"
    "    TTestBox Box3 {\n"
    "        DesignLeft: 144\n"
    "        DesignTop: 88\n"
    "    }\n"
    "}\n";

TEST_F(FormDataLoad, EveryKindOfPropertyLandsAndWritesBackTheSameText) {
  Load(FullForm);

  EXPECT_EQ(Form.Name(), "Form1");
  EXPECT_EQ(Form.Tag(), 7);
  TTestBox* Box1 = Box("Box1");
  TTestBox* Box2 = Box("Box2");
  TTestBox* Box3 = Box("Box3");
  // Every component is owned by the form; nesting is the containers' business.
  EXPECT_EQ(Form.ComponentCount(), 3);
  for (TTestBox* B : {Box1, Box2, Box3}) EXPECT_EQ(B->Owner(), &Form);
  EXPECT_EQ(Form.Kids(), (std::vector<TComponent*>{Box1, Box3}));
  EXPECT_EQ(Box1->Kids(), std::vector<TComponent*>{Box2});
  EXPECT_EQ(Box1->ParentAtCount(), &Form) << "ReadChild comes before the properties";

  EXPECT_EQ(Box1->Count(), -3);
  EXPECT_FALSE(Box1->Visible());
  EXPECT_EQ(Box1->Caption(), "Fichier à fractionner : \"x\" \\ \n");
  EXPECT_EQ(Box1->Items(), (std::vector<std::string>{"Disquette normale", "Disquette Zip100", "Autre"}));
  EXPECT_EQ(Box1->Shape(), shTriangle);
  EXPECT_EQ(Box1->Styles(), 0b101u);
  EXPECT_EQ(Box1->Color(), 0xFF);
  EXPECT_EQ(Box1->Font().FontName(), "MS Sans Serif");
  EXPECT_EQ(Box1->Font().Size(), -11);
  EXPECT_EQ(Box2->Color(), 12345);
  EXPECT_EQ(Box3->DesignLeft(), 144);
  // A reference to a later sibling and one to the form itself.
  EXPECT_EQ(Box1->Buddy(), Box3);
  EXPECT_EQ(Box2->Buddy(), &Form);
  // References are set before Loaded(), which runs in creation order, the form last.
  EXPECT_EQ(LoadLog, (std::vector<std::string>{"Box1 -> Box3", "Box2 -> Form1", "Box3", "Form1"}));

  const std::string Written = WriteFormData(ComponentToTree(Form));
  EXPECT_EQ(Written, FullForm);

  // And once more through a fresh form.
  TTestForm Again;
  LoadForm(Again, ParseFormData(Written), Methods);
  EXPECT_EQ(ComponentToTree(Again), ParseFormData(FullForm));
}

TEST_F(FormDataLoad, ValuesEqualToTheirDefaultsAreLeftOutWhenWritten) {
  Load(
      "TTestForm Form1 {\n"
      "    TTestBox Box1 {\n"
      "        Count: 0  Visible: True  Caption: \"\"  Items: []  Shape: shCircle\n"
      "        Styles: []  Color: clBlack  Font: { Name: \"Arial\" Size: 8 }  Tag: 0\n"
      "    }\n"
      "}\n");
  EXPECT_EQ(WriteFormData(ComponentToTree(Form)),
            "TTestForm Form1 {\n"
            "    TTestBox Box1 {\n"
            "    }\n"
            "}\n");
}

TEST_F(FormDataLoad, EventsCallTheHandlersPublishedUnderTheirNames) {
  Load(FullForm);
  TTestBox* Box1 = Box("Box1");
  Box1->OnClick(Box1);
  EXPECT_EQ(Form.Clicked, std::vector<TObject*>{Box1});
  char Key = 'q';
  Box1->OnKey(Box1, Key);
  EXPECT_EQ(Key, 'Q');
  Form.OnClick(&Form);
  EXPECT_EQ(Beeps, 1);
  EXPECT_FALSE(Box("Box3")->OnClick) << "unbound events stay empty";
}

struct TLoadError {
  const char* Inner;  // replaces the fourth line of the frame below
  int Line;
  const char* Message;
};

std::string Framed(const std::string& Inner) {
  return "TTestForm Form1 {\n"   // 1
         "    Caption: \"x\"\n"  // 2
         "    TTestBox Box1 {\n" // 3
         "        " + Inner + "\n"  // 4
         "    }\n"
         "    TTestBox Box2 {\n"
         "    }\n"
         "}\n";
}

TEST_F(FormDataLoad, ErrorsNameTheLineAndLeaveTheFormToItsOwner) {
  const std::vector<TLoadError> Cases = {
      {"TFoo Foo1 { }", 4, "Classe inconnue : TFoo"},
      {"TTestForm Inner { }", 4, "La classe TTestForm ne peut pas être créée par une fiche"},
      {"TTestBox Box2 { }", 6, "Un composant nommé Box2 existe déjà"},
      {"TTestBox box1 { }", 4, "Un composant nommé box1 existe déjà"},
      {"TTestBox Form1 { }", 4, "Un composant nommé Form1 existe déjà"},
      {"TTestLeaf Leaf1 {\n TTestBox Inner { }\n }", 5, "TTestLeaf ne peut pas contenir TTestBox"},
      {"Bogus: 1", 4, "Propriété inconnue : TTestBox.Bogus"},
      {"Count: \"3\"", 4, "Valeur incorrecte pour la propriété Count"},
      {"Count: 2147483648", 4, "Valeur incorrecte pour la propriété Count"},
      {"Visible: Yes", 4, "Valeur incorrecte pour la propriété Visible"},
      {"Caption: Box2", 4, "Valeur incorrecte pour la propriété Caption"},
      {"Items: [\"a\", 2]", 4, "Valeur incorrecte pour la propriété Items"},
      {"Shape: shHexagon", 4, "Valeur incorrecte pour la propriété Shape"},
      {"Styles: [fsBold,\n fsNope]", 5, "Valeur incorrecte pour la propriété Styles"},
      {"Color: clPink", 4, "Valeur incorrecte pour la propriété Color"},
      {"Font: 5", 4, "Valeur incorrecte pour la propriété Font"},
      {"Font: {\n Bogus: 1 }", 5, "Propriété inconnue : TTestFont.Bogus"},
      {"OnClick: Nope", 4, "Gestionnaire inconnu : Nope"},
      {"OnClick: BoxKey", 4, "Le gestionnaire BoxKey ne convient pas à OnClick"},
      {"OnClick: \"BoxClick\"", 4, "Valeur incorrecte pour la propriété OnClick"},
      {"Buddy: Nobody", 4, "Composant introuvable : Nobody"},
      {"TTestLeaf Leaf1 { }\n Buddy: Leaf1", 5, "Composant introuvable : Leaf1"},
  };
  for (const TLoadError& C : Cases) {
    SCOPED_TRACE(C.Inner);
    LoadLog.clear();
    auto Fresh = std::make_unique<TTestForm>();
    try {
      LoadForm(*Fresh, ParseFormData(Framed(C.Inner)), Methods);
      ADD_FAILURE() << "no error";
    } catch (const EFormDataError& E) {
      EXPECT_EQ(E.Line(), C.Line) << E.Message();
      EXPECT_EQ(E.Message().rfind("Ligne " + std::to_string(C.Line) + " : ", 0), 0u) << E.Message();
      EXPECT_NE(E.Message().find(C.Message), std::string::npos) << E.Message();
    }
    EXPECT_TRUE(LoadLog.empty()) << "no Loaded() on a form that failed to load";
    Fresh.reset();  // what was made so far goes with its owner
  }
}

TEST_F(FormDataLoad, TheRootEntryMustNameTheFormsClass) {
  try {
    Load("# the form\nTTestBox Form1 {\n}\n");
    ADD_FAILURE() << "no error";
  } catch (const EFormDataError& E) {
    EXPECT_EQ(E.Message(), "Ligne 2 : Classe TTestForm attendue pour la fiche, trouvé TTestBox");
  }
}

// A copy of this test program with form data added as an RCDATA resource, opened as data.
class FormDataResource : public FormDataLoad {
protected:
  void SetUp() override {
    FormDataLoad::SetUp();
    char Exe[MAX_PATH], Dir[MAX_PATH];
    ASSERT_TRUE(GetModuleFileNameA(nullptr, Exe, MAX_PATH));
    ASSERT_TRUE(GetTempPathA(MAX_PATH, Dir));
    Copy = std::string(Dir) + "formdata_res_" + std::to_string(GetCurrentProcessId()) + ".exe";
    ASSERT_TRUE(CopyFileA(Exe, Copy.c_str(), FALSE));
    HANDLE Update = BeginUpdateResourceA(Copy.c_str(), FALSE);
    ASSERT_TRUE(Update);
    ASSERT_TRUE(UpdateResourceA(Update, RT_RCDATA, "TESTFORM", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                                const_cast<char*>(FullForm), static_cast<DWORD>(strlen(FullForm))));
    ASSERT_TRUE(EndUpdateResourceA(Update, FALSE));
    Module = LoadLibraryExA(Copy.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(Module);
  }
  void TearDown() override {
    if (Module) FreeLibrary(Module);
    DeleteFileA(Copy.c_str());
  }
  std::string Copy;
  HMODULE Module = nullptr;
};

TEST_F(FormDataResource, ReadsTheBytesOfTheResource) {
  const std::string Text = LoadFormResource("TESTFORM", Module);
  EXPECT_EQ(Text, FullForm);
  Load(Text);
  EXPECT_EQ(Box("Box1")->Buddy(), Box("Box3"));
}

TEST_F(FormDataResource, AMissingResourceIsAClearError) {
  try {
    LoadFormResource("NOSUCHFORM", Module);
    ADD_FAILURE() << "no error";
  } catch (const EInvalidOperation& E) {
    EXPECT_EQ(E.Message(), "Données de fiche introuvables dans le programme : ressource NOSUCHFORM");
  }
  // The test program itself carries no form data.
  EXPECT_THROW(LoadFormFromResource(Form, "TESTFORM", Methods), EInvalidOperation);
  EXPECT_EQ(Form.ComponentCount(), 0);
}

}  // namespace
