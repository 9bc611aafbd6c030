#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a user's machine
# gets: question 4's diagrams and exhibit in share/netadmin-quiz, and a menu
# entry that starts the program in that folder (validated when
# desktop-file-validate is given).
set -euo pipefail
cmake="$1" build="$2" root="$3" validate="${4:-}"
prefix="$root/usr"
rm -rf "$root"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
share="$prefix/share/netadmin-quiz"
for f in mypic.gif mypic.jpg cool.txt; do
    if [ ! -s "$share/$f" ]; then
        echo "FAIL: $share/$f is not installed"
        exit 1
    fi
done
entry="$prefix/share/applications/netadmin-quiz.desktop"
if ! grep -qx "Path=$share" "$entry"; then
    echo "FAIL: the menu entry does not start the program in $share:"
    cat "$entry"
    exit 1
fi
if [ -n "$validate" ]; then
    "$validate" "$entry"
fi
echo "install tree: ok ($share)"
