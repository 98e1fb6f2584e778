#include "FormDataLexer.h"

#include <limits>

namespace Scindora {

namespace {

bool IsIdentStart(char C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_'; }
bool IsDigit(char C) { return C >= '0' && C <= '9'; }
bool IsIdentChar(char C) { return IsIdentStart(C) || IsDigit(C); }

// Length of the well-formed UTF-8 sequence at S[I] (no overlong forms, no surrogates, at most
// U+10FFFF), or 0.
size_t Utf8SequenceLength(const std::string& S, size_t I) {
  auto Byte = [&](size_t K) { return K < S.size() ? static_cast<unsigned char>(S[K]) : 0u; };
  unsigned B0 = Byte(I);
  auto Cont = [&](size_t K) { return (Byte(K) & 0xC0) == 0x80; };
  if (B0 < 0x80) return 1;
  if (B0 >= 0xC2 && B0 <= 0xDF) return Cont(I + 1) ? 2 : 0;
  if (B0 >= 0xE0 && B0 <= 0xEF) {
    unsigned B1 = Byte(I + 1);
    if ((B0 == 0xE0 && B1 < 0xA0) || (B0 == 0xED && B1 > 0x9F)) return 0;
    return Cont(I + 1) && Cont(I + 2) ? 3 : 0;
  }
  if (B0 >= 0xF0 && B0 <= 0xF4) {
    unsigned B1 = Byte(I + 1);
    if ((B0 == 0xF0 && B1 < 0x90) || (B0 == 0xF4 && B1 > 0x8F)) return 0;
    return Cont(I + 1) && Cont(I + 2) && Cont(I + 3) ? 4 : 0;
  }
  return 0;
}

std::string DescribeChar(char C) {
  auto U = static_cast<unsigned char>(C);
  if (U > 0x20 && U < 0x7F) return std::string("« ") + C + " »";
  static const char Hex[] = "0123456789ABCDEF";
  return std::string("de code 0x") + Hex[U >> 4] + Hex[U & 15];
}

class TLexer {
public:
  explicit TLexer(const std::string& AText) : S(AText) {
    if (S.compare(0, 3, "\xEF\xBB\xBF") == 0) P = 3;
  }

  std::vector<TFormToken> Run() {
    std::vector<TFormToken> Tokens;
    for (;;) {
      SkipBlanks();
      TFormToken T;
      T.Line = Line;
      if (P >= S.size()) {
        // The end is reported on the last line that holds anything, not on a trailing blank one.
        T.Line = LastLine;
        Tokens.push_back(T);
        return Tokens;
      }
      char C = S[P];
      switch (C) {
        case ':': T.Kind = tkColon; ++P; break;
        case ',': T.Kind = tkComma; ++P; break;
        case '{': T.Kind = tkLBrace; ++P; break;
        case '}': T.Kind = tkRBrace; ++P; break;
        case '[': T.Kind = tkLBracket; ++P; break;
        case ']': T.Kind = tkRBracket; ++P; break;
        case '"': ReadString(T); break;
        default:
          if (IsIdentStart(C)) {
            size_t Start = P;
            while (P < S.size() && IsIdentChar(S[P])) ++P;
            T.Kind = tkIdent;
            T.Text = S.substr(Start, P - Start);
          } else if (IsDigit(C) || (C == '-' && P + 1 < S.size() && IsDigit(S[P + 1]))) {
            ReadInteger(T);
          } else {
            throw EFormDataError("Caractère inattendu " + DescribeChar(C), Line);
          }
      }
      LastLine = Line;
      Tokens.push_back(std::move(T));
    }
  }

private:
  void SkipBlanks() {
    while (P < S.size()) {
      char C = S[P];
      if (C == '\n') {
        ++Line;
        ++P;
      } else if (C == ' ' || C == '\t' || C == '\r') {
        ++P;
      } else if (C == '#') {
        LastLine = Line;
        while (P < S.size() && S[P] != '\n') ++P;
      } else {
        return;
      }
    }
  }

  void ReadInteger(TFormToken& T) {
    size_t Start = P;
    bool Negative = S[P] == '-';
    if (Negative) ++P;
    // Accumulate negatively so that the most negative value fits.
    int64_t Value = 0;
    bool Overflow = false;
    while (P < S.size() && IsDigit(S[P])) {
      int Digit = S[P] - '0';
      if (Value < (std::numeric_limits<int64_t>::min() + Digit) / 10) Overflow = true;
      else Value = Value * 10 - Digit;
      ++P;
    }
    if (P < S.size() && IsIdentChar(S[P])) {
      while (P < S.size() && IsIdentChar(S[P])) ++P;
      throw EFormDataError("Nombre incorrect : " + S.substr(Start, P - Start), Line);
    }
    if (!Negative) {
      if (Value == std::numeric_limits<int64_t>::min()) Overflow = true;
      else Value = -Value;
    }
    if (Overflow) throw EFormDataError("Nombre hors limites : " + S.substr(Start, P - Start), Line);
    T.Kind = tkInteger;
    T.Int = Value;
  }

  void ReadString(TFormToken& T) {
    T.Kind = tkString;
    ++P;
    for (;;) {
      if (P >= S.size() || S[P] == '\n' || S[P] == '\r')
        throw EFormDataError("Chaîne non terminée", T.Line);
      char C = S[P];
      if (C == '"') {
        ++P;
        return;
      }
      if (C == '\\') {
        char E = P + 1 < S.size() ? S[P + 1] : '\0';
        switch (E) {
          case '"': T.Text += '"'; break;
          case '\\': T.Text += '\\'; break;
          case 'n': T.Text += '\n'; break;
          case 'r': T.Text += '\r'; break;
          case 't': T.Text += '\t'; break;
          default:
            if (E == '\0' || E == '\n' || E == '\r') throw EFormDataError("Chaîne non terminée", T.Line);
            throw EFormDataError("Séquence d'échappement inconnue : \\" + std::string(1, E), Line);
        }
        P += 2;
        continue;
      }
      size_t Len = Utf8SequenceLength(S, P);
      if (Len == 0) throw EFormDataError("Texte UTF-8 incorrect dans une chaîne", Line);
      T.Text.append(S, P, Len);
      P += Len;
    }
  }

  const std::string& S;
  size_t P = 0;
  int Line = 1;
  int LastLine = 1;
};

}  // namespace

std::vector<TFormToken> TokenizeFormData(const std::string& Text) { return TLexer(Text).Run(); }

std::string DescribeToken(const TFormToken& Token) {
  switch (Token.Kind) {
    case tkEnd: return "la fin des données";
    case tkIdent: return "l'identifiant " + Token.Text;
    case tkInteger: return "le nombre " + std::to_string(Token.Int);
    case tkString: return "une chaîne";
    case tkColon: return "« : »";
    case tkComma: return "« , »";
    case tkLBrace: return "« { »";
    case tkRBrace: return "« } »";
    case tkLBracket: return "« [ »";
    case tkRBracket: return "« ] »";
  }
  return "?";
}

}  // namespace Scindora
