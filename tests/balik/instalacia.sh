#!/usr/bin/env bash
# The Debian package as a user meets it: apt-get installs it on this machine, both programs
# run as an ordinary user with an empty home (data in ~/.local/share/ZnaleckyKevrot, nothing
# written under /usr), a newer build installs over it and the package is removed; the
# user's data stay through both. Skipped (77) without root and the package tools, or when
# the package is already installed here (not this test's to replace). Removes the package
# at the end whatever happens.
#   instalacia.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1 build=$2
skip() { echo "SKIPPED: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "needs root"
for t in apt-get dpkg-deb dpkg-query cpack runuser xvfb-run xwininfo; do
  command -v "$t" >/dev/null || skip "$t is not installed"
done
if dpkg-query -W -f='${Status}' znalecky-kevrot 2>/dev/null | grep -q "ok installed"; then
  skip "znalecky-kevrot is already installed on this machine"
fi
id nobody >/dev/null 2>&1 || skip "no user nobody"

work=$(mktemp -d /tmp/kevrot-balik.XXXXXX)
chmod 755 "$work"
cleanup() {
  if dpkg-query -W -f='${Status}' znalecky-kevrot 2>/dev/null | grep -q "ok installed"; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq znalecky-kevrot >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

balik() {  # balik VERSION: builds the package of this build tree with that version
  local out="$work/deb-$1"
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" -D CPACK_PACKAGE_VERSION="$1" >"$out.log" 2>&1 \
    || { cat "$out.log"; fail "cpack $1"; }
  ls "$out"/znalecky-kevrot_*.deb
}
instaluj() {
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$1" >"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log"; fail "apt-get install $1"; }
}

home="$work/home"
mkdir -p "$home"
chown nobody "$home"
data="$home/.local/share/ZnaleckyKevrot"
ako_pouzivatel() {
  runuser -u nobody -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"
}
cli() { ako_pouzivatel kevrot-cli "$@"; }
json() { python3 -c "import json,sys; print(json.load(sys.stdin)$1)"; }
odtlacok() {  # checksums of the user's data (not the working directory or the lock)
  (cd "$data" && find . -type f ! -path './Tmp_doc/*' ! -name '*.lock' ! -name '.kevrot*' -print0 | sort -z | xargs -0 md5sum)
}

verzia=$(sed -n 's/^CPACK_PACKAGE_VERSION:.*=//p; s/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake" | head -1)
[ -n "$verzia" ] || fail "no package version in CPackConfig.cmake"
deb=$(balik "$verzia")
echo "== $deb"
if dpkg-deb -c "$deb" | grep -F -e "$build" -e "$src"; then fail "build paths in the package"; fi
instaluj "$deb"
[ -x /usr/bin/ZnaleckyKevrot ] && [ -x /usr/bin/kevrot-cli ] || fail "programs not in /usr/bin"
[ -f /usr/share/znalecky-kevrot/Zostavy/Faktura.dot ] || fail "shipped files not in /usr/share/znalecky-kevrot"

stamp="$work/stamp"
touch "$stamp"
sleep 1
[ "$(cli where | json "['data']")" = "$data" ] || fail "where: $(cli where)"
[ "$(cli where | json "['programoveSubory']")" = /usr/share/znalecky-kevrot ] || fail "where: $(cli where)"

# First start of the program: the settings window, data created under the home.
ako_pouzivatel xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  ZnaleckyKevrot >/dev/null 2>&1 & pid=$!
  for i in $(seq 90); do
    if xwininfo -root -tree | grep -q "Nastavenie programu"; then kill $pid; wait $pid 2>/dev/null; exit 0; fi
    kill -0 $pid 2>/dev/null || exit 3
    sleep 1
  done
  kill $pid; exit 4' || fail "the settings window did not open at the first start ($?)"
for f in Data/odbory.dat Data/jazyky.dat "ZnaleckyKevrot texty/hlavicka_vyuctovania.rtf" Tmp_doc; do
  [ -e "$data/$f" ] || fail "$data/$f missing after the first start"
done
[ -z "$(cli codelists | json "['messages']" | tr -d '[]')" ] || fail "codelists: $(cli codelists)"
pod_usr=$(find /usr -xdev -user nobody -newer "$stamp" 2>/dev/null | head)
[ -z "$pod_usr" ] || fail "written under /usr: $pod_usr"

printf 'vlastný predmet\r\n' | ako_pouzivatel tee "$data/Data/kevrot_predmet.kvz" >/dev/null
pred=$(odtlacok)

# A newer build over it, then removal: the data stay as they were.
novy=$(balik "$verzia+1")
instaluj "$novy"
[ "$(dpkg-query -W -f='${Version}' znalecky-kevrot)" = "$verzia+1" ] || fail "upgrade"
[ "$(odtlacok)" = "$pred" ] || fail "data changed by the upgrade"
[ "$(cli where | json "['data']")" = "$data" ] || fail "where after the upgrade"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq znalecky-kevrot >/dev/null
[ ! -e /usr/bin/ZnaleckyKevrot ] || fail "program left after remove"
[ "$(odtlacok)" = "$pred" ] || fail "data changed by the removal"
echo "OK: installed, run, upgraded and removed; data in $data kept"
