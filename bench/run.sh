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

echo "== benchmarks (CPU time per call; ratio to the C reference of the same run)"
"$bin/kalendra_calls_bench" --benchmark_format=json --benchmark_min_time=0.5 >"$work/calls.json" 2>/dev/null
"$bin/kalendra_bench" --benchmark_format=json --benchmark_min_time=0.5 >"$work/kernels.json" 2>/dev/null
python3 - "$work/calls.json" "$work/kernels.json" <<'EOF'
import json, sys
runs = [b for path in sys.argv[1:] for b in json.load(open(path))["benchmarks"]]
reference = next(b["cpu_time"] for b in runs if b["name"] == "BM_CReference")
print(f"{'benchmark':38} {'ns':>10} {'ratio':>8}")
for b in runs:
    print(f"{b['name']:38} {b['cpu_time']:10.1f} {b['cpu_time'] / reference:8.2f}")
EOF

echo
echo "== bulk: $lines dates, whole processes, output to a file"
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
seconds() {  # seconds and peak resident kilobytes of a command, output to a file
  /usr/bin/time -f "%e %M" -o "$work/time" bash -c "$1" >"$work/out" 2>/dev/null
  cat "$work/time"
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
