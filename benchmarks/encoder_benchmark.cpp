// SPDX-License-Identifier: MIT
// The cost of each encoder alone, of each catalogue entry through the whole flow (C++ and
// through the C interface), so that a slow step shows where it is.
#include <benchmark/benchmark.h>

#include <string>

#include <glyphmate.h>

#include "flow/catalogue.h"
#include "flow/record_converter.h"
#include "symbologies/codabar_code11.h"
#include "symbologies/code128.h"
#include "symbologies/code39.h"
#include "symbologies/code93.h"
#include "symbologies/msi_plessey.h"
#include "symbologies/two_of_five.h"
#include "symbologies/upc_ean.h"
#include "symbologies/upc_ean_addons.h"

namespace {

// Twenty characters each symbology takes, as in a typical label.
constexpr char kText[] = "VARNEL-2024/LOT 0042";
constexpr char kAscii[] = "Varnel: lot #42, ok!";
constexpr char kDigits[] = "12345678901234567890";

void encoder(benchmark::State& state, const char* (*encode)(const char*), const char* data) {
    for (auto _ : state) benchmark::DoNotOptimize(encode(data));
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(encoder, code39_plain, varnel::code39_plain, kText);
BENCHMARK_CAPTURE(encoder, code39_with_check, varnel::code39_with_check, kText);
BENCHMARK_CAPTURE(encoder, code39_full_ascii, varnel::code39_full_ascii, kAscii);
BENCHMARK_CAPTURE(encoder, code39_extended, varnel::code39_extended, kAscii);
BENCHMARK_CAPTURE(encoder, code93_encode, varnel::code93_encode, kAscii);
BENCHMARK_CAPTURE(encoder, upca_encode, varnel::upca_encode, "01234567890");
BENCHMARK_CAPTURE(encoder, upce_encode, varnel::upce_encode, "123456");
BENCHMARK_CAPTURE(encoder, ean13_encode, varnel::ean13_encode, "400638133393");
BENCHMARK_CAPTURE(encoder, ean8_encode, varnel::ean8_encode, "9638507");
BENCHMARK_CAPTURE(encoder, addon_encode, varnel::addon_encode, "52495");
BENCHMARK_CAPTURE(encoder, encode_code128a, varnel::encode_code128a, kText);
BENCHMARK_CAPTURE(encoder, encode_code128b, varnel::encode_code128b, kAscii);
BENCHMARK_CAPTURE(encoder, encode_code128c, varnel::encode_code128c, kDigits);
BENCHMARK_CAPTURE(encoder, encode_code128auto, varnel::encode_code128auto, kAscii);
BENCHMARK_CAPTURE(encoder, codabar_encode, varnel::codabar_encode, "1234-5678$90/12.34+5");
BENCHMARK_CAPTURE(encoder, code11_encode, varnel::code11_encode, "1234-5678-9012-34567");
BENCHMARK_CAPTURE(encoder, encode_code25, varnel::encode_code25, kDigits);
BENCHMARK_CAPTURE(encoder, encode_code25_check, varnel::encode_code25_check, kDigits);
BENCHMARK_CAPTURE(encoder, encode_itf25, varnel::encode_itf25, kDigits);
BENCHMARK_CAPTURE(encoder, encode_itf25_check, varnel::encode_itf25_check, kDigits);
BENCHMARK_CAPTURE(encoder, encode_msi, varnel::encode_msi, kDigits);

// Data each catalogue entry accepts without a message.
const char* data_for(const varnel::glyphmate::CatalogueEntry& e) {
    const std::string_view name = e.name;
    if (name == "UPC-A") return "01234567890";
    if (name == "UPC-E") return "123456";
    if (name == "EAN-13") return "400638133393";
    if (name == "EAN-8") return "9638507";
    if (name == "Code39") return kText;
    if (name == "Codabar") return "1234-5678$90/12.34+5";
    if (name == "Code11") return "1234-5678-9012-34567";
    if (name == "Code128A") return kText;
    if (name.starts_with("Code39") || name == "Code93" || (name.starts_with("Code128") && name != "Code128C"))
        return kAscii;
    return kDigits;
}

// One record through the handler, the encoder and the preview, as the batch runs it.
void flow(benchmark::State& state, const varnel::glyphmate::CatalogueEntry* entry) {
    varnel::glyphmate::InstalledFamilies none{[] { return std::vector<std::string>{}; }};
    varnel::glyphmate::RecordConverter converter(*entry, {}, none);
    const std::string_view data = data_for(*entry);
    for (auto _ : state) benchmark::DoNotOptimize(&converter.run(data));
    state.SetItemsProcessed(state.iterations());
}

// The same through the C interface, with the copy into the caller's result.
void library(benchmark::State& state, const varnel::glyphmate::CatalogueEntry* entry) {
    glyphmate_converter* converter = nullptr;
    const std::string type(entry->name);
    glyphmate_converter_new(type.c_str(), nullptr, nullptr, nullptr, &converter);
    const std::string_view data = data_for(*entry);
    glyphmate_result result;
    for (auto _ : state) benchmark::DoNotOptimize(glyphmate_converter_run(converter, data.data(), data.size(), nullptr, 0, &result));
    glyphmate_converter_free(converter);
    state.SetItemsProcessed(state.iterations());
}

// One call that looks the type up and builds its dialog each time.
void library_one_call(benchmark::State& state) {
    glyphmate_result result;
    for (auto _ : state) benchmark::DoNotOptimize(glyphmate_convert("Code128Auto", kAscii, 20, nullptr, 0, nullptr, &result));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(library_one_call);

const bool registered = [] {
    for (const varnel::glyphmate::CatalogueEntry& e : varnel::glyphmate::kCatalogue) {
        benchmark::RegisterBenchmark(("flow/" + std::string(e.name)).c_str(), flow, &e);
        benchmark::RegisterBenchmark(("library/" + std::string(e.name)).c_str(), library, &e);
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
