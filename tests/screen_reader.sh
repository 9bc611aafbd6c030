#!/usr/bin/env bash
# Runs screen_reader.py (its arguments are this script's) on a private
# session bus; exits 77 (skipped) when a tool it needs is missing.
for tool in dbus-run-session Xvfb openbox orca xdotool xprop xwininfo qt6ct /usr/bin/python3 /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing (packages dbus-daemon, xvfb, openbox, orca, xdotool, x11-utils, at-spi2-core, qt6ct)"
        exit 77
    fi
done
run=(dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$@")
# Orca will not start while another Orca of the same user runs (another run of
# this test, say): in a PID namespace of its own, where one may be made, it
# sees only its own, and all that the run started ends with it. sh heads the
# namespace and inherits the run's orphans, which dbus-run-session would report.
if unshare --pid --fork --mount-proc --kill-child true 2>/dev/null; then
    exec unshare --pid --fork --mount-proc --kill-child /bin/sh -c '"$@"; exit $?' sh "${run[@]}"
fi
exec "${run[@]}"
