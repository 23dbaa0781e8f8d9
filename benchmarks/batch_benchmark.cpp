// SPDX-License-Identifier: MIT
// The batch path of glyphmate-encode: lines in, converted lines out, from a file to
// /dev/null, for a growing number of records and growing record lengths.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include <glyphmate.hpp>

#include "console/batch.h"
#include "console/io.h"

namespace {

using namespace varnel::glyphmate::console;

// A file of `records` lines of `length` characters, which every iteration reads again.
std::FILE* make_input(std::size_t records, std::size_t length) {
    std::FILE* file = std::tmpfile();
    const char chars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string line;
    unsigned seed = 1;
    for (std::size_t r = 0; r < records; ++r) {
        line.clear();
        for (std::size_t i = 0; i < length; ++i) {
            seed = seed * 1103515245u + 12345u;
            line += chars[(seed >> 16) % 36];
        }
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), file);
    }
    std::fflush(file);
    return file;
}

void batch(benchmark::State& state, const char* type) {
    const auto records = static_cast<std::size_t>(state.range(0));
    const auto length = static_cast<std::size_t>(state.range(1));
    std::FILE* input = make_input(records, length);
    const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    glyphmate_options options = GLYPHMATE_DEFAULT_OPTIONS;
    options.data_encoding = GLYPHMATE_UTF8;
    ::glyphmate::api::Converter converter(type, options);
    const BatchOptions batch_options{.input_name = "the benchmark input"};
    for (auto _ : state) {
        ::lseek(fileno(input), 0, SEEK_SET);
        LineReader in(fileno(input), true);
        Output out(sink), err(sink);
        benchmark::DoNotOptimize(convert_lines(converter, batch_options, in, out, err));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0) * (state.range(1) + 1));
    ::close(sink);
    std::fclose(input);
}

BENCHMARK_CAPTURE(batch, Code128Auto, "Code128Auto")
    ->ArgsProduct({{10000, 100000, 1000000}, {20}})
    ->ArgsProduct({{100000}, {10, 40, 80}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(batch, Code39, "Code39")->Args({1000000, 20})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
