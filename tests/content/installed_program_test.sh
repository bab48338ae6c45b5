#!/usr/bin/env bash
# Installs the build into a temporary prefix (or unpacks the Debian package made by cpack) and
# starts the installed launcher on the display: the program must seed its data folder and show
# its start page from there.
#   installed_program_test.sh <build folder> install|package
set -euo pipefail
build="$1"
mode="$2"
tmp="$(mktemp -d)"
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

if [ "$mode" = install ]; then
  cmake --install "$build" --prefix "$tmp/root/usr" >/dev/null
else
  (cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/deb" >/dev/null)
  deb="$(ls "$tmp"/deb/*.deb)"
  dpkg-deb --field "$deb" Depends | grep -q libqt6webenginecore6-bin
  dpkg-deb -x "$deb" "$tmp/root"
  test -f "$tmp/root/usr/share/applications/com.orvandeck.Glimmora.desktop"
  test -f "$tmp/root/usr/share/icons/hicolor/48x48/apps/glimmora.png"
fi

export HOME="$tmp/home" XDG_DATA_HOME="$tmp/home/.local/share" XDG_CONFIG_HOME="$tmp/home/.config"
export XDG_RUNTIME_DIR="$tmp/run"
data="$XDG_DATA_HOME/Orvandeck/Glimmora"
mkdir -p "$data" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '3.5' >"$data/Glimmora.cho" # a language was chosen: no question at start
printf '[Glimmora]\r\nWelcomeScreen=0\r\n' >"$data/glimmora.ini"

"$tmp/root/usr/bin/glimmora" /minime >"$tmp/log" 2>&1 &
pid=$!
page="$data/GlimmoraData/temp.htm"
for _ in $(seq 1 120); do
  [ -s "$page" ] && break
  sleep 0.5
done
if ! grep -q "file://$tmp/root/usr/lib/glimmora/GlimmoraData/" "$page"; then
  echo "no start page from the installed program" >&2
  cat "$tmp/log" >&2
  exit 1
fi
test -f "$data/GlimmoraData/pics.full.def"
test -f "$data/Glimmora.chm"
echo "start page shown by the installed program ($mode)"
