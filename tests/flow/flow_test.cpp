// SPDX-License-Identifier: MIT
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "flow/catalogue.h"
#include "flow/record_converter.h"
#include "flow/font_naming.h"
#include "flow/preview.h"
#include "flow_fixture.h"

namespace {

using namespace varnel::glyphmate;
using test::FlowTest;

TEST(Catalogue, ListsTheEntriesInOrder) {
    const std::vector<std::string_view> expected{
        "Code39",   "Code39 Extended", "Code93",   "UPC-A",       "UPC-E",   "EAN-13", "EAN-8",  "Interleaved 2 of 5",
        "Code128A", "Code128B",        "Code128C", "Code128Auto", "Codabar", "Code11", "Code25", "MSI/Plessey",
        "GS1-128"};
    std::vector<std::string_view> names;
    for (const CatalogueEntry& e : kCatalogue) names.push_back(e.name);
    EXPECT_EQ(names, expected);
}

TEST(Catalogue, VariantsAndFontKeys) {
    EXPECT_EQ(find_entry("UPC-A")->symbology->variant, 0);
    EXPECT_EQ(find_entry("EAN-8")->symbology->variant, 3);
    EXPECT_EQ(find_entry("EAN-8")->symbology->handler, find_entry("UPC-A")->symbology->handler);
    EXPECT_EQ(find_entry("Code128A")->symbology->variant, 0);
    EXPECT_EQ(find_entry("Code128Auto")->symbology->variant, 3);
    EXPECT_EQ(find_entry("Code128Auto")->font_key, "Code128A");
    EXPECT_EQ(find_entry("EAN-13")->font_key, "UEB");
    EXPECT_EQ(find_entry("GS1-128")->font_key, "Code128A");
}

TEST(Catalogue, NamesMatchWithoutRegardToCase) {
    EXPECT_EQ(find_entry("code39 EXTENDED"), &kCatalogue[1]);
    EXPECT_EQ(find_entry("msi/plessey"), &kCatalogue[15]);
    EXPECT_EQ(find_entry("Code 39"), nullptr);
    EXPECT_EQ(find_entry(""), nullptr);
}

struct NameRow {
    std::string_view key;
    int height;
    bool text;
    std::string_view expected;
};

TEST(MakeFontName, FollowsTheKeyTableAndSuffixes) {
    const NameRow rows[] = {
        {"Code39", 2, true, "VNL Code39MA"},     {"Code128A", 4, false, "VNL Code128AXT"},
        {"UEB", 1, true, "VNL UEBSA"},           {"OCR-A", 0, false, "VNL OCRAXS"},
        {"OCR-B", 3, true, "VNL OCRBTA"},        {"Telepen", 2, false, "VNL TelepenM"},
        {"MICR", 2, true, "VNL MICRMA"},         {"msi", 2, true, "VNL MSIMA"},
        {"NoSuchKey", 2, true, "MA"},            {"Code39", -1, true, "VNL Code39A"},
        {"Code39", 5, false, "VNL Code39"},      {"code39ext", 2, true, "VNL Code39ExtMA"},
    };
    for (const NameRow& r : rows) EXPECT_EQ(make_font_name(r.key, r.height, r.text), r.expected) << r.key;
}

TEST(MakeFontName, EveryKeyHasAFamily) {
    for (const FontKey& k : kFontKeys) EXPECT_TRUE(make_font_name(k.key, -1, false).starts_with("VNL ")) << k.key;
}

using Preview = FlowTest;

TEST_F(Preview, SetsTheTextInTheInstalledFont) {
    show_preview(dialog, "vnl code39ma", "*A*");
    EXPECT_EQ(state.preview_text, "*A*");
    EXPECT_EQ(state.preview_font, (FontDescription{"vnl code39ma", -12, 400}));
}

TEST_F(Preview, SaysWhenTheFontIsMissing) {
    show_preview(dialog, "VNL Code39XTA", "*A*");
    EXPECT_EQ(state.preview_text, "Font VNL Code39XTA not installed.");
    EXPECT_EQ(state.preview_font, (FontDescription{"Arial", -12, 400}));
}

TEST_F(Preview, ListsTheFamiliesOnce) {
    select("Code39");
    installed.push_back("VNL Code39XSA");  // installed while the program runs: not seen
    state.controls.height_index = 0;
    select("Code39");
    EXPECT_EQ(listings, 1);
    EXPECT_EQ(state.preview_text, "Font VNL Code39XSA not installed.");
}

using Dispatcher = FlowTest;

TEST_F(Dispatcher, AnUnknownNameChangesNothing) {
    select("Code39");
    const DialogState before = state;
    dialog.calls.clear();
    select("Code 39");
    EXPECT_EQ(state.converted, before.converted);
    EXPECT_EQ(state.symbol_notes, before.symbol_notes);
    EXPECT_EQ(dialog.calls, std::vector<std::string>{"read_options"});
}

TEST_F(Dispatcher, ReadsTheOptionRecordFromTheControls) {
    select("Code39");
    state.controls.height_index = 0;  // the user clicks the XS button
    select("Code39");
    EXPECT_EQ(state.converted, "*VARNEL=GLYPH=MATE*");
    EXPECT_EQ(dialog.options().height_index, 0);
    EXPECT_EQ(state.preview_text, "Font VNL Code39XSA not installed.");
}

TEST_F(Dispatcher, TypingConvertsNothingUntilTheFieldIsLeft) {
    select("Code39");
    state.controls.data = "ABC";  // typed, the focus still in the field
    EXPECT_EQ(state.converted, "*VARNEL=GLYPH=MATE*");
    varnel::glyphmate::run_conversion(dialog);  // focus leaves
    EXPECT_EQ(state.converted, "*ABC*");
}

TEST(Convert, GivesWhatTheDialogShows) {
    InstalledFamilies none{[] { return std::vector<std::string>{}; }};
    ConversionRequest request{.type = "code39", .data = "CODE39", .supplement = {}, .options = {}, .input_lost = false};
    request.options.check_character = true;
    const auto result = convert_one(request, none);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->entry->name, "Code39");
    EXPECT_EQ(result->converted, "*CODE39W*");
    EXPECT_EQ(result->font, "VNL Code39MA");
    EXPECT_FALSE(result->font_installed);
    EXPECT_TRUE(result->options.check_character);
    EXPECT_FALSE(convert_one({.type = "Code 39"}, none));
}

TEST(Convert, InputTheCoreNeverSawIsReported) {
    InstalledFamilies none{[] { return std::vector<std::string>{}; }};
    ConversionRequest request;
    request.data = "AB";
    request.input_lost = true;
    EXPECT_EQ(convert_one(request, none)->status, "Invalid character(s) found in the input.");
    request.data = "ab";  // the handler found it too: said once
    EXPECT_EQ(convert_one(request, none)->status, "Invalid character(s) found in the input.");
}

// The font the flow names for the preview is the font a request reports, for every entry.
TEST(Convert, FontAgreesWithThePreviewForEveryEntry) {
    InstalledFamilies all{[] {
        std::vector<std::string> names;
        for (const FontKey& k : kFontKeys)
            for (int h = -1; h < 5; ++h)
                for (bool text : {false, true}) names.push_back(make_font_name(k.key, h, text));
        return names;
    }};
    for (const CatalogueEntry& e : kCatalogue) {
        for (int h = 0; h < 5; ++h) {
            ConversionRequest request;
            request.type = e.name;
            request.options.height_index = h;
            request.options.underlying_text = h % 2 == 0;
            const auto result = convert_one(request, all);
            HeadlessDialog dialog(all);
            dialog.state().type_text = e.name;
            dialog.state().controls = request.options;
            run_conversion(dialog);
            EXPECT_EQ(dialog.state().preview_font.face, result->font) << e.name;
            EXPECT_TRUE(result->font_installed);
        }
    }
}

}  // namespace
