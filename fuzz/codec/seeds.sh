#!/usr/bin/env bash
# Seeds for the codec's fuzz targets, made at run time by the media tool from
# the small pictures and sounds in assets/ (and a few made here).
# Usage: seeds.sh TARGET SEED_FOLDER FUZZ_BUILD_FOLDER
set -euo pipefail
target=$1
out=$2
build=$3
case "$target" in
fuzz-unpackstream | fuzz-mediarecord) ;;
*) exit 0 ;;
esac
root=$(cd "$(dirname "$0")/../.." && pwd)
tool="$build/ztrn-media"
[ -x "$tool" ] || { echo "seeds.sh: $tool is missing" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Small inputs of each kind: pictures of 1 to 24 bits, sounds, text, and a
# cut of a large sound that spans two blocks.
inputs=()
while IFS= read -r f; do
    inputs+=("$f")
done < <(find "$root/assets" -maxdepth 2 -type f \( -name '*.bmp' -o -name '*.wav' \) \
    -size -12k 2>/dev/null | sort | head -n 24)
printf 'BM\x46\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x02\x00\x00\x00\x02\x00\x00\x00\x01\x00\x18\x00\x00\x00\x00\x00\x10\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xff\x00\x00\x00\xff\x00\x00\x00\x00\x00\xff\xff\xff\xff\x00\x00' \
    >"$scratch/tiny.bmp"
inputs+=("$scratch/tiny.bmp")
for k in $(seq 1 200); do printf 'Kreuzung Strasse Damm %d ' "$k"; done >"$scratch/text.txt"
inputs+=("$scratch/text.txt")
if [ -f "$root/assets/solved.wav" ]; then
    head -c 40000 "$root/assets/solved.wav" >"$scratch/long.wav"
    inputs+=("$scratch/long.wav")
fi

n=0
for f in "${inputs[@]}"; do
    n=$((n + 1))
    if [ "$target" = fuzz-unpackstream ]; then
        "$tool" pack "$f" "$out/pack-$n"
        continue
    fi
    "$tool" record --ident "$n" "$f" "$out/record-$n"
    case $((n % 4)) in
    0) "$tool" record --stored "$f" "$out/stored-$n" ;;
    1) "$tool" record --description "seed $n" "$f" "$out/described-$n" ;;
    esac
    case "$f" in
    *.bmp) "$tool" record --pixel-format 4bit --ident 2 "$f" "$out/4bit-$n" 2>/dev/null || true ;;
    esac
done
