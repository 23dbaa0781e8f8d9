# SPDX-License-Identifier: MIT
"""Glyphmate for Python: turns data into the text that, typeset in a Varnel barcode font,
draws the symbol.

A thin ctypes layer over libglyphmate (the C library behind ``glyphmate-encode``), so the
results are the console's, byte for byte::

    >>> import glyphmate
    >>> r = glyphmate.convert("Code39", "CODE39", check=True)
    >>> r.converted, r.font
    ('*CODE39W*', 'VNL Code39MA')

The library is looked for next to this module first (the install it came with), then on
the system under its versioned name ``libglyphmate.so.1``.
"""

import builtins
import ctypes
import ctypes.util
import os
from collections import namedtuple

__all__ = ["convert", "inspect", "types", "Converter", "Result", "Inspection", "Fault", "Options", "HEIGHTS",
           "library_version"]

HEIGHTS = ("XS", "S", "M", "T", "XT")
_SONAME = "libglyphmate.so.1"
_MAJOR = 1

_OK, _MESSAGE, _UNKNOWN_TYPE, _BAD_ARGUMENT, _NO_MEMORY, _BUFFER_TOO_SMALL = 0, 1, -1, -2, -3, -4
_WINDOWS_1252, _UTF8 = 0, 1
_MAX_CONVERTED = 255


class _Options(ctypes.Structure):
    _fields_ = [
        ("height", ctypes.c_int),
        ("underlying_text", ctypes.c_int),
        ("full_ascii", ctypes.c_int),
        ("check_character", ctypes.c_int),
        ("data_encoding", ctypes.c_int),
        ("strict", ctypes.c_int),
    ]


class _Result(ctypes.Structure):
    # human_readable comes after options: a library older than that member never writes
    # it, so it reads as empty there.
    _fields_ = [
        ("converted", ctypes.c_char * (_MAX_CONVERTED + 1)),
        ("converted_length", ctypes.c_size_t),
        ("converted_utf8", ctypes.c_char * (3 * _MAX_CONVERTED + 1)),
        ("type", ctypes.c_char * 32),
        ("font", ctypes.c_char * 64),
        ("font_installed", ctypes.c_int),
        ("status", ctypes.c_char * 512),
        ("notes", ctypes.c_char * 2048),
        ("preview_text", ctypes.c_char * (3 * _MAX_CONVERTED + 1)),
        ("preview_face", ctypes.c_char * 64),
        ("options", _Options),
        ("human_readable", ctypes.c_char * 1024),
    ]


_MAX_FAULTS = _MAX_MARKS = 16


class _Fault(ctypes.Structure):
    _fields_ = [("at", ctypes.c_size_t), ("kind", ctypes.c_char * 24), ("message", ctypes.c_char * 512)]


class _Mark(ctypes.Structure):
    _fields_ = [("at", ctypes.c_size_t), ("role", ctypes.c_char * 8), ("found", ctypes.c_char * 8),
                ("expected", ctypes.c_char * 8)]


class _Inspection(ctypes.Structure):
    _fields_ = [
        ("scans", ctypes.c_int),
        ("type", ctypes.c_char * 32),
        ("font", ctypes.c_char * 64),
        ("data", ctypes.c_char * 1024),
        ("check_character", ctypes.c_int),
        ("full_ascii", ctypes.c_int),
        ("fault_count", ctypes.c_size_t),
        ("faults", _Fault * _MAX_FAULTS),
        ("mark_count", ctypes.c_size_t),
        ("marks", _Mark * _MAX_MARKS),
        ("others", ctypes.c_char * 512),
    ]


def _library_candidates():
    try:
        from . import _location  # written by the build and by cmake --install
    except ImportError:  # the source tree: no install of its own
        _location = None
    if _location is not None:
        directory = os.path.join(os.path.dirname(os.path.abspath(__file__)), _location.LIBRARY_DIR)
        yield os.path.normpath(os.path.join(directory, _SONAME))
    yield _SONAME
    found = ctypes.util.find_library("glyphmate")
    if found and found.endswith(".so.%d" % _MAJOR):
        yield found


def _load():
    tried = []
    for candidate in _library_candidates():
        if os.path.isabs(candidate) and not os.path.exists(candidate):
            tried.append(candidate + " (missing)")
            continue
        try:
            lib = ctypes.CDLL(candidate)
        except OSError as error:
            tried.append(str(error))
            continue
        _declare(lib)
        global _library_path
        _library_path = candidate
        return lib
    raise ImportError("glyphmate: libglyphmate not found; tried: " + "; ".join(tried))


class _PictureOptions(ctypes.Structure):
    _fields_ = [
        ("module_width", ctypes.c_double),
        ("bar_height", ctypes.c_double),
        ("dpi", ctypes.c_int),
        ("quiet_zones", ctypes.c_int),
    ]


def _declare(lib):
    c_char_p, c_size_t, c_int, c_void_p = ctypes.c_char_p, ctypes.c_size_t, ctypes.c_int, ctypes.c_void_p
    options_p = ctypes.POINTER(_Options)
    signatures = {
        "glyphmate_convert": (c_int, [c_char_p, c_char_p, c_size_t, c_char_p, c_size_t, options_p, c_void_p]),
        "glyphmate_converter_new": (c_int, [c_char_p, options_p, c_void_p, c_void_p, ctypes.POINTER(c_void_p)]),
        "glyphmate_converter_run": (c_int, [c_void_p, c_char_p, c_size_t, c_char_p, c_size_t, c_void_p]),
        "glyphmate_converter_free": (None, [c_void_p]),
        "glyphmate_type_count": (c_int, []),
        "glyphmate_type_name": (c_char_p, [c_int]),
        "glyphmate_strerror": (c_char_p, [c_int]),
        "glyphmate_result_size": (c_size_t, []),
        "glyphmate_version": (c_char_p, []),
        "glyphmate_utf8_to_windows_1252": (c_size_t, [c_char_p, c_size_t, c_char_p, c_size_t,
                                                      ctypes.POINTER(c_size_t)]),
        "glyphmate_windows_1252_to_utf8": (c_size_t, [c_char_p, c_size_t, c_char_p, c_size_t]),
        "glyphmate_draw_svg": (c_int, [ctypes.POINTER(_Result), ctypes.POINTER(_PictureOptions), c_char_p, c_size_t,
                                       ctypes.POINTER(c_size_t)]),
        "glyphmate_draw_png": (c_int, [ctypes.POINTER(_Result), ctypes.POINTER(_PictureOptions), c_char_p, c_size_t,
                                       ctypes.POINTER(c_size_t)]),
    }
    signatures["glyphmate_inspect"] = (c_int, [c_char_p, c_char_p, c_size_t, c_int, c_void_p])
    signatures["glyphmate_inspection_size"] = (c_size_t, [])
    for name, (restype, argtypes) in signatures.items():
        function = getattr(lib, name)
        function.restype, function.argtypes = restype, argtypes


_library_path = None  # the library in use, for diagnostics
_lib = _load()
# A newer library may have a larger result: give it all the room it asks for.
_RESULT_SIZE = max(ctypes.sizeof(_Result), _lib.glyphmate_result_size())


def library_version():
    """The version of the libglyphmate in use, e.g. "1.0.0"."""
    return _lib.glyphmate_version().decode()


def types():
    """The Barcode Type names, in the order of the dialog's list."""
    return [_lib.glyphmate_type_name(i).decode() for i in range(_lib.glyphmate_type_count())]


Options = namedtuple("Options", "check full_ascii underlying_text height")
Options.__doc__ = """The options as a conversion left them (a symbology may force some).
height is one of HEIGHTS, or None when the symbology has no height."""


class Result:
    """One conversion.

    converted        the converted string, the font's character codes read as Windows-1252
    converted_bytes  the same as bytes: the character codes themselves
    type             the symbology's name as the Barcode Type list writes it
    font             the font to typeset it in, e.g. "VNL Code39MA"
    status           the status line: empty when all is well, else the message
    notes            the Symbol Notes
    human_readable   the text printed under the symbol where the type supplies one, else ""
    options          Options after the conversion
    """

    __slots__ = ("converted", "converted_bytes", "type", "font", "status", "notes", "human_readable", "options",
                 "_raw")

    def __init__(self, raw):
        self._raw = _Result.from_buffer_copy(raw)
        self.converted_bytes = raw.converted[: raw.converted_length]
        self.converted = raw.converted_utf8.decode("utf-8")
        self.type = raw.type.decode("utf-8")
        self.font = raw.font.decode("utf-8")
        self.status = raw.status.decode("utf-8")
        self.notes = raw.notes.decode("utf-8")
        self.human_readable = raw.human_readable.decode("utf-8")
        o = raw.options
        height = HEIGHTS[o.height] if 0 <= o.height < len(HEIGHTS) else None
        self.options = Options(bool(o.check_character), bool(o.full_ascii), bool(o.underlying_text), height)

    @property
    def ok(self):
        """True when the status line is empty."""
        return not self.status

    def svg(self, *, module_width=0.33, bar_height=15.0, quiet_zones=True):
        """The symbol as its font draws it, as an SVG document (str) sized in millimetres."""
        return _draw(_lib.glyphmate_draw_svg, self._raw, module_width, bar_height, 300, quiet_zones).decode("utf-8")

    def png(self, *, module_width=0.33, bar_height=15.0, dpi=300, quiet_zones=True):
        """The same as a PNG file (bytes); every module is the same whole number of pixels."""
        return _draw(_lib.glyphmate_draw_png, self._raw, module_width, bar_height, dpi, quiet_zones)

    def __repr__(self):
        return "glyphmate.Result(type=%r, converted=%r, font=%r, status=%r)" % (
            self.type, self.converted, self.font, self.status)


Fault = namedtuple("Fault", "at kind message")
Fault.__doc__ = """One reason a string would not scan: at is the character (from 1) or None for
something missing, kind one of "not-in-font", "typographic-quote", "mojibake", "wrong-check",
"no-start", "no-stop", "misplaced", "too-long", and message says what to do."""


class Inspection:
    """A converted string read back, as glyphmate.inspect() finds it.

    type      the symbology, as the Barcode Type list writes it
    font      the font family, e.g. "VNL Code39"
    data      what a scanner reads (GS1-128: element strings, AIs in parentheses)
    scans     True when nothing is wrong
    faults    a list of Fault, in the order of the string
    others    the other types whose fonts read it as well (empty when a type was given)
    """

    __slots__ = ("type", "font", "data", "scans", "faults", "others", "check_character", "full_ascii")

    def __init__(self, raw):
        self.type = raw.type.decode("utf-8")
        self.font = raw.font.decode("utf-8")
        self.data = raw.data.decode("utf-8")
        self.scans = bool(raw.scans)
        self.check_character = bool(raw.check_character)
        self.full_ascii = bool(raw.full_ascii)
        self.faults = [Fault(f.at or None, f.kind.decode(), f.message.decode("utf-8"))
                       for f in raw.faults[: min(raw.fault_count, _MAX_FAULTS)]]
        self.others = raw.others.decode("utf-8").splitlines()

    def __repr__(self):
        return "glyphmate.Inspection(type=%r, data=%r, scans=%r, faults=%r)" % (
            self.type, self.data, self.scans, [f.kind for f in self.faults])


def inspect(text, type=None):
    """Reads a converted string back and says why it would not scan; returns an Inspection.

    text  str: as copied from a document; bytes: the font's character codes
    type  a Barcode Type name (any letter case), or None to try every font and take the most
          plausible reading
    """
    if not (isinstance(text, str) or _is_bytes(text)):
        raise TypeError("glyphmate: text must be str or bytes, not %s" % builtins.type(text).__name__)
    as_text = isinstance(text, str)
    data = text.encode("utf-8", "surrogatepass") if as_text else bytes(text)
    name = None if type is None else _type_name(type)
    buffer = ctypes.create_string_buffer(max(ctypes.sizeof(_Inspection), _lib.glyphmate_inspection_size()))
    code = _lib.glyphmate_inspect(name, data, len(data), _UTF8 if as_text else _WINDOWS_1252, buffer)
    _check(code, type)
    return Inspection(_Inspection.from_buffer(buffer))


def _options(check, full_ascii, underlying_text, height, strict, encoding):
    for name, value in (("check", check), ("full_ascii", full_ascii), ("underlying_text", underlying_text),
                        ("strict", strict)):
        if not isinstance(value, bool):
            raise TypeError("glyphmate: %s must be True or False, not %r" % (name, value))
    if height is None:
        index = -1
    elif isinstance(height, str) and height.upper() in HEIGHTS:
        index = HEIGHTS.index(height.upper())
    else:
        raise ValueError("glyphmate: height must be one of %s or None, not %r" % (", ".join(HEIGHTS), height))
    return _Options(index, underlying_text, full_ascii, check, encoding, strict)


def _type_name(type):
    if not isinstance(type, str):
        raise TypeError("glyphmate: type must be a str such as 'Code39', not %s" % builtins.type(type).__name__)
    return type.encode("utf-8")


def _is_bytes(value):
    return isinstance(value, (bytes, bytearray, memoryview))


def _encoded(value, name, as_text):
    """value as the bytes the library reads: UTF-8 for text, the font's code page else."""
    if value is None:
        return b""
    if isinstance(value, str):
        # Lone surrogates pass as malformed UTF-8, which the library reports as left out.
        utf8 = value.encode("utf-8", "surrogatepass")
        if as_text:
            return utf8
        # Text beside byte data: carried into Windows-1252 as the library would.
        out = ctypes.create_string_buffer(len(utf8))
        lost = ctypes.c_size_t(0)
        n = _lib.glyphmate_utf8_to_windows_1252(utf8, len(utf8), out, len(utf8), ctypes.byref(lost))
        if lost.value:
            raise ValueError("glyphmate: %s %r has characters Windows-1252 lacks" % (name, value))
        return out.raw[:n]
    if _is_bytes(value):
        data = bytes(value)
        if not as_text:
            return data
        out = ctypes.create_string_buffer(3 * len(data))
        n = _lib.glyphmate_windows_1252_to_utf8(data, len(data), out, len(out))
        return out.raw[:n]
    raise TypeError("glyphmate: %s must be str or bytes, not %s (a number: pass str(number))"
                    % (name, builtins.type(value).__name__))


def _data(data, supplement):
    if not (isinstance(data, str) or _is_bytes(data)):
        _encoded(data, "data", True)  # raises the TypeError
    as_text = isinstance(data, str)
    return as_text, _encoded(data, "data", as_text), _encoded(supplement, "supplement", as_text)


def _check(code, type=None):
    if code == _UNKNOWN_TYPE:
        raise ValueError("glyphmate: unknown type %r; the types are: %s" % (type, ", ".join(types())))
    if code == _NO_MEMORY:
        raise MemoryError("glyphmate: out of memory")
    if code < 0:
        raise ValueError("glyphmate: " + _lib.glyphmate_strerror(code).decode())


def _draw(function, raw, module_width, bar_height, dpi, quiet_zones):
    for name, value in (("module_width", module_width), ("bar_height", bar_height), ("dpi", dpi)):
        if isinstance(value, bool) or not isinstance(value, (int, float)) or (name == "dpi" and isinstance(value, float)):
            raise TypeError("glyphmate: %s must be a number, not %r" % (name, value))
    options = _PictureOptions(module_width, bar_height, dpi, 1 if quiet_zones else 0)
    size = ctypes.c_size_t(0)
    code = function(ctypes.byref(raw), ctypes.byref(options), None, 0, ctypes.byref(size))
    if code != _BUFFER_TOO_SMALL:
        _check(code)
    out = ctypes.create_string_buffer(size.value + 1)
    _check(function(ctypes.byref(raw), ctypes.byref(options), out, len(out), ctypes.byref(size)))
    return out.raw[: size.value]


def _new_result():
    buffer = ctypes.create_string_buffer(_RESULT_SIZE)
    return buffer, _Result.from_buffer(buffer)


def convert(type, data, *, supplement=None, check=False, full_ascii=False, underlying_text=True, height="M",
            strict=False):
    """Converts one record and returns a Result.

    type             a Barcode Type name, in any letter case ("Code39", "ean-13"; see types())
    data             str: text, carried into Windows-1252 (characters it lacks are left out and
                     reported in status); bytes: the font's character codes, taken as they are
    supplement       the UPC/EAN 2- or 5-digit add-on (str or bytes), or None
    check, full_ascii, underlying_text
                     the option boxes, True or False, as the dialog starts them
    height           "XS", "S", "M", "T" or "XT" (any letter case), or None
    strict           True: a record whose status is not empty gets no converted string

    Raises ValueError for an unknown type or height, TypeError for an argument of the wrong
    type. A record the symbology refuses is no error: its message is in status.
    """
    name = _type_name(type)
    as_text, data_bytes, supplement_bytes = _data(data, supplement)
    options = _options(check, full_ascii, underlying_text, height, strict, _UTF8 if as_text else _WINDOWS_1252)
    buffer, raw = _new_result()
    code = _lib.glyphmate_convert(name, data_bytes, len(data_bytes), supplement_bytes, len(supplement_bytes),
                                  ctypes.byref(options), buffer)
    _check(code, type)
    return Result(raw)


class Converter:
    """Converts many records of one type with the same options, cheaper than convert() each.

        with glyphmate.Converter("EAN-13", height="T") as ean:
            for number in numbers:
                print(ean.convert(number).converted)

    The arguments are convert()'s; every record starts from these options. A Converter
    serves one thread at a time.
    """

    def __init__(self, type, *, check=False, full_ascii=False, underlying_text=True, height="M", strict=False):
        self._handles = {}
        self._closed = False
        self._type = type
        self._name = _type_name(type)
        self._settings = (check, full_ascii, underlying_text, height, strict)
        # Text and bytes are read differently: one handle each, the second made when needed.
        self._handle(True)
        self._buffer, self._raw = _new_result()

    def _handle(self, as_text):
        handle = self._handles.get(as_text)
        if handle is None:
            if self._closed:
                raise ValueError("glyphmate: the Converter is closed")
            options = _options(*self._settings, _UTF8 if as_text else _WINDOWS_1252)
            handle = ctypes.c_void_p()
            _check(_lib.glyphmate_converter_new(self._name, ctypes.byref(options), None, None,
                                                ctypes.byref(handle)), self._type)
            self._handles[as_text] = handle
        return handle

    def convert(self, data, supplement=None):
        """Converts one record (str or bytes, as for convert()) and returns a Result."""
        as_text, data_bytes, supplement_bytes = _data(data, supplement)
        code = _lib.glyphmate_converter_run(self._handle(as_text), data_bytes, len(data_bytes),
                                            supplement_bytes, len(supplement_bytes), self._buffer)
        _check(code)
        return Result(self._raw)

    __call__ = convert

    def close(self):
        """Frees the library's converter; convert() then raises ValueError."""
        self._closed = True
        handles, self._handles = self._handles, {}
        for handle in handles.values():
            _lib.glyphmate_converter_free(handle)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def __del__(self):
        if getattr(self, "_handles", None) and _lib is not None:
            self.close()
