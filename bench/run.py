#!/usr/bin/env python3
"""Runs every Orbanil benchmark from a built bench folder and prints one table.

Ratios are measured in one run, alternating the two sides; every figure is the median of the
runs. Nothing here fails on speed: the table says whether each target is met.
"""
import argparse
import json
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def run_child(command, env):
    """Wall seconds, peak RSS (KiB) and stdout of one child, measured with wait4."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        start = time.perf_counter()
        child = subprocess.Popen(command, env=env, stdout=out, stderr=err,
                                 stdin=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        wall = time.perf_counter() - start
        child.returncode = os.waitstatus_to_exitcode(status)
        out.seek(0)
        err.seek(0)
        text = out.read().decode(errors="replace")
        if child.returncode != 0:
            sys.exit(f"{' '.join(command)} failed ({child.returncode}):\n"
                     + err.read().decode(errors="replace")[-2000:])
        return wall, usage.ru_maxrss, text


def alternate(commands, env, runs):
    """Runs each command `runs` times, interleaved, after one unmeasured warm-up of each."""
    results = {name: [] for name in commands}
    for name, command in commands.items():
        run_child(command, env)
    for _ in range(runs):
        for name, command in commands.items():
            wall, rss, _ = run_child(command, env)
            results[name].append((wall, rss))
    return results


def medians(samples):
    return (statistics.median(s[0] for s in samples), statistics.median(s[1] for s in samples))


class Table:
    def __init__(self):
        self.rows = []

    def add(self, figure, this, reference, ratio, target, met):
        self.rows.append((figure, this, reference, ratio, target,
                          "-" if met is None else ("yes" if met else "NO")))

    def print(self):
        head = ("figure", "this build", "reference", "ratio", "target", "met?")
        widths = [max(len(str(r[i])) for r in self.rows + [head]) for i in range(len(head))]
        line = lambda r: "| " + " | ".join(str(c).ljust(w) for c, w in zip(r, widths)) + " |"
        print(line(head))
        print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
        for r in self.rows:
            print(line(r))


def start_xvfb(display):
    xvfb = shutil.which("Xvfb")
    if not xvfb:
        return None
    server = subprocess.Popen([xvfb, display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    socket = f"/tmp/.X11-unix/X{display.lstrip(':')}"
    for _ in range(100):
        if os.path.exists(socket):
            return server
        if server.poll() is not None:
            return None
        time.sleep(0.05)
    server.kill()
    server.wait()
    return None


def startup_rows(table, bench, env, label, runs):
    results = alternate({"ref": [f"{bench}/bench_reference_startup"],
                         "prog": [f"{bench}/bench_program_startup"]}, env, runs)
    (ref_wall, ref_rss), (wall, rss) = medians(results["ref"]), medians(results["prog"])
    table.add(f"start-up wall, {label}", f"{wall * 1000:.1f} ms", f"{ref_wall * 1000:.1f} ms",
              f"{wall / ref_wall:.2f}", "<= 1.15", wall / ref_wall <= 1.15)
    table.add(f"start-up peak RSS, {label}", f"{rss / 1024:.1f} MiB", f"{ref_rss / 1024:.1f} MiB",
              f"{rss / ref_rss:.2f}", "<= 1.10", rss / ref_rss <= 1.10)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("bench", help="the build folder's bench/ with the executables")
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--idle-runs", type=int, default=3)
    parser.add_argument("--idle-seconds", type=float, default=20.0)
    args = parser.parse_args()
    bench = os.path.abspath(args.bench)
    runs = max(args.runs, 1)

    base = dict(os.environ)
    base.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp(prefix="orbanil-bench-xdg-"))
    os.chmod(base["XDG_RUNTIME_DIR"], 0o700)
    offscreen = dict(base, QT_QPA_PLATFORM="offscreen")
    table = Table()

    print("Start-up, offscreen ...", file=sys.stderr)
    startup_rows(table, bench, offscreen, "offscreen", runs)

    server = start_xvfb(":93")
    if server:
        try:
            print("Start-up, Xvfb ...", file=sys.stderr)
            xcb = dict(base, QT_QPA_PLATFORM="xcb", DISPLAY=":93")
            startup_rows(table, bench, xcb, "Xvfb", runs)
        finally:
            server.terminate()
            server.wait()
    else:
        table.add("start-up, Xvfb", "not run", "-", "-", "-", None)

    print("Everything open ...", file=sys.stderr)
    results = alternate({"ref": [f"{bench}/bench_reference_startup"],
                         "all": [f"{bench}/bench_all_windows", "peak"]}, offscreen, runs)
    ref_rss, rss = medians(results["ref"])[1], medians(results["all"])[1]
    table.add("all six windows open, peak RSS", f"{rss / 1024:.1f} MiB", f"{ref_rss / 1024:.1f} MiB",
              f"{rss / ref_rss:.2f}", "<= 1.5", rss / ref_rss <= 1.5)

    print(f"Idle, {args.idle_runs} x {args.idle_seconds:g} s ...", file=sys.stderr)
    idle = []
    for _ in range(args.idle_runs):
        _, _, out = run_child([f"{bench}/bench_all_windows", "idle", str(args.idle_seconds)],
                              offscreen)
        idle.append(json.loads(out.strip().splitlines()[-1]))
    cpu = statistics.median(100 * r["cpu_seconds"] / r["seconds"] for r in idle)
    growth = statistics.median(100 * (r["rss_end_kib"] - r["rss_1s_kib"]) / r["rss_1s_kib"]
                               for r in idle)
    table.add(f"idle CPU, six windows ({args.idle_runs} x {args.idle_seconds:g} s)",
              f"{cpu:.3f} % of a core", "-", "-", "<= 0.3 %", cpu <= 0.3)
    table.add(f"idle RSS growth, 1 s -> {1 + args.idle_seconds:g} s", f"{growth:+.2f} %",
              f"{statistics.median(r['rss_1s_kib'] for r in idle) / 1024:.1f} MiB at 1 s", "-",
              "within 1 %", abs(growth) <= 1.0)

    print("Core throughput ...", file=sys.stderr)
    _, _, out = run_child([f"{bench}/bench_core_throughput", "--benchmark_format=json",
                           f"--benchmark_repetitions={runs}", "--benchmark_min_time=0.05",
                           "--benchmark_report_aggregates_only=true"], base)
    core = {b["run_name"]: b for b in json.loads(out)["benchmarks"]
            if b.get("aggregate_name") == "median"}
    mbps = lambda name: core[name]["bytes_per_second"] / 1e6
    for mib in (1, 10):
        rule, ceiling = mbps(f"BM_codeTextFromBytes/{mib}"), mbps(f"BM_memchrLineEnds/{mib}")
        table.add(f"codeTextFromBytes {mib} MiB (ref: memchr)", f"{rule:.0f} MB/s",
                  f"{ceiling:.0f} MB/s", f"{rule / ceiling:.2f}", ">= 1000 MB/s", rule >= 1000)
    for mib in (1, 10):
        table.add(f"readCodeFile {mib} MiB", f"{mbps(f'BM_readCodeFile/{mib}'):.0f} MB/s", "-", "-",
                  "-", None)
    table.add("codeTextFromBytes 1 MiB, accented", f"{mbps('BM_codeTextFromBytesAccented/1'):.0f} MB/s",
              "-", "-", "-", None)
    for arg, kind in ((0, "ASCII"), (1, "accented")):
        table.add(f"Windows-1252 decode, {kind}", f"{mbps(f'BM_windows1252ToUtf8/{arg}'):.0f} MB/s",
                  "-", "-", "-", None)
        table.add(f"Windows-1252 encode, {kind}", f"{mbps(f'BM_utf8ToWindows1252/{arg}'):.0f} MB/s",
                  "-", "-", "-", None)
    blocks = core["BM_generateInside"]["items_per_second"]
    table.add("generateInside", f"{blocks / 1e6:.2f} M blocks/s", "-", "-", "-", None)

    print("Passenger view ...", file=sys.stderr)
    _, _, out = run_child([f"{bench}/bench_cabin_render", "--benchmark_format=json",
                           f"--benchmark_repetitions={runs}",
                           "--benchmark_report_aggregates_only=true"], base)
    views = {b["run_name"]: b for b in json.loads(out)["benchmarks"]
             if b.get("aggregate_name") == "median"}
    view, large = views["BM_renderCabin/640/400"], views["BM_renderCabin/1280/800"]
    table.add("passenger view frame, 640 x 400, 20,000 triangles", f"{view['real_time']:.1f} ms",
              f"{view['cpu_time']:.1f} ms CPU", "-", "<= 33 ms", view["real_time"] <= 33)
    table.add("passenger view frame, 1280 x 800", f"{large['real_time']:.1f} ms", "-", "-", "-",
              None)
    table.add("passenger view, renderer's heap for a frame", f"{view['renderer_MiB']:.1f} MiB",
              "-", "-", "-", None)

    print("Camera drawing ...", file=sys.stderr)
    # On one core, as the target is set.
    one_core = ["taskset", "-c", "0"] if shutil.which("taskset") else []
    _, _, out = run_child(one_core + [f"{bench}/bench_camera_drawing", "--benchmark_format=json",
                                      f"--benchmark_repetitions={runs}",
                                      "--benchmark_report_aggregates_only=true"], offscreen)
    drawn = {b["run_name"]: b for b in json.loads(out)["benchmarks"]
             if b.get("aggregate_name") == "median"}
    for name, word in (("BM_repaint", "repaint"),
                       ("BM_repaintAfterBoxChange", "repaint after a box change"),
                       ("BM_dragStep", "step of a head's drag")):
        figure = drawn[name]
        table.add(f"drawing with the coach under the box, {word}",
                  f"{figure['real_time']:.2f} ms", f"{figure['cpu_time']:.2f} ms CPU", "-",
                  "<= 33 ms", figure["real_time"] <= 33)

    print("Passenger view window ...", file=sys.stderr)
    with tempfile.TemporaryDirectory(prefix="orbanil-bench-coach-") as coach:
        run_child([f"{bench}/bench_write_cabin", "coach", coach], base)
        windows = []
        for _ in range(max(runs // 4, 3)):
            _, _, out = run_child([f"{bench}/bench_passenger_view", coach], offscreen)
            windows.append(json.loads(out.strip().splitlines()[-1]))
    added = statistics.median((r["rss_after_keys_kib"] - r["rss_before_kib"]) / 1024 for r in windows)
    table.add("passenger view open on the coach, RSS added", f"{added:.1f} MiB",
              f"{statistics.median(r['rss_before_kib'] for r in windows) / 1024:.1f} MiB before",
              "-", "<= 40 MB", added * 1.048576 <= 40)
    answer = statistics.median(r["answer_max_ms"] for r in windows)
    table.add("keystroke answered while the view draws (max of 200)", f"{answer:.2f} ms",
              f"{statistics.median(r['answer_median_ms'] for r in windows):.2f} ms median", "-",
              "< 33 ms", answer < 33)
    table.add("view drawn after a keystroke",
              f"{statistics.median(r['followed_median_ms'] for r in windows):.1f} ms", "-", "-",
              "-", None)
    move = statistics.median(r["move_answer_max_ms"] for r in windows)
    table.add("head moved by a key while the view draws (max of 200)", f"{move:.2f} ms",
              f"{statistics.median(r['move_answer_median_ms'] for r in windows):.2f} ms median",
              "-", "< 33 ms", move < 33)
    table.add("view drawn after a head move",
              f"{statistics.median(r['move_followed_median_ms'] for r in windows):.1f} ms", "-",
              "-", "-", None)

    print("Large files through the main window ...", file=sys.stderr)
    _, _, out = run_child([f"{bench}/bench_large_files", str(runs)], offscreen)
    large = json.loads(out.strip().splitlines()[-1])
    for what, word in (("open", "open (Abrir)"), ("save", "save (Guardar)")):
        one, ten = large[f"{what}_1_ms"], large[f"{what}_10_ms"]
        table.add(f"{word} 10 MiB (ref: 1 MiB)", f"{ten:.1f} ms", f"{one:.1f} ms",
                  f"{ten / one:.2f}", "<= 11", ten / one <= 11)

    cpu_model = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo")
                      if l.startswith("model name")), platform.processor())
    print(f"\nOrbanil benchmarks: {cpu_model}, {os.cpu_count()} cores, {platform.platform()}")
    print(f"Medians of {runs} runs (alternating sides); idle: {args.idle_runs} runs of "
          f"{args.idle_seconds:g} s, offscreen.\n")
    table.print()


if __name__ == "__main__":
    main()
