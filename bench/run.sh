#!/usr/bin/env bash
# Builds the native (optimised) configuration, runs the benchmarks and a
# bulk comparison, and prints one table of figures and ratios:
#   - every benchmark against the C reference (strptime + strftime) of the
#     same run;
#   - a batch file of N lines "echo %@dateconv[DATE,4,257]" (random dates
#     1700-2400) through torvane, beside GNU date -f, dateutils' dconv and
#     Python converting the same dates, and torvane echoing the bare dates;
#     whole processes, output to a file, in interleaved rounds
#     (BENCH_ROUNDS, default 7), with torvane's peak memory.
# Usage: bench/run.sh [LINES]   (default 1000000)
set -euo pipefail
cd "$(dirname "$0")/.."
lines="${1:-1000000}"

scripts/install-deps.sh native
missing=()
for package in libbenchmark-dev dateutils time; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

cmake --preset native >/dev/null
cmake --build --preset native --target kalendra_bench kalendra_calls_bench torvane kalendra >/dev/null
bin="$PWD/build/native/bin"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

echo "== benchmarks (CPU time per call, median of five interleaved repetitions; ratio to the C reference of the same run)"
# The figures go to files: qcal writes its calendars and @pickdate its
# message to the standard streams.
for bench in kalendra_calls_bench kalendra_bench; do
  # Five repetitions of each in random order: a change in the machine's
  # speed during the run then touches every figure alike.
  "$bin/$bench" --benchmark_min_time=0.1 --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true --benchmark_out="$work/$bench.json" --benchmark_out_format=json \
    >/dev/null 2>&1
done
python3 - "$work/kalendra_calls_bench.json" "$work/kalendra_bench.json" <<'EOF'
import json, sys
# The median of the repetitions of each, the reference's too.
runs = [b for path in sys.argv[1:] for b in json.load(open(path))["benchmarks"] if b.get("aggregate_name") == "median"]
for b in runs:
    b["name"] = b["run_name"]
reference = next(b["cpu_time"] for b in runs if b["name"] == "BM_CReference")
# The ratio each family must stay within; kernels in nanoseconds.
def goal(name):
    if name == "Call/holiday_isholiday": return ("ns", 20000)
    if name == "Call/date_dateconv": return ("ratio", 1.2)
    if name.startswith(("Call/date_", "Call/holiday_")) and "pickdate" not in name: return ("ratio", 3)
    if name.startswith("Call/time_") and "filestamp" not in name: return ("ratio", 4)
    if name in ("BM_FromDayNumber", "BM_ToDayNumber"): return ("ns", 5)
    if name == "BM_SplitArguments": return ("ns", 50)
    return None
print(f"{'benchmark':38} {'ns':>10} {'ratio':>8}  goal")
for b in runs:
    ns, ratio = b["cpu_time"], b["cpu_time"] / reference
    g = goal(b["name"])
    if g and g[0] == "ratio":
        verdict = f"<= {g[1]}x {'met' if ratio <= g[1] else 'MISSED'}"
    elif g:
        verdict = f"<= {g[1]} ns {'met' if ns <= g[1] else 'MISSED'}"
    else:
        verdict = ""
    print(f"{b['name']:38} {ns:10.1f} {ratio:8.2f}  {verdict}")
EOF

echo
rounds="${BENCH_ROUNDS:-7}"
echo "== bulk: $lines dates, whole processes, output to a file (medians of $rounds interleaved rounds)"
python3 - "$work" "$lines" <<'EOF'
import datetime, random, sys
work, count = sys.argv[1], int(sys.argv[2])
rng = random.Random(1211)
first, last = datetime.date(1700, 1, 1).toordinal(), datetime.date(2400, 12, 31).toordinal()
dates = [datetime.date.fromordinal(rng.randint(first, last)).isoformat() for _ in range(count)]
open(f"{work}/dates.txt", "w").write("\n".join(dates) + "\n")
open(f"{work}/conv.btm", "w").write("".join(f"echo %@dateconv[{d},4,257]\r\n" for d in dates))
open(f"{work}/echo.btm", "w").write("".join(f"echo {d}\r\n" for d in dates))
open(f"{work}/conv.py", "w").write(
    "import sys, datetime\n"
    "out = sys.stdout.write\n"
    "for line in sys.stdin:\n"
    "    out(datetime.date.fromisoformat(line.strip()).strftime('%m/%d/%Y') + '\\n')\n")
EOF
# torvane's peak memory, from a run of its own under time(1): a child of
# Python would count the memory of the Python that forked it.
peak_kb="$(cd "$work" && /usr/bin/time -f %M "$bin/torvane" conv.btm 2>&1 >/dev/null)"
# Every round runs each command once, in turn, so that a change in the
# machine's speed touches them alike; the figures are the medians of the
# rounds.
python3 - "$work" "$bin" "$rounds" "$peak_kb" <<'EOF'
import os, statistics, subprocess, sys, time
work, bin_dir, rounds, peak_kb = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
commands = {  # each reads dates.txt on its standard input
    "torvane conv.btm": [f"{bin_dir}/torvane", "conv.btm"],
    "torvane echo.btm (the shell alone)": [f"{bin_dir}/torvane", "echo.btm"],
    "GNU date -f": ["date", "-f", "-", "+%m/%d/%Y"],
    "dateutils.dconv": ["dateutils.dconv", "-i", "%F", "-f", "%m/%d/%Y"],
    "python3 strftime": ["python3", "conv.py"],
}
seconds = {name: [] for name in commands}
for _ in range(rounds):
    for name, command in commands.items():
        with open(f"{work}/out", "w") as out, open(f"{work}/dates.txt") as given:
            start = time.perf_counter()
            child = subprocess.Popen(command, cwd=work, stdin=given, stdout=out, stderr=subprocess.DEVNULL,
                                     env=dict(os.environ, LC_ALL="C"))
            status = child.wait()
            seconds[name].append(time.perf_counter() - start)
        if status != 0:
            sys.exit(f"{name} failed")
        if name == "torvane conv.btm" and open(f"{work}/out").readline()[:10].count("/") != 2:
            sys.exit("torvane wrote no dates")
median = {name: statistics.median(values) for name, values in seconds.items()}
conv, dconv = median["torvane conv.btm"], median["dateutils.dconv"]
shell = median["torvane echo.btm (the shell alone)"]
print(f"{'run':38} {'s':>10} {'torvane/x':>10}")
for name, value in median.items():
    print(f"{name:38} {value:10.3f} {conv / value:10.2f}")
# The goals, against dconv in the same run: the batch at or below it; the
# shell alone at half of the 0.65 that the last round measured, or less.
print(f"goal: torvane conv.btm <= dateutils.dconv       {conv / dconv:5.2f}x {'met' if conv <= dconv else 'MISSED'}")
print(f"goal: the shell alone <= 0.32 x dateutils.dconv {shell / dconv:5.2f}x {'met' if shell <= 0.32 * dconv else 'MISSED'}")
print(f"goal: torvane peak resident memory < 16 MiB     {peak_kb / 1024:5.1f} MiB {'met' if peak_kb < 16 * 1024 else 'MISSED'}")
EOF
