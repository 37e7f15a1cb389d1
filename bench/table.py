"""Prints the benchmark table: each case, its floor, their ratio and the target, and exits
with status 1 when a row misses its target (or could not be measured).

Usage: table.py RESULT.json ... -- every Google Benchmark output (in-process cases, compared
by the median CPU time of their repetitions, or the wall time for cases named .../real_time,
which wait for the disk) and the bench_start output (start-up, compared by the median of
the ratios within each round of starts, and by the largest peak resident memory).

The rows are listed once, in ROWS below: to add a row, add its benchmark to a program that
bench/run runs and a line here.
"""
import json
import os
import platform
import statistics
import subprocess
import sys
from dataclasses import dataclass
from typing import Callable, Optional


def fmt_time(us):
    if us >= 1000:
        return f"{us / 1000:.1f} ms"
    if us >= 10:
        return f"{us:.0f} µs"
    return f"{us:.2f} µs"


def fmt_ms(ms):
    return f"{ms:.0f} ms"


def fmt_mib(kb):
    return f"{kb / 1024:.1f} MiB"


# Where a measured value comes from: a function of the merged results, None when absent.
def bench(name):
    """Median CPU time in µs of a Google Benchmark case."""
    return lambda results: results["bench"].get(name)


def start_wall(program):
    """Median wall time in ms of a program's runs to its first frame."""
    def value(results):
        runs = results["start"].get(program)
        return statistics.median(runs["wall_ms"]) if runs else None
    return value


def start_ratio(program, floor):
    """Median over the rounds of starts of a program's wall time over its floor's in the same
    round. A round starts every program once, one right after another, so a busy spell of the
    machine slows a program and its floor alike; the ratio of the two medians would instead
    set runs of different spells against each other."""
    def value(results):
        runs, floors = results["start"].get(program), results["start"].get(floor)
        if not runs or not floors:
            return None
        return statistics.median(a / b for a, b in zip(runs["wall_ms"], floors["wall_ms"]))
    return value


def start_rss(program):
    """Largest peak resident memory in KiB of a program's runs to its first frame."""
    def value(results):
        runs = results["start"].get(program)
        return max(runs["max_rss_kb"]) if runs else None
    return value


@dataclass
class Row:
    what: str
    floor_text: str  # what the case is compared with; "— (absolute)" when nothing
    case: Callable
    floor: Optional[Callable] = None  # shown beside the case, with their ratio
    target: Optional[float] = None  # largest ratio met
    limit: Optional[float] = None  # or: largest value met, in the unit's base (µs, ms, KiB)
    target_text: Optional[str] = None  # how the limit reads in the table
    unit: Callable = fmt_time
    optional: bool = False  # left out when not measured (instead of failing)
    ratio: Optional[Callable] = None  # the ratio, where it is not the case's value over the floor's
    # A row with neither a target nor a limit is informative: shown, never failing.


ROWS = [
    Row("T_Read of a 32,768-line day file", "QStringDecoder decode + split into lines",
        bench("BM_TRead32768"), bench("BM_Floor_DecodeAndSplit32768"), target=3),
    Row("ComputeIndicators, 998 days", "one pass summing the five fields of 998 records",
        bench("BM_ComputeIndicators998"), bench("BM_Floor_SumFiveFields998"), target=10),
    Row("RedrawGrid in the model, 998 days", "— (absolute)", bench("BM_RedrawGridModel998"),
        limit=500, target_text="well under 1 ms"),
    Row("RedrawGrid + view update after a scroll click, painted, offscreen", "setText on 312 QLabels, painted",
        bench("BM_ScrollClickView998"), bench("BM_Floor_SetText312Labels"), target=2),
    # Start-up is held against a bare window that draws Japanese text in the program's two
    # faces, since loading the fonts is most of any such window's start; the empty window
    # is shown beside it.
    Row("process start to first painted frame, 998 days, offscreen",
        "bare Qt program, 888×549 window with two lines of Japanese text in the program's two faces",
        start_wall("program"), start_wall("bare_text"), target=1.3, unit=fmt_ms,
        ratio=start_ratio("program", "bare_text")),
    Row("peak memory of that start", "the same bare program with text",
        start_rss("program"), start_rss("bare_text"), target=1.1, unit=fmt_mib),
    Row("process start to first painted frame (as above)", "bare Qt program, empty 888×549 window",
        start_wall("program"), start_wall("bare"), unit=fmt_ms, optional=True, ratio=start_ratio("program", "bare")),
    Row("peak memory of that start (as above)", "the same bare program, empty",
        start_rss("program"), start_rss("bare"), unit=fmt_mib, optional=True),
    # The archive of days beyond the grid.
    Row("process start to first painted frame, 998 days and a 10,000-day archive, offscreen",
        "the same start without the archive", start_wall("program_archive"), start_wall("program"), target=1.1,
        unit=fmt_ms, optional=True, ratio=start_ratio("program_archive", "program")),
    Row("reading a 10,000-day archive file", "reading, decoding and splitting the same file into lines",
        bench("BM_ReadArchive10000"), bench("BM_Floor_ReadDecodeSplit10000")),
    Row("start-up files and days read in-process, with a 10,000-day archive", "the same without archive",
        bench("BM_StartFiles998_Archive10000"), bench("BM_StartFiles998")),
    Row("save with backups, 998 days (wall time)", "the same two files written by L_Write alone",
        bench("BM_SaveWithBackups998/real_time"), bench("BM_Floor_LWrite998/real_time")),
    Row("save with backups, 998 days and a 10,000-day archive (wall time)",
        "the same two files written by L_Write alone", bench("BM_SaveWithBackups998_Archive10000/real_time"),
        bench("BM_Floor_LWrite998/real_time")),
    # Import and export: absolute limits; the ratio to moving the same bytes is informative.
    Row("import of a 10,000-line CSV (read, parse, plan, merge)", "reading the same bytes",
        bench("BM_ImportCsv10000"), bench("BM_Floor_ReadCsvBytes10000"), limit=100_000),
    Row("export of 10,000 days (history, text, UTF-8, atomic write)", "writing the same bytes the same way",
        bench("BM_ExportCsv10000"), bench("BM_Floor_WriteCsvBytes10000"), limit=50_000),
    # The chart window over 10,000 days, offscreen.
    Row("chart: full repaint, 1600×900, 10,000 days (a span per pixel column)", "— (absolute)",
        bench("BM_ChartFullRepaint/10000"), limit=8_000),
    Row("chart: full repaint, 1600×900, the most days still drawn through each day (≈760)", "— (absolute)",
        bench("BM_ChartFullRepaint/0")),
    Row("chart: opening the window over 10,000 days, to its first painted frame", "— (absolute)",
        bench("BM_ChartOpen10000"), limit=50_000),
    Row("chart: hover over 10,000 days, crosshair and read-out repainted", "— (absolute)",
        bench("BM_ChartHover10000"), limit=2_000),
    Row("chart: keeping it up to date after an event that changed nothing", "— (absolute)",
        bench("BM_ChartSyncUnchanged10000")),
    Row("chart: keeping it up to date after an edit (history of 10,000 days rebuilt)", "— (absolute)",
        bench("BM_ChartSyncChanged10000")),
    Row("chart: keeping it up to date after a note changed (marks of 1,000 notes found anew)", "— (absolute)",
        bench("BM_ChartSyncNoteChanged10000")),
]


def load(paths):
    """Google Benchmark medians (µs) by case name, and the start-up runs by program."""
    results = {"bench": {}, "start": {}}
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            data = json.load(f)
        if "benchmarks" not in data:
            results["start"].update(data)
            continue
        times = {}
        for b in data["benchmarks"]:
            if b.get("run_type") != "iteration" or b.get("error_occurred"):
                continue
            # Cases that wait for the disk are timed in wall time.
            key = "real_time" if b["run_name"].endswith("/real_time") else "cpu_time"
            times.setdefault(b["run_name"], []).append(b[key] * scale[b["time_unit"]])
        results["bench"].update({name: statistics.median(values) for name, values in times.items()})
    return results


def judge(row, results):
    """The row's cells (measured, floor, ratio, target, met), or None to leave it out."""
    value = row.case(results)
    floor = row.floor(results) if row.floor else None
    if row.target is not None:
        target_text = f"≤ {row.target}×"
    elif row.limit is not None:
        target_text = row.target_text or f"≤ {row.unit(row.limit)}"
    else:
        target_text = "— (informative)"
    if value is None or (row.floor and floor is None):
        return None if row.optional else ("missing", "", "", target_text, "no")
    ratio = row.ratio(results) if row.ratio else value / floor if floor else None
    if row.target is not None:
        met = "yes" if ratio <= row.target else "no"
    elif row.limit is not None:
        met = "yes" if value <= row.limit else "no"
    else:
        met = ""
    return (row.unit(value), row.unit(floor) if floor else "", f"{ratio:.2f}×" if ratio else "", target_text, met)


def machine():
    model = "unknown CPU"
    with open("/proc/cpuinfo", encoding="utf-8") as f:
        for line in f:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    try:
        qt = subprocess.run(["qtpaths6", "--qt-version"], capture_output=True, text=True).stdout.strip()
    except OSError:
        qt = ""
    if not qt:
        qt = "6 (version unknown)"
    return f"{os.cpu_count()} CPUs ({model}), {platform.system()} {platform.release()}, Qt {qt}"


def main(paths):
    results = load(paths)
    print(f"Machine: {machine()}")
    head = ("what", "floor it is compared with", "measured", "floor", "ratio", "target", "met")
    print("| " + " | ".join(head) + " |")
    print("|" + "|".join("---" for _ in head) + "|")
    missed = []
    for row in ROWS:
        cells = judge(row, results)
        if cells is None:
            continue
        print("| " + " | ".join((row.what, row.floor_text) + cells) + " |")
        if cells[-1] == "no":
            missed.append(row.what)
    runs = len(results["start"].get("program", {}).get("wall_ms", []))
    print(f"In-process cases: median CPU time of the repetitions (wall time where the row says so); start: "
          f"median wall time of {runs} rounds of starts, its ratio the median of the rounds' ratios, "
          f"peak RSS the largest of the runs.")
    for what in missed:
        print(f"target missed: {what}", file=sys.stderr)
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
