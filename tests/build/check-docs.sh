#!/usr/bin/env bash
# Every path, script and ctest entry that README.md and docs/*.md name in
# backticks exists:
#   check-docs.sh ROOT
# A path is a word with a "/" or a source file's extension; Windows paths,
# URLs, switches and what only a build makes (build/...) are not. Of a
# command, its first word after any VAR=value. A ctest entry is named as
# "ctest entry `NAME`" (or "ctest entries `A`, `B` and `C`") or as "-R NAME"
# in backticks; each must be an add_test name.
set -uo pipefail
cd "$1" || exit 2
missing=0
say() { echo "missing: $1"; missing=1; }
# Each document on one line, its fenced blocks left out.
text=$(for doc in README.md docs/*.md; do
    awk '/^```/ { fenced = !fenced; next } !fenced' "$doc" | tr '\n' ' ' | tr -s ' '
    echo
done)
spans=$(grep -oE '`[^`]+`' <<<"$text" | tr -d '`')

while read -r span; do
    read -ra words <<<"$span"
    word=""
    for w in "${words[@]}"; do [[ $w =~ ^[A-Za-z_][A-Za-z0-9_]*= ]] || { word=$w; break; }; done
    case $word in
        '' | -* | /* | '~'* | '$'* | '%'* | '"'* | *'\'* | *:* | build/*) continue ;;
    esac
    [[ $word == */* || $word =~ \.(sh|cpp|h|md|png|rc|cmake|sed|svg|manifest)$ ]] || continue
    compgen -G "$word" >/dev/null || say "$word"
done <<<"$spans"

# The ctest entries: add_test names, "${...}" standing for any text.
mapfile -t patterns < <(find . -path ./build -prune -o \( -name CMakeLists.txt -o -name '*.cmake' \) \
    -exec grep -ohE 'add_test\(NAME [^ )]+' {} + | sed -E 's/add_test\(NAME //; s/\$\{[^}]*\}/*/g')
named=$( (grep -oE 'ctest entr(y|ies) `[A-Za-z0-9_]+`((,| and| or) `[A-Za-z0-9_]+`)*' <<<"$text" | grep -oE '`[^`]+`'
    grep -oE -- '-R [A-Za-z0-9_]+' <<<"$spans" | sed 's/^-R //') | tr -d '`' | sort -u)
for name in $named; do
    found=0
    for pattern in "${patterns[@]}"; do
        # shellcheck disable=SC2053
        [[ $name == $pattern ]] && found=1 && break
    done
    [ $found = 1 ] || say "ctest entry $name"
done
exit $missing
