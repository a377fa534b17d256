#!/usr/bin/env python3
"""spjinfo over a folder tree (--recursive, --csv), as scripts and spreadsheets
meet them. SPJINFO, DEMO and MAKE_TEST_SPJ name the program, the demo project
and the test project maker."""
import csv
import io
import json
import os
import pathlib
import pty
import re
import shutil
import subprocess
import sys
import tempfile

SPJINFO = os.environ["SPJINFO"]
failures = []


def check(what, ok):
    if not ok:
        failures.append(what)
        print("FAILED: " + what)


def run(*arguments, stderr=subprocess.PIPE, stdout=subprocess.PIPE):
    return subprocess.run([SPJINFO, *arguments], stdout=stdout, stderr=stderr, check=False)


def make_tree(root):
    """Nested folders, extensions in any case, links in and out of the tree,
    a loop, and files that cannot be shown."""
    outside = os.path.join(root, "outside")
    tree = os.path.join(root, "tree")
    os.makedirs(os.path.join(tree, "a", "b", "c"))
    os.makedirs(outside)
    shutil.copy(os.environ["DEMO"], os.path.join(tree, "a", "demo.spj"))
    shutil.copy(os.environ["DEMO"], os.path.join(outside, "elsewhere.spj"))
    make = os.environ["MAKE_TEST_SPJ"]
    subprocess.run([make, "awkward-names", os.path.join(tree, "a", "b", "c", "AWK.SPJ")], check=True)
    subprocess.run([make, "cvs-cut-short", os.path.join(tree, "a", "b", 'cut, "short".Spj')],
                   check=True)
    os.symlink("../..", os.path.join(tree, "a", "b", "loop"))
    os.symlink("b/c/AWK.SPJ", os.path.join(tree, "a", "link.spj"))
    os.symlink(os.path.join(outside, "elsewhere.spj"), os.path.join(tree, "out.spj"))
    os.symlink(outside, os.path.join(tree, "outside-folder"))
    pathlib.Path(tree, "a", "damaged.spj").write_bytes(b"not a project")
    os.mkfifo(os.path.join(tree, "pipe.spj"))
    pathlib.Path(tree, "notes.txt").write_bytes(b"not listed")
    return tree


def catalogue_checks(tree):
    shown = [os.path.join(tree, p) for p in
             ("a/b/c/AWK.SPJ", 'a/b/cut, "short".Spj', "a/demo.spj")]
    refused = [os.path.join(tree, p) for p in ("a/damaged.spj", "pipe.spj")]

    one = run("--csv", "-r", "-j", "1", tree)
    two = run("--csv", "--recursive", "--jobs=2", tree + "/")
    check("a refused file makes the status 1", one.returncode == 1)
    check("the same output on 1 and 2 threads",
          one.stdout == two.stdout.replace(tree.encode() + b"//", tree.encode() + b"/")
          and one.stderr == two.stderr)
    check("every line ends in CR LF", one.stdout.endswith(b"\r\n")
          and one.stdout.count(b"\n") == one.stdout.count(b"\r\n"))
    rows = list(csv.reader(io.StringIO(one.stdout.decode("utf-8"), newline="")))
    check("a heading and one row per project, each once, sorted by path",
          [row[0] for row in rows] == ["path"] + shown)
    check("twelve fields in every row", all(len(row) == 12 for row in rows))
    heading = rows[0]
    demo = dict(zip(heading, rows[3]))
    check("demo row", (demo["file name"], demo["author"], demo["clips"], demo["voices"],
                       demo["largest clip"]) == ("DEMO.SPJ", "Jane Hobbyist", "5", "3", "chuff.wav"))
    check("numbers a spreadsheet reads", float(demo["largest clip play seconds"]) > 0
          and int(demo["project total"]) == int(demo["sound total"]) + int(demo["code size"]))
    errors = one.stderr.decode().splitlines()
    check("each refused file named on stderr, in order",
          [line.split(": ")[1] for line in errors] == refused)
    check("a pipe is refused, not waited on", errors[1].endswith("it is not a file. Cannot continue."))
    check("no progress line when stderr is not a terminal", b"\r" not in one.stderr)

    json_lines = run("-r", "--json", tree).stdout.decode().splitlines()
    check("other modes show the same projects", [json.loads(l)["file"] for l in json_lines]
          == ["AWK.SPJ", 'CUT, "SHORT".SPJ', "DEMO.SPJ"])
    plain = run("--csv", *shown)
    check("--csv on plain files", plain.returncode == 0 and plain.stdout == one.stdout)
    check("unknown folder refused", run("-r", os.path.join(tree, "none")).returncode == 1)

    if os.geteuid() != 0:  # root reads any file and lists any folder
        locked = os.path.join(tree, "a", "locked")
        os.mkdir(locked)
        os.chmod(locked, 0)
        result = run("--csv", "-r", tree)
        os.chmod(locked, 0o755)
        check("an unreadable folder is named and the rest shown",
              result.returncode == 1 and b"locked: the folder cannot be read" in result.stderr
              and result.stdout == one.stdout)


def progress_checks(tree):
    """Progress goes to a terminal only, and is taken away at the end."""
    main, secondary = pty.openpty()
    result = subprocess.run([SPJINFO, "--csv", "-r", tree], stdout=subprocess.PIPE,
                            stderr=secondary, check=False)
    os.close(secondary)
    seen = b""
    try:
        while chunk := os.read(main, 4096):
            seen += chunk
    except OSError:  # the terminal closes once the program is gone
        pass
    os.close(main)
    check("progress line on a terminal", re.search(rb"\rspjinfo: [1-5]/5 files, \d+ files/s", seen))
    last = seen.rsplit(b"files/s", 1)[-1]
    check("progress line erased before messages and at the end", re.match(rb" *\r +\r", last))
    check("progress never in the output", b"files/s" not in result.stdout)


def main():
    with tempfile.TemporaryDirectory() as root:
        tree = make_tree(root)
        catalogue_checks(tree)
        progress_checks(tree)
    if not failures:
        print("spjinfo catalogue: all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
