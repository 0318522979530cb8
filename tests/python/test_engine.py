"""How the array functions run: the level and thread count chosen at import
(TARSEL_SIMD, TARSEL_NUM_THREADS, tarsel.simd_level, tarsel.num_threads),
the same bits at every level and thread count for every layout, and a
KeyboardInterrupt that stops a long call.  The kernels themselves are proven
row by row by the C++ tests."""

import json
import os
import subprocess
import sys
import textwrap

import numpy as np
import pytest

import tarsel

LEVELS = ["scalar", "sse2", "avx2", "avx512"]
# The array functions, from the engine's function table.
BINARY = [f"{name}_arrays" for name, arity in tarsel._array_functions if arity == 2]
UNARY = [f"{name}_arrays" for name, arity in tarsel._array_functions if arity == 1]
CPUS = len(os.sched_getaffinity(0))


def run_python(code, *args, **env):
    full_env = dict(os.environ, PYTHONPATH=os.pathsep.join(p for p in sys.path if p))
    for key in ("TARSEL_SIMD", "TARSEL_NUM_THREADS"):
        full_env.pop(key, None)
    full_env.update(env)
    proc = subprocess.run([sys.executable, "-c", textwrap.dedent(code), *args], capture_output=True, text=True,
                          env=full_env, timeout=300)
    assert proc.returncode == 0, proc.stderr
    return proc.stdout


SETTINGS = """
    import json, warnings
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        import tarsel
    print(json.dumps([tarsel.simd_level, tarsel.num_threads, [str(w.message) for w in caught]]))
"""


def settings(**env):
    return json.loads(run_python(SETTINGS, **env))


BEST = settings()[0]


# --- the attributes --------------------------------------------------------------

def test_attributes_name_the_level_and_the_thread_count():
    assert tarsel.simd_level in LEVELS
    assert isinstance(tarsel.num_threads, int) and 1 <= tarsel.num_threads <= CPUS
    assert {"simd_level", "num_threads"} <= set(dir(tarsel))
    public = [name for name in vars(tarsel) if not name.startswith("_")]
    assert public.index("simd_level") > public.index("log_arrays"), "registered after the array functions"


def test_unset_environment_gives_the_best_level_and_every_cpu_of_the_affinity_mask():
    assert settings() == [BEST, CPUS, []]
    restricted = run_python("""
        import os
        os.sched_setaffinity(0, {min(os.sched_getaffinity(0))})
        import tarsel
        print(tarsel.num_threads)
    """)
    assert int(restricted) == 1


@pytest.mark.parametrize("level", LEVELS)
def test_tarsel_simd_caps_the_level(level):
    want = LEVELS[min(LEVELS.index(level), LEVELS.index(BEST))]
    assert settings(TARSEL_SIMD=level)[:2] == [want, CPUS]


@pytest.mark.parametrize("threads", ["1", "2", "3", "64"])
def test_tarsel_num_threads_caps_the_thread_count(threads):
    assert settings(TARSEL_NUM_THREADS=threads) == [BEST, min(int(threads), CPUS), []]


@pytest.mark.parametrize("name, value", [
    ("TARSEL_SIMD", "AVX2"), ("TARSEL_SIMD", "neon"), ("TARSEL_NUM_THREADS", "0"),
    ("TARSEL_NUM_THREADS", "-2"), ("TARSEL_NUM_THREADS", "two"), ("TARSEL_NUM_THREADS", "1.5"),
])
def test_a_bad_value_is_ignored_with_a_runtime_warning(name, value):
    level, threads, warnings = settings(**{name: value})
    assert (level, threads) == (BEST, CPUS)
    assert len(warnings) == 1 and warnings[0].startswith(f"{name}='{value}'") and "ignored" in warnings[0]


# --- the same bits everywhere ------------------------------------------------------

RESULTS = """
    import hashlib, numpy as np, tarsel

    def rows(n, seed):
        rng = np.random.default_rng(seed)
        hi = rng.choice([-1.0, 1.0], n) * np.exp2(rng.uniform(-40.0, 12.0, n))
        out = np.empty((n, 2))
        out[:, 0] = hi
        out[:, 1] = hi * rng.uniform(-2.0**-54, 2.0**-54, n)
        out[::97] = [np.nan, 0.0]
        out[5::101] = [np.inf, 1.0]
        out[7::103, 1] = np.nan
        out[3::29] = [-0.0, 0.0]
        out[4::31] = [np.float64(-np.inf), 0.0]
        out[8::37] = [1e300, -1e283]
        out[9::41] = [5e-324, 0.0]
        out[10::43] = [1.0, 1.0]       # not normalised
        out[11::47] = np.round(out[11::47] * 2.0) / 2.0   # integers and halves, for the roundings and pow
        return out

    def layouts(x):
        wide = np.full((2 * len(x), 3), np.nan)
        wide[::2, :2] = x
        raw = bytearray(x.nbytes + 1)
        unaligned = np.frombuffer(raw, dtype=np.float64, count=x.size, offset=1).reshape(x.shape)
        unaligned[...] = x
        return {"contiguous": x, "strided": wide[::2, :2], "fortran": np.asfortranarray(x),
                "reversed": np.ascontiguousarray(x[::-1])[::-1], "unaligned": unaligned}

    digest = {}
    for n in (0, 1, 7, 8, 9, 17, 33, 300000):
        a, b = layouts(rows(n, 1)), layouts(rows(n, 2))
        for name in %r:
            fn = getattr(tarsel, name)
            for layout in a:
                if n == 300000 and layout not in ("contiguous", "fortran"):
                    continue
                r = fn(a[layout], b[layout]) if name in %r else fn(a[layout])
                digest[f"{name} {n} {layout}"] = hashlib.sha256(r.tobytes()).hexdigest()
    print(tarsel.simd_level, tarsel.num_threads)
    for key in sorted(digest):
        print(key, digest[key])
""" % (BINARY + UNARY, BINARY)


@pytest.fixture(scope="module")
def reference_digests():
    out = run_python(RESULTS, TARSEL_SIMD="scalar", TARSEL_NUM_THREADS="1")
    return out.splitlines()[1:]


@pytest.mark.parametrize("threads", ["1", "2", "3"])
@pytest.mark.parametrize("level", LEVELS[1:])
def test_every_level_and_thread_count_gives_the_bits_of_the_scalar_loop(level, threads, reference_digests):
    if LEVELS.index(level) > LEVELS.index(BEST):
        pytest.skip(f"this processor lacks {level}")
    if int(threads) > CPUS:
        pytest.skip(f"{threads} threads need {threads} CPUs (the C++ tests run 3 threads anywhere)")
    out = run_python(RESULTS, TARSEL_SIMD=level, TARSEL_NUM_THREADS=threads).splitlines()
    assert out[0] == f"{level} {threads}"
    assert out[1:] == reference_digests


# --- Ctrl-C --------------------------------------------------------------------------

INTERRUPTED = """
    import signal, sys, time, tracemalloc
    import numpy as np
    import tarsel
    a = np.full((10**7, 2), [float(sys.argv[1]), 0.0])
    calls = {"sin_arrays": lambda: tarsel.sin_arrays(a), "np.sin": lambda: np.sin(tarsel.from_rows_view(a))}
    # SIGALRM comes from the kernel and raises KeyboardInterrupt like Ctrl-C.
    signal.signal(signal.SIGALRM, signal.default_int_handler)
    tracemalloc.start()
    start = time.perf_counter()
    signal.setitimer(signal.ITIMER_REAL, 0.2)
    try:
        calls[sys.argv[2]]()
        print("finished", time.perf_counter() - start)
    except KeyboardInterrupt:
        elapsed = time.perf_counter() - start
        print("interrupted", elapsed, tracemalloc.get_traced_memory()[0])
"""


# The per-row loop takes seconds for 10^7 rows; at the vector levels,
# arguments beyond 9e18 send every lane to it, so the call is as long.
# The same through the dtype's ufunc loop, which runs the same engine.
@pytest.mark.parametrize("call", ["sin_arrays", "np.sin"])
@pytest.mark.parametrize("level, x", [("scalar", 1.25), (None, 1e19)])
def test_keyboard_interrupt_stops_a_long_call_and_drops_its_result(level, x, call):
    env = {"TARSEL_SIMD": level} if level else {}
    outcome, elapsed, *rest = run_python(INTERRUPTED, str(x), call, **env).split()
    assert outcome == "interrupted", f"the call ran to its end in {elapsed} s"
    assert float(elapsed) < 0.4
    # The 160 MB result was freed with the exception.
    assert int(rest[0]) < 10**6
