#!/usr/bin/env bash
# A data folder whose settings cannot be parsed and no player copy of them: the run must end
# in the fatal report, with the error log's last line "Main" and exit status 1.
set -u
game=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Data/sys" "$work/home"
printf '<main><game' > "$work/Data/sys/settings.xml"
cd "$work"
FURROW_HOME="$work/home" FURROW_PLATFORM=headless "$game"
status=$?
if [ "$status" -ne 1 ]; then
    echo "exit status $status, expected 1"
    exit 1
fi
last=$(grep -v '^$' error.log | tail -n 1)
if [ "$last" != "Main" ]; then
    echo "last line of error.log: '$last'"
    exit 1
fi
