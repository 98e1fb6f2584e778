#include "FormDataWriter.h"

#include "TypInfo.h"

namespace Scindora {

namespace {

bool IsIdent(const std::string& S) {
  if (S.empty()) return false;
  for (size_t I = 0; I < S.size(); ++I) {
    char C = S[I];
    bool Letter = (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_';
    if (!Letter && !(I > 0 && C >= '0' && C <= '9')) return false;
  }
  return true;
}

const std::string& CheckIdent(const std::string& S) {
  if (!IsIdent(S)) throw EInvalidOperation("Identifiant incorrect dans les données de fiche : « " + S + " »");
  return S;
}

std::string Quote(const std::string& S) {
  std::string R = "\"";
  for (char C : S) {
    switch (C) {
      case '"': R += "\\\""; break;
      case '\\': R += "\\\\"; break;
      case '\n': R += "\\n"; break;
      case '\r': R += "\\r"; break;
      case '\t': R += "\\t"; break;
      default: R += C;
    }
  }
  return R + "\"";
}

class TWriter {
public:
  std::string Out;

  void Entry(const TFormObject& Obj, int Level) {
    Indent(Level);
    Out += CheckIdent(Obj.ClassName) + " " + CheckIdent(Obj.Name) + " {\n";
    for (const TFormProperty& P : Obj.Props) Property(P, Level + 1);
    for (const TFormObject& Child : Obj.Children) Entry(Child, Level + 1);
    Indent(Level);
    Out += "}\n";
  }

private:
  void Indent(int Level) { Out.append(4 * Level, ' '); }

  void Property(const TFormProperty& P, int Level) {
    Indent(Level);
    Out += CheckIdent(P.Name) + ": ";
    Value(P.Value, Level);
    Out += "\n";
  }

  static bool IsPlain(const TFormValue& V) { return V.Kind != TFormValue::vkList && V.Kind != TFormValue::vkBlock; }

  // Writes V from the current position; Level is the indentation of the line it starts on.
  void Value(const TFormValue& V, int Level) {
    switch (V.Kind) {
      case TFormValue::vkInteger: Out += std::to_string(V.Int); break;
      case TFormValue::vkString: Out += Quote(V.Str); break;
      case TFormValue::vkIdent: Out += CheckIdent(V.Str); break;
      case TFormValue::vkList: {
        bool Plain = true;
        for (const TFormValue& Item : V.Items) Plain = Plain && IsPlain(Item);
        if (Plain) {
          Out += "[";
          for (size_t I = 0; I < V.Items.size(); ++I) {
            if (I) Out += ", ";
            Value(V.Items[I], Level);
          }
          Out += "]";
        } else {
          Out += "[\n";
          for (size_t I = 0; I < V.Items.size(); ++I) {
            Indent(Level + 1);
            Value(V.Items[I], Level + 1);
            Out += I + 1 < V.Items.size() ? ",\n" : "\n";
          }
          Indent(Level);
          Out += "]";
        }
        break;
      }
      case TFormValue::vkBlock:
        if (V.Props.empty()) {
          Out += "{}";
          break;
        }
        Out += "{\n";
        for (const TFormProperty& P : V.Props) Property(P, Level + 1);
        Indent(Level);
        Out += "}";
        break;
    }
  }
};

}  // namespace

std::string WriteFormData(const TFormObject& Root) {
  TWriter W;
  W.Entry(Root, 0);
  return W.Out;
}

TFormObject ComponentToTree(const TComponent& Root) {
  TFormObject Obj;
  Obj.ClassName = Root.ClassName();
  Obj.Name = Root.Name();
  Obj.Props = WriteProperties(Root);
  for (const TComponent* Child : Root.ChildrenToWrite()) Obj.Children.push_back(ComponentToTree(*Child));
  return Obj;
}

}  // namespace Scindora
