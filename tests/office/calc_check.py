# SPDX-License-Identifier: MIT
"""Fills a Calc sheet with GLYPHMATE, GLYPHMATESTATUS and GLYPHMATEFONT over sample records
of every type, and GLYPHMATECHECK over the strings GLYPHMATE computed, and compares every
computed cell with glyphmate-encode --json (and --inspect --json).

Arguments: the pipe name of a running LibreOffice, glyphmate-encode."""

import json
import os
import subprocess
import sys
import time

import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.connection import NoConnectException

pipe, encode = sys.argv[1:3]

# (cell value, the data glyphmate-encode gets): text, numbers (written without decimals)
# and an empty cell.
RECORDS = [("12345678901", "12345678901"), ("CODE-39 $/+%", "CODE-39 $/+%"), ("Abc", "Abc"),
           ("A\u00c4B\u0416", "A\u00c4B\u0416"), (12345678901.0, "12345678901"),
           (4006381333931.0, "4006381333931"), (1234567.0, "1234567"), (None, "")]
# (Options cell, Supplement cell, glyphmate-encode's arguments)
OPTION_SETS = [
    (None, None, []),
    ("CHECK, full-ascii  No-Text xt", None, ["--check", "--full-ascii", "--no-text", "--height", "XT"]),
    ("s", 12.0, ["--height", "S", "--supplement", "12"]),
    ("t,check", "12345", ["--height", "T", "--check", "--supplement", "12345"]),
    ("Strict", "123", ["--strict", "--supplement", "123"]),
]
# Rows that must show the error value Err:502 (invalid argument), never a string.
REFUSED = [("Code40", "1", None), ("Code39", "1", "huge"), ("Code39", "1", "S T"), ("Code39", "1", "check,,x")]


def connect():
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    deadline = time.monotonic() + 120
    while True:
        try:
            return resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
        except NoConnectException:
            if time.monotonic() > deadline:
                sys.exit("FAIL: LibreOffice did not answer on pipe " + pipe)
            time.sleep(0.5)


def expected(type, args):
    lines = "".join(data + "\n" for _, data in RECORDS).encode()
    run = subprocess.run([encode, "--json", "--type", type, *args, "--batch"], input=lines,
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False)
    assert run.returncode in (0, 1), run
    return [json.loads(line) for line in run.stdout.decode().splitlines()]


def inspected(type, converted):
    """GLYPHMATECHECK's answers for the strings: "OK", or the first fault's message."""
    lines = "".join(text + "\n" for text in converted).encode()
    run = subprocess.run([encode, "--inspect", "--json", "--type", type, "--batch"], input=lines,
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False)
    assert run.returncode in (0, 1), run
    results = [json.loads(line) for line in run.stdout.decode().splitlines()]
    return ["OK" if r["scans"] else r["faults"][0]["message"] for r in results]


def put(cell, value):
    if isinstance(value, float):
        cell.setValue(value)
    elif value is not None:
        cell.setString(value)


def main():
    ctx = connect()
    desktop = ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", ctx)
    hidden = PropertyValue()
    hidden.Name, hidden.Value = "Hidden", True
    doc = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, (hidden,))
    try:
        sheet = doc.Sheets.getByIndex(0)
        types = subprocess.run([encode, "--list"], stdout=subprocess.PIPE, check=True).stdout.decode().splitlines()
        checks, row = [], 0
        for type in types:
            for options, supplement, args in OPTION_SETS:
                wants = expected(type, args)
                checked = inspected(type, [want["converted"] for want in wants])
                for (value, data), want, check in zip(RECORDS, wants, checked, strict=True):
                    row += 1
                    for column, cell_value in enumerate((type, value, options, supplement)):
                        put(sheet.getCellByPosition(column, row - 1), cell_value)
                    # Options and Supplement left out where the set has neither.
                    tail = ";C%d;D%d" % (row, row) if options or supplement else ""
                    formulas = {"GLYPHMATE": "=GLYPHMATE(A%d;B%d%s)" % (row, row, tail),
                                "GLYPHMATESTATUS": "=GLYPHMATESTATUS(A%d;B%d%s)" % (row, row, tail),
                                "GLYPHMATEFONT": "=GLYPHMATEFONT(A%d;C%d)" % (row, row),
                                "GLYPHMATECHECK": "=GLYPHMATECHECK(E%d;A%d)" % (row, row)}
                    for column, (name, formula) in enumerate(formulas.items(), start=4):
                        sheet.getCellByPosition(column, row - 1).setFormula(formula)
                    checks.append((row, type, options, data, [want["converted"], want["status"], want["font"], check]))
        refused_rows = []
        for type, data, options in REFUSED:
            row += 1
            for column, cell_value in enumerate((type, data, options)):
                put(sheet.getCellByPosition(column, row - 1), cell_value)
            sheet.getCellByPosition(4, row - 1).setFormula("=GLYPHMATE(A%d;B%d;C%d)" % (row, row, row))
            refused_rows.append((row, type, options))
        doc.calculateAll()

        failures = []
        for row, type, options, data, want in checks:
            got = []
            for column in (4, 5, 6, 7):
                cell = sheet.getCellByPosition(column, row - 1)
                got.append("#ERROR %d" % cell.getError() if cell.getError() else cell.getString())
            if got != want:
                failures.append("row %d %s %r options %r: got %r, want %r" % (row, type, data, options, got, want))
        for row, type, options in refused_rows:
            error = sheet.getCellByPosition(4, row - 1).getError()
            if error != 502:
                failures.append("row %d %s options %r: error %d, not 502" % (row, type, options, error))
        for failure in failures[:20]:
            print("FAIL:", failure, file=sys.stderr)
        if failures:
            print("FAIL: %d of %d rows differ" % (len(failures), len(checks) + len(refused_rows)), file=sys.stderr)
            return 1
        print("%d rows of %d types computed by Calc match glyphmate-encode" % (len(checks), len(types)))
        return 0
    finally:
        doc.close(True)
        desktop.terminate()


status = main()
sys.stdout.flush()
sys.stderr.flush()
# Skip the interpreter's teardown: the bridge to the LibreOffice just ended can crash it.
os._exit(status)
