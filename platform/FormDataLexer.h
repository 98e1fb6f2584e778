// Splits form data text into tokens, each with its line. No window code here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FormDataTree.h"

namespace Scindora {

enum TFormTokenKind {
  tkEnd,       // end of the text; always the last token
  tkIdent,     // [A-Za-z_][A-Za-z0-9_]*
  tkInteger,   // optional '-' then decimal digits
  tkString,    // "..." with \" \\ \n \r \t; Text holds the decoded UTF-8
  tkColon,
  tkComma,
  tkLBrace,
  tkRBrace,
  tkLBracket,
  tkRBracket
};

struct TFormToken {
  TFormTokenKind Kind = tkEnd;
  std::string Text;   // tkIdent, tkString
  int64_t Int = 0;    // tkInteger
  int Line = 1;
};

// The whole text as tokens, ending with tkEnd. A leading UTF-8 byte order mark is skipped;
// '#' starts a comment to the end of the line. Raises EFormDataError naming the line for an
// unterminated string, an unknown escape, invalid UTF-8 in a string, a number out of range
// or a character that starts no token.
std::vector<TFormToken> TokenizeFormData(const std::string& Text);

// How an error message names a token: "« { »", "l'identifiant Caption", "la fin des données".
std::string DescribeToken(const TFormToken& Token);

}  // namespace Scindora
