# Shared by tools/run, tools/test, tools/bench and tools/fuzz: dependency install, build, Xvfb.
set -euo pipefail

GLIMMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Names that every supported release has (Debian 12 "bookworm", 13 "trixie" and testing "forky"):
# clang's runtime through its version-less name, tint2 as the notification area.
GLIMMORA_PACKAGES=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-webengine-dev libqt6svg6
  libx11-dev libxtst-dev libjpeg-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  xvfb xauth xdotool xclip x11-utils x11-xkb-utils imagemagick openbox
  fonts-dejavu-core fp-utils desktop-file-utils appstream
  openssl tint2 thunderbird firefox-esr
  sway qt6-wayland libwayland-dev libwayland-bin wl-clipboard
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi
  qt6-base-private-dev libxkbcommon-dev
  mutter gnome-shell gnome-control-center xdg-desktop-portal xdg-desktop-portal-gnome
  pipewire wireplumber
  kwin-wayland kwin-common xdg-desktop-portal-kde qtwayland5
)
# Plasma 6's portal asks before a program may control the keyboard, in a dialog that
# plasma-workspace provides (Plasma 5.27's asks nothing for a keyboard alone).
if ! grep -qs '^VERSION_CODENAME=bookworm' /etc/os-release; then
  GLIMMORA_PACKAGES+=(plasma-workspace)
fi

# The compiler cache serves every clone of the project: paths inside the tree count relative to
# it, and the build folder's place is left out of the key (it only names the debug information's
# folder).
export CCACHE_BASEDIR="$GLIMMORA_ROOT" CCACHE_NOHASHDIR=1

# Installs the Debian packages that are missing (as root, or through sudo): those named, else
# GLIMMORA_PACKAGES.
glimmora_install_deps() {
  local missing=() wanted=("$@")
  [ ${#wanted[@]} -gt 0 ] || wanted=("${GLIMMORA_PACKAGES[@]}")
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# glimmora_build <preset> [targets]: configures and builds the given CMake preset (all of it, or
# the targets named).
glimmora_build() {
  local preset="${1:-default}"
  shift || true
  cd "$GLIMMORA_ROOT"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" ${1:+--target "$@"}
}

# The program and what it reads beside it, without the test suites.
GLIMMORA_PROGRAM_TARGETS=(glimmora glimmora_shipped glimmora_help)

# Starts an Xvfb server on a free display with a window manager (openbox) and a notification area
# (a tint2 panel that holds only its tray), as users have them; exports DISPLAY and stops all three
# when the shell exits.
glimmora_start_xvfb() {
  # Xvfb takes the free display itself and says which once it accepts clients: suites starting
  # at the same time cannot end up sharing one (and one's end taking the other's screen away).
  local number n=""
  number="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
  GLIMMORA_XVFB_PID=$!
  GLIMMORA_DESKTOP_PIDS="$GLIMMORA_XVFB_PID"
  trap 'kill $GLIMMORA_DESKTOP_PIDS 2>/dev/null || true' EXIT
  for _ in $(seq 1 50); do
    n="$(cat "$number")" && [ -n "$n" ] && break
    sleep 0.1
  done
  rm -f "$number"
  [ -n "$n" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$n"
  openbox --sm-disable >/dev/null 2>&1 &
  GLIMMORA_DESKTOP_PIDS="$! $GLIMMORA_DESKTOP_PIDS"
  for _ in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  tint2 -c "$GLIMMORA_ROOT/tools/tint2rc" >/dev/null 2>&1 &
  GLIMMORA_DESKTOP_PIDS="$! $GLIMMORA_DESKTOP_PIDS"
  for _ in $(seq 1 50); do
    xprop -root _NET_SUPPORTED >/dev/null 2>&1 && xdotool search --classname tint2 >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "tint2 did not start" >&2
  return 1
}

source "$GLIMMORA_ROOT/tools/release.sh"
