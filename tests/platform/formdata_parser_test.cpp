// Lexer, parser and writer of form data: the text side, no components involved.
#include <gtest/gtest.h>

#include <algorithm>

#include "FormDataLexer.h"
#include "FormDataParser.h"
#include "FormDataWriter.h"

using namespace Scindora;

namespace {

const char* const Sample =
    "# a comment to end of line\n"                               // 1
    "TMainForm MainForm {\n"                                      // 2
    "    Caption: \"Scindora 1.0\"  # trailing comment\n"         // 3
    "    Left: -4\n"                                              // 4
    "    BorderIcons: [biSystemMenu, biMinimize]\n"               // 5
    "    Items: [\"Disquette normale\", \"a \\\"b\\\" \\\\ c\\n\"]\n"  // 6
    "    Font: { Name: \"MS Sans Serif\" Height: -11 }\n"         // 7
    "    OnClose: FormClose\n"                                    // 8
    "    TControlBar ControlBar1 {\n"                             // 9
    "        Align: alTop\n"                                      // 10
    "    }\n"                                                     // 11
    "    Empty: []\n"                                             // 12
    "}\n";

TEST(FormDataParser, ReadsEveryKindOfValueWithItsLine) {
  TFormObject Root = ParseFormData(Sample);
  EXPECT_EQ(Root.ClassName, "TMainForm");
  EXPECT_EQ(Root.Name, "MainForm");
  EXPECT_EQ(Root.Line, 2);
  ASSERT_EQ(Root.Props.size(), 7u);

  const auto& P = Root.Props;
  EXPECT_EQ(P[0].Name, "Caption");
  EXPECT_EQ(P[0].Value, TFormValue::String("Scindora 1.0"));
  EXPECT_EQ(P[0].Line, 3);
  EXPECT_EQ(P[1].Value, TFormValue::Integer(-4));
  EXPECT_EQ(P[2].Value, TFormValue::List({TFormValue::Ident("biSystemMenu"), TFormValue::Ident("biMinimize")}));
  EXPECT_EQ(P[3].Value,
            TFormValue::List({TFormValue::String("Disquette normale"), TFormValue::String("a \"b\" \\ c\n")}));
  EXPECT_EQ(P[4].Value, TFormValue::Block({{"Name", TFormValue::String("MS Sans Serif")},
                                           {"Height", TFormValue::Integer(-11)}}));
  EXPECT_EQ(P[4].Value.Props[1].Line, 7);
  EXPECT_EQ(P[5].Value, TFormValue::Ident("FormClose"));
  EXPECT_EQ(P[5].Line, 8);
  // A property after a child entry still belongs to the enclosing entry.
  EXPECT_EQ(P[6].Name, "Empty");
  EXPECT_EQ(P[6].Value, TFormValue::List({}));

  ASSERT_EQ(Root.Children.size(), 1u);
  EXPECT_EQ(Root.Children[0].ClassName, "TControlBar");
  EXPECT_EQ(Root.Children[0].Name, "ControlBar1");
  EXPECT_EQ(Root.Children[0].Line, 9);
  EXPECT_EQ(Root.Children[0].Props[0].Value.Line, 10);
}

TEST(FormDataLexer, NumbersStringsAndLines) {
  // A byte order mark, CR LF line ends, the extreme integers, tokens with no blanks between.
  auto T = TokenizeFormData(
      "\xEF\xBB\xBF"
      "A:-9223372036854775808\r\n"
      "B:9223372036854775807,\"\xC3\xA9\\t\"\r\n"
      "{}[]");
  ASSERT_EQ(T.size(), 13u);
  EXPECT_EQ(T[0].Kind, tkIdent);
  EXPECT_EQ(T[0].Text, "A");
  EXPECT_EQ(T[2].Kind, tkInteger);
  EXPECT_EQ(T[2].Int, INT64_MIN);
  EXPECT_EQ(T[5].Int, INT64_MAX);
  EXPECT_EQ(T[5].Line, 2);
  EXPECT_EQ(T[7].Kind, tkString);
  EXPECT_EQ(T[7].Text, "\xC3\xA9\t");
  EXPECT_EQ(T[8].Kind, tkLBrace);
  EXPECT_EQ(T[11].Kind, tkRBracket);
  EXPECT_EQ(T[11].Line, 3);
  EXPECT_EQ(T[12].Kind, tkEnd);
}

struct TBadText {
  const char* Text;
  int Line;
  const char* Message;
};

std::string Nested(int Depth) {
  std::string S;
  for (int I = 0; I < Depth; ++I) S += "TBox B" + std::to_string(I) + " {\n";
  return S;
}

TEST(FormDataParser, MalformedTextNamesTheLine) {
  const std::string DeepList = "TForm F {\n  X: " + std::string(5000, '[');
  std::string DeepBlock = "TForm F {\n  X: ";
  for (int I = 0; I < 5000; ++I) DeepBlock += "{ A: ";
  const std::string DeepEntries = Nested(300);
  const std::vector<TBadText> Cases = {
      {"", 1, "Les données de fiche sont vides"},
      {"# nothing but a comment\n\n", 1, "vides"},
      {"TForm F {\n  Caption: \"abc\n}", 2, "Chaîne non terminée"},
      {"TForm F {\n  Caption: \"abc\\", 2, "Chaîne non terminée"},
      {"TForm F {\n  Caption: \"a\\qb\"\n}", 2, "Séquence d'échappement inconnue : \\q"},
      {"TForm F {\n  Caption: \"\xC3\"\n}", 2, "UTF-8 incorrect"},
      {"TForm F {\n  Caption: \"\xED\xA0\x80\"\n}", 2, "UTF-8 incorrect"},  // a lone surrogate
      {"TForm F {\n  Tag: 12ab\n}", 2, "Nombre incorrect : 12ab"},
      {"TForm F {\n  Tag: 9223372036854775808\n}", 2, "Nombre hors limites"},
      {"TForm F {\n  Tag: - 1\n}", 2, "Caractère inattendu « - »"},
      {"TForm F {\n\n  @\n}", 3, "Caractère inattendu « @ »"},
      {"TForm F {\n  \xC3\xA9: 1\n}", 2, "Caractère inattendu de code 0xC3"},
      {"{ }", 1, "Nom de classe attendu en début de composant, trouvé « { »"},
      {"TForm {\n}", 1, "Nom de composant attendu après TForm, trouvé « { »"},
      {"TForm F\n  Tag: 1\n}", 2, "« { » attendu après TForm F, trouvé l'identifiant Tag"},
      {"TForm F {\n  Caption \"x\"\n}", 2, "« : » attendu après Caption, trouvé une chaîne"},
      {"TForm F {\n  : 1\n}", 2, "Propriété ou composant attendu dans F"},
      {"TForm F {\n  Tag: ]\n}", 2, "Valeur attendue après Tag :, trouvé « ] »"},
      {"TForm F {\n  Tag:", 2, "Valeur attendue après Tag :, trouvé la fin des données"},
      {"TForm F {\n  Items: [a b]\n}", 2, "« , » ou « ] » attendu dans la liste de la ligne 2"},
      {"TForm F {\n  Items: [a,]\n}", 2, "Valeur attendue dans la liste"},
      {"TForm F {\n  Items: [\"a\",\n\n", 2, "Valeur attendue dans la liste"},
      {"TForm F {\n  Font: { Name: \"x\"\n  TBox B { }\n  }\n}", 3, "« : » attendu après TBox"},
      {"TForm F {\n  Font: { 1 }\n}", 2, "Propriété ou « } » attendu dans le bloc de la ligne 2"},
      {"TForm F {\n  TBox B {\n    Tag: 1\n  }\n\n", 4, "« } » manquant : F (ligne 1) n'est pas fermé"},
      {"TForm F {\n  TBox B {\n    Tag: 1\n", 3, "« } » manquant : B (ligne 2)"},
      {"TForm F {\n}\n}", 3, "Texte inattendu après la fin de F : « } »"},
      {"TForm F {\n}\n\nTForm G {\n}\n", 4, "Texte inattendu après la fin de F : l'identifiant TForm"},
      {DeepList.c_str(), 2, "Imbrication trop profonde"},
      {DeepBlock.c_str(), 2, "Imbrication trop profonde"},
      {DeepEntries.c_str(), 101, "Imbrication trop profonde"},
  };
  for (const TBadText& C : Cases) {
    SCOPED_TRACE(std::string(C.Text).substr(0, 60));
    try {
      ParseFormData(C.Text);
      ADD_FAILURE() << "no error";
    } catch (const EFormDataError& E) {
      EXPECT_EQ(E.Line(), C.Line) << E.Message();
      EXPECT_EQ(E.Message().rfind("Ligne " + std::to_string(C.Line) + " : ", 0), 0u) << E.Message();
      EXPECT_NE(E.Message().find(C.Message), std::string::npos) << E.Message();
    }
  }
}

// Every cut and every single-character damage of a good file either still parses or is an
// error on one of its lines; nothing else escapes.
TEST(FormDataParser, TruncatedOrDamagedTextIsAnErrorNeverACrash) {
  const std::string Good = Sample;
  auto Check = [&](const std::string& Text) {
    const int Lines = 1 + static_cast<int>(std::count(Text.begin(), Text.end(), '\n'));
    try {
      ParseFormData(Text);
    } catch (const EFormDataError& E) {
      EXPECT_GE(E.Line(), 1) << Text;
      EXPECT_LE(E.Line(), Lines) << Text;
    }
  };
  for (size_t Len = 0; Len < Good.size(); ++Len) Check(Good.substr(0, Len));
  const char Damage[] = {'{', '}', '[', ']', '"', ':', ',', '\\', '\n', '\0', '-', 'x', '\xFF'};
  for (size_t I = 0; I < Good.size(); ++I)
    for (char D : Damage) {
      std::string Text = Good;
      Text[I] = D;
      Check(Text);
    }
}

TEST(FormDataWriter, IndentsEscapesAndReadsBack) {
  TFormObject Root;
  Root.ClassName = "TForm";
  Root.Name = "Form1";
  Root.Props = {
      {"Caption", TFormValue::String("Dit \"oui\"\\non\n\tfin\r")},
      {"Left", TFormValue::Integer(-4)},
      {"Icons", TFormValue::List({TFormValue::Ident("biSystemMenu"), TFormValue::Ident("biMinimize")})},
      {"Items", TFormValue::List({})},
      {"Font", TFormValue::Block({{"Name", TFormValue::String("MS Sans Serif")},
                                  {"Style", TFormValue::Block({{"Bold", TFormValue::Ident("True")}})}})},
      {"Panels", TFormValue::List({TFormValue::Block({{"Width", TFormValue::Integer(50)}}), TFormValue::Block({})})},
  };
  TFormObject Child;
  Child.ClassName = "TBox";
  Child.Name = "Box1";
  Child.Props = {{"Tag", TFormValue::Integer(1)}};
  TFormObject Grandchild;
  Grandchild.ClassName = "TBox";
  Grandchild.Name = "Box2";
  Child.Children.push_back(Grandchild);
  Root.Children.push_back(Child);

  const std::string Text = WriteFormData(Root);
  EXPECT_EQ(Text,
            "TForm Form1 {\n"
            "    Caption: \"Dit \\\"oui\\\"\\\\non\\n\\tfin\\r\"\n"
            "    Left: -4\n"
            "    Icons: [biSystemMenu, biMinimize]\n"
            "    Items: []\n"
            "    Font: {\n"
            "        Name: \"MS Sans Serif\"\n"
            "        Style: {\n"
            "            Bold: True\n"
            "        }\n"
            "    }\n"
            "    Panels: [\n"
            "        {\n"
            "            Width: 50\n"
            "        },\n"
            "        {}\n"
            "    ]\n"
            "    TBox Box1 {\n"
            "        Tag: 1\n"
            "        TBox Box2 {\n"
            "        }\n"
            "    }\n"
            "}\n");
  EXPECT_EQ(ParseFormData(Text), Root);
}

TEST(FormDataWriter, RefusesNamesThatWouldNotReadBack) {
  for (const char* Bad : {"", "1Box", "Box 1", "Bo\xE9te"}) {
    TFormObject Root;
    Root.ClassName = "TForm";
    Root.Name = "Form1";
    TFormObject Named = Root;
    Named.Name = Bad;
    EXPECT_THROW(WriteFormData(Named), EInvalidOperation) << Bad;
    TFormObject Prop = Root;
    Prop.Props = {{"Align", TFormValue::Ident(Bad)}};
    EXPECT_THROW(WriteFormData(Prop), EInvalidOperation) << Bad;
  }
}

}  // namespace
