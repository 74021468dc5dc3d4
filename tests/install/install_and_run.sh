#!/usr/bin/env bash
# Installs a build into a temporary prefix and starts the installed program
# unattended with a fresh data folder. The installed program must find its kit,
# maps and help files under <prefix>/share/kelvoraiss/ (not next to bin/), and the
# desktop files must pass their validators when those are present.
#   install_and_run.sh BUILD_DIR
set -uo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
share="$prefix/share/kelvoraiss"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  echo "FAIL: cmake --install" >&2
  exit 1
fi

# Everything the program and its menus open, under the names the menus use.
for f in bin/kelvoraiss bin/kelvora-orbit \
         share/kelvoraiss/kit/SatIni.SQF share/kelvoraiss/kit/Kepler/nasa.all \
         share/kelvoraiss/MiradISS.txt share/kelvoraiss/Readme.txt \
         share/kelvoraiss/Manual.htm share/kelvoraiss/FAQ.htm \
         "share/kelvoraiss/Yaesu/Readme(Yaesu).txt" "share/kelvoraiss/Icom/Readme(Icom).txt" \
         "share/kelvoraiss/Kenwood/Readme(Kenw).txt" \
         share/applications/org.kelvora.KelvoraISS.desktop \
         share/icons/hicolor/scalable/apps/org.kelvora.KelvoraISS.svg \
         share/metainfo/org.kelvora.KelvoraISS.metainfo.xml; do
  [ -s "$prefix/$f" ] || fail "not installed: $f"
done
# The maps the build made (a build without the map sources makes none).
for folder in Maps2D BM_Maps2D; do
  for picture in "$build/$folder"/*.bmp; do
    [ -e "$picture" ] || continue
    [ -s "$share/$folder/$(basename "$picture")" ] || fail "map not installed: $folder/$(basename "$picture")"
  done
done
[ -x "$prefix/bin/kelvoraiss" ] || { echo "FAIL: no program to start" >&2; exit 1; }

# Started from the prefix, the data folder does not exist yet.
data="$work/home/Kelvora"
mkdir -p "$work/locks" "$work/home"
status=0
QT_QPA_PLATFORM=offscreen KELVORA_LOCK_DIR="$work/locks" HOME="$work/home" \
  timeout 120 "$prefix/bin/kelvoraiss" --quit-after-ticks 2 --data-dir "$data" --clock 2024-02-12T12:00:00 \
  2>"$work/stderr" || status=$?
[ "$status" -eq 0 ] || fail "the installed program ended with status $status: $(cat "$work/stderr")"
for f in SatIni.SQF Doppler.SQF Standard.ISS Kepler/nasa.all; do
  [ -s "$data/$f" ] || fail "the data folder was not filled from the kit: $f missing"
done
cmp -s "$share/kit/Doppler.SQF" "$data/Doppler.SQF" || fail "Doppler.SQF differs from the installed kit's"
if ls "$build"/Maps2D/*.bmp >/dev/null 2>&1 && grep -qi "map picture" "$work/stderr"; then
  fail "the installed program did not find its maps: $(cat "$work/stderr")"
fi

# The help pages are well-formed (they are written as XML-compatible HTML 5).
if command -v xmllint >/dev/null 2>&1; then
  xmllint --noout "$share/Manual.htm" "$share/FAQ.htm" "$prefix/share/icons/hicolor/scalable/apps/org.kelvora.KelvoraISS.svg" \
    || fail "xmllint"
fi
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$prefix/share/applications/org.kelvora.KelvoraISS.desktop" || fail "desktop-file-validate"
else
  echo "desktop-file-validate not found: the desktop entry is not validated"
fi
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.kelvora.KelvoraISS.metainfo.xml" || fail "appstreamcli validate"
else
  echo "appstreamcli not found: the metainfo is not validated"
fi

[ "$failures" -eq 0 ] || exit 1
echo "installed into $prefix and started: status 0"
