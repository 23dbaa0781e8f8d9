// SPDX-License-Identifier: MIT
// The numeric identifiers of Trueline's resources, controls and commands.
#pragma once

namespace varnel::trueline {

// Resources.
inline constexpr int kIdrMainFrame = 128;  // document template, menu, toolbar, accelerators, icon
inline constexpr int kIddAboutBox = 100;
inline constexpr int kIddWizard = 130;
inline constexpr int kIdbWizard = 134;

// Controls of the wizard and the about box.
inline constexpr int kIdcTitle = 1000;
inline constexpr int kIdcAbout = 1001;
inline constexpr int kIdcOrder = 1002;
inline constexpr int kIdcLink = 1003;        // wizard: product page; about box: home page
inline constexpr int kIdcSupportLink = 1005;  // about box: support e-mail
inline constexpr int kIdcFontNote = 1008;     // wizard: the MICR fonts that are not installed

// The framework's standard commands.
inline constexpr int kIdFileNew = 57600;
inline constexpr int kIdFileOpen = 57601;
inline constexpr int kIdFilePrintSetup = 57606;
inline constexpr int kIdFilePrint = 57607;
inline constexpr int kIdAppAbout = 57664;

}  // namespace varnel::trueline
