#include "FormDataParser.h"

#include "FormDataLexer.h"

namespace Scindora {

namespace {

// Far beyond any real form, well within the stack of a recursive descent.
constexpr int MaxDepth = 100;

class TParser {
public:
  explicit TParser(const std::string& Text) : Tokens(TokenizeFormData(Text)) {}

  TFormObject Run() {
    if (Peek().Kind == tkEnd) throw EFormDataError("Les données de fiche sont vides", Peek().Line);
    TFormObject Root = Entry();
    if (Peek().Kind != tkEnd)
      throw EFormDataError("Texte inattendu après la fin de " + Root.Name + " : " + DescribeToken(Peek()),
                           Peek().Line);
    return Root;
  }

private:
  const TFormToken& Peek(size_t Ahead = 0) const {
    size_t I = Pos + Ahead;
    return I < Tokens.size() ? Tokens[I] : Tokens.back();
  }
  const TFormToken& Take() {
    const TFormToken& T = Peek();
    if (Pos < Tokens.size() - 1) ++Pos;
    return T;
  }
  [[noreturn]] void Expected(const std::string& What, const std::string& Where) const {
    throw EFormDataError(What + " " + Where + ", trouvé " + DescribeToken(Peek()), Peek().Line);
  }
  const TFormToken& Expect(TFormTokenKind Kind, const std::string& What, const std::string& Where) {
    if (Peek().Kind != Kind) Expected(What, Where);
    return Take();
  }

  struct TDepth {
    explicit TDepth(TParser& AOwner, int Line) : Owner(AOwner) {
      if (++Owner.Depth > MaxDepth) throw EFormDataError("Imbrication trop profonde", Line);
    }
    ~TDepth() { --Owner.Depth; }
    TParser& Owner;
  };

  // ClassName Name { (Prop: value | ClassName Name { ... })* }
  TFormObject Entry() {
    TFormObject Obj;
    const TFormToken& Class = Expect(tkIdent, "Nom de classe attendu", "en début de composant");
    TDepth Guard(*this, Class.Line);
    Obj.ClassName = Class.Text;
    Obj.Line = Class.Line;
    Obj.Name = Expect(tkIdent, "Nom de composant attendu", "après " + Obj.ClassName).Text;
    Expect(tkLBrace, "« { » attendu", "après " + Obj.ClassName + " " + Obj.Name);
    for (;;) {
      const TFormToken& T = Peek();
      if (T.Kind == tkRBrace) {
        Take();
        return Obj;
      }
      if (T.Kind == tkEnd)
        throw EFormDataError("« } » manquant : " + Obj.Name + " (ligne " + std::to_string(Obj.Line) +
                                 ") n'est pas fermé",
                             T.Line);
      if (T.Kind != tkIdent) Expected("Propriété ou composant attendu", "dans " + Obj.Name);
      if (Peek(1).Kind == tkIdent) Obj.Children.push_back(Entry());
      else Obj.Props.push_back(Property());
    }
  }

  TFormProperty Property() {
    TFormProperty Prop;
    const TFormToken& Name = Take();
    Prop.Name = Name.Text;
    Prop.Line = Name.Line;
    if (Peek().Kind != tkColon)
      throw EFormDataError("« : » attendu après " + Prop.Name + ", trouvé " + DescribeToken(Peek()), Name.Line);
    Take();
    Prop.Value = Value("après " + Prop.Name + " :");
    return Prop;
  }

  TFormValue Value(const std::string& Where) {
    const TFormToken& T = Peek();
    switch (T.Kind) {
      case tkInteger: Take(); return TFormValue::Integer(T.Int, T.Line);
      case tkString: Take(); return TFormValue::String(T.Text, T.Line);
      case tkIdent: Take(); return TFormValue::Ident(T.Text, T.Line);
      case tkLBracket: return List();
      case tkLBrace: return Block();
      default: Expected("Valeur attendue", Where);
    }
  }

  // [ ] or [ value (, value)* ]
  TFormValue List() {
    const TFormToken& Open = Take();
    TDepth Guard(*this, Open.Line);
    TFormValue Result = TFormValue::List({}, Open.Line);
    if (Peek().Kind == tkRBracket) {
      Take();
      return Result;
    }
    for (;;) {
      Result.Items.push_back(Value("dans la liste"));
      if (Peek().Kind == tkRBracket) {
        Take();
        return Result;
      }
      Expect(tkComma, "« , » ou « ] » attendu", "dans la liste de la ligne " + std::to_string(Open.Line));
    }
  }

  // { (Prop: value)* }
  TFormValue Block() {
    const TFormToken& Open = Take();
    TDepth Guard(*this, Open.Line);
    TFormValue Result = TFormValue::Block({}, Open.Line);
    for (;;) {
      if (Peek().Kind == tkRBrace) {
        Take();
        return Result;
      }
      if (Peek().Kind != tkIdent)
        Expected("Propriété ou « } » attendu", "dans le bloc de la ligne " + std::to_string(Open.Line));
      Result.Props.push_back(Property());
    }
  }

  std::vector<TFormToken> Tokens;
  size_t Pos = 0;
  int Depth = 0;
};

}  // namespace

TFormObject ParseFormData(const std::string& Text) { return TParser(Text).Run(); }

}  // namespace Scindora
