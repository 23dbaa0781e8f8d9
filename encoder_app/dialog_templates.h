// SPDX-License-Identifier: MIT
// The encoder dialog and its About box as data: the control ids the code knows them by and
// the templates the framework builds them from.
#pragma once

#include <string_view>

#include "framework/dialog_template.h"

namespace varnel::glyphmate {

// Controls of the encoder dialog.
inline constexpr int kIdBarcodeType = 1000;
inline constexpr int kIdData = 1001;
inline constexpr int kIdSupplement = 1002;
inline constexpr int kIdCheckCharacter = 1003;
inline constexpr int kIdUnderlyingText = 1004;
inline constexpr int kIdFullAscii = 1005;
inline constexpr int kIdHeightXS = 1006;  // the five height buttons follow in order, XS to XT
inline constexpr int kIdHeightXT = 1010;
inline constexpr int kIdConverted = 1011;
inline constexpr int kIdCopy = 1012;
inline constexpr int kIdPreview = 1013;
inline constexpr int kIdStatus = 1014;
inline constexpr int kIdSymbolNotes = 1015;
inline constexpr int kIdAddon = 1016;
inline constexpr int kIdSupplementLabel = 1017;
inline constexpr int kIdHumanReadable = 1019;  // GS1-128: the text to print under the bars
inline constexpr int kIdAbout = 3;
// The About box's link to the maker's font page.
inline constexpr int kIdFontLink = 1018;

// The window-menu command that opens the About box, and the item's text.
inline constexpr int kIdmAboutBox = 16;
inline constexpr std::string_view kAboutMenuText = "&About Glyphmate...";

inline constexpr std::string_view kProgramIcon = ":/glyphmate/glyphmate.svg";

extern const varnel::DialogTemplate kEncoderDialog;
extern const varnel::DialogTemplate kAboutDialog;

}  // namespace varnel::glyphmate
