#!/usr/bin/env bash
# Makes a ready demo folder: tools/make-demo.sh <folder>
# data.db from demo/demo.sql and the seven skins.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
folder="$1"
mkdir -p "$folder"
rm -f "$folder/data.db"
sqlite3 "$folder/data.db" < "$root/demo/demo.sql"
rm -rf "$folder/skins"
cp -r "$root/assets/skins" "$folder/skins"
