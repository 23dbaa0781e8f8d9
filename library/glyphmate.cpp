// SPDX-License-Identifier: MIT
// The C interface over the conversion flow: each call converts as the dialog does and copies
// the conversion into the caller's result.
#include "library/glyphmate.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "flow/catalogue.h"
#include "flow/conversion.h"
#include "flow/font_naming.h"
#include "flow/string_check.h"
#include "flow/installed_families.h"
#include "flow/preview.h"
#include "flow/record_converter.h"
#include "flow/win1252.h"
#include "encoding/primitives.h"
#include "picture/picture.h"

namespace {

using namespace varnel::glyphmate;

static_assert(sizeof(glyphmate_result::converted) == varnel::kMaxConverted + 1);
static_assert(sizeof(glyphmate_result::converted_utf8) >= 3 * varnel::kMaxConverted + 1,
              "every Windows-1252 character takes at most three bytes of UTF-8");
static_assert(offsetof(glyphmate_result, converted) == 0);
// A symbol character carries at most two digits, and an element of four digits (the
// shortest) adds two parentheses to the text: at most three characters per symbol character.
static_assert(sizeof(glyphmate_result::human_readable) > 3 * varnel::kMaxConverted);

// Copies text into a member of N bytes, cut at the last whole UTF-8 character that fits.
template <std::size_t N>
std::size_t put_text(char (&out)[N], std::string_view text) {
    std::size_t n = text.size() < N ? text.size() : N - 1;
    if (n < text.size())
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    if (n > 0) std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return n;
}

// Windows-1252 bytes as UTF-8 into a member of N bytes, cut at a whole character.
template <std::size_t N>
void put_utf8(char (&out)[N], std::string_view bytes) {
    cp1252_to_utf8(bytes, out, N);
}

// " First: 'h' at 1.": the first character of the user's text that did not pass, as the
// status line shows it after the invalid-characters message. It is one left out on the
// way to the core (no Windows-1252 byte, malformed UTF-8, NUL) or the one whose byte the
// handler refused first (at: its offset among the bytes that reached the core). Positions
// count characters; controls and bytes of malformed UTF-8 are written as \xHH.
std::string first_refused(std::string_view text, int encoding, std::size_t at) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto escaped = [](char32_t value) {
        return std::string{'\\', 'x', kHex[(value >> 4) & 15], kHex[value & 15]};
    };
    const auto control = [](char32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F); };
    std::size_t core = 0, position = 0;
    for (std::size_t i = 0; i < text.size(); ++position) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        bool lost = byte == 0;
        std::string shown;
        if (encoding == GLYPHMATE_UTF8) {
            char32_t cp = 0;
            length = decode_utf8(text, i, cp);
            if (length == 0) {
                length = 1, lost = true;
                shown = escaped(byte);
            } else {
                lost = lost || unicode_to_cp1252(cp) < 0;
                shown = control(cp) ? escaped(cp) : std::string(text.substr(i, length));
            }
        } else {
            const char32_t cp = cp1252_to_unicode(byte);
            shown = control(cp) ? escaped(cp) : cp1252_to_utf8(text.substr(i, 1));
        }
        if (lost || core == at) return " First: '" + shown + "' at " + std::to_string(position + 1) + ".";
        ++core;
        i += length;
    }
    return {};
}

void clear(glyphmate_result* result) {
    if (result != nullptr) std::memset(result, 0, sizeof *result);
}

bool valid(const glyphmate_options& o) {
    return o.height >= -1 && o.height <= 4 &&
           (o.data_encoding == GLYPHMATE_WINDOWS_1252 || o.data_encoding == GLYPHMATE_UTF8);
}

OptionRecord to_record(const glyphmate_options& o) {
    OptionRecord record;
    record.height_index = o.height;
    record.underlying_text = o.underlying_text != 0;
    record.full_ascii = o.full_ascii != 0;
    record.check_character = o.check_character != 0;
    return record;
}

// The bytes the core takes. Text that is all ASCII and free of NUL is used as it stands;
// anything else is carried over into scratch, and what has no byte is counted as lost.
std::string_view core_bytes(std::string_view text, int encoding, std::string& scratch, bool& lost) {
    const bool has_nul = std::memchr(text.data(), '\0', text.size()) != nullptr;
    if (!has_nul && (encoding == GLYPHMATE_WINDOWS_1252 || ascii_prefix(text) == text.size())) return text;
    if (encoding == GLYPHMATE_UTF8) {
        Cp1252Text bytes = utf8_to_cp1252(text);
        lost = lost || bytes.unmapped + bytes.invalid_utf8 > 0;
        scratch = std::move(bytes.bytes);
    } else {
        scratch.clear();
        for (char c : text)
            if (c != '\0') scratch += c;
        lost = true;
    }
    return scratch;
}

// The members that are the same for every record of a run, worked out at its first record
// as the result holds them, and then copied whole.
struct FixedParts {
    bool known = false;
    glyphmate_result text;  // type, font, notes and preview face
    std::size_t type_size = 0, font_size = 0, notes_size = 0, preview_face_size = 0, preview_text_size = 0;  // with the terminator
    int font_installed = 0;
    glyphmate_options options{};
    bool strict = false;

    void learn(const ConversionResult& r, int encoding, bool strict_records) {
        type_size = put_text(text.type, r.entry->name) + 1;
        font_size = put_text(text.font, r.font) + 1;
        notes_size = cp1252_to_utf8(symbol_notes(*r.entry->symbology), text.notes, sizeof text.notes) + 1;
        // Without the font the preview says so, whatever the record.
        const Preview preview = preview_of(r.font, r.font_installed, {});
        preview_face_size = put_text(text.preview_face, preview.font.face) + 1;
        if (!r.font_installed) preview_text_size = cp1252_to_utf8(preview.text, text.preview_text, sizeof text.preview_text) + 1;
        font_installed = r.font_installed ? 1 : 0;
        options = {r.options.height_index, r.options.underlying_text ? 1 : 0, r.options.full_ascii ? 1 : 0,
                   r.options.check_character ? 1 : 0, encoding, strict_records ? 1 : 0};
        strict = strict_records;
        known = true;
    }
};

// The status line in UTF-8, with where the first refused character is.
void put_status(glyphmate_result* out, const ConversionResult& r, std::string_view data, int encoding) {
    const std::string& status = r.status;
    const std::size_t invalid = status.find(kInvalidCharacters);
    if (invalid == std::string::npos) {
        put_utf8(out->status, status);
        return;
    }
    std::string text = cp1252_to_utf8(status);
    // The message is ASCII, so it stands at the same offset in the UTF-8.
    text.insert(invalid + kInvalidCharacters.size(), first_refused(data, encoding, r.first_invalid));
    put_text(out->status, text);
}

void fill(glyphmate_result* out, const ConversionResult& r, const FixedParts& fixed) {
    // Strict: a record with a message gives no symbol at all.
    const bool withheld = fixed.strict && !r.status.empty();
    const std::string_view converted = std::string_view(r.converted).substr(0, withheld ? 0 : varnel::kMaxConverted);
    std::memcpy(out->converted, converted.data(), converted.size());
    out->converted[converted.size()] = '\0';
    out->converted_length = converted.size();
    const std::size_t utf8_length = cp1252_to_utf8(converted, out->converted_utf8, sizeof out->converted_utf8);
    std::memcpy(out->type, fixed.text.type, fixed.type_size);
    std::memcpy(out->font, fixed.text.font, fixed.font_size);
    out->font_installed = fixed.font_installed;
    put_utf8(out->human_readable, withheld ? std::string_view() : std::string_view(r.human_readable));
    std::memcpy(out->notes, fixed.text.notes, fixed.notes_size);
    if (r.font_installed)
        std::memcpy(out->preview_text, out->converted_utf8, utf8_length + 1);
    else
        std::memcpy(out->preview_text, fixed.text.preview_text, fixed.preview_text_size);
    std::memcpy(out->preview_face, fixed.text.preview_face, fixed.preview_face_size);
    out->options = fixed.options;
}

}  // namespace

struct glyphmate_converter {
    RecordConverter converter;
    int data_encoding;
    bool strict;
    std::string data, supplement;  // scratch for input that needs carrying over
    FixedParts fixed;
};

namespace {

int run(glyphmate_converter& c, const char* data, std::size_t data_length, const char* supplement,
        std::size_t supplement_length, glyphmate_result* result) {
    if ((data == nullptr && data_length > 0) || (supplement == nullptr && supplement_length > 0)) {
        clear(result);
        return GLYPHMATE_BAD_ARGUMENT;
    }
    bool lost = false, supplement_lost = false;
    const std::string_view bytes = core_bytes({data == nullptr ? "" : data, data_length}, c.data_encoding, c.data, lost);
    // The add-on's own rules decide about its characters, as the dialog's field does.
    const std::string_view addon = core_bytes({supplement == nullptr ? "" : supplement, supplement_length},
                                              c.data_encoding, c.supplement, supplement_lost);
    const ConversionResult& r = c.converter.run(bytes, addon, lost);
    if (!c.fixed.known) c.fixed.learn(r, c.data_encoding, c.strict);
    fill(result, r, c.fixed);
    put_status(result, r, {data == nullptr ? "" : data, data_length}, c.data_encoding);
    return r.status.empty() ? GLYPHMATE_OK : GLYPHMATE_MESSAGE;
}

constexpr glyphmate_options kDefaults = GLYPHMATE_DEFAULT_OPTIONS;

constexpr glyphmate_picture_options kDefaultPicture = GLYPHMATE_DEFAULT_PICTURE_OPTIONS;
constexpr double kMaxModuleWidth = 5, kMaxBarHeight = 500;
constexpr int kMaxDpi = 4800;
constexpr double kMaxPixels = 1 << 28;

// The picture of a result's converted string as its font draws it.
int draw(const glyphmate_result* result, const glyphmate_picture_options* options, varnel::picture::Picture& picture,
         varnel::picture::Scale& scale) {
    const glyphmate_picture_options o = options != nullptr ? *options : kDefaultPicture;
    if (result == nullptr || !(o.module_width > 0 && o.module_width <= kMaxModuleWidth) ||
        !(o.bar_height > 0 && o.bar_height <= kMaxBarHeight) || o.dpi < 1 || o.dpi > kMaxDpi ||
        result->converted_length > varnel::kMaxConverted)
        return GLYPHMATE_BAD_ARGUMENT;
    const CatalogueEntry* entry = find_entry({result->type, strnlen(result->type, sizeof result->type)});
    const varnel::bars::FontLayout* font = entry != nullptr ? varnel::bars::font_layout(entry->font_key) : nullptr;
    if (font == nullptr) return GLYPHMATE_UNKNOWN_TYPE;
    picture = varnel::picture::render(*font, {result->converted, result->converted_length},
                                      {.bar_height = o.bar_height / o.module_width,
                                       .text = result->options.underlying_text != 0,
                                       .quiet_zones = o.quiet_zones != 0});
    scale = {o.module_width, o.dpi};
    return picture.skipped > 0 ? GLYPHMATE_MESSAGE : GLYPHMATE_OK;
}

int deliver(int code, const void* bytes, std::size_t length, std::size_t room, void* out, std::size_t capacity,
            std::size_t* size) {
    *size = length;
    if (capacity < room || out == nullptr) return GLYPHMATE_BUFFER_TOO_SMALL;
    std::memcpy(out, bytes, length);
    return code;
}

}  // namespace

extern "C" {

int glyphmate_converter_new(const char* type, const glyphmate_options* options, glyphmate_font_query fonts,
                            void* context, glyphmate_converter** converter) {
    if (converter == nullptr) return GLYPHMATE_BAD_ARGUMENT;
    *converter = nullptr;
    const glyphmate_options& o = options != nullptr ? *options : kDefaults;
    if (type == nullptr || !valid(o)) return GLYPHMATE_BAD_ARGUMENT;
    const CatalogueEntry* entry = find_entry(type);
    if (entry == nullptr) return GLYPHMATE_UNKNOWN_TYPE;
    try {
        RecordConverter::FontQuery query;
        if (fonts != nullptr)
            query = [fonts, context, name = std::string()](std::string_view family) mutable {
                name.assign(family);  // the callback wants a terminated string
                return fonts(name.c_str(), context) != 0;
            };
        *converter = new glyphmate_converter{RecordConverter(*entry, to_record(o), std::move(query)), o.data_encoding,
                                             o.strict != 0, {}, {}, {}};
        return GLYPHMATE_OK;
    } catch (...) {  // the flow throws only when memory runs out
        return GLYPHMATE_NO_MEMORY;
    }
}

int glyphmate_converter_run(glyphmate_converter* converter, const char* data, size_t data_length,
                            const char* supplement, size_t supplement_length, glyphmate_result* result) {
    if (result == nullptr) return GLYPHMATE_BAD_ARGUMENT;
    if (converter == nullptr) {
        clear(result);
        return GLYPHMATE_BAD_ARGUMENT;
    }
    try {
        return run(*converter, data, data_length, supplement, supplement_length, result);
    } catch (...) {
        clear(result);
        return GLYPHMATE_NO_MEMORY;
    }
}

void glyphmate_converter_free(glyphmate_converter* converter) { delete converter; }

int glyphmate_convert(const char* type, const char* data, size_t data_length, const char* supplement,
                      size_t supplement_length, const glyphmate_options* options, glyphmate_result* result) {
    if (result == nullptr) return GLYPHMATE_BAD_ARGUMENT;
    const glyphmate_options& o = options != nullptr ? *options : kDefaults;
    if (type == nullptr || !valid(o)) {
        clear(result);
        return GLYPHMATE_BAD_ARGUMENT;
    }
    const CatalogueEntry* entry = find_entry(type);
    if (entry == nullptr) {
        clear(result);
        return GLYPHMATE_UNKNOWN_TYPE;
    }
    try {
        // Everything lives on this call's stack: nothing is shared between threads.
        glyphmate_converter c{RecordConverter(*entry, to_record(o), RecordConverter::FontQuery()), o.data_encoding,
                              o.strict != 0, {}, {}, {}};
        return run(c, data, data_length, supplement, supplement_length, result);
    } catch (...) {
        clear(result);
        return GLYPHMATE_NO_MEMORY;
    }
}

const char* glyphmate_height_name(int height) {
    // The suffixes are views of string literals, so each is terminated.
    if (height < 0 || height >= static_cast<int>(kHeightSuffixes.size())) return nullptr;
    return kHeightSuffixes[static_cast<std::size_t>(height)].data();
}

int glyphmate_height_index(const char* name) {
    if (name == nullptr) return -1;
    for (std::size_t i = 0; i < kHeightSuffixes.size(); ++i)
        if (equal_ignoring_case(kHeightSuffixes[i], name)) return static_cast<int>(i);
    return -1;
}

int glyphmate_type_count(void) { return static_cast<int>(kCatalogue.size()); }

const char* glyphmate_type_name(int index) {
    // The names are views of string literals, so each is terminated.
    if (index < 0 || index >= glyphmate_type_count()) return nullptr;
    return kCatalogue[static_cast<std::size_t>(index)].name.data();
}

size_t glyphmate_utf8_to_windows_1252(const char* text, size_t length, char* out, size_t capacity, size_t* lost) {
    if (lost != nullptr) *lost = 0;
    if (text == nullptr) return 0;
    try {
        const Cp1252Text bytes = utf8_to_cp1252({text, length});
        if (lost != nullptr) *lost = bytes.unmapped + bytes.invalid_utf8;
        if (out != nullptr) std::memcpy(out, bytes.bytes.data(), bytes.bytes.size() < capacity ? bytes.bytes.size() : capacity);
        return bytes.bytes.size();
    } catch (...) {
        return 0;
    }
}

size_t glyphmate_windows_1252_to_utf8(const char* bytes, size_t length, char* out, size_t capacity) {
    if (bytes == nullptr) return 0;
    try {
        const std::string text = cp1252_to_utf8({bytes, length});
        if (out != nullptr) std::memcpy(out, text.data(), text.size() < capacity ? text.size() : capacity);
        return text.size();
    } catch (...) {
        return 0;
    }
}

size_t glyphmate_utf8_check(const char* text, size_t length) {
    return text == nullptr ? 0 : first_invalid_utf8({text, length});
}

const char* glyphmate_strerror(int code) {
    switch (code) {
        case GLYPHMATE_OK: return "converted";
        case GLYPHMATE_MESSAGE: return "converted, with a message";
        case GLYPHMATE_UNKNOWN_TYPE: return "unknown type";
        case GLYPHMATE_BAD_ARGUMENT: return "bad argument";
        case GLYPHMATE_NO_MEMORY: return "out of memory";
        case GLYPHMATE_BUFFER_TOO_SMALL: return "buffer too small";
        default: return "unknown error";
    }
}

size_t glyphmate_result_size(void) { return sizeof(glyphmate_result); }

int glyphmate_inspect(const char* type, const char* text, size_t length, int encoding, glyphmate_inspection* out) {
    if (out == nullptr) return GLYPHMATE_BAD_ARGUMENT;
    std::memset(out, 0, sizeof *out);
    if ((text == nullptr && length > 0) || (encoding != GLYPHMATE_UTF8 && encoding != GLYPHMATE_WINDOWS_1252))
        return GLYPHMATE_BAD_ARGUMENT;
    try {
        const auto r = inspect({text == nullptr ? "" : text, length}, encoding == GLYPHMATE_UTF8,
                               type == nullptr ? std::string_view() : std::string_view(type));
        if (!r) return GLYPHMATE_UNKNOWN_TYPE;
        out->scans = r->scans() ? 1 : 0;
        put_text(out->type, r->type);
        put_text(out->font, r->font);
        put_utf8(out->data, r->data);
        out->check_character = r->check_character ? 1 : 0;
        out->full_ascii = r->full_ascii ? 1 : 0;
        out->fault_count = r->faults.size();
        for (std::size_t i = 0; i < r->faults.size() && i < GLYPHMATE_MAX_FAULTS; ++i) {
            glyphmate_fault& f = out->faults[i];
            f.at = r->faults[i].at.value_or(0);
            put_text(f.kind, r->faults[i].kind);
            put_text(f.message, r->faults[i].message);
        }
        for (const InspectMark& m : r->marks) {
            if (out->mark_count == GLYPHMATE_MAX_MARKS) break;
            glyphmate_mark& g = out->marks[out->mark_count++];
            g.at = m.at;
            put_text(g.role, m.role);
            put_text(g.found, m.found);
            put_text(g.expected, m.expected);
        }
        std::string others;
        for (const std::string& o : r->others) others += o + '\n';
        put_text(out->others, others);
        return r->scans() ? GLYPHMATE_OK : GLYPHMATE_MESSAGE;
    } catch (...) {
        std::memset(out, 0, sizeof *out);
        return GLYPHMATE_NO_MEMORY;
    }
}

size_t glyphmate_inspection_size(void) { return sizeof(glyphmate_inspection); }

const char* glyphmate_version(void) { return GLYPHMATE_LIBRARY_VERSION; }

}  // extern "C"

namespace {
using varnel::picture::Picture, varnel::picture::Scale;

// Both drawing calls: arguments checked, the picture drawn, and write (picture, scale, code)
// turning it into the caller's bytes; out of memory reported, never thrown.
template <typename Write>
int draw_with(const glyphmate_result* result, const glyphmate_picture_options* options, size_t* size, Write write) {
    if (size == nullptr) return GLYPHMATE_BAD_ARGUMENT;
    *size = 0;
    try {
        Picture picture;
        Scale scale;
        const int code = draw(result, options, picture, scale);
        return code < 0 ? code : write(picture, scale, code);
    } catch (const std::bad_alloc&) {
        return GLYPHMATE_NO_MEMORY;
    }
}
}  // namespace

extern "C" {

int glyphmate_draw_svg(const glyphmate_result* result, const glyphmate_picture_options* options, char* out,
                       size_t capacity, size_t* size) {
    return draw_with(result, options, size, [&](const Picture& picture, const Scale& scale, int code) {
        const std::string text = varnel::picture::svg(picture, scale);
        const int delivered = deliver(code, text.c_str(), text.size(), text.size() + 1, out, capacity, size);
        if (delivered >= 0) out[text.size()] = '\0';
        return delivered;
    });
}

int glyphmate_draw_png(const glyphmate_result* result, const glyphmate_picture_options* options,
                       unsigned char* out, size_t capacity, size_t* size) {
    return draw_with(result, options, size, [&](const Picture& picture, const Scale& scale, int code) {
        const double pixel = varnel::picture::module_pixels(scale);
        const double across = picture.width * pixel, down = picture.height * scale.module_mm * scale.dpi / 25.4;
        if (across * down > kMaxPixels) return GLYPHMATE_BAD_ARGUMENT;
        const std::vector<unsigned char> file = varnel::picture::png(picture, scale);
        if (file.empty()) return GLYPHMATE_NO_MEMORY;
        return deliver(code, file.data(), file.size(), file.size(), out, capacity, size);
    });
}

}  // extern "C"
