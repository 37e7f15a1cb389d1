"""Prints the benchmark table: each case, its floor, their ratio and the target.

Usage: table.py CORE.json VIEW.json START.json [ARCHIVE.json [CSV.json]] (Google Benchmark,
except START from bench_start). In-process cases compare the median CPU time of their
repetitions; start-up compares the median wall time and the peak resident memory.
"""
import json
import os
import platform
import statistics
import subprocess
import sys


def medians(path):
    """Median CPU time (wall time for /real_time cases) in microseconds of each benchmark's repetitions."""
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    times = {}
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}
    for b in data["benchmarks"]:
        if b.get("run_type") != "iteration" or b.get("error_occurred"):
            continue
        # Cases that wait for the disk are timed in wall time.
        key = "real_time" if b["run_name"].endswith("/real_time") else "cpu_time"
        times.setdefault(b["run_name"], []).append(b[key] * scale[b["time_unit"]])
    return {name: statistics.median(values) for name, values in times.items()}


def fmt_time(us):
    if us >= 1000:
        return f"{us / 1000:.1f} ms"
    if us >= 10:
        return f"{us:.0f} µs"
    return f"{us:.2f} µs"


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


def main(core_path, view_path, start_path, archive_path=None, csv_path=None):
    t = medians(core_path)
    t.update(medians(view_path))
    if archive_path:
        t.update(medians(archive_path))
    if csv_path:
        t.update(medians(csv_path))
    with open(start_path, encoding="utf-8") as f:
        start = json.load(f)

    rows = []

    def ratio_row(what, floor_text, value, floor, target, unit=fmt_time):
        """A row with its ratio; a target of None marks an informative row."""
        target_text = f"≤ {target}×" if target is not None else "— (informative)"
        if value is None or floor is None:
            rows.append((what, floor_text, "missing", "", "", target_text, "no"))
            return
        ratio = value / floor
        met = "" if target is None else ("yes" if ratio <= target else "no")
        rows.append((what, floor_text, unit(value), unit(floor), f"{ratio:.2f}×", target_text, met))

    ratio_row("T_Read of a 32,768-line day file",
              "QStringDecoder decode + split into lines",
              t.get("BM_TRead32768"), t.get("BM_Floor_DecodeAndSplit32768"), 3)
    ratio_row("ComputeIndicators, 998 days",
              "one pass summing the five fields of 998 records",
              t.get("BM_ComputeIndicators998"), t.get("BM_Floor_SumFiveFields998"), 10)
    redraw = t.get("BM_RedrawGridModel998")
    rows.append(("RedrawGrid in the model, 998 days", "— (absolute)",
                 fmt_time(redraw) if redraw is not None else "missing", "", "", "well under 1 ms",
                 "yes" if redraw is not None and redraw < 500 else "no"))
    ratio_row("RedrawGrid + view update after a scroll click, painted, offscreen",
              "setText on 312 QLabels, painted",
              t.get("BM_ScrollClickView998"), t.get("BM_Floor_SetText312Labels"), 2)

    prog_wall = statistics.median(start["program"]["wall_ms"])
    bare_wall = statistics.median(start["bare"]["wall_ms"])
    ratio_row("process start to first painted frame, 998 days, offscreen",
              "bare Qt program, empty 888×549 window",
              prog_wall, bare_wall, 1.5, unit=lambda ms: f"{ms:.0f} ms")
    prog_rss = max(start["program"]["max_rss_kb"])
    bare_rss = max(start["bare"]["max_rss_kb"])
    ratio_row("peak memory of that start", "the same bare Qt program",
              prog_rss, bare_rss, 1.5, unit=lambda kb: f"{kb / 1024:.1f} MiB")
    if "bare_text" in start:
        text_wall = statistics.median(start["bare_text"]["wall_ms"])
        text_rss = max(start["bare_text"]["max_rss_kb"])
        ratio_row("process start to first painted frame (as above)",
                  "bare Qt program, same window with two lines of Japanese text in the program's two faces",
                  prog_wall, text_wall, None, unit=lambda ms: f"{ms:.0f} ms")
        ratio_row("peak memory of that start (as above)", "the same bare program with text",
                  prog_rss, text_rss, None, unit=lambda kb: f"{kb / 1024:.1f} MiB")

    if "program_archive" in start:
        ratio_row("process start to first painted frame, 998 days and a 10,000-day archive, offscreen",
                  "the same start without the archive",
                  statistics.median(start["program_archive"]["wall_ms"]), prog_wall, 1.1,
                  unit=lambda ms: f"{ms:.0f} ms")
    ratio_row("reading a 10,000-day archive file", "reading, decoding and splitting the same file into lines",
              t.get("BM_ReadArchive10000"), t.get("BM_Floor_ReadDecodeSplit10000"), None)
    ratio_row("start-up files and days read in-process, with a 10,000-day archive", "the same without archive",
              t.get("BM_StartFiles998_Archive10000"), t.get("BM_StartFiles998"), None)
    ratio_row("save with backups, 998 days (wall time)", "the same two files written by L_Write alone",
              t.get("BM_SaveWithBackups998/real_time"), t.get("BM_Floor_LWrite998/real_time"), None)
    ratio_row("save with backups, 998 days and a 10,000-day archive (wall time)",
              "the same two files written by L_Write alone",
              t.get("BM_SaveWithBackups998_Archive10000/real_time"), t.get("BM_Floor_LWrite998/real_time"), None)

    if csv_path:
        csv_rows(t, rows)

    print(f"Machine: {machine()}")
    head = ("what", "floor it is compared with", "measured", "floor", "ratio", "target", "met")
    print("| " + " | ".join(head) + " |")
    print("|" + "|".join("---" for _ in head) + "|")
    for row in rows:
        print("| " + " | ".join(row) + " |")
    runs = len(start["program"]["wall_ms"])
    print(f"In-process cases: median CPU time of the repetitions; start: median wall time of {runs} runs, "
          f"peak RSS the largest of them.")


def chart_table(chart_path):
    """The chart window's rows: absolute targets, median CPU time of the repetitions."""
    t = medians(chart_path)
    rows = [
        ("chart: full repaint, 1600×900, 10,000 days (a span per pixel column), offscreen",
         t.get("BM_ChartFullRepaint/10000"), 8000),
        ("chart: full repaint, 1600×900, the most days still drawn through each day (≈760)",
         t.get("BM_ChartFullRepaint/0"), None),
        ("chart: opening the window over 10,000 days, to its first painted frame",
         t.get("BM_ChartOpen10000"), 50000),
        ("chart: hover over 10,000 days, crosshair and read-out repainted",
         t.get("BM_ChartHover10000"), 2000),
        ("chart: keeping it up to date after an event that changed nothing",
         t.get("BM_ChartSyncUnchanged10000"), None),
        ("chart: keeping it up to date after an edit (history of 10,000 days rebuilt)",
         t.get("BM_ChartSyncChanged10000"), None),
        ("chart: keeping it up to date after a note changed (marks of 1,000 notes found anew)",
         t.get("BM_ChartSyncNoteChanged10000"), None),
    ]
    print("| what | measured | target | met |")
    print("|---|---|---|---|")
    for what, value, target in rows:
        measured = fmt_time(value) if value is not None else "missing"
        if target is None:
            print(f"| {what} | {measured} | — (informative) |  |")
        else:
            met = "yes" if value is not None and value <= target else "no"
            print(f"| {what} | {measured} | ≤ {fmt_time(target)} | {met} |")
    print("Chart cases: median CPU time of the repetitions.")


def csv_rows(t, rows):
    """Import and export of 10,000 days: absolute targets, and the ratio to moving the
    same bytes through the file (informative)."""
    for what, case, floor_case, floor_text, limit_ms in (
            ("import of a 10,000-line CSV (read, parse, plan, merge)", "BM_ImportCsv10000",
             "BM_Floor_ReadCsvBytes10000", "reading the same bytes", 100),
            ("export of 10,000 days (history, text, UTF-8, atomic write)", "BM_ExportCsv10000",
             "BM_Floor_WriteCsvBytes10000", "writing the same bytes the same way", 50)):
        value, floor = t.get(case), t.get(floor_case)
        if value is None or floor is None:
            rows.append((what, floor_text, "missing", "", "", f"≤ {limit_ms} ms", "no"))
            continue
        met = "yes" if value <= limit_ms * 1000 else "no"
        rows.append((what, floor_text, fmt_time(value), fmt_time(floor), f"{value / floor:.0f}×",
                     f"≤ {limit_ms} ms", met))


if __name__ == "__main__":
    if sys.argv[1:2] == ["--chart"]:
        chart_table(sys.argv[2])
    else:
        main(*sys.argv[1:6])
