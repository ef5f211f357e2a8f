#!/bin/bash
# Runs the installed program as a student would the first time, in a fresh home, then a
# second time: the first start makes the student's data root (Dati and Impostazioni copied,
# Grafica, Piano and Suoni linked), the second opens the pictures and sounds through it,
# and the installed tree never changes. Each start is ended by SIGTERM once the piano
# samples are loaded, as a session's end would.
#   first_run_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$work/trace" ] && tail -5 "$work/trace" >&2; exit 1; }

prefix=$work/prefix home=$work/home
mkdir -p "$home" "$work/runtime"
chmod 700 "$work/runtime"
cmake --install "$build" --prefix "$prefix" >/dev/null
installed=$prefix/share/velondo/Velondo7
mine=$home/.local/share/velondo/Velondo7
snapshot() { (cd "$prefix" && find . -printf '%p %y %s %m %T@ %l\n' | sort); }
before=$(snapshot)

# One start, traced for the files it opens; returns the program's exit status.
start() {
    rm -f "$work/trace"
    env -i HOME="$home" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$work/runtime" \
        QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
        strace -f -qq -e trace=open,openat -o "$work/trace" "$prefix/bin/velondo" &
    local tracer=$! pid="" i
    for i in $(seq 600); do   # up to a minute on a busy machine
        # the program is the tracer's child named velondo
        [ -z "$pid" ] && pid=$(awk -v t=$tracer '$4 == t && $2 == "(velondo)" {print $1}' \
            /proc/[0-9]*/stat 2>/dev/null || true)
        grep -q '73do.wav' "$work/trace" 2>/dev/null && break
        kill -0 $tracer 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$pid" ]; then kill $tracer 2>/dev/null; fail "the program did not start"; fi
    if ! grep -q '73do.wav' "$work/trace"; then
        kill "$pid" 2>/dev/null
        fail "start-up did not load the piano"
    fi
    sleep 1   # the effects after the piano
    kill -TERM "$pid"
    for i in $(seq 200); do kill -0 $tracer 2>/dev/null || break; sleep 0.1; done
    if kill -0 $tracer 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null
        fail "SIGTERM did not end the program"
    fi
    local status=0
    wait $tracer || status=$?
    [ "$status" = 0 ] || fail "the program ended with $status after SIGTERM"
}

start
[ -f "$mine/Dati/Velondo7.marker" ] && [ ! -L "$mine/Dati" ] || fail "Dati not copied"
[ -d "$mine/Impostazioni" ] && [ ! -L "$mine/Impostazioni" ] || fail "Impostazioni not copied"
for f in "$installed"/Dati/* "$installed"/Impostazioni/*; do
    [ -e "$f" ] || continue
    cmp -s "$f" "$mine/${f#"$installed"/}" || fail "${f#"$installed"/} differs from the installed one"
done
for d in Grafica Piano Suoni; do
    [ "$(readlink "$mine/$d")" = "$installed/$d" ] || fail "$d is not a link to the installed tree"
done
[ "$(snapshot)" = "$before" ] || fail "the first start changed the installed tree"

# The second start reads through the student's root, not the installed tree.
echo "scritto dallo studente" > "$mine/Dati/Prova.txt"
start
grep -q "\"$mine/Grafica/Schermata.jpg\"" "$work/trace" || fail "splash not read from the student's root"
grep -q "\"$mine/Piano/01do.wav\"" "$work/trace" || fail "piano not read from the student's root"
# (the installed Dati is read: state files missing from the student's are copied)
! grep -E "\"$installed/(Grafica|Piano|Suoni)/" "$work/trace" ||
    fail "the second start read pictures or sounds past the student's root"
! grep -E "\"$prefix/[^\"]*\", O_(WRONLY|RDWR)" "$work/trace" || fail "a file of the installed tree was opened for writing"
[ "$(cat "$mine/Dati/Prova.txt")" = "scritto dallo studente" ] || fail "the student's file changed"
[ "$(snapshot)" = "$before" ] || fail "the second start changed the installed tree"
echo "first and second start: $mine"
