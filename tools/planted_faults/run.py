#!/usr/bin/env python3
"""Plants each fault of faults.py in turn, rebuilds, runs every test and restores the file:
a check that the tests still catch known faults after they are reshaped.

Usage, from the top of a checkout with a configured build/ (make build):
    python3 tools/planted_faults/run.py [F01 ...]        (default: all)
Results: build/planted_faults.json and a summary table. It refuses to run over uncommitted
changes in src/, never commits, and restores every patched file (also with git checkout).
Each fault costs one incremental build and one test run.
"""
import json
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from faults import FAULTS  # noqa: E402

BUILD_TIMEOUT = int(os.environ.get("BUILD_TIMEOUT", "2400"))
CTEST_TIMEOUT = int(os.environ.get("CTEST_TIMEOUT", "1800"))
PER_TEST_TIMEOUT = os.environ.get("PER_TEST_TIMEOUT", "300")


def build_env():
    env = dict(os.environ)
    env["QT_QPA_PLATFORM"] = "offscreen"
    return env


def run(cmd, cwd, timeout, env):
    start = time.time()
    try:
        p = subprocess.run(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                           timeout=timeout, text=True, errors="replace", start_new_session=True)
        return p.returncode, p.stdout, time.time() - start, False
    except subprocess.TimeoutExpired as e:
        out = e.stdout.decode(errors="replace") if isinstance(e.stdout, bytes) else (e.stdout or "")
        return None, out, time.time() - start, True


def test_binaries(build_dir, env):
    """Test name -> executable basename, from ctest's own listing."""
    rc, out, _, _ = run(["ctest", "--show-only=json-v1"], build_dir, 300, env)
    names = {}
    if rc != 0:
        return names
    try:
        for t in json.loads(out).get("tests", []):
            cmd = t.get("command") or []
            exe = next((os.path.basename(c) for c in cmd if c.endswith("_tests")
                        or "/bin/" in c), os.path.basename(cmd[0]) if cmd else "?")
            names[t["name"]] = exe
    except (ValueError, KeyError):
        pass
    return names


def failed_tests(build_dir, output):
    failed = []
    log = os.path.join(build_dir, "Testing", "Temporary", "LastTestsFailed.log")
    if os.path.exists(log):
        with open(log) as f:
            failed = [line.strip().split(":", 1)[1] for line in f if ":" in line]
    if not failed:
        failed = re.findall(r"^\s*\d+ - (\S+) \(", output, re.M)
    return failed


def main():
    worktree = os.getcwd()
    build_dir = os.path.join(worktree, "build")
    wanted = sys.argv[1:]
    faults = [f for f in FAULTS if not wanted or f[0] in wanted]
    unknown = set(wanted) - {f[0] for f in FAULTS}
    if unknown:
        sys.exit(f"unknown fault ids: {sorted(unknown)}")
    if subprocess.run(["git", "status", "--porcelain", "--", "src"], cwd=worktree,
                      stdout=subprocess.PIPE, text=True).stdout.strip():
        sys.exit("src has uncommitted changes: refusing to plant faults over them")
    env = build_env()
    out_path = os.path.join(build_dir, "planted_faults.json")
    results = []
    touched = set()
    try:
        for fid, desc, path, old, new in faults:
            full = os.path.join(worktree, path)
            rec = {"id": fid, "description": desc, "file": path, "old": old, "new": new}
            start = time.time()
            with open(full, encoding="utf-8", newline="") as f:
                original = f.read()
            count = original.count(old)
            if count != 1:
                rec.update(status="harness error",
                           detail=f"old text occurs {count} times in {path}")
                results.append(rec)
                print(f"{fid}: harness error ({rec['detail']})", flush=True)
                continue
            touched.add(path)
            try:
                with open(full, "w", encoding="utf-8", newline="") as f:
                    f.write(original.replace(old, new, 1))
                rc, out, secs, timed_out = run(["cmake", "--build", "build"], worktree,
                                               BUILD_TIMEOUT, env)
                rec["build_seconds"] = round(secs, 1)
                if rc != 0:
                    rec.update(status="build error",
                               detail="timed out" if timed_out else out[-3000:])
                else:
                    log = os.path.join(build_dir, "Testing", "Temporary", "LastTestsFailed.log")
                    if os.path.exists(log):
                        os.remove(log)
                    rc, out, secs, timed_out = run(
                        ["ctest", "-j", str(os.cpu_count() or 2), "--timeout", PER_TEST_TIMEOUT], build_dir,
                        CTEST_TIMEOUT, env)
                    rec["test_seconds"] = round(secs, 1)
                    if timed_out:
                        rec.update(status="caught", detail="ctest timed out")
                    elif rc == 0:
                        rec["status"] = "NOT caught"
                    else:
                        failed = failed_tests(build_dir, out)
                        binaries = test_binaries(build_dir, env)
                        rec.update(status="caught", failed_tests=failed,
                                   binaries=sorted({binaries.get(t, "?") for t in failed}))
                        m = re.search(r"tests passed, (\d+) tests failed out of (\d+)", out)
                        if m:
                            rec["failed_count"] = int(m.group(1))
                            rec["total_tests"] = int(m.group(2))
            finally:
                with open(full, "w", encoding="utf-8", newline="") as f:
                    f.write(original)
            rec["seconds"] = round(time.time() - start, 1)
            results.append(rec)
            with open(out_path, "w") as f:
                json.dump(results, f, indent=1)
            print(f"{fid}: {rec['status']} {rec.get('binaries', '')} ({rec['seconds']} s)",
                  flush=True)
    finally:
        if touched:
            subprocess.run(["git", "checkout", "--"] + sorted(touched), cwd=worktree)
        with open(out_path, "w") as f:
            json.dump(results, f, indent=1)
    if touched:
        # The last fault's objects are still in build/: bring it back to the restored sources.
        rc, _, _, _ = run(["cmake", "--build", "build"], worktree, BUILD_TIMEOUT, env)
        print("rebuilt the restored tree" if rc == 0 else "rebuilding the restored tree FAILED")

    print(f"\nResults: {out_path}")
    print(f"{'id':4} {'status':13} {'secs':>7}  {'file':32} binaries")
    for r in results:
        print(f"{r['id']:4} {r['status']:13} {r.get('seconds', 0):7.1f}  {r['file']:32} "
              f"{','.join(r.get('binaries', []))}")
    caught = sum(r["status"] == "caught" for r in results)
    print(f"caught {caught}/{len(results)}; not caught: "
          f"{[r['id'] for r in results if r['status'] == 'NOT caught']}; "
          f"harness problems: {[r['id'] for r in results if 'error' in r['status']]}")


if __name__ == "__main__":
    main()
