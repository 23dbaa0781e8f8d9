// SPDX-License-Identifier: MIT
#include "calibration_app/about_dlg.h"

#include <QLabel>

#include <iterator>

#include "calibration_app/resource_ids.h"
#include "framework/hyperlink.h"
#include "common/maker.h"

namespace {

using varnel::ControlKind;
using namespace varnel::trueline;

constexpr int kIdcPhone = 1006;  // the telephone number, filled in from the maker's constants
constexpr int kIdcCopyright = 1007;

constexpr varnel::ControlTemplate kControls[] = {
    {varnel::kNoId, ControlKind::Icon, ":/trueline/trueline.png", 11, 10, 20, 20},  // icon 128
    {varnel::kNoId, ControlKind::Text, "Trueline Version 1.0", 40, 10, 130, 8, varnel::kCentreVertically},
    {kIdcCopyright, ControlKind::Text, "", 40, 22, 130, 8},
    {varnel::kNoId, ControlKind::Text, "Trueline is free software under the MIT licence.", 40, 32, 188, 8},
    {varnel::kIdOk, ControlKind::PushButton, "OK", 178, 7, 50, 14, varnel::kTabStop | varnel::kDefault | varnel::kGroup},
    {varnel::kNoId, ControlKind::Text, "Home Page: ", 40, 46, 44, 8, varnel::kCentreVertically},
    {kIdcLink, ControlKind::Hyperlink, "", 86, 46, 142, 8, varnel::kTabStop},
    {varnel::kNoId, ControlKind::Text, "Support:", 40, 58, 44, 8, varnel::kCentreVertically},
    {kIdcSupportLink, ControlKind::Hyperlink, "", 86, 58, 142, 8, varnel::kTabStop},
    {varnel::kNoId, ControlKind::Text, "Phone:", 40, 70, 44, 8, varnel::kCentreVertically},
    {kIdcPhone, ControlKind::Text, "", 86, 70, 142, 8, varnel::kCentreVertically},
};
static_assert(std::size(kControls) == 11);

constexpr varnel::DialogTemplate kAbout{"About Trueline", 235, 91, "MS Sans Serif", 8,
                                        varnel::kCaption | varnel::kSystemMenu | varnel::kModalFrame, kControls};

QString text_of(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    controls_ = varnel::build_dialog(*this, kAbout);
    controls_.connect_standard_buttons(*this);
    on_init_dialog();
}

void CAboutDlg::on_init_dialog() {
    if (auto* notice = controls_.get<QLabel>(kIdcCopyright)) notice->setText(text_of(varnel::kCopyright));
    if (auto* phone = controls_.get<QLabel>(kIdcPhone)) phone->setText(text_of(varnel::kTelephone));
    if (auto* home = controls_.get<varnel::HyperlinkLabel>(kIdcLink)) {
        home->setText(varnel::display_address(varnel::kHomePage));
        home->set_target(varnel::link_url(varnel::kHomePage), "visit Varnel home page");
    }
    if (auto* support = controls_.get<varnel::HyperlinkLabel>(kIdcSupportLink)) {
        support->setText(varnel::display_address(varnel::kSupportEmail));
        support->set_target(varnel::link_url(varnel::kSupportEmail), "write email to support");
    }
}
