# SPDX-License-Identifier: MIT
"""The Calc functions GLYPHMATE, GLYPHMATEFONT, GLYPHMATESTATUS and GLYPHMATECHECK over the
glyphmate module.

The module and libglyphmate travel inside the extension (glyphmate/ beside this file) and
are loaded from there under a private name, so neither an installed glyphmate package nor
LD_LIBRARY_PATH can put another version in their place."""

import importlib.util
import os
import re
import sys

import unohelper
from com.sun.star.lang import IllegalArgumentException

try:
    from org.varnel.glyphmate import XGlyphmate
except ImportError:  # unopkg loads this file before it has registered the extension's types
    XGlyphmate = object

IMPLEMENTATION = "org.varnel.glyphmate.CalcAddIn"
HEIGHTS = ("XS", "S", "M", "T", "XT")
FLAGS = {"CHECK": "check", "FULL-ASCII": "full_ascii", "NO-TEXT": "underlying_text", "STRICT": "strict"}


def _load_glyphmate():
    name = "_glyphmate_calc"
    if name in sys.modules:
        return sys.modules[name]
    package = os.path.join(os.path.dirname(os.path.abspath(__file__)), "glyphmate")
    found = importlib.util.spec_from_file_location(name, os.path.join(package, "__init__.py"),
                                                   submodule_search_locations=[package])
    module = importlib.util.module_from_spec(found)
    sys.modules[name] = module  # before running it: its relative import looks it up
    try:
        found.loader.exec_module(module)
    except BaseException:
        del sys.modules[name]
        raise
    return module


def _refuse(message, position):
    # Calc shows an IllegalArgumentException as an error value in the cell.
    return IllegalArgumentException("GLYPHMATE: " + message, None, position)


def cell_text(value):
    """A cell's value as data: text as it is, a number without decimals when it has none."""
    if value is None or isinstance(value, str):
        return value
    if isinstance(value, float) and value.is_integer():
        return "%d" % value
    if isinstance(value, (int, float)):
        return repr(value)
    return None


def parse_options(options):
    """The Options text ("check, T", "No-Text XS") as convert()'s keyword arguments.

    Words are separated by spaces or commas, in any letter case. Raises ValueError for an
    unknown word or two different heights."""
    if options is None or options == "" or (isinstance(options, float) and options == 0):
        return {}  # omitted, or an empty cell (which Calc passes as the number 0)
    if not isinstance(options, str):
        raise ValueError("Options must be text such as \"check, T\"")
    settings = {}
    for word in re.split(r"[\s,]+", options.strip().upper()):
        if word in FLAGS:
            settings[FLAGS[word]] = word != "NO-TEXT"
        elif word in HEIGHTS:
            if settings.get("height", word) != word:
                raise ValueError("one height only, not %s and %s" % (settings["height"], word))
            settings["height"] = word
        elif word:
            raise ValueError("unknown option %r: use check, full-ascii, no-text, strict, XS, S, M, T or XT"
                             % word.lower())
    return settings


class GlyphmateAddIn(unohelper.Base, XGlyphmate):
    def __init__(self, ctx):
        self.ctx = ctx

    def _convert(self, symbology, data, options, supplement):
        glyphmate = _load_glyphmate()
        try:
            settings = parse_options(options)
        except ValueError as error:
            raise _refuse(str(error), 2)
        addon = cell_text(supplement)
        if addon is None and supplement is not None:
            raise _refuse("Supplement must be one value", 3)
        if addon == "0" and isinstance(supplement, float):
            addon = None  # an empty cell
        try:
            return glyphmate.convert(symbology, data, supplement=addon, **settings)
        except ValueError as error:
            raise _refuse(str(error), 0)

    def glyphmate(self, symbology, data, options, supplement):
        return self._convert(symbology, data, options, supplement).converted

    def glyphmateFont(self, symbology, options):
        return self._convert(symbology, "", options, None).font

    def glyphmateStatus(self, symbology, data, options, supplement):
        return self._convert(symbology, data, options, supplement).status

    def glyphmateCheck(self, text, symbology):
        glyphmate = _load_glyphmate()
        # Omitted, or an empty cell (which Calc passes as the number 0): every font is tried.
        type = symbology if isinstance(symbology, str) and symbology != "" else None
        if type is None and symbology is not None and not (isinstance(symbology, float) and symbology == 0):
            raise _refuse("Type must be text such as \"Code39\"", 1)
        try:
            inspection = glyphmate.inspect(text, type)
        except ValueError as error:
            raise _refuse(str(error), 1)
        return "OK" if inspection.scans else inspection.faults[0].message


g_ImplementationHelper = unohelper.ImplementationHelper()
g_ImplementationHelper.addImplementation(GlyphmateAddIn, IMPLEMENTATION, ("com.sun.star.sheet.AddIn",))
