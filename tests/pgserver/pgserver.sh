#!/bin/sh
# pgserver.sh SCRIPTS CONNECT: scripts/with-postgres starts a private server
# that CONNECT (tst_pgconnect) reaches through Qt's driver, and after the
# command, whether it passed or failed, the server no longer runs and its
# folder is gone. Exits 77, skipped, where PostgreSQL is not installed.
set -u
scripts=$1
connect=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "pgserver: $*" >&2
    exit 1
}
# Writes down the server's folder and process, then runs its arguments.
record='echo "$PGHOST" >"$0/folder"; head -1 "$PGHOST/data/postmaster.pid" >"$0/pid"; "$@"'
gone() {
    folder=$(cat "$work/folder") pid=$(cat "$work/pid")
    [ -n "$pid" ] || fail "no server process was written down"
    [ ! -e "$folder" ] || fail "the server's folder $folder is still there"
    # A server that has ended may stay a zombie until its parent waits.
    if kill -0 "$pid" 2>/dev/null && [ "$(ps -o stat= -p "$pid" | cut -c1)" != Z ]; then
        fail "the server $pid still runs"
    fi
}

status=0
"$scripts/with-postgres" sh -c "$record" "$work" "$connect" || status=$?
[ "$status" -ne 77 ] || exit 77
[ "$status" -eq 0 ] || fail "the connection test failed ($status)"
gone

status=0
"$scripts/with-postgres" sh -c "$record" "$work" sh -c 'exit 3' || status=$?
[ "$status" -eq 3 ] || fail "with-postgres ended with $status, not with its command's 3"
gone
echo "pgserver: a private server reached through Qt's driver, stopped after its command"
