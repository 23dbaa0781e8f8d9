// SPDX-License-Identifier: MIT
#include "encoder_app/about_dlg.h"

#include "encoder_app/dialog_templates.h"
#include "framework/hyperlink.h"
#include "common/maker.h"

namespace varnel::glyphmate {

namespace {
constexpr char kFontLinkTip[] = "visit Varnel font page";
}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), controls_(varnel::build_dialog(*this, kAboutDialog)) {
    controls_.connect_standard_buttons(*this);
    if (auto* link = controls_.get<varnel::HyperlinkLabel>(kIdFontLink)) {
        link->set_target(varnel::link_url(varnel::kFontPage), QString::fromLatin1(kFontLinkTip));
        // The address as it reads, without the scheme: the whole of it fits the control.
        link->setText(varnel::display_address(varnel::kFontPage));
    }
}

}  // namespace varnel::glyphmate
