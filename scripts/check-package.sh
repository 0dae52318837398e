#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, checks its manual pages, installs it
# with apt and runs the installed host's curveplot demo under a private X server until its window
# shows; then closes the window as a user does and expects the host's exit code 0.
# Usage: bash scripts/check-package.sh [BUILD_DIR]   (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi

echo "== package =="
rm -f "$build"/korvena-tools_*.deb
(cd "$build" && cpack -G DEB > cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
package=$(ls "$build"/korvena-tools_*_amd64.deb)
dpkg-deb --field "$package" Package Version Depends Recommends

echo "== manual pages =="
for page in "$build"/man/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "$page: $warnings"
    exit 1
  fi
  echo "$(basename "$page"): renders without a warning"
done

echo "== install =="
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y -q "./$package" > "$build/apt-install.log" 2>&1 || { cat "$build/apt-install.log"; exit 1; }
host=$(command -v korvena-host)
[ "$host" = /usr/bin/korvena-host ] || { echo "korvena-host is $host, not the installed one"; exit 1; }
"$host" --version
man -w shakeplay-export

echo "== installed demo =="
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  korvena-host demo curveplot > /dev/null &
  hostPid=$!
  window=
  for _ in $(seq 1 600); do
    window=$(xdotool search --onlyvisible --class "^curveplot$" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -z "$window" ]; then echo "no curveplot window within a minute"; kill "$hostPid"; exit 1; fi
  echo "curveplot shows window $window: $(xdotool getwindowname "$window")"
  xdotool windowfocus --sync "$window" key Escape
  wait "$hostPid"
  echo "the host ended with 0 once the window was closed"
'
