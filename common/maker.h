// SPDX-License-Identifier: MIT
// The maker's addresses, gathered in one place for both programs (a packager changes them
// here). Plain constants: the encoding flow reads them without the Qt layer.
#pragma once

#include <string_view>

namespace varnel {

inline constexpr std::string_view kMakerName = "Varnel";
inline constexpr std::string_view kHomePage = "https://www.varnel.example/";
inline constexpr std::string_view kFontPage = "https://www.varnel.example/fonts/";
inline constexpr std::string_view kMicrPage = "https://www.varnel.example/fonts/micr/";
inline constexpr std::string_view kOrderPage = "https://www.varnel.example/order/";
inline constexpr std::string_view kSupportEmail = "support@varnel.example";
inline constexpr std::string_view kTelephone = "+1 555 0134";
inline constexpr std::string_view kFax = "+1 555 0135";
inline constexpr std::string_view kStreetAddress = "1200 Meridian Avenue, Suite 400";
inline constexpr std::string_view kCityAddress = "Portland, OR 97201, USA";
inline constexpr std::string_view kSupportForum = "https://www.varnel.example/forum/";
inline constexpr std::string_view kCustomFontPage = "https://www.varnel.example/fonts/custom/";
// The maker's line of both About boxes; the licence line under it says what users may do.
inline constexpr std::string_view kCopyright = "Copyright (C) 2026 Varnel.";

}  // namespace varnel
