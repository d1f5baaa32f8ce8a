#!/usr/bin/env python3
"""End-to-end checks of octant_pi: its exact bytes and exit status, whatever its input, arguments
and environment, and its failed writes. run_octant_pi.py CASE EXPECTED_OUTPUT LF|CRLF -- COMMAND
runs the program as COMMAND, so that a cross build puts its emulator or wine first."""
import os
import subprocess
import sys
import threading
import time

SKIPPED = 77  # CTest's SKIP_RETURN_CODE
LIMIT = 120  # seconds for one whole run under the slowest emulator; a hang fails the case
GERMAN = {"LC_ALL": "de_DE.UTF-8", "LANG": "de_DE.UTF-8", "POSIXLY_CORRECT": "1"}
# Runs that differ only in what they are given (None: standard input closed).
INPUTS = {"enter": (b"\n", []), "end_of_file": (b"", []), "closed": (None, []),
          "several_characters": (b"yes\nno\nq\n", []), "binary": (bytes(range(256)), []),
          "arguments": (b"\n", ["--help", "-n", "10", "two words", ""])}


def failed(*checks):
    return [what for ok, what in checks if not ok]


def clean_run(command, expected, stdin, env=None):
    """A run to its end: status 0, EXPECTED, nothing on standard error. Failures, seconds taken."""
    start = time.monotonic()
    run = subprocess.run(command, input=stdin, capture_output=True, env=env, timeout=LIMIT,
                         **({} if stdin is not None else
                            {"stdin": subprocess.DEVNULL, "preexec_fn": lambda: os.close(0)}))
    return failed((run.returncode == 0, f"exit status {run.returncode}, expected 0"),
                  (run.stdout == expected, f"standard output differs:\n{run.stdout!r}"),
                  (run.stderr == b"", f"standard error is not empty: {run.stderr!r}")), \
        time.monotonic() - start


def held_open(command, expected, stdout=subprocess.PIPE):
    """The program with standard input held open, its output gathered as it arrives, and how
    long it may stall before it fails: ten times a whole run here, and 10 s."""
    failures, took = clean_run(command, expected, b"\n")
    run = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=stdout, stderr=subprocess.PIPE)
    out, err = bytearray(), bytearray()
    run.readers = [threading.Thread(target=gather, args=pair, daemon=True)
                   for pair in [(run.stdout, out), (run.stderr, err)] if pair[0]]
    for reader in run.readers:
        reader.start()
    return failures, run, out, err, 10 * took + 10


def gather(stream, into):
    while chunk := os.read(stream.fileno(), 4096):
        into.extend(chunk)


def ended(run, seconds):
    """The exit status within SECONDS, else None and the program killed; then its output is all in."""
    try:
        return run.wait(seconds)
    except subprocess.TimeoutExpired:
        run.kill()
        return None
    finally:
        run.wait()
        for reader in run.readers:
            reader.join()


def case_inputs(command, expected):
    return [f"{name}: {what}" for name, (stdin, args) in INPUTS.items()
            for what in clean_run(command + args, expected, stdin)[0]]


def case_environment_ignored(command, expected):
    return clean_run(command, expected, b"\n", dict(os.environ, **GERMAN))[0]


def case_output_fails(command, expected):
    if not os.path.exists("/dev/full"):
        print("skipped: no /dev/full on this machine to make every write fail")
        sys.exit(SKIPPED)
    with open("/dev/full", "wb") as full:
        failures, run, _, err, seconds = held_open(command, expected, full)
        status = ended(run, seconds)
    return failures + failed(
        (status == 1, f"exit status {status}, expected 1 at once while standard input stays open"),
        (b"standard output" in err, f"standard error does not name the failed write: {err!r}"))


def case_waits_for_one_character(command, expected):
    failures, run, out, err, seconds = held_open(command, expected)
    deadline = time.monotonic() + seconds
    while len(out) < len(expected) and run.poll() is None and time.monotonic() < deadline:
        time.sleep(0.01)
    arrived = len(out) >= len(expected)
    time.sleep(0.3)
    waiting = run.poll() is None
    if waiting:  # one character; standard input stays open
        run.stdin.write(b"x")
        run.stdin.flush()
    status = ended(run, seconds)
    return failures + failed(
        (arrived, "the twenty lines did not arrive while the program waited for input"),
        (waiting, "the program ended without waiting for a character"),
        (status == 0, f"exit status {status} after one character with input open, expected 0"),
        (out == expected, f"standard output differs:\n{bytes(out)!r}"),
        (err == b"", f"standard error is not empty: {bytes(err)!r}"))


def main(case, expected_path, line_end, _, *command):
    with open(expected_path, "rb") as file:
        expected = file.read().replace(b"\n", b"\r\n" if line_end == "CRLF" else b"\n")
    failures = globals()[f"case_{case}"](list(command), expected)
    print(*[f"FAILED: {what}" for what in failures], f"{'failed' if failures else 'passed'}: {case}",
          sep="\n")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
