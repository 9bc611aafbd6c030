#!/usr/bin/env bash
# Runs screen_reader.py (its arguments are this script's) on a private
# session bus; exits 77 (skipped) when a tool it needs is missing.
for tool in dbus-run-session Xvfb openbox orca xdotool xprop xwininfo /usr/bin/python3 /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing (packages dbus-daemon, xvfb, openbox, orca, xdotool, x11-utils, at-spi2-core)"
        exit 77
    fi
done
exec dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$@"
