"""Memory an import of tarsel leaves behind in a destroyed legacy subinterpreter.

    python bench/subinterpreter_memory.py [--cycles 300]

Runs create / run / destroy cycles of legacy subinterpreters (CPython 3.12,
whose _xxsubinterpreters creates them) and prints the growth of the resident
set per cycle: once for an empty run, which is the interpreter's own cost,
and once for `import tarsel`.
The difference is what an import of the module leaves behind, ours and
pybind11's; pybind11 alone leaves about 7 KiB per interpreter for a module
with two small classes, and some 50 bytes more per bound function.  Memory
the allocator keeps for reuse counts too, so the figures are estimates; run
it on a quiet machine.  This prints figures; it asserts nothing.
"""

import argparse
import gc

import _xxsubinterpreters as interpreters


def resident_kib():
    with open("/proc/self/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError("no VmRSS in /proc/self/status")


def cycle(code):
    sub = interpreters.create(isolated=False)
    interpreters.run_string(sub, code)
    interpreters.destroy(sub)


def growth_per_cycle(code, cycles, warmup=20):
    for _ in range(warmup):
        cycle(code)
    gc.collect()
    start = resident_kib()
    for _ in range(cycles):
        cycle(code)
    gc.collect()
    return (resident_kib() - start) / cycles


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cycles", type=int, default=300)
    args = parser.parse_args()
    empty = growth_per_cycle("pass", args.cycles)
    imported = growth_per_cycle("import tarsel", args.cycles)
    print(f"empty subinterpreter:  {empty:7.2f} KiB per cycle")
    print(f"import tarsel:         {imported:7.2f} KiB per cycle")
    print(f"left by the import:    {imported - empty:7.2f} KiB per cycle")


if __name__ == "__main__":
    main()
