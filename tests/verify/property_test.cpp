// SPDX-License-Identifier: MIT
// Property tests over the whole flow: for every symbology, many generated inputs (valid and
// invalid data, every option combination) must give strings that read back to the data
// the encoder keeps, with right checks, within 255 characters, the same every time, with
// the status line and option states the rules demand.
#include <array>
#include <cctype>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "flow/catalogue.h"
#include "flow/record_converter.h"
#include "test_support.h"
#include "verify/flow_check.h"
#include "verify/gs1_samples.h"
#include "verify/user_actions.h"

namespace {

using varnel::glyphmate::CatalogueEntry;
using varnel::glyphmate::ConversionRequest;
using varnel::glyphmate::DialogState;
using varnel::glyphmate::kCatalogue;

constexpr int kCasesPerSymbology = 10'000;
constexpr int kActionsPerSequence = 20'000;
constexpr int kReportedFailures = 5;  // per test, so that one fault does not flood the log

// What each symbology takes without a message, for data that is mostly right.
std::string_view native_chars(std::string_view type) {
    if (type == "Code39") return "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";
    if (type == "Codabar") return "0123456789-$:/.+";
    if (type == "Code11") return "0123456789-";
    if (type == "Code39 Extended" || type == "Code93" || type == "Code128Auto")
        return " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~\x7F"
               "\x01\x09\x0A\x0D\x1B\x1F";
    if (type == "Code128A") return " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_\x01\x09\x0D\x1F";
    if (type == "Code128B") return " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~\x7F";
    return "0123456789";
}

std::size_t upc_digits(std::string_view type) {
    if (type == "UPC-A") return 11;
    if (type == "UPC-E") return 6;
    if (type == "EAN-13") return 12;
    if (type == "EAN-8") return 7;
    return 0;
}

class Generator {
public:
    explicit Generator(std::uint32_t seed) : rng_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    char any_byte() { return static_cast<char>(1 + below(255)); }
    char from(std::string_view chars) { return chars[static_cast<std::size_t>(below(static_cast<int>(chars.size())))]; }

    std::size_t length() {
        const int r = below(100);
        if (r < 70) return static_cast<std::size_t>(below(25));
        if (r < 90) return static_cast<std::size_t>(25 + below(125));
        return static_cast<std::size_t>(200 + below(500));  // past the limit of 255
    }

    // Runs of the native characters, digit runs (which Code 128 Auto and set C pair) and,
    // in the mixed cases, any byte, function glyphs and controls.
    std::string data(std::string_view native, bool mixed) {
        const std::size_t n = length();
        std::string s;
        while (s.size() < n) {
            const int kind = below(mixed ? 6 : 3);
            const std::size_t run = static_cast<std::size_t>(1 + below(8));
            for (std::size_t i = 0; i < run && s.size() < n; ++i) {
                switch (kind) {
                    case 0: case 1: s += from(native); break;
                    case 2: s += from("0123456789"); break;
                    case 3: s += any_byte(); break;
                    case 4: s += static_cast<char>(0xC0 + below(8)); break;
                    default: s += static_cast<char>(1 + below(0x7F)); break;
                }
            }
        }
        return s;
    }

    std::string digits(std::size_t n) {
        std::string s;
        while (s.size() < n) s += from("0123456789");
        return s;
    }

    std::string supplement(int kind) {
        switch (kind) {
            case 0: return "";
            case 1: return digits(2);
            case 2: return digits(5);
            case 3: return " ";
            default: return data("0123456789-", true).substr(0, 12);
        }
    }

    // GS1 element strings: shapes 0 to 5 valid (5 past the length limit), 6 with one
    // character changed, the rest typing noise.
    std::string gs1(int shape) {
        namespace samples = verify::gs1_samples;
        if (shape >= 7) return data("()[]\\0123456789aZ-", shape == 9);
        samples::Elements elements = samples::elements(rng_);
        if (shape == 5)
            for (const char* ai : {"93", "94", "95", "96", "97"}) elements.emplace_back(ai, samples::text(rng_, 90));
        std::string s = samples::typed(elements, below(2) == 0);
        if (shape == 6) s[static_cast<std::size_t>(below(static_cast<int>(s.size())))] = from("0123456789(])aZ");
        return s;
    }

private:
    std::mt19937 rng_;
};

// The request of case i: every combination of the options in turn, the data drawn at random.
// sound: set for GS1-128 data that the checker must accept.
ConversionRequest make_request(const CatalogueEntry& entry, int i, Generator& gen, bool* sound = nullptr) {
    constexpr int kSupplementKinds = 5, kHeights = 6;
    ConversionRequest request;
    request.type = entry.name;
    int combo = i;
    request.options.check_character = combo % 2 == 1, combo /= 2;
    request.options.full_ascii = combo % 2 == 1, combo /= 2;
    request.options.underlying_text = combo % 2 == 1, combo /= 2;
    request.options.height_index = combo % kHeights - 1, combo /= kHeights;
    request.supplement = gen.supplement(combo % kSupplementKinds);

    const std::size_t n = upc_digits(entry.name);
    const int shape = gen.below(10);
    if (entry.name == "GS1-128") {
        request.data = gen.gs1(shape);
        if (sound != nullptr) *sound = shape < 6;
    } else if (n > 0 && shape < 4) {
        request.data = gen.digits(n);
        if (shape == 0) request.data[n - 1] = '3';  // UPC-E: half of these have no expansion
    } else if (n > 0 && shape < 6) {
        request.data = gen.digits(n - 1 + static_cast<std::size_t>(gen.below(3)) * 1);
    } else {
        request.data = gen.data(native_chars(entry.name), shape >= 7);
    }
    return request;
}

bool same(const varnel::glyphmate::ConversionResult& a, const varnel::glyphmate::ConversionResult& b) {
    return a.converted == b.converted && a.human_readable == b.human_readable && a.status == b.status &&
           a.options == b.options && a.font == b.font && a.font_installed == b.font_installed && a.entry == b.entry;
}

std::string describe(const ConversionRequest& r) {
    return r.type + " data [" + test::hex(r.data) + "] supplement [" + test::hex(r.supplement) + "] check " +
           std::to_string(r.options.check_character) + " full_ascii " + std::to_string(r.options.full_ascii) +
           " text " + std::to_string(r.options.underlying_text) + " height " + std::to_string(r.options.height_index);
}

class EverySymbology : public testing::TestWithParam<std::size_t> {
protected:
    const CatalogueEntry& entry() const { return kCatalogue[GetParam()]; }
};

TEST_P(EverySymbology, ConversionsReadBackToTheKeptData) {
    varnel::glyphmate::InstalledFamilies fonts{[] { return std::vector<std::string>{"VNL Code39MA", "VNL UEBMA", "VNL Code128AM"}; }};
    Generator gen(0x5EED0000u + static_cast<std::uint32_t>(GetParam()));
    int failures = 0, cut = 0, invalid = 0;
    for (int i = 0; i < kCasesPerSymbology && failures < kReportedFailures; ++i) {
        bool sound = false;
        const ConversionRequest request = make_request(entry(), i, gen, &sound);
        const auto first = varnel::glyphmate::convert_one(request, fonts);
        const auto again = varnel::glyphmate::convert_one(request, fonts);
        ASSERT_TRUE(first && again);
        const verify::Snapshot dialog = verify::painted(request, fonts);
        std::string findings = verify::check_conversion(verify::before_request(request), dialog);
        findings += verify::differences(*first, dialog);
        if (!same(*first, *again)) findings += "not the same twice\n";
        if (sound && !(first->status.empty() || first->status.ends_with("encoded.")))
            findings += "valid GS1 data refused: " + first->status + "\n";
        if (!findings.empty()) {
            ++failures;
            ADD_FAILURE() << describe(request) << "\n" << findings;
        }
        cut += first->status.ends_with("encoded.");
        // GS1-128 has messages of its own for data with a fault.
        invalid += entry().name == "GS1-128" ? !first->status.empty() && !first->status.ends_with("encoded.")
                                             : first->status.starts_with("Invalid character");
    }
    // The generator must reach the limit and the invalid data, or it proves little.
    if (failures > 0) return;
    if (upc_digits(entry().name) == 0) {
        EXPECT_GT(cut, kCasesPerSymbology / 50) << "too few cut conversions";
    }
    EXPECT_GT(invalid, kCasesPerSymbology / 20) << "too few invalid inputs";
}

// A batch converter reuses its dialog from record to record; every record must still come
// out as from a dialog of its own, settled as a record: an error text the dialog shows in
// place of a symbol goes to the status line.
TEST_P(EverySymbology, ABatchGivesWhatAFreshDialogGives) {
    varnel::glyphmate::InstalledFamilies fonts{[] { return std::vector<std::string>{"VNL Code39MA", "VNL UEBMA"}; }};
    Generator gen(0xBA7C4000u + static_cast<std::uint32_t>(GetParam()));
    for (int options = 0; options < 4; ++options) {
        varnel::glyphmate::OptionRecord start;
        start.check_character = options & 1;
        start.full_ascii = options & 2;
        varnel::glyphmate::RecordConverter batch(entry(), start, fonts);
        int failures = 0;
        for (int i = 0; i < kCasesPerSymbology / 4 && failures < kReportedFailures; ++i) {
            ConversionRequest request = make_request(entry(), i * 240 / (kCasesPerSymbology / 4), gen);
            request.options = start;
            const varnel::glyphmate::ConversionResult& record = batch.run(request.data, request.supplement);
            const auto alone = varnel::glyphmate::convert_one(request, fonts);
            varnel::glyphmate::ConversionResult settled = *alone;
            varnel::glyphmate::settle_record(settled, request.data.empty());
            if (!same(record, settled) || !alone->converted.starts_with(alone->error_text)) {
                ++failures;
                ADD_FAILURE() << "record " << i << " differs: " << describe(request);
            }
        }
    }
}

// One dialog through a long run of user actions: the option states of each conversion
// follow from the states the one before left, as the option table says.
TEST(ActionSequences, KeepTheOptionTableAcrossSymbologies) {
    varnel::glyphmate::InstalledFamilies fonts{[] { return std::vector<std::string>{"VNL Code39MA", "VNL Code93MA"}; }};
    varnel::glyphmate::HeadlessDialog dialog(fonts);
    Generator gen(0xD1A1061u);
    int failures = 0, performed = 0;
    verify::perform(dialog, {verify::Action::Select, 0, {}});  // the dialog opens on Code39
    for (int i = 0; i < kActionsPerSequence && failures < kReportedFailures; ++i) {
        verify::Action action;
        action.kind = static_cast<verify::Action::Kind>(gen.below(7));
        action.number = action.kind == verify::Action::Select ? gen.below(static_cast<int>(kCatalogue.size())) : gen.below(5);
        if (action.kind == verify::Action::LeaveData) action.text = gen.data(" 0123456789ABCabc-", gen.below(2) == 0);
        if (action.kind == verify::Action::LeaveSupplement) action.text = gen.supplement(gen.below(5));

        const verify::Snapshot before = verify::as_left_by(dialog, action);
        if (!verify::perform(dialog, action)) continue;
        ++performed;
        const std::string findings =
            verify::check_conversion(before, {dialog.state(), dialog.options(), dialog.user_choice().chosen});
        if (!findings.empty()) {
            ++failures;
            ADD_FAILURE() << "action " << i << " kind " << action.kind << " on " << before.state.type_text << "\n" << findings;
        }
    }
    EXPECT_GT(performed, kActionsPerSequence / 2);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EverySymbology, testing::Range<std::size_t>(0, kCatalogue.size()),
                         [](const auto& info) { return test::test_name(kCatalogue[info.param].name); });

}  // namespace
