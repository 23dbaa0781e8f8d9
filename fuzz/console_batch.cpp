// SPDX-License-Identifier: MIT
// The batch reader and converter of glyphmate-encode: any input gives exactly one output
// line per input line, in order (LF or CR LF, a last line without one, a leading BOM), and
// one "LINE: MESSAGE" per record that carried a message.
#include <sys/mman.h>
#include <unistd.h>

#include <glyphmate.hpp>

#include "flow/catalogue.h"
#include "console/batch.h"
#include "fuzz_check.h"

namespace {

int memory_file(std::string_view content) {
    const int fd = memfd_create("fuzz", 0);
    if (fd < 0) fuzz::finding("memfd_create failed");
    for (std::size_t done = 0; done < content.size();) {
        const ssize_t n = write(fd, content.data() + done, content.size() - done);
        if (n <= 0) fuzz::finding("write to memfd failed");
        done += static_cast<std::size_t>(n);
    }
    lseek(fd, 0, SEEK_SET);
    return fd;
}

std::string contents(int fd) {
    std::string text;
    lseek(fd, 0, SEEK_SET);
    char block[65536];
    for (ssize_t n; (n = read(fd, block, sizeof block)) > 0;) text.append(block, static_cast<std::size_t>(n));
    return text;
}

std::size_t count(std::string_view text, char c) {
    std::size_t n = 0;
    for (char x : text) n += x == c;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size < 2) return 0;
    // Two bytes choose the symbology and the input's encoding; the rest is the input.
    const auto& entry = varnel::glyphmate::kCatalogue[bytes[0] % varnel::glyphmate::kCatalogue.size()];
    const bool windows_1252 = bytes[1] & 1;
    std::string_view input(reinterpret_cast<const char*>(bytes + 2), size - 2);

    glyphmate_options options = GLYPHMATE_DEFAULT_OPTIONS;
    options.data_encoding = windows_1252 ? GLYPHMATE_WINDOWS_1252 : GLYPHMATE_UTF8;
    options.check_character = (bytes[1] >> 1) & 1;
    ::glyphmate::api::Converter converter(std::string(entry.name), options);
    varnel::glyphmate::console::BatchOptions batch{.json = ((bytes[1] >> 2) & 1) != 0, .windows_1252 = windows_1252,
                                           .supplement = "12", .input_name = "fuzz input"};

    const int in_fd = memory_file(input), out_fd = memory_file({}), err_fd = memory_file({});
    int status;
    {
        varnel::glyphmate::console::LineReader in(in_fd, !windows_1252);
        varnel::glyphmate::console::Output out(out_fd), err(err_fd);
        status = varnel::glyphmate::console::convert_lines(converter, batch, in, out, err);
    }
    const std::string out = contents(out_fd), err = contents(err_fd);
    close(in_fd), close(out_fd), close(err_fd);

    // The lines the input holds: after a BOM (UTF-8 only), one per LF, and one more for
    // text after the last LF.
    std::string_view text = input;
    if (!windows_1252 && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::size_t lines = count(text, '\n') + (!text.empty() && text.back() != '\n');
    fuzz::expect(count(out, '\n') == lines, "not one output line per input line", out);
    fuzz::expect(status == (err.empty() ? 0 : 1), "exit status does not follow the messages", err);
    fuzz::expect(count(err, '\n') <= lines, "more messages than records", err);
    return 0;
}
