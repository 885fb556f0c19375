#!/usr/bin/env bash
# Builds the fuzz project and runs every target for a bounded number of runs.
#   spusti.sh <source root> <fuzz build dir> [runs] [max_len] [seconds per target] [name glob]
# Each target stops after the runs or the seconds, whichever comes first. Exit 0 when every target ran clean, 77 when clang++ is missing, 1 otherwise.
set -u
ZDROJ=$1
BUILD=$2
RUNS=${3:-20000}
MAXLEN=${4:-20000}
SEKUNDY=${5:-240}
VZOR=${6:-*}

CXX=$(command -v clang++ || command -v clang++-14 || true)
if [ -z "$CXX" ]; then
  echo "clang++ not found: fuzz targets skipped (./kevrot.sh setup installs clang)"
  exit 77
fi

cmake -S "$ZDROJ/fuzz" -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER="$CXX" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$BUILD.konfiguracia.log" 2>&1 || {
  cat "$BUILD.konfiguracia.log"; echo "fuzz: configuration failed"; exit 1; }
cmake --build "$BUILD" -j2 >"$BUILD.zostavenie.log" 2>&1 || {
  tail -60 "$BUILD.zostavenie.log"; echo "fuzz: build failed"; exit 1; }

chyba=0
pocet=0
mkdir -p "$BUILD/nalezy"
for program in "$BUILD"/ciele/fuzz_$VZOR; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  meno=$(basename "$program")
  kratke=${meno#fuzz_}
  korpus="$BUILD/korpus/$kratke"
  mkdir -p "$korpus"
  semena=()
  [ -d "$ZDROJ/fuzz/corpus/$kratke" ] && semena=("$ZDROJ/fuzz/corpus/$kratke")
  pocet=$((pocet + 1))
  if "$program" -runs="$RUNS" -max_len="$MAXLEN" -max_total_time="$SEKUNDY" -rss_limit_mb=2048 -timeout=20 \
      -artifact_prefix="$BUILD/nalezy/$meno-" "$korpus" "${semena[@]}" >"$BUILD/$meno.log" 2>&1; then
    echo "$meno: $(grep -Eo '^Done [0-9]+ runs' "$BUILD/$meno.log" || echo "$RUNS runs"), no fault"
  else
    echo "$meno: FAULT (artifacts in $BUILD/nalezy)"
    tail -60 "$BUILD/$meno.log"
    chyba=1
  fi
done
if [ "$pocet" -eq 0 ]; then
  echo "fuzz: no target was built"
  exit 1
fi
exit $chyba
