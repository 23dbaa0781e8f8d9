// SPDX-License-Identifier: MIT
// glyphmate.hpp: the C interface of glyphmate.h with C++ ownership: a converter that frees
// itself and throws on a bad type, and results read as string views.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "glyphmate.h"

namespace glyphmate::api {

class Error : public std::runtime_error {
public:
    explicit Error(int code) : std::runtime_error(glyphmate_strerror(code)), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

struct Result : glyphmate_result {
    std::string_view bytes() const { return {converted, converted_length}; }
};

inline constexpr glyphmate_options kDefaultOptions = GLYPHMATE_DEFAULT_OPTIONS;

inline constexpr glyphmate_picture_options kDefaultPictureOptions = GLYPHMATE_DEFAULT_PICTURE_OPTIONS;

enum class PictureFormat { svg, png };

// A result's picture as the file's bytes; code is GLYPHMATE_OK or GLYPHMATE_MESSAGE (bytes
// without a glyph left out).
struct Picture {
    int code = GLYPHMATE_OK;
    std::string bytes;
};

inline Picture draw(const glyphmate_result& result, PictureFormat format,
                    const glyphmate_picture_options& options = kDefaultPictureOptions) {
    auto call = [&](std::string& out, std::size_t capacity, std::size_t* size) {
        return format == PictureFormat::svg
                   ? glyphmate_draw_svg(&result, &options, out.data(), capacity, size)
                   : glyphmate_draw_png(&result, &options, reinterpret_cast<unsigned char*>(out.data()), capacity, size);
    };
    Picture picture;
    std::size_t size = 0;
    int code = call(picture.bytes, 0, &size);
    if (code == GLYPHMATE_BUFFER_TOO_SMALL) {
        picture.bytes.resize(size + 1);
        code = call(picture.bytes, picture.bytes.size(), &size);
    }
    if (code < 0) throw Error(code);
    picture.bytes.resize(size);
    picture.code = code;
    return picture;
}

class Converter {
public:
    // Throws Error for an unknown type or a bad option.
    explicit Converter(const std::string& type, const glyphmate_options& options = kDefaultOptions,
                       glyphmate_font_query fonts = nullptr, void* context = nullptr) {
        glyphmate_converter* handle = nullptr;
        const int code = glyphmate_converter_new(type.c_str(), &options, fonts, context, &handle);
        if (code < 0) throw Error(code);
        handle_.reset(handle);
    }

    // GLYPHMATE_OK or GLYPHMATE_MESSAGE; throws Error only when memory runs out.
    int run(std::string_view data, std::string_view supplement, Result& result) {
        const int code = glyphmate_converter_run(handle_.get(), data.data(), data.size(), supplement.data(),
                                                 supplement.size(), &result);
        if (code < 0) throw Error(code);
        return code;
    }

private:
    struct Free {
        void operator()(glyphmate_converter* c) const { glyphmate_converter_free(c); }
    };
    std::unique_ptr<glyphmate_converter, Free> handle_;
};

}  // namespace glyphmate::api
