/* SPDX-License-Identifier: MIT */
/* glyphmate.h: the Glyphmate encoder as a library.
 *
 * Turns data into the converted string that, typeset in a Varnel barcode font, draws the
 * symbol, with the same results as the Glyphmate dialog, byte for byte: the font name, the
 * status line, the Symbol Notes and the options as the symbology's rules left them.
 *
 * Every function may be called from any thread. A glyphmate_result is the caller's; the
 * library writes only into it and never past its members. A glyphmate_converter serves one
 * thread at a time (give each thread its own); glyphmate_convert shares nothing at all.
 *
 * Link with -lglyphmate (pkg-config glyphmate, or find_package(glyphmate) and the target
 * glyphmate::glyphmate in CMake). */
#ifndef GLYPHMATE_H
#define GLYPHMATE_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#define GLYPHMATE_VERSION_MAJOR 1
#define GLYPHMATE_VERSION_MINOR 0

/* Return values. Zero and above: the record was converted. */
#define GLYPHMATE_OK 0                /* converted; the status line is empty */
#define GLYPHMATE_MESSAGE 1           /* converted; status holds the handler's message */
#define GLYPHMATE_UNKNOWN_TYPE (-1)   /* no symbology of that name (see glyphmate_type_name) */
#define GLYPHMATE_BAD_ARGUMENT (-2)   /* a required pointer is null or an option is out of range */
#define GLYPHMATE_NO_MEMORY (-3)
#define GLYPHMATE_BUFFER_TOO_SMALL (-4) /* nothing written; *size says how much is needed */

/* How the data and supplement bytes are to be read. */
#define GLYPHMATE_WINDOWS_1252 0      /* the bytes the fonts are laid out in, taken as they are */
#define GLYPHMATE_UTF8 1              /* text, carried into Windows-1252 */

/* The options as the user sets them in the dialog, and how the data is read. */
typedef struct glyphmate_options {
    int height;           /* bar height: 0 XS, 1 S, 2 M, 3 T, 4 XT; -1 none */
    int underlying_text;  /* nonzero: on */
    int full_ascii;
    int check_character;
    int data_encoding;    /* GLYPHMATE_WINDOWS_1252 or GLYPHMATE_UTF8 */
    int strict;           /* nonzero: a record whose status line is not empty gets no
                             converted string (nor preview or human-readable text), so a
                             merge prints no symbol of data that was changed or refused */
} glyphmate_options;

/* How the dialog starts: Medium, Underlying Text on, Full ASCII and Check Character off;
 * not strict. */
#define GLYPHMATE_DEFAULT_OPTIONS {2, 1, 0, 0, GLYPHMATE_WINDOWS_1252, 0}

#define GLYPHMATE_MAX_CONVERTED 255

/* Everything one conversion shows, as the dialog would except for the status line: an
 * encoder's error text ("Invalid length of input string.") is never the converted string but
 * joins the status line, an empty record is reported ("No data."), and the
 * invalid-characters message goes on with the first character refused and its position in
 * the data, counted in characters from 1 ("First: 'h' at 1."; a control character or a byte
 * of malformed UTF-8 written '\x1B'). Texts are NUL-terminated; all but converted are UTF-8.
 * converted comes first, so a plain buffer of glyphmate_result_size() bytes reads as the
 * converted string. Each member is large enough for every text the library produces. */
typedef struct glyphmate_result {
    char converted[GLYPHMATE_MAX_CONVERTED + 1]; /* the font's character codes (Windows-1252) */
    size_t converted_length;
    char converted_utf8[3 * GLYPHMATE_MAX_CONVERTED + 1]; /* the same as text */
    char type[32];           /* the symbology's name as the catalogue writes it */
    char font[64];           /* the font to typeset it in, e.g. "VNL Code39MA" */
    int font_installed;      /* as the font query answered; 0 without one */
    char status[512];        /* the status line: empty, or the handler's messages */
    char notes[2048];        /* the Symbol Notes text */
    char preview_text[3 * GLYPHMATE_MAX_CONVERTED + 1];
    char preview_face[64];
    glyphmate_options options; /* after the conversion: the symbology may force some */
    /* The text to print under the bars where the font prints none: for GS1-128 the element
     * strings encoded, AIs in parentheses, "(01)09501101530003(17)251231"; empty for the
     * other symbologies and for data with a fault. Last, so that the members before it keep
     * their places. */
    char human_readable[1024];
} glyphmate_result;

/* Converts one record. type is a display name of the Barcode Type list, in any letter case
 * ("Code39", "code128auto", "EAN-13"); data and supplement are bytes with their lengths
 * (supplement may be null: none); options may be null: GLYPHMATE_DEFAULT_OPTIONS. A
 * character that cannot reach the core (a NUL byte, or in UTF-8 a malformed sequence or a
 * character Windows-1252 lacks) is left out and reported in the status line. On an error
 * the result is emptied. */
int glyphmate_convert(const char* type, const char* data, size_t data_length, const char* supplement,
                      size_t supplement_length, const glyphmate_options* options, glyphmate_result* result);

/* Many records of one symbology: the type is looked up and the work that does not depend on
 * the record done once. Each record starts from the options given here. */
typedef struct glyphmate_converter glyphmate_converter;

/* Answers whether a font family of that name is installed (nonzero: yes). */
typedef int (*glyphmate_font_query)(const char* family, void* context);

/* Makes a converter; fonts (may be null: none installed) is asked on the converting thread. */
int glyphmate_converter_new(const char* type, const glyphmate_options* options, glyphmate_font_query fonts,
                            void* context, glyphmate_converter** converter);
int glyphmate_converter_run(glyphmate_converter* converter, const char* data, size_t data_length,
                            const char* supplement, size_t supplement_length, glyphmate_result* result);
void glyphmate_converter_free(glyphmate_converter* converter);

/* Checking a converted string as pasted from a document: which symbology and font it is
 * for, what a scanner reads from it and why it would not scan. */
#define GLYPHMATE_MAX_FAULTS 16
#define GLYPHMATE_MAX_MARKS 16

typedef struct glyphmate_fault {
    size_t at;         /* the character of the text, from 1; 0 for something missing */
    char kind[24];     /* "not-in-font", "typographic-quote", "mojibake", "wrong-check",
                        * "no-start", "no-stop", "misplaced" or "too-long" */
    char message[512]; /* what is wrong and what to do, UTF-8 */
} glyphmate_fault;

/* A start, stop, guard or check character: as found, and as the symbol needs it (UTF-8). */
typedef struct glyphmate_mark {
    size_t at;         /* the character of the text, from 1 */
    char role[8];      /* "start", "stop", "guard" or "check" */
    char found[8];
    char expected[8];
} glyphmate_mark;

typedef struct glyphmate_inspection {
    int scans;                 /* nonzero: nothing is wrong */
    char type[32];             /* the symbology, as the catalogue writes it */
    char font[64];             /* the font family, e.g. "VNL Code39" (the height is not in the text) */
    char data[1024];           /* what a scanner sends, UTF-8; GS1-128 as element strings,
                                * AIs in parentheses; cut at a whole character */
    int check_character;       /* what the text shows of the options */
    int full_ascii;
    size_t fault_count;        /* every fault found; the first GLYPHMATE_MAX_FAULTS are in faults */
    glyphmate_fault faults[GLYPHMATE_MAX_FAULTS];
    size_t mark_count;         /* at most GLYPHMATE_MAX_MARKS */
    glyphmate_mark marks[GLYPHMATE_MAX_MARKS];
    char others[512];          /* the other types whose fonts read it, most plausible first,
                                * each ended by a line feed; empty when a type was given */
} glyphmate_inspection;

/* Inspects text (length bytes; encoding GLYPHMATE_UTF8 for text as copied, or
 * GLYPHMATE_WINDOWS_1252 for the fonts' bytes). type may be null: every font is tried and
 * the most plausible reading wins; else exactly that type's font. Returns GLYPHMATE_OK when
 * it scans, GLYPHMATE_MESSAGE when it has faults, or an error (the inspection emptied). */
int glyphmate_inspect(const char* type, const char* text, size_t length, int encoding, glyphmate_inspection* inspection);

/* sizeof(glyphmate_inspection), for bindings that allocate it as plain memory. */
size_t glyphmate_inspection_size(void);

/* Pictures: a result's converted string drawn as its font draws it, bar for bar, so that it
 * scans as the symbol typeset in the font would. The string may have been edited since the
 * conversion (converted and converted_length); a byte the font has no glyph for is left out.
 * type names the font, options.underlying_text says whether the text line is drawn. */
typedef struct glyphmate_picture_options {
    double module_width;  /* the X dimension, millimetres (more than 0, at most 5) */
    double bar_height;    /* millimetres (more than 0, at most 500) */
    int dpi;              /* PNG only: pixels per inch (1 to 4800); modules are whole pixels */
    int quiet_zones;      /* nonzero: the white margins the symbology's standard asks for */
} glyphmate_picture_options;

#define GLYPHMATE_DEFAULT_PICTURE_OPTIONS {0.33, 15.0, 300, 1}

/* An SVG document (UTF-8, sized in millimetres) in out, NUL-terminated: capacity must be at
 * least *size + 1. A PNG file (black and white, one bit per pixel, the dpi recorded) in out:
 * capacity at least *size. *size always receives the length of the whole picture (without the terminator), so
 * a first call with capacity 0 asks for it. options may be null: the defaults. Returns
 * GLYPHMATE_OK, GLYPHMATE_MESSAGE when bytes were left out, GLYPHMATE_BUFFER_TOO_SMALL,
 * GLYPHMATE_UNKNOWN_TYPE, GLYPHMATE_BAD_ARGUMENT (also for a PNG of more than 2^28 pixels)
 * or GLYPHMATE_NO_MEMORY. */
int glyphmate_draw_svg(const glyphmate_result* result, const glyphmate_picture_options* options, char* out,
                       size_t capacity, size_t* size);
int glyphmate_draw_png(const glyphmate_result* result, const glyphmate_picture_options* options,
                       unsigned char* out, size_t capacity, size_t* size);

/* The symbologies in the order of the Barcode Type list: index 0 to glyphmate_type_count()-1;
 * null past the end. */
int glyphmate_type_count(void);
const char* glyphmate_type_name(int index);

/* The bar heights by name: "XS", "S", "M", "T", "XT" for 0 to 4 (null for anything else),
 * and back, in any letter case (-1 for an unknown name). */
const char* glyphmate_height_name(int height);
int glyphmate_height_index(const char* name);

/* The Windows-1252 bytes of UTF-8 text, as the conversion takes them: writes at most
 * capacity bytes to out (no terminator) and returns the number of bytes of the whole text.
 * lost (may be null) receives the number of characters left out. */
size_t glyphmate_utf8_to_windows_1252(const char* text, size_t length, char* out, size_t capacity,
                                      size_t* lost);

/* And back: the UTF-8 of Windows-1252 bytes, each byte one character (the five bytes that
 * Windows-1252 leaves unassigned are the C1 controls of the same value). Writes at most
 * capacity bytes (no terminator); returns the number of bytes of the whole text. */
size_t glyphmate_windows_1252_to_utf8(const char* bytes, size_t length, char* out, size_t capacity);

/* The byte offset of the first malformed sequence in UTF-8 text, or length when there is
 * none: where to look when the status line reports characters that were left out. */
size_t glyphmate_utf8_check(const char* text, size_t length);

/* What a return value means, in a few words ("unknown type"). */
const char* glyphmate_strerror(int code);

/* sizeof(glyphmate_result), for bindings that allocate it as plain memory. */
size_t glyphmate_result_size(void);
/* "1.0.0" */
const char* glyphmate_version(void);

#ifdef __cplusplus
}
#endif

#endif
