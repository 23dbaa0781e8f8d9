// SPDX-License-Identifier: MIT
// The command line of glyphmate-encode: the input is split at NUL bytes into arguments.
// Whatever they are, parsing ends in settings the program can run with, or in an exit
// status (0 for help and version, 2 for a usage error), never in a crash.
#include <iostream>
#include <sstream>
#include <vector>

#include "console/command_line.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::vector<std::string> args{"glyphmate-encode"};
    std::string current;
    for (std::size_t i = 0; i < size && args.size() < 64; ++i) {
        if (bytes[i] == 0) {
            args.push_back(std::move(current));
            current.clear();
        } else {
            current += static_cast<char>(bytes[i]);
        }
    }
    args.push_back(current);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    // What the parser prints goes nowhere: only its decision counts here.
    std::ostringstream sink;
    auto* out = std::cout.rdbuf(sink.rdbuf());
    auto* err = std::cerr.rdbuf(sink.rdbuf());
    varnel::glyphmate::console::Settings settings;
    const std::optional<int> done = varnel::glyphmate::console::parse_command_line(static_cast<int>(args.size()), argv.data(), settings);
    std::cout.rdbuf(out);
    std::cerr.rdbuf(err);

    if (done) {
        fuzz::expect(*done == 0 || *done == varnel::glyphmate::console::kExitUsage, "an exit status that is neither 0 nor 2");
        return 0;
    }
    fuzz::expect(settings.options.height >= -1 && settings.options.height <= 4, "height out of range");
    fuzz::expect(!settings.data_is_bytes || settings.data.find('\0') == std::string::npos, "a NUL byte in the data");
    fuzz::expect(!settings.csv || settings.batch, "CSV without batch");
    return 0;
}
