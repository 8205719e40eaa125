#!/usr/bin/python3
"""pramo-calc --jsonl against the Python library python3-fluids, side by side in one run.

Usage: bench/tool_vs_fluids.py PRAMO_CALC [CASES] [MEMORY_LINES]

Times CASES (default 10 000) one-result bore sizings of a corner-tapped orifice plate for water through the
tool (whole process: reading, gathering, sizing, writing; with --jobs 1 and --jobs 2) and the same sizings
through fluids' differential_pressure_meter_solver (bare sizing from density and viscosity, which the tool
computes itself), then the tool's peak memory for MEMORY_LINES (default 1 000 000) lines streamed through it.
Needs Debian's python3-fluids for the comparison (run with /usr/bin/python3).
"""
import json
import os
import resource
import subprocess
import sys
import tempfile
import time

from fluids.flow_meter import differential_pressure_meter_solver

PIPE_MM = 100.0
DP_MAX_PA = 25000.0
GAUGE_BAR = 6.0
# Water at 7.01325 bar absolute and 60 °C, as the tool's property routines give it.
DENSITY = 983.47
VISCOSITY = 4.6706e-4
ISENTROPIC = 1.33


def flows(count):
    """Maximum flows in t/h spread over the range a 100 mm orifice plate sizes at 25 kPa."""
    return [20.0 + 40.0 * (i % 997) / 997.0 for i in range(count)]


def tool_line(flow_max):
    return json.dumps({
        "CalcKind": 0, "ElementKind": 0, "Fluid": 2,
        "PressureEntered": GAUGE_BAR, "PressureUnit": 13, "TemperatureEntered": 60,
        "FlowEntered": 0.8 * flow_max, "FlowMaxEntered": flow_max, "FlowMinEntered": 0.2 * flow_max,
        "FlowUnit": 5, "PipeDiameterEntered": PIPE_MM, "PipeDiameterUnit": 0,
        "DpMaxGiven": True, "DpMaxEntered": DP_MAX_PA, "DpUnit": 0,
    }, separators=(",", ":"))


def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def time_tool(tool, lines, jobs):
    """Wall-clock and processor seconds of one run of the tool over the lines, and its good answers. The
    tool reads a file and writes a file, as a script runs it: time spent by this interpreter feeding and
    draining pipes would not be the tool's."""
    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(folder, "in.jsonl")
        target = os.path.join(folder, "out.jsonl")
        with open(source, "w") as f:
            f.write("\n".join(lines) + "\n")
        with open(target, "wb") as out:
            cpu = children_cpu()
            start = time.perf_counter()
            subprocess.run([tool, "--jsonl", "--jobs=%d" % jobs, source], stdout=out, check=False)
            seconds = time.perf_counter() - start
            cpu = children_cpu() - cpu
        with open(target) as f:
            good = sum(1 for answer in f if json.loads(answer).get("ok"))
    return seconds, cpu, good


def time_fluids(count):
    """Wall-clock and processor seconds of the same sizings in fluids."""
    p1 = (GAUGE_BAR + 1.01325) * 1e5
    cpu = time.process_time()
    start = time.perf_counter()
    for flow in flows(count):
        differential_pressure_meter_solver(D=PIPE_MM / 1000, rho=DENSITY, mu=VISCOSITY, k=ISENTROPIC,
                                           P1=p1, P2=p1 - DP_MAX_PA, m=flow / 3.6,
                                           meter_type="ISO 5167 orifice", taps="corner")
    return time.perf_counter() - start, time.process_time() - cpu


def high_water_mb(pid):
    """The process's peak resident memory so far (VmHWM); what rusage gives for a child also counts the
    forked Python image before the tool was executed."""
    try:
        with open("/proc/%d/status" % pid) as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1]) / 1024.0
    except OSError:
        pass
    return 0.0


def peak_memory_mb(tool, count):
    line = (tool_line(40.0) + "\n").encode()
    child = subprocess.Popen([tool, "--jsonl", "-"], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
    block = line * 1000
    peak = 0.0
    for i in range(count // 1000):
        child.stdin.write(block)
        if i % 50 == 0:
            peak = max(peak, high_water_mb(child.pid))
    child.stdin.close()
    while child.poll() is None:
        peak = max(peak, high_water_mb(child.pid))
        time.sleep(0.01)
    return peak


def main():
    tool = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 10000
    memory_lines = int(sys.argv[3]) if len(sys.argv) > 3 else 1000000
    lines = [tool_line(f) for f in flows(count)]
    # Wall-clock time tells what a user waits; processor time stays comparable on a loaded machine.
    fluids_s, fluids_cpu = time_fluids(count)
    print("fluids differential_pressure_meter_solver: %.1f us per sizing (processor %.1f us)"
          % (fluids_s / count * 1e6, fluids_cpu / count * 1e6))
    for jobs in (1, 2):
        tool_s, tool_cpu, good = time_tool(tool, lines, jobs)
        print("pramo-calc --jsonl --jobs %d: %.1f us per calculation (processor %.1f us; %d of %d ok), "
              "ratio %.2f (processor %.2f)" % (jobs, tool_s / count * 1e6, tool_cpu / count * 1e6, good, count,
                                               fluids_s / tool_s, fluids_cpu / tool_cpu))
    if memory_lines:
        print("pramo-calc --jsonl, %d lines: peak memory %.1f MB"
              % (memory_lines, peak_memory_mb(tool, memory_lines)))


if __name__ == "__main__":
    main()
