#!/usr/bin/env bash
# Builds the native (optimised) configuration, runs the benchmarks and a
# bulk comparison, and prints one table of figures and ratios:
#   - every benchmark against the C reference (strptime + strftime) of the
#     same run;
#   - a batch file of N lines "echo %@dateconv[DATE,4,257]" (random dates
#     1700-2400) through torvane, beside GNU date -f, dateutils' dconv and
#     Python converting the same dates, and torvane echoing the bare dates;
#     whole processes, output to a file, with torvane's peak memory.
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
    if name == "Call/date_dateconv": return ("ratio", 2)
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
echo "== bulk: $lines dates, whole processes, output to a file (median of three runs)"
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
seconds() {  # the median seconds of three runs of a command, output to a file, and its peak resident kilobytes
  for run in 1 2 3; do
    /usr/bin/time -f "%e %M" -o "$work/time$run" bash -c "$1" >"$work/out" 2>/dev/null
  done
  cat "$work/time1" "$work/time2" "$work/time3" | sort -n | sed -n 2p
}
read -r torvane torvane_kb < <(seconds "cd '$work' && '$bin/torvane' conv.btm")
head -1 "$work/out" | grep -q '^[0-9][0-9]/[0-9][0-9]/[0-9]\{4\}' || { echo "torvane wrote no dates"; exit 1; }
read -r shell_only _ < <(seconds "cd '$work' && '$bin/torvane' echo.btm")
read -r gnu_date _ < <(seconds "LC_ALL=C date -f '$work/dates.txt' +%m/%d/%Y")
read -r dconv _ < <(seconds "dateutils.dconv -i '%F' -f '%m/%d/%Y' < '$work/dates.txt'")
read -r python _ < <(seconds "python3 '$work/conv.py' < '$work/dates.txt'")
python3 - "$torvane" "$shell_only" "$gnu_date" "$dconv" "$python" "$torvane_kb" <<'EOF'
import sys
torvane, shell_only, gnu_date, dconv, python, kb = (float(v) for v in sys.argv[1:])
print(f"{'run':38} {'s':>10} {'torvane/x':>10}")
for name, value in [("torvane conv.btm", torvane), ("torvane echo.btm (the shell alone)", shell_only),
                    ("GNU date -f", gnu_date), ("dateutils.dconv", dconv), ("python3 strftime", python)]:
    print(f"{name:38} {value:10.2f} {torvane / value if value else 0:10.2f}")
print(f"torvane peak resident memory: {kb / 1024:.1f} MiB")
EOF
