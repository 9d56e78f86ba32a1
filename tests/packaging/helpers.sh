#!/bin/sh
# helpers.sh SCRIPTS: the scripts' helpers do what the others rely on.
# with-display gives the command a display of its own and its exit status,
# and leaves no X server behind, also when the command fails.
# install-packages asks apt for nothing that is installed, and for what is
# missing uses one apt idiom: no questions, a wait for the dpkg lock, and
# the lists fetched first where apt knows no such package.
set -eu
scripts=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "helpers: $*" >&2
    exit 1
}

status=0
"$scripts/with-display" --size 640x480 sh -c '
    echo "$DISPLAY" >"$1"
    [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && [ "$QT_QPA_PLATFORM" = xcb ] || exit 1
    exit 3' sh "$work/display" || status=$?
[ "$status" -eq 3 ] || fail "with-display ended with $status, not with its command's 3"
display=$(cat "$work/display")
[ -n "$display" ] && [ "$display" != "${DISPLAY:-}" ] || fail "no display of its own: '$display'"
for _ in 1 2 3 4 5 6 7 8 9 10; do
    [ -e "/tmp/.X11-unix/X${display#:}" ] || break
    sleep 0.2
done
[ ! -e "/tmp/.X11-unix/X${display#:}" ] || fail "the X server of $display still runs"

# apt, apt-cache and sudo that only write down how they were called.
mkdir "$work/bin"
for tool in apt-get apt-cache sudo; do
    cat >"$work/bin/$tool" <<TOOL
#!/bin/sh
echo "$tool \$*" >>"$work/calls"
[ "$tool" != sudo ] || exec "\$@"
[ "$tool" != apt-cache ]
TOOL
    chmod +x "$work/bin/$tool"
done
PATH=$work/bin:$PATH "$scripts/install-packages" dpkg
[ ! -e "$work/calls" ] || fail "apt was called for what is installed: $(cat "$work/calls")"
PATH=$work/bin:$PATH "$scripts/install-packages" dpkg hana-no-such-package >/dev/null
grep -v '^sudo ' "$work/calls" >"$work/apt"
[ "$(sed -n 2p "$work/apt")" = "apt-get -o DPkg::Lock::Timeout=600 -y -q --no-install-recommends update" ] ||
    fail "the lists were not fetched first: $(cat "$work/calls")"
[ "$(sed -n 3p "$work/apt")" = "apt-get -o DPkg::Lock::Timeout=600 -y -q --no-install-recommends install hana-no-such-package" ] ||
    fail "not installed as asked: $(cat "$work/calls")"
echo "helpers: a private display stopped after its command, packages installed only when missing"
