// SPDX-License-Identifier: MIT
#include "encoder_app/dialog_templates.h"

#include "common/maker.h"

namespace varnel::glyphmate {

namespace {

using enum varnel::ControlKind;
using varnel::kBorder, varnel::kCentre, varnel::kCentreVertically, varnel::kDefault, varnel::kGroup,
    varnel::kMultiline, varnel::kTabStop, varnel::kVScroll;
using varnel::kIdCancel, varnel::kIdOk, varnel::kNoId;

// In tab order. The Addon box shares its place with the Full ASCII box: no symbology shows both.
constexpr varnel::ControlTemplate kEncoderControls[] = {
    {kNoId, Text, "&Barcode Type:", 7, 7, 50, 10},
    {kIdBarcodeType, DropDownList, "", 7, 17, 88, 91, kVScroll | kTabStop},
    {kNoId, Text, "&Data to be  encoded:", 102, 7, 85, 10},
    {kIdData, Edit, "", 102, 17, 92, 12, kBorder | kTabStop},
    {kIdSupplementLabel, Text, "2/5 digit su&pplement", 212, 7, 69, 10},
    {kIdSupplement, Edit, "", 212, 17, 69, 12, kBorder | kTabStop},
    {kNoId, GroupBox, "Barcode Settings", 7, 33, 89, 69},
    {kIdCheckCharacter, CheckBox, "&Check Character", 13, 47, 82, 12, kTabStop},
    {kIdUnderlyingText, CheckBox, "&Underlying Text", 13, 62, 82, 12, kTabStop},
    {kIdFullAscii, CheckBox, "&Full ASCII", 13, 73, 46, 23, kMultiline | kTabStop},
    {kNoId, GroupBox, "Barcode Height", 7, 103, 89, 70},
    {kIdHeightXS, RadioButton, "&Ultra Short(XS)", 14, 114, 61, 10, kGroup | kTabStop},
    {1007, RadioButton, "&Short(S)", 14, 125, 61, 10, kTabStop},
    {1008, RadioButton, "&Medium(M)", 14, 136, 61, 10, kTabStop},
    {1009, RadioButton, "&Tall(T)", 14, 147, 61, 10, kTabStop},
    {kIdHeightXT, RadioButton, "&Ultra Tall(XT)", 14, 158, 61, 10, kTabStop},
    {kNoId, Text, "Con&verted String", 102, 34, 85, 10},
    {kIdConverted, Edit, "", 102, 44, 179, 28, kMultiline | kBorder | kTabStop},
    {kIdCopy, PushButton, "Copy string  T&o Clipboard", 142, 78, 89, 12, kDefault | kTabStop},
    {kIdPreview, Text, "", 102, 97, 180, 63, kCentre | kCentreVertically},
    {kIdHumanReadable, Edit, "", 102, 162, 180, 12, kBorder | kTabStop},
    {kIdStatus, Text, "", 7, 176, 275, 13, kCentreVertically},
    {kNoId, GroupBox, "Symbol Notes(TM)", 7, 190, 275, 84},
    {kIdOk, PushButton, "&OK", 58, 279, 50, 14, kTabStop},
    {kIdCancel, PushButton, "&Cancel", 136, 279, 50, 14, kTabStop},
    {kIdAbout, PushButton, "&About", 213, 279, 50, 14, kTabStop},
    {kIdSymbolNotes, Text, "", 13, 201, 262, 67},
    {kIdAddon, CheckBox, "&Addon (UPC, EAN only)", 13, 77, 82, 23, kMultiline},
};
static_assert(std::size(kEncoderControls) == 28);

constexpr varnel::ControlTemplate kAboutControls[] = {
    {kNoId, Icon, kProgramIcon, 11, 17, 20, 20},
    {kNoId, Text, "Varnel Glyphmate Version 1.0", 40, 10, 119, 8},
    {kNoId, Text, varnel::kCopyright, 40, 25, 188, 8},
    {kNoId, Text, "Glyphmate is free software under the MIT licence.", 40, 36, 188, 8},
    {kIdOk, PushButton, "OK", 178, 7, 50, 14, kDefault | kTabStop},
    {kIdFontLink, Hyperlink, varnel::kFontPage, 40, 48, 103, 10},
};
static_assert(std::size(kAboutControls) == 6);

}  // namespace

const varnel::DialogTemplate kEncoderDialog{
    "Varnel Glyph Mate", 289, 300, "MS Sans Serif", 8,
    varnel::kCaption | varnel::kSystemMenu | varnel::kModalFrame | varnel::kAppWindow, kEncoderControls};

const varnel::DialogTemplate kAboutDialog{
    "About Glyphmate", 235, 74, "MS Sans Serif", 8, varnel::kCaption | varnel::kSystemMenu | varnel::kModalFrame,
    kAboutControls};

}  // namespace varnel::glyphmate
