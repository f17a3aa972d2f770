#!/usr/bin/env python3
"""Fuzz qelvo-calc from the outside: random and hostile key=value sets for every calculator it
lists, and random grid files for `contour`, each call checked for what must never happen.

A call fails when it
  - takes longer than --timeout seconds (a hang),
  - ends with an exit code other than 0 (computed), 2 (refused), 64 (bad value), 70 never,
  - prints a sanitizer report (build with -fsanitize=address,undefined, see below),
  - prints "-nan" (one spelling: "nan"), or, with --json, something that is not JSON.

Usage (from the project root):
  tools/fuzz_qelvo_calc.py                               # build/qelvo-calc, 2000 calls
  tools/fuzz_qelvo_calc.py --calls 20000 --seed 7        # longer, repeatable
  tools/fuzz_qelvo_calc.py --binary build-asan/qelvo-calc --calls 9000

A sanitizer build:
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQELVO_BUILD_BENCH=OFF \\
        -DQELVO_BUILD_TESTS=OFF -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer"
  cmake --build build-asan --target qelvo-calc

The calls go round the calculators in turn, so every id gets its share. Failing command lines
are printed (shell-quoted) so that each can be run again by hand; the exit code is 1 then.
"""
import argparse, json, os, random, shlex, subprocess, sys, tempfile, time

HOSTILE = {
    "single": ["0", "-1", "1", "1e-38", "-1e-38", "3e38", "-3e38", "3.4028234663852886e+38", "-3.4028234663852886e+38",
               "1.1754943508222875e-38", "1.4e-45", "0.5", "1e6", "-0"],
    "double": ["0", "-1", "1", "1e-38", "-1e-38", "3e38", "-3e38", "1.7976931348623157e308", "-1.7976931348623157e308",
               "2.2250738585072014e-308", "4.9e-324", "0.5", "1e6", "1e400"],
    "integer": ["0", "-1", "1", "2", "2147483647", "-2147483648", "2147483648", "100000", "1.5"],
    "text": ["", " ", "0", "-1", "1e300,60", "1e999", "nan", "inf", "0x1p3", ",,,", "70,,60,", "中文", "60-60=", "60-70=",
             "9" * 400 + "=", "CE=", "\udcff", "a\udcc3"],
}
NOT_NUMBERS = ["abc", "", "nan", "inf", "1e", "--1", "1,5", "１"]


def calc_inputs(binary, ident):
    out = subprocess.run([binary, "inputs", ident], capture_output=True, text=True, check=True).stdout
    inputs = []
    for line in out.splitlines():
        parts = line.split("\t")
        key, kind, default = parts[0], parts[2], parts[3]
        choices = parts[4].count("=") if len(parts) > 4 else 0
        inputs.append((key, kind, default, choices))
    return inputs


def random_number(rng):
    magnitude = 10 ** rng.uniform(-45, 40)
    value = magnitude * rng.choice([-1, 1])
    return rng.choice(["%g" % value, "%.17g" % value, str(int(value)) if abs(value) < 1e15 else "%e" % value])


def value_for(rng, kind, default, choices, defaults):
    pick = rng.random()
    if kind in ("choice", "check"):
        n = choices if kind == "choice" else 2
        return str(rng.randrange(-1, n + 1)) if pick < 0.9 else rng.choice(NOT_NUMBERS)
    if pick < 0.45:
        return rng.choice(HOSTILE.get(kind, HOSTILE["single"]))
    if pick < 0.6 and defaults:
        return rng.choice(defaults)  # another key's default: a = B, xmax = xc …
    if pick < 0.7:
        return rng.choice(NOT_NUMBERS)
    if kind == "text":
        return ",".join(random_number(rng) for _ in range(rng.randrange(0, 5)))
    if kind == "integer":
        return str(rng.randrange(-10 ** rng.randrange(1, 10), 10 ** rng.randrange(1, 10)))
    return random_number(rng)


def random_grid(rng, path):
    nx, ny = rng.randrange(0, 40), rng.randrange(0, 40)
    lines = ["DSAA" if rng.random() < 0.95 else "DSBB", "%d %d" % (nx, ny)]
    for _ in range(3):
        a = rng.choice(["0", "1", "-5", "nan", "1e999", random_number(rng)])
        b = rng.choice(["10", "100", "1e39", "inf", random_number(rng)])
        lines.append("%s %s" % (a, b))
    count = nx * ny if rng.random() < 0.9 else rng.randrange(0, nx * ny + 2)
    values = [rng.choice(["%g" % rng.uniform(-5, 5), "%g" % rng.uniform(0, 1e6), "nan", "1e39", "x"]) if rng.random() < 0.02
              else "%g" % rng.uniform(0, 10) for _ in range(count)]
    lines.append(" ".join(values))
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def check(cmd, timeout, env, json_wanted):
    started = time.time()
    try:
        r = subprocess.run(cmd, capture_output=True, timeout=timeout, env=env)
    except subprocess.TimeoutExpired:
        return "timeout after %ds" % timeout, 0
    elapsed = time.time() - started
    err = r.stderr.decode("utf-8", "replace")
    out = r.stdout.decode("utf-8", "replace")
    if "runtime error:" in err or "Sanitizer" in err:
        return "sanitizer report:\n" + err[-2000:], elapsed
    if r.returncode not in (0, 2, 64):
        return "exit code %d: %s" % (r.returncode, err[-500:]), elapsed
    if "-nan" in out:
        return "prints -nan", elapsed
    if json_wanted and r.returncode in (0, 2):
        try:
            json.loads(out)
        except ValueError:
            return "not JSON: " + out[:300], elapsed
    return None, elapsed


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--binary", default="build/qelvo-calc")
    ap.add_argument("--calls", type=int, default=2000)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--timeout", type=int, default=20, help="seconds one call may take")
    ap.add_argument("--contour-share", type=float, default=0.05, help="share of calls that draw random grid files")
    a = ap.parse_args()

    rng = random.Random(a.seed)
    binary = os.path.abspath(a.binary)
    ids = [line.split("\t")[0] for line in subprocess.run([binary, "list"], capture_output=True, text=True, check=True).stdout.splitlines()]
    inputs = {ident: calc_inputs(binary, ident) for ident in ids}
    env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0:abort_on_error=0:exitcode=99",
               UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:exitcode=98", QT_QPA_PLATFORM="offscreen")
    failures, slowest, calls = [], (0.0, ""), 0
    with tempfile.TemporaryDirectory() as work:
        for n in range(a.calls):
            if rng.random() < a.contour_share:
                grid = os.path.join(work, "g.grd")
                random_grid(rng, grid)
                cmd = [binary, "contour", grid, "--out", os.path.join(work, rng.choice(["m.png", "m.svg", "m.txt", "no/m.png"]))]
                if rng.random() < 0.5:
                    cmd += ["--levels", ",".join(rng.choice(["1", "2.5", "", "x", "1e39", "-3"]) for _ in range(rng.randrange(0, 6)))]
                json_wanted = False
            else:
                ident = ids[n % len(ids)]
                fields = inputs[ident]
                defaults = [d for _, kind, d, _ in fields if kind in ("single", "double", "integer")]
                chosen = rng.sample(fields, min(len(fields), rng.randrange(1, 5)))
                cmd = [binary, "run", ident]
                for key, kind, default, choices in chosen:
                    value = value_for(rng, kind, default, choices, defaults)
                    cmd.append(key + "=" + value)
                json_wanted = rng.random() < 0.3
                if json_wanted:
                    cmd.append("--json")
            cmd = [c.encode("utf-8", "surrogateescape") for c in cmd]
            problem, elapsed = check(cmd, a.timeout, env, json_wanted)
            calls += 1
            shown = " ".join(shlex.quote(c.decode("utf-8", "backslashreplace")) for c in cmd)
            if elapsed > slowest[0]:
                slowest = (elapsed, shown)
            if problem:
                failures.append(shown + "\n    " + problem)
                print("FAIL " + failures[-1], flush=True)
            if (n + 1) % 500 == 0:
                print("%d calls, %d failures" % (n + 1, len(failures)), flush=True)
    print("%d calls over %d calculators and contour, %d failures; slowest %.2f s: %s"
          % (calls, len(ids), len(failures), slowest[0], slowest[1]))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
