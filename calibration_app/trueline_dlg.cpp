// SPDX-License-Identifier: MIT
#include "calibration_app/trueline_dlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPalette>

#include <iterator>

#include "calibration_app/about_dlg.h"
#include "calibration_app/platform_fonts.h"
#include "calibration_app/resource_ids.h"
#include "framework/hyperlink.h"
#include "common/maker.h"

namespace {

using varnel::ControlKind;
using namespace varnel::trueline;

constexpr varnel::ControlTemplate kControls[] = {
    {varnel::kIdOk, ControlKind::PushButton, "&Print", 130, 148, 50, 14, varnel::kTabStop | varnel::kDefault},
    {varnel::kIdCancel, ControlKind::PushButton, "Cancel", 193, 148, 50, 14, varnel::kTabStop},
    {kIdcTitle, ControlKind::Text, "MICR Font Trueline", 97, 7, 174, 16, varnel::kCentre},
    {kIdcAbout, ControlKind::PushButton, "&About", 7, 148, 50, 14, varnel::kTabStop},
    {kIdcOrder, ControlKind::PushButton, "&Order", 67, 148, 50, 14, varnel::kTabStop},
    {varnel::kNoId, ControlKind::Text,
     "Varnel Trueline will assit you to select the best MICR font for your system. Please press print "
     "button below  to print the calibration  page and follow the instructions to pick the best MICR font. ",
     97, 28, 174, 36},
    {varnel::kNoId, ControlKind::Text,
     "When you press Print button, a standard Windows printer  dialog will pop up.  Choose the printer you "
     "want to print the check, load the paper and press OK.",
     97, 68, 174, 27},
    {varnel::kNoId, ControlKind::Text,
     "For more information about Varnel MICR font package, click the link  below:", 97, 102, 174, 17},
    {kIdcLink, ControlKind::Hyperlink, "Varnel MICR Inkware home page", 97, 120, 174, 10},
    {varnel::kNoId, ControlKind::EtchedLine, "", 7, 137, 264, 1},
    {varnel::kNoId, ControlKind::Picture, ":/trueline/wizard.png", 15, 7, 72, 129},  // bitmap 134
    // Below the client area: the dialog grows to show it only when a font is missing.
    {kIdcFontNote, ControlKind::Text, "", 7, 166, 264, 8},
};
static_assert(std::size(kControls) == 12);

constexpr varnel::DialogTemplate kWizard{"Varnel MICR Font Trueline", 278, 169, "MS Sans Serif", 8,
                                         varnel::kCaption | varnel::kSystemMenu | varnel::kMinimizeBox |
                                             varnel::kModalFrame | varnel::kAppWindow,
                                         kControls};

// The title: the system's message font at a character height of 14 units, heavy.
constexpr int kTitleHeight = 14;

}  // namespace

CTruelineDlg::CTruelineDlg(QWidget* parent) : CTruelineDlg(parent, PlatformFonts{}) {}

CTruelineDlg::CTruelineDlg(QWidget* parent, const FontCatalogue& fonts) : QDialog(parent) {
    controls_ = varnel::build_dialog(*this, kWizard);
    on_init_dialog();
    show_missing_fonts(fonts);
}

void CTruelineDlg::show_missing_fonts(const FontCatalogue& fonts) {
    auto* note = controls_.get<QLabel>(kIdcFontNote);
    if (note == nullptr) return;
    const std::string warning = missing_fonts_warning(missing_micr_families(fonts));
    if (warning.empty()) {
        note->hide();
        return;
    }
    note->setText(QString::fromStdString(warning));
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    note->setPalette(palette);
    // As many lines as the text takes at the note's width, and the template's margin under it.
    note->resize(note->width(), note->heightForWidth(note->width()));
    const int margin = varnel::to_pixels(controls_.units(), 0, 0, 0, 7).height();
    setFixedSize(width(), note->geometry().bottom() + 1 + margin);
}

void CTruelineDlg::on_init_dialog() {
    title_font_ = QApplication::font("QMessageBox");
    title_font_.setPixelSize(kTitleHeight);
    title_font_.setWeight(QFont::Black);
    if (QWidget* title = controls_.widget(kIdcTitle)) {
        title->setFont(title_font_);
        title->update();
    }
    if (auto* link = controls_.get<varnel::HyperlinkLabel>(kIdcLink))
        link->set_target(varnel::link_url(varnel::kMicrPage), "visit MICR font home page");

    if (auto* print = controls_.get<QAbstractButton>(varnel::kIdOk))
        connect(print, &QAbstractButton::clicked, this, [this] { emit command(kIdFilePrint); });
    if (auto* cancel = controls_.get<QAbstractButton>(varnel::kIdCancel))
        connect(cancel, &QAbstractButton::clicked, this, &CTruelineDlg::reject);
    if (auto* about = controls_.get<QAbstractButton>(kIdcAbout))
        connect(about, &QAbstractButton::clicked, this, &CTruelineDlg::on_about);
    if (auto* order = controls_.get<QAbstractButton>(kIdcOrder))
        connect(order, &QAbstractButton::clicked, this, &CTruelineDlg::on_order);
}

void CTruelineDlg::reject() {
    if (QWidget* main = parentWidget()) QMetaObject::invokeMethod(main, &QWidget::close, Qt::QueuedConnection);
    QDialog::reject();
}

void CTruelineDlg::on_about() {
    CAboutDlg about(this);
    about.exec();
}

void CTruelineDlg::on_order() {
    // Opened and forgotten: the program neither waits nor checks.
    QDesktopServices::openUrl(varnel::link_url(varnel::kOrderPage));
}
