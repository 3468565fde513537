#!/usr/bin/env bash
# Installs what is needed, builds Tavrin and starts it in a ready demo folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ -z "${DISPLAY:-}" ]; then
  echo "No X display: set DISPLAY (on Wayland, XWayland provides one) and run this again." >&2
  exit 1
fi
"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$root/build"
"$root/tools/make-demo.sh" "$root/build/demo"
cd "$root/build/demo"
exec "$root/build/app/tavrin"
