#!/bin/sh
# Reads the built help file back with a CHM reader of its own (libchm's
# extract_chmLib, or 7z) and checks what the viewer relies on: the default
# topic, the pages behind the contents and the index, the links between pages,
# and that the pages are in the ANSI code page they declare.
# Usage: help_test.sh <Scindora.chm>
set -eu
chm=${1:?usage: help_test.sh Scindora.chm}
[ -f "$chm" ] || { echo "no help file at $chm" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if command -v extract_chmLib >/dev/null 2>&1; then
  extract_chmLib "$chm" "$out/chm" >/dev/null
elif command -v 7z >/dev/null 2>&1; then
  7z x -y -o"$out/chm" "$chm" >/dev/null
else
  echo "neither extract_chmLib (libchm-bin) nor 7z is installed" >&2; exit 1
fi
cd "$out/chm"
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

# #SYSTEM: a version word, then records of code (16 bits), length (16 bits)
# and data; code 0 names the contents file, 1 the index, 2 the default topic.
system_string() {
  od -An -v -tu1 '#SYSTEM' | awk -v want="$1" '
    { for (i = 1; i <= NF; i++) b[n++] = $i }
    END {
      p = 4
      while (p + 4 <= n) {
        code = b[p] + 256 * b[p + 1]; len = b[p + 2] + 256 * b[p + 3]; p += 4
        if (code == want) {
          for (i = p; i < p + len && b[i] != 0; i++) printf "%c", b[i]
          exit
        }
        p += len
      }
    }'
}
[ -f '#SYSTEM' ] || { echo "FAIL: no #SYSTEM in $chm" >&2; exit 1; }
contents=$(system_string 0)
index=$(system_string 1)
topic=$(system_string 2)
[ -n "$topic" ] || fail "no default topic"
[ -n "$topic" ] && [ ! -f "./$topic" ] && fail "default topic $topic is not in the help file"
[ -n "$contents" ] || fail "no contents file"
[ -n "$index" ] || fail "no index file"

# Every entry of the contents and the index opens a page of the help file.
for sitemap in $contents $index; do
  [ -f "$sitemap" ] || { fail "$sitemap is not in the help file"; continue; }
  pages=$(grep -io 'name="Local" value="[^"]*"' "$sitemap" | sed 's/.*value="//; s/"$//')
  [ -n "$pages" ] || fail "$sitemap lists no page"
  for page in $pages; do
    [ -f "./$page" ] || fail "$sitemap lists $page, which is not in the help file"
  done
done

# Pages decoded from windows-1252, with the non-breaking spaces read as blanks.
for page in *.html; do
  grep -qi 'charset=windows-1252' "$page" || fail "$page declares no windows-1252 charset"
  iconv -f CP1252 -t UTF-8 "$page" > "$out/$page.utf8" || fail "$page is not windows-1252 text"
  sed 's/&nbsp;/ /g; s/\xc2\xa0/ /g; s/&gt;/>/g; s/&amp;/\&/g' "$out/$page.utf8" > "$out/$page.txt"
  for target in $(grep -o 'href="[^"#:]*"' "$page" | sed 's/href="//; s/"$//'); do
    [ -f "./$target" ] || fail "$page links to $target, which is not in the help file"
  done
done

# What the user must find, page by page.
while IFS='|' read -r page text; do
  [ -n "$page" ] || continue
  grep -qF -- "$text" "$out/$page.txt" 2>/dev/null || fail "$page does not say: $text"
done <<'TEXTS'
index.html|RESTORE.BAT
index.html|Fractionner le fichier sélectionné
utilisation.html|Disquette normale
utilisation.html|1 457 664 octets
utilisation.html|Disquette Zip100
utilisation.html|100 431 872 octets
utilisation.html|Autre
utilisation.html|Choisir le répertoire de destination
utilisation.html|2 147 483 647
restauration.html|RESTORE.BAT
restauration.html|ATTRIB *.FRG -A -H -R -S
restauration.html|COPY /B *.FRG
restauration.html|DEL *.FRG
restauration.html|Ne mélangez pas deux fractionnements dans un même dossier.
messages.html|Vous devez saisir une valeur numérique entière non formatée.
messages.html|Impossible d'ouvrir le fichier Source !
messages.html|Taille du fichier correcte. Fractionnement inutile !
messages.html|Impossible de créer le fichier "00000003.frg".
messages.html|Impossible de créer le répertoire
messages.html|Erreur d'écriture dans le flux
messages.html|Erreur de lecture du flux
messages.html|Fractionnement annulé par l'utilisateur.
messages.html|Accès au fichier refusé
TEXTS

# The contents shows its titles in the same code page.
iconv -f CP1252 -t UTF-8 "$contents" 2>/dev/null | grep -qF 'Présentation de Scindora' \
  || fail "$contents does not show \"Présentation de Scindora\" in windows-1252"

[ $status -eq 0 ] && echo "help file $chm: default topic $topic, contents $contents, index $index: OK"
exit $status
