#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a user's machine
# gets: question 4's diagrams and exhibit in share/netadmin-quiz, and a menu
# entry that starts the program in that folder (validated when
# desktop-file-validate is given), and the AppStream metadata, in a file
# named after its component id (the whole tree validated when appstreamcli is
# given).
set -euo pipefail
cmake="$1" build="$2" root="$3" validate="${4:-}" appstreamcli="${5:-}"
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
metainfo=$(find "$prefix/share/metainfo" -name '*.metainfo.xml' 2>/dev/null || true)
id=$(if [ -f "$metainfo" ]; then sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$metainfo"; fi)
if [ "$metainfo" != "$prefix/share/metainfo/$id.metainfo.xml" ]; then
    echo "FAIL: the AppStream metadata of $id is installed as ${metainfo:-nothing}"
    exit 1
fi
if [ -n "$appstreamcli" ]; then
    "$appstreamcli" validate-tree --no-net --pedantic "$root"
fi
echo "install tree: ok ($share)"
