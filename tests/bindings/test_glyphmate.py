# SPDX-License-Identifier: MIT
"""The glyphmate Python module against glyphmate-encode: the same bytes for every type.

Environment: GLYPHMATE_ENCODE, the glyphmate-encode to compare with; GLYPHMATE_PREFIX, when
set, the install the module and its library must come from."""

import json
import os
import subprocess
import unittest

import glyphmate

ENCODE = os.environ["GLYPHMATE_ENCODE"]

# Digits for the numeric symbologies, letters and punctuation for the others, and text the
# symbologies refuse: the empty record, lower case, a NUL, "Ä" (in Windows-1252) and "Ж" (not),
# and GS1 element strings.
RECORDS = ["12345678901", "1234567", "123456789012", "CODE-39 $/+%", "Abc", "", "12\x0034", "A\u00c4B", "A\u0416B",
           "(01)09501101530003(17)251231(10)AB12"]
OPTION_SETS = [
    {},
    {"check": True, "full_ascii": True, "underlying_text": False, "height": "xt"},
    {"supplement": "12", "height": "S"},
    {"supplement": "123", "strict": True},  # a faulty supplement, and no symbol for a faulty record
]


def encode_batch(type, lines, options, windows_1252=False):
    """glyphmate-encode --json --batch over lines: one JSON object per line."""
    args = [ENCODE, "--json", "--type", type, "--batch"]
    if options.get("supplement"):
        args += ["--supplement", options["supplement"]]
    if options.get("check"):
        args.append("--check")
    if options.get("full_ascii"):
        args.append("--full-ascii")
    if options.get("underlying_text") is False:
        args.append("--no-text")
    if options.get("strict"):
        args.append("--strict")
    if options.get("height"):
        args += ["--height", options["height"]]
    if windows_1252:
        args += ["--input-encoding", "windows-1252"]
        data = b"".join(line + b"\n" for line in lines)
    else:
        data = "".join(line + "\n" for line in lines).encode()
    run = subprocess.run(args, input=data, stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=False)
    if run.returncode not in (0, 1):
        raise AssertionError("glyphmate-encode failed: " + run.stderr.decode())
    return [json.loads(line) for line in run.stdout.decode().splitlines()]


def as_console(result):
    o = result.options
    return {"type": result.type, "converted": result.converted, "converted_hex": result.converted_bytes.hex(),
            "font": result.font, "status": result.status, "notes": result.notes, "human_readable": result.human_readable,
            "options": {"check_character": o.check, "underlying_text": o.underlying_text,
                        "full_ascii": o.full_ascii, "height": o.height}}


class SameAsConsole(unittest.TestCase):
    def test_types_are_the_console_list(self):
        listed = subprocess.run([ENCODE, "--list"], stdout=subprocess.PIPE, check=True).stdout.decode().splitlines()
        self.assertEqual(glyphmate.types(), listed)

    def test_every_type_text_and_bytes(self):
        byte_records = [r.encode("cp1252", "replace") for r in RECORDS] + [bytes(range(0x80, 0x100))]
        for type in glyphmate.types():
            for options in OPTION_SETS:
                supplement = options.get("supplement")
                flags = {k: v for k, v in options.items() if k != "supplement"}
                for records, windows_1252 in ((RECORDS, False), (byte_records, True)):
                    expected = encode_batch(type, records, options, windows_1252)
                    with glyphmate.Converter(type, **flags) as converter:
                        for record, want in zip(records, expected, strict=True):
                            with self.subTest(type=type, options=options, record=record):
                                want = {k: want[k] for k in ("type", "converted", "converted_hex", "font", "status",
                                                             "notes", "human_readable", "options")}
                                single = glyphmate.convert(type, record, supplement=supplement, **flags)
                                self.assertEqual(as_console(single), want)
                                self.assertEqual(as_console(converter.convert(record, supplement)), want)

    def test_type_in_any_case_and_lost_characters_reported(self):
        r = glyphmate.convert("code39 EXTENDED", "A\u0416B")
        self.assertEqual(r.type, "Code39 Extended")
        self.assertEqual(r.status, "Invalid character(s) found in the input. First: '\u0416' at 2.")
        self.assertEqual(glyphmate.convert("Code39", b"AB").converted, glyphmate.convert("Code39", "AB").converted)


    def test_inspect_is_the_console_inspection(self):
        # A good string, a cut one, smart quotes, UTF-8 read as Windows-1252, with and without a type.
        for text, type in (("*CODE39W*", None), ("*CODE39W", "Code39"), ("\u00c9He said \u201chi\"3\u00cb\u00cd", None),
                           ("\u00c3\u0160\u00c3\u2021!)R+!U\u00c3\u0152#19,?*\u00c3\u2026AB12<\u00c3\u2039\u00c3\u008d", None)):
            args = [ENCODE, "--inspect", "--json"] + (["--type", type] if type else []) + [text]
            run = subprocess.run(args, stdout=subprocess.PIPE, check=False)
            want = json.loads(run.stdout)
            r = glyphmate.inspect(text, type)
            self.assertEqual(run.returncode, 0 if r.scans else 1)
            got = {"type": r.type, "font": r.font, "data": r.data, "scans": r.scans,
                   "faults": [{"at": f.at, "kind": f.kind, "message": f.message} for f in r.faults]}
            self.assertEqual({k: want[k] for k in got}, got, text)
            self.assertEqual(want.get("others", []), r.others)
        self.assertEqual(glyphmate.inspect(b"\xca\x2d\x43\xcb").data, "1234")


class Arguments(unittest.TestCase):
    def test_bad_arguments_raise_clearly(self):
        cases = [
            (ValueError, "unknown type", lambda: glyphmate.convert("Code 40", "1")),
            (TypeError, "type must be a str", lambda: glyphmate.convert(39, "1")),
            (TypeError, "data must be str or bytes", lambda: glyphmate.convert("UPC-A", 12345678901)),
            (TypeError, "supplement must be", lambda: glyphmate.convert("UPC-A", "1", supplement=12)),
            (ValueError, "height must be", lambda: glyphmate.convert("Code39", "1", height="XXL")),
            (ValueError, "height must be", lambda: glyphmate.convert("Code39", "1", height=2)),
            (TypeError, "check must be True or False", lambda: glyphmate.convert("Code39", "1", check="no")),
            (TypeError, "full_ascii must be", lambda: glyphmate.convert("Code39", "1", full_ascii=1)),
            (TypeError, "strict must be", lambda: glyphmate.Converter("Code39", strict="yes")),
            (ValueError, "Windows-1252 lacks", lambda: glyphmate.convert("UPC-A", b"1", supplement="\u0416")),
            (ValueError, "unknown type", lambda: glyphmate.Converter("nope")),
            (TypeError, "unexpected keyword", lambda: glyphmate.convert("Code39", "1", colour="red")),
            (TypeError, "dpi must be a number", lambda: glyphmate.convert("Code39", "1").png(dpi="300")),
            (ValueError, "bad argument", lambda: glyphmate.convert("Code39", "1").svg(module_width=0)),
        ]
        for error, message, call in cases:
            with self.subTest(message=message):
                with self.assertRaisesRegex(error, message):
                    call()

    def test_pictures_are_the_consoles(self):
        import tempfile
        cases = [("Code39", "CODE39", {"check": True}, "svg", {}),
                 ("EAN-13", "400638133393", {"supplement": "12"}, "png", {"dpi": 600, "bar_height": 20.0}),
                 ("Code128Auto", "Abc 1234", {"underlying_text": False}, "png", {"module_width": 0.5, "quiet_zones": False})]
        with tempfile.TemporaryDirectory() as folder:
            for type, data, options, form, picture in cases:
                with self.subTest(type=type):
                    path = os.path.join(folder, "symbol." + form)
                    args = [ENCODE, "--type", type, "--" + form, path, data]
                    args += ["--supplement", options["supplement"]] if "supplement" in options else []
                    args += ["--check"] if options.get("check") else []
                    args += ["--no-text"] if options.get("underlying_text") is False else []
                    args += ["--dpi", str(picture["dpi"])] if "dpi" in picture else []
                    args += ["--bar-height", str(picture["bar_height"])] if "bar_height" in picture else []
                    args += ["--module-width", str(picture["module_width"])] if "module_width" in picture else []
                    args += ["--no-quiet-zones"] if picture.get("quiet_zones") is False else []
                    subprocess.run(args, stdout=subprocess.DEVNULL, check=True)
                    with open(path, "rb") as f:
                        expected = f.read()
                    result = glyphmate.convert(type, data, **options)
                    drawn = result.svg(**picture).encode() if form == "svg" else result.png(**picture)
                    self.assertEqual(drawn, expected)

    def test_closed_converter_refuses(self):
        converter = glyphmate.Converter("Code39")
        converter.close()
        converter.close()
        with self.assertRaisesRegex(ValueError, "closed"):
            converter.convert("A")


@unittest.skipUnless(os.environ.get("GLYPHMATE_PREFIX"), "not an installed copy")
class Installed(unittest.TestCase):
    def test_module_and_library_come_from_the_install(self):
        prefix = os.path.realpath(os.environ["GLYPHMATE_PREFIX"]) + os.sep
        self.assertTrue(os.path.realpath(glyphmate.__file__).startswith(prefix), glyphmate.__file__)
        self.assertTrue(os.path.realpath(glyphmate._library_path).startswith(prefix), glyphmate._library_path)


if __name__ == "__main__":
    unittest.main()
