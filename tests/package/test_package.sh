#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Voruvar developers
#
# test_package.sh STEP BUILD_DIR SOURCE_DIR
#
# The Debian package as a user gets it. "build" writes it with cpack from the build tree into
# BUILD_DIR/tests/deb; every other step unpacks that package into a temporary root and
# looks at it there: "layout" (files, metadata, the command line without a display),
# "standalone" (a start without a console), "activation" (the session bus starts the unpacked
# program) and "lintian".
set -euo pipefail
step=$1
build=$2
source=$3
out="$build/tests/deb"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# ctest counts exit status 77 as a skipped test.
skip() {
    echo "SKIPPED: $*"
    exit 77
}
need() {
    command -v "$1" >/dev/null || skip "$1 is not installed (scripts/install-deps installs it)"
}

if [ "$step" = build ]; then
    need dpkg-shlibdeps
    need file
    rm -rf "$out"
    cpack --config "$build/CPackConfig.cmake" -B "$out" >"$build/tests/package-cpack.log" 2>&1 ||
        { cat "$build/tests/package-cpack.log"; fail "cpack could not write the package"; }
    ls "$out"/voruvar_*.deb
    exit 0
fi

debs=("$out"/voruvar_"$version"_*.deb)
[ -f "${debs[0]}" ] || fail "no package voruvar_${version}_<arch>.deb in $out"
deb=${debs[0]}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
prog="$root/opt/voruvar"
# The program with nothing of the session around it: no display, no session bus.
bare() {
    env -i PATH=/usr/bin:/bin HOME="$root" LC_ALL="${LC_ALL:-C.UTF-8}" "$@"
}
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

case "$step" in
layout)
    for f in opt/voruvar/voruvar opt/voruvar/voruvar-jetread; do
        [ -x "$root/$f" ] || fail "$f is missing or not executable"
    done
    for f in opt/voruvar/libvoruvar_webengine.so opt/voruvar/libvoruvar_cups.so usr/share/dbus-1/interfaces/Voruvar.clsMain.xml \
        usr/share/applications/voruvar.desktop usr/share/icons/hicolor/scalable/apps/voruvar.svg \
        usr/share/metainfo/org.example.voruvar.metainfo.xml usr/share/man/man1/voruvar.1.gz \
        usr/share/doc/voruvar/copyright usr/share/doc/voruvar/changelog.gz; do
        [ -f "$root/$f" ] || fail "$f is missing"
    done
    pages=$(find "$source/resources/documents/pages" -mindepth 1 -maxdepth 1 -type d | wc -l)
    documents=$(find "$prog" -maxdepth 1 -name '*.DOX' | wc -l)
    [ "$documents" -eq "$pages" ] || fail "$documents documents in /opt/voruvar, $pages page folders in the sources"
    [ "$(readlink "$root/usr/bin/voruvar")" = /opt/voruvar/voruvar ] || fail "/usr/bin/voruvar is not a link to /opt/voruvar/voruvar"
    grep -qx 'Exec=/opt/voruvar/voruvar --automation' "$root/usr/share/dbus-1/services/Voruvar.clsMain.service" ||
        fail "the D-Bus activation file does not start /opt/voruvar/voruvar --automation"
    for size in 16 22 24 32 48 64 128 256; do
        icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/voruvar.png"
        [ -f "$icon" ] || fail "no ${size}x${size} icon"
        [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $(png_size "$icon")"
    done
    stray=$(cd "$root" && find . ! -type d ! -path './opt/voruvar/*' ! -path './usr/*')
    [ -z "$stray" ] || fail "files outside /opt/voruvar and /usr: $stray"
    ! find "$root" -name '*standin*' -o -name '*docgen*' -o -name '*mangen*' | grep -q . ||
        fail "a build or test tool is packaged"

    # The libraries the binaries link (dpkg-shlibdeps) and the SVG plugin, loaded at run time.
    depends=$(dpkg-deb -f "$deb" Depends)
    for lib in libc6 libqt6widgets6 libqt6dbus6 libqt6webenginewidgets6 libqt6svg6; do
        tr ',' '\n' <<<"$depends" | awk '{ print $1 }' | grep -qx "$lib" || fail "Depends lacks $lib: $depends"
    done

    # The command line answers without a display or a session bus.
    [ "$(bare "$prog/voruvar" --version)" = "voruvar $version" ] || fail "--version does not print 'voruvar $version'"
    help=$(bare "$prog/voruvar" --help) || fail "--help does not end with status 0"
    [[ "$help" == "Usage: voruvar "* ]] || fail "--help does not start with the usage"
    status=0
    bare "$prog/voruvar" --no-such-option >"$root/stdout" 2>"$root/stderr" || status=$?
    [ "$status" -eq 2 ] || fail "a wrong option ends with status $status, not 2"
    [ "$(head -n1 "$root/stderr")" = "voruvar: Unknown option 'no-such-option'." ] ||
        fail "a wrong option's first line: $(head -n1 "$root/stderr")"
    sed -n 2p "$root/stderr" | grep -q '^Usage: voruvar ' || fail "a wrong option does not print the usage"
    [ ! -s "$root/stdout" ] || fail "a wrong option writes to standard output"

    # Desktop entry, AppStream data and manual page, as their own validators see them.
    need desktop-file-validate
    report=$(desktop-file-validate "$root/usr/share/applications/voruvar.desktop" 2>&1) || true
    [ -z "$report" ] || fail "desktop-file-validate: $report"
    need appstreamcli
    report=$(appstreamcli validate --pedantic --no-net --no-color \
        "$root/usr/share/metainfo/org.example.voruvar.metainfo.xml" 2>&1) || fail "appstreamcli: $report"
    ! grep -E '^[EWIP]:' <<<"$report" || fail "appstreamcli reports issues"
    need groff
    report=$(zcat "$root/usr/share/man/man1/voruvar.1.gz" | groff -man -ww -z -Tutf8 2>&1)
    [ -z "$report" ] || fail "groff warns about the manual page: $report"
    need man
    manual=$(MANWIDTH=100 man --warnings -l "$root/usr/share/man/man1/voruvar.1.gz" 2>"$root/man-warnings" | col -b)
    [ ! -s "$root/man-warnings" ] || fail "man warns: $(cat "$root/man-warnings")"
    for option in $(grep -oE -- '--[a-z-]+' <<<"$help" | sort -u); do
        grep -qF -- "$option" <<<"$manual" || fail "the manual page does not describe $option"
    done
    ;;

standalone)
    # Started without a console and without --data-path, the program reads no database and
    # starts without a report; with a --data-path that holds none it reports TB101. The
    # screenshot run prints message boxes to standard error and ends once the window is shown.
    mkdir "$root/data"
    for run in quiet reported; do
        args=(--screenshot "$root/$run.png")
        [ "$run" = reported ] && args+=(--data-path "$root/data")
        bare QT_QPA_PLATFORM=offscreen timeout 60 "$prog/voruvar" "${args[@]}" >"$root/$run.out" 2>"$root/$run.err" ||
            fail "the $run start did not end well: $(cat "$root/$run.err")"
        [ -s "$root/$run.png" ] || fail "the $run start wrote no picture of its window"
    done
    ! grep -q 'TB101' "$root/quiet.err" || fail "a start without --data-path reports: $(cat "$root/quiet.err")"
    grep -q '\[TB101 : Retrieval Error\]' "$root/reported.err" ||
        fail "a start with an empty --data-path does not report TB101: $(cat "$root/reported.err")"
    ;;

activation)
    need dbus-run-session
    need gdbus
    # The packaged activation file, pointed at the unpacked program, is the bus's only one.
    services="$root/usr/share/dbus-1/services"
    sed -i "s|^Exec=/opt/voruvar/|Exec=$prog/|" "$services/Voruvar.clsMain.service"
    cat >"$root/session.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <servicedir>$services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
    calls='for member in Ping CLOC Drop; do
        echo "$member:"
        gdbus call --session --dest Voruvar.clsMain --object-path /clsMain --method Voruvar.clsMain.$member \
            --timeout 30 || true
    done'
    replies=$(bare QT_QPA_PLATFORM=offscreen dbus-run-session --config-file="$root/session.conf" -- \
        bash -c "$calls" 2>&1)
    echo "$replies"
    grep -q "('Voruvar v.$version" <<<"$replies" || fail "Ping did not start the add-in"
    grep -qF "('$prog'" <<<"$replies" || fail "the add-in the bus started is not the unpacked one"
    ;;

lintian)
    need lintian
    # Informational tags are shown but allowed; the overrides' reasons are in the package.
    report=$(lintian --display-info --show-overrides "$deb" 2>&1) || true
    echo "$report"
    ! grep -qE '^[EW]: ' <<<"$report" || fail "lintian reports errors or warnings"
    ;;

*)
    fail "unknown step $step"
    ;;
esac
