#!/usr/bin/env bash
# The fuzzing campaign: every libFuzzer target of the fuzzing build in turn, each for the given
# minutes on one core. Inputs that add coverage are merged into the target's seed corpus in
# tests/fuzz/corpus/<name> (commit them); findings are kept in the report folder. Ends with one
# table row per target: executions per second, coverage at the start and the end, findings.
#
#   scripts/fuzz.sh [minutes per target, default 10] [target ...]
#
# Naming targets (fuzz_<name> or <name>) runs only those, so that a campaign can be split over
# the cores of a machine, one script per core.
#
# The fuzzing build is the clang sanitizer build (VARKO_FUZZ_BUILD, default build-asan):
#   CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
#       -DVARKO_SANITIZE=ON
# Exit status 1 when any target had a finding.
set -euo pipefail

minutes=${1:-10}
if ! [[ $minutes =~ ^[0-9]+$ ]] || ((minutes < 1)); then
    echo "usage: $0 [minutes per target]" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VARKO_FUZZ_BUILD:-$root/build-asan}
if [[ ! -f $build/build.ninja ]]; then
    echo "no fuzzing build in $build (see the head of $0)" >&2
    exit 2
fi

# Every target the build defines (tests/fuzz/CMakeLists.txt), brought up to date.
mapfile -t targets < <(ninja -C "$build" -t targets all | sed -n 's/^\(fuzz_[a-z0-9_]*\): phony$/\1/p' |
    grep -v '_autogen' | sort -u)
if ((${#targets[@]} == 0)); then
    echo "$build defines no fuzz targets: is it a clang sanitizer build?" >&2
    exit 2
fi
if (($# > 1)); then
    chosen=()
    for wanted in "${@:2}"; do
        wanted=fuzz_${wanted#fuzz_}
        printf '%s\n' "${targets[@]}" | grep -qx "$wanted" ||
            { echo "no fuzz target $wanted in $build" >&2; exit 2; }
        chosen+=("$wanted")
    done
    targets=("${chosen[@]}")
fi
ninja -C "$build" "${targets[@]}" >/dev/null

report=$build/fuzz-campaign-$(date -u +%Y%m%dT%H%M%SZ)
mkdir -p "$report"
echo "campaign: ${#targets[@]} targets, $minutes min each; logs and findings in $report"

# The coverage figure of the first libFuzzer status line with the given event.
coverage() { sed -n "s/^#[0-9]*[[:space:]]*$1[[:space:]].*cov: \([0-9]*\).*/\1/p" "$2" | head -n 1; }

rows=()
failed=0
for target in "${targets[@]}"; do
    name=${target#fuzz_}
    seeds=$root/tests/fuzz/corpus/$name
    work=$report/$name-new
    findings=$report/$name-findings
    log=$report/$name.log
    mkdir -p "$seeds" "$work" "$findings"
    options=(-max_total_time=$((minutes * 60)) -max_len=8192 -timeout=10
        -print_final_stats=1 -artifact_prefix="$findings/")
    [[ -f $root/tests/fuzz/$name.dict ]] && options+=(-dict="$root/tests/fuzz/$name.dict")

    echo "$target ..."
    "$build/tests/fuzz/$target" "${options[@]}" "$work" "$seeds" >"$log" 2>&1 || true
    # Only what adds coverage reaches the seed corpus.
    "$build/tests/fuzz/$target" -merge=1 -max_len=8192 "$seeds" "$work" >"$report/$name-merge.log" 2>&1 || true

    start=$(coverage INITED "$log")
    end=$(coverage DONE "$log")
    [[ -z $end ]] && end=$(sed -n 's/^#[0-9]*.*cov: \([0-9]*\).*/\1/p' "$log" | tail -n 1)
    speed=$(sed -n 's/^stat::average_exec_per_sec:[[:space:]]*//p' "$log")
    found=$(find "$findings" -type f | wc -l)
    ((found > 0)) && failed=1
    rows+=("$target|${speed:-?}|${start:-?}|${end:-?}|$found")
done

echo
printf '%-20s %10s %10s %10s %9s\n' target exec/s "cov start" "cov end" findings
for row in "${rows[@]}"; do
    IFS='|' read -r target speed start end found <<<"$row"
    printf '%-20s %10s %10s %10s %9s\n' "$target" "$speed" "$start" "$end" "$found"
done
if ((failed)); then
    echo "findings kept in $report/*-findings"
fi
exit $failed
