#!/usr/bin/env bash
# Stamping with stundwerk-cli against Timewarrior, side by side.
#
#     bench/compare_timewarrior.sh [RUNS] [STUNDWERK-CLI]
#
# Stundwerk: September 2026 (no public holidays), 3 completed entries on each of
# its 30 days, 90 entries in all, in a throwaway folder; the runs stamp on
# 30.09.2026 with --today/--now. Timewarrior: 93 closed intervals in a
# throwaway TIMEWARRIORDB. One round runs "kommen", "timew start", "gehen",
# "timew stop", "delete" (the new entry), "timew delete @1" in turn, so both
# sides are back at their starting data after every round and share whatever
# the machine is doing. Prints the median wall time of each operation (RUNS
# rounds, default 20) and the ratio Stundwerk / Timewarrior.
set -euo pipefail

runs=${1:-20}
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${2:-$root/build/native/cli/stundwerk-cli}
command -v timew >/dev/null || { echo "timew is missing (tools/bootstrap installs timewarrior)" >&2; exit 1; }
[ -x "$cli" ] || { echo "$cli is missing (cmake --build --preset native)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# --- Stundwerk: the 90-entry month ---
mkdir "$work/plans"
ini=$work/stundwrk.ini
printf '[Options]\r\nWorkingDir=%s/plans/\r\n' "$work" >"$ini"
sw() { "$cli" --ini "$ini" --today 30.09.2026 "$@" >/dev/null; }
for day in $(seq 1 30); do
    date=$(printf '%02d.09.2026' "$day")
    for span in "07:00 09:00" "10:00 12:00" "13:00 15:00"; do
        # shellcheck disable=SC2086 # the span is two arguments
        sw --now 18:00 entry "$date" $span
    done
done
plan=$work/plans/092026.SW
cp "$plan" "$work/plan.before"

# --- Timewarrior: 93 intervals of 10 minutes, every 15 minutes, ending two hours ago ---
export TIMEWARRIORDB=$work/timew
mkdir -p "$TIMEWARRIORDB/data"
: >"$TIMEWARRIORDB/timewarrior.cfg"
now=$(date +%s)
stamp() { date -d "@$1" +%Y-%m-%dT%H:%M:%S; }
for i in $(seq 93 -1 1); do
    begin=$((now - 7200 - i * 900))
    timew track "$(stamp "$begin")" - "$(stamp $((begin + 600)))" work >/dev/null
done
# Explicit times, as --now for Stundwerk: a stop in the second of its start is refused.
tw_start=$(stamp $((now - 3600)))
tw_stop=$(stamp $((now - 1800)))
tw() { timew "$@" >/dev/null; }

# --- the rounds ---
declare -A samples
measure() { # name command...
    local name=$1 t0 t1
    shift
    t0=$EPOCHREALTIME
    "$@"
    t1=$EPOCHREALTIME
    samples[$name]+="$(((${t1/./} - ${t0/./})))"$'\n'
}
load=$(cut -d' ' -f1-3 /proc/loadavg)
for _ in $(seq "$runs"); do
    measure kommen sw --now 19:00 kommen
    measure start tw start "$tw_start" work
    measure gehen sw --now 19:30 gehen
    measure stop tw stop "$tw_stop"
    measure delete sw --now 19:30 delete 30.09.2026 4
    measure tdelete tw delete @1
done
cmp -s "$plan" "$work/plan.before" || { echo "the plan did not return to its starting bytes" >&2; exit 1; }
[ "$(timew export | grep -c '"start"')" -eq 93 ] || { echo "timewarrior does not hold 93 intervals" >&2; exit 1; }

median() { # microseconds per line -> median in ms
    sort -n | awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.2f", m / 1000 }'
}
# Other work on the machine shows in every figure: name it with them.
printf 'Medians of %d alternating runs (ms); load average before: %s\n' "$runs" "$load"
printf '%-22s %10s %12s %7s\n' operation stundwerk timewarrior ratio
total_sw=0 total_tw=0
for pair in "kommen/start start" "gehen/stop stop" "delete/delete tdelete"; do
    label=${pair% *}
    ours=${label%/*}
    theirs=${pair#* }
    m_sw=$(printf '%s' "${samples[$ours]}" | median)
    m_tw=$(printf '%s' "${samples[$theirs]}" | median)
    total_sw=$(awk -v a="$total_sw" -v b="$m_sw" 'BEGIN { print a + b }')
    total_tw=$(awk -v a="$total_tw" -v b="$m_tw" 'BEGIN { print a + b }')
    printf '%-22s %10s %12s %7s\n' "$label" "$m_sw" "$m_tw" "$(awk -v a="$m_sw" -v b="$m_tw" 'BEGIN { printf "%.2f", a / b }')"
done
printf '%-22s %10.2f %12.2f %7s\n' "all three" "$total_sw" "$total_tw" \
    "$(awk -v a="$total_sw" -v b="$total_tw" 'BEGIN { printf "%.2f", a / b }')"
