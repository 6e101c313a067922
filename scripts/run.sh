#!/usr/bin/env bash
# Builds the reader and starts it on the comic named, or on a sample comic.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh" panelvue make_sample_comic
if [ $# -eq 0 ]; then
    sample="$root/build/sample/Sample Comic.cbz"
    if [ ! -f "$sample" ]; then
        mkdir -p "$root/build/sample"
        "$root/build/make_sample_comic" "$sample" 12
    fi
    set -- "$sample"
fi
exec "$root/build/panelvue" "$@"
