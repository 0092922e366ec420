#!/usr/bin/env bash
# The translations are whole and up to date: the template holds exactly the texts the
# sources mark, every language of LINGUAS has its catalogue and every catalogue has every
# text of the template, translated (nothing fuzzy or missing), passing msgfmt's checks,
# with the same numbered places (%1, %2...) as the English and a key marked with & where
# the English marks one.
# Usage: po_check.sh SOURCE_DIR
set -uo pipefail
cd "$1"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The texts, not where they stand: a line moved in a source is no new text.
texts() { msgcat --no-location --no-wrap --sort-output "$1" | sed '/^"POT-Creation-Date:/d'; }
scripts/update-pot "$work/now.pot"
diff <(texts po/vantello.pot) <(texts "$work/now.pot") >"$work/template.diff" ||
  fail "po/vantello.pot is out of date with the sources: run scripts/update-pot and merge the catalogues
$(head -n 20 "$work/template.diff")"

mapfile -t languages < <(sed 's/#.*//' po/LINGUAS | tr ' \t' '\n\n' | sed '/^$/d')
shopt -s nullglob
for po in po/*.po; do
  lang=$(basename "$po" .po)
  printf '%s\n' "${languages[@]}" | grep -qx "$lang" || fail "$po is not named in po/LINGUAS"
done
for lang in "${languages[@]}"; do
  po=po/$lang.po
  [ -f "$po" ] || { fail "po/LINGUAS names $lang but there is no $po"; continue; }
  stats=$(msgfmt --check --statistics -o /dev/null "$po" 2>&1) || fail "$po: msgfmt --check: $stats"
  case $stats in *fuzzy* | *untranslated*) fail "$po is not complete: $stats" ;; esac
  missing=$(msgcmp "$po" po/vantello.pot 2>&1) || fail "$po lacks texts of the template: $(echo "$missing" | head -n 5)"
  # Each entry's numbered places, in the English and in every form of the translation.
  msgcat --no-wrap "$po" | awk -v po="$po" '
    function places(s,   out, d, n, rest) {
      out = ""
      for (d = 1; d <= 9; d++) {
        n = 0; rest = s
        while ((i = index(rest, "%" d)) > 0) { n++; rest = substr(rest, i + 2) }
        if (n) out = out "%" d (n > 1 ? "x" n : "") " "
      }
      return out
    }
    function check() {
      if (id == "" || obsolete) return
      # The key of a button, marked "&Yes": the translation marks one too.
      if (id ~ /&[[:alnum:]]/) for (k in str) if (str[k] !~ /&[^ ]/) {
        print "FAIL: " po ": \"" id "\" marks its key with & but its translation \"" str[k] "\" does not"
        bad++
      }
      for (k in str) if (places(str[k]) != places(id)) {
        print "FAIL: " po ": \"" id "\" has " (places(id) == "" ? "no places" : places(id)) \
              "but its translation \"" str[k] "\" has " (places(str[k]) == "" ? "none" : places(str[k]))
        bad++
      }
    }
    function text(line) { sub(/^[^"]*"/, "", line); sub(/"$/, "", line); return line }
    /^#~/ { obsolete = 1; next }
    /^msgid / { check(); delete str; id = text($0); part = "id"; obsolete = 0; next }
    /^msgid_plural / { part = "plural"; next }
    /^msgstr/ { key = $1; str[key] = text($0); part = "str"; next }
    /^"/ { if (part == "id") id = id text($0); else if (part == "str") str[key] = str[key] text($0); next }
    END { check(); exit bad > 0 }' || failures=$((failures + 1))
done

[ "$failures" -eq 0 ] && echo "ok: the template is current and ${#languages[@]} catalogue(s) are complete"
exit $((failures > 0))
