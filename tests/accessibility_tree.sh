#!/usr/bin/env bash
# Runs accessibility_tree.py (its arguments are this script's) under a
# virtual display and a fresh session bus with the accessibility bus; exits
# 77 (skipped) when a tool is missing.
for tool in xvfb-run dbus-run-session /usr/bin/python3 /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$tool" >/dev/null 2>&1 && [ ! -x "$tool" ]; then
        echo "SKIP: $tool is missing (packages xvfb, dbus-daemon, at-spi2-core, python3-pyatspi)"
        exit 77
    fi
done
here="$(cd "$(dirname "$0")" && pwd)"
# The accessibility bus is started on demand by the session bus.
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24" \
    /usr/bin/python3 "$here/accessibility_tree.py" "$@"
