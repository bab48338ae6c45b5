# Sourced by tools/common.sh: runs a command of this tree inside a root of another Debian release
# (trixie, forky, …), made with mmdebstrap once and kept for the next run, so that the build and
# the tests meet that release's compiler, Qt and desktops.

GLIMMORA_ROOTS="${GLIMMORA_ROOTS:-/var/tmp/glimmora-roots}"
GLIMMORA_MIRROR="${GLIMMORA_MIRROR:-http://deb.debian.org/debian}"

# glimmora_release_root <release>: makes the root of <release> unless it is there; prints its path.
glimmora_release_root() {
  local release="$1" root="$GLIMMORA_ROOTS/$1"
  if [ ! -e "$root/.glimmora-root" ]; then
    command -v mmdebstrap >/dev/null || glimmora_install_deps mmdebstrap >&2
    mkdir -p "$GLIMMORA_ROOTS" || return 1
    # A root without its mark was left unfinished. The mounts of a run are its own (see
    # glimmora_in_release), so nothing of this tree is mounted in it here.
    rm -rf --one-file-system "$root.new" "$root" || return 1
    # The registry's copy of testing can carry a Release file past its validity date.
    mmdebstrap --variant=apt --include=ca-certificates,passwd \
      --aptopt='Acquire::Check-Valid-Until "false"' "$release" "$root.new" "$GLIMMORA_MIRROR" >&2 &&
      touch "$root.new/.glimmora-root" && mv "$root.new" "$root" || return 1
  fi
  echo "$root"
}

# glimmora_in_release <release> <command> [args]: runs the command (a path inside this tree) in
# the root of <release>. The tree is there as /glimmora; its build folders are the root's own, so
# that the builds of different releases stand side by side. Everything mounted for it is undone
# when the command ends (a mount namespace of its own).
glimmora_in_release() {
  local release="$1"
  shift
  local root
  root="$(glimmora_release_root "$release")" || return 1
  mkdir -p "$root/glimmora" "$root/var/lib/glimmora"
  local folders=(build build-asan)
  for f in "${folders[@]}"; do
    mkdir -p "$GLIMMORA_ROOT/$f" "$root/var/lib/glimmora/$f"
  done
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  # The session bus wants a machine id.
  [ -s "$root/etc/machine-id" ] || tr -d '-' </proc/sys/kernel/random/uuid >"$root/etc/machine-id"
  local quoted
  quoted="$(printf ' %q' "$@")"
  unshare --mount --propagation private -- bash -euo pipefail -c "
    mount -t proc proc '$root/proc'
    mount --rbind /dev '$root/dev'
    mount -t sysfs sysfs '$root/sys'
    mount -t tmpfs -o mode=1777 tmpfs '$root/tmp'
    mount --bind '$GLIMMORA_ROOT' '$root/glimmora'
    for f in ${folders[*]}; do mount --bind \"$root/var/lib/glimmora/\$f\" \"$root/glimmora/\$f\"; done
    exec chroot '$root' /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
      HOME=/root LANG=C.UTF-8 TERM=dumb CI=\"\${CI:-}\" GLIMMORA_RELEASE='$release' \
      GLIMMORA_SHOT=/glimmora/build/glimmora-screenshot.png \
      bash -c 'cd /glimmora && exec$quoted'
  "
}

# glimmora_release_option "$@": when the arguments start with --release <name>, runs the calling
# script there with the other arguments and exits with its status.
glimmora_release_option() {
  if [ "${1:-}" = "--release" ]; then
    [ -n "${2:-}" ] || { echo "--release needs a Debian release name (trixie, forky)" >&2; exit 2; }
    local release="$2" script
    shift 2
    script="tools/$(basename "$0")"
    echo "== $script on Debian $release"
    local status=0
    glimmora_in_release "$release" "$script" "$@" || status=$?
    echo "(/glimmora/build there is $GLIMMORA_ROOTS/$release/var/lib/glimmora/build here)"
    exit $status
  fi
}

# glimmora_prepare_release <release>: makes the root and installs there what the tree needs.
glimmora_prepare_release() {
  glimmora_in_release "$1" bash -c 'source tools/common.sh && glimmora_install_deps'
}
