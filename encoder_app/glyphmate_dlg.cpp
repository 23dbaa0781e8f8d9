// SPDX-License-Identifier: MIT
#include "encoder_app/glyphmate_dlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <array>
#include <cstdlib>

#include "encoder_app/about_dlg.h"
#include "flow/catalogue.h"
#include "flow/record_converter.h"
#include "encoder_app/dialog_templates.h"
#include "flow/dispatcher.h"
#include "flow/string_check.h"
#include "flow/win1252.h"
#include "framework/installed_fonts.h"
#include "picture/picture.h"
#include "symbologies/bars.h"
#include "framework/plain_edit.h"

// Outside any namespace, as the resource system wants it.
static void init_glyphmate_resources() { Q_INIT_RESOURCE(glyphmate); }

namespace varnel::glyphmate {

namespace {

// The controls the handlers show, hide, enable and disable, in OptionControl order.
constexpr std::array<int, kOptionControlCount> kOptionControlIds{
    kIdFullAscii, kIdCheckCharacter, kIdUnderlyingText, kIdAddon, kIdSupplementLabel, kIdSupplement};
static_assert(kIdHeightXT - kIdHeightXS == 4);

const QColor kFieldBackground(0, 255, 255);
const QColor kPreviewBackground(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kStatusText(255, 0, 0);
constexpr int kStatusWeight = 900;

// Converted strings and the flow's texts are Windows-1252 bytes; on screen they are Unicode.
QString shown(std::string_view bytes) { return QString::fromStdString(cp1252_to_utf8(bytes)); }
Cp1252Text bytes_of(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return utf8_to_cp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

// A static shows a Windows line end as one line break.
QString static_text(std::string_view bytes) { return shown(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QIcon program_icon() {
    init_glyphmate_resources();  // the icon lives in a static library's resources
    return QIcon(QString::fromLatin1(kProgramIcon.data(), kProgramIcon.size()));
}

void colour(QWidget& widget, const QColor& text, const QColor& background) {
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) palette.setColor(role, text);
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window}) palette.setColor(role, background);
    widget.setPalette(palette);
}

}  // namespace

CGlyphmateDlg::CGlyphmateDlg(QWidget* parent)
    : QDialog(parent),
      fonts_(varnel::installed_font_families),
      icon_(program_icon()),
      controls_(varnel::build_dialog(*this, kEncoderDialog)),
      type_list_(controls_.get<QComboBox>(kIdBarcodeType)),
      data_(controls_.get<QLineEdit>(kIdData)),
      supplement_(controls_.get<QLineEdit>(kIdSupplement)),
      check_character_(controls_.get<QCheckBox>(kIdCheckCharacter)),
      underlying_text_(controls_.get<QCheckBox>(kIdUnderlyingText)),
      full_ascii_(controls_.get<QCheckBox>(kIdFullAscii)),
      heights_(controls_.radio_group(kIdHeightXS)),
      converted_(controls_.get<varnel::PlainEdit>(kIdConverted)),
      preview_(controls_.get<QLabel>(kIdPreview)),
      human_readable_(controls_.get<QLineEdit>(kIdHumanReadable)),
      preview_picture_(new QLabel(preview_)),
      status_(controls_.get<QLabel>(kIdStatus)),
      symbol_notes_(controls_.get<QLabel>(kIdSymbolNotes)) {
    setWindowIcon(icon_);  // caption, task bar and the minimised window alike

    for (const CatalogueEntry& entry : kCatalogue) type_list_->addItem(QString::fromLatin1(entry.name.data(), entry.name.size()));
    type_list_->setCurrentIndex(0);
    human_readable_->setReadOnly(true);  // to read and copy, not to type into
    human_readable_->hide();
    preview_picture_->setAlignment(Qt::AlignCenter);
    preview_picture_->hide();
    record_.height_index = 2;
    write_options();

    QFont heavy = QApplication::font("QMessageBox");
    heavy.setWeight(QFont::Weight(kStatusWeight));
    status_->setFont(heavy);
    set_colours();

    connect(type_list_, &QComboBox::activated, this, &CGlyphmateDlg::convert);
    data_->installEventFilter(this);
    supplement_->installEventFilter(this);
    converted_->installEventFilter(this);
    connect(check_character_, &QCheckBox::clicked, this, &CGlyphmateDlg::convert);
    connect(full_ascii_, &QCheckBox::clicked, this, &CGlyphmateDlg::convert);
    connect(underlying_text_, &QCheckBox::clicked, this, [this] { read_options(), convert(); });
    connect(heights_, &QButtonGroup::idClicked, this, [this] { read_options(), convert(); });
    connect(controls_.get<QAbstractButton>(kIdCopy), &QAbstractButton::clicked, this, &CGlyphmateDlg::copy_string);
    connect(controls_.get<QAbstractButton>(varnel::kIdOk), &QAbstractButton::clicked, this, [this] { read_options(), accept(); });
    connect(controls_.get<QAbstractButton>(varnel::kIdCancel), &QAbstractButton::clicked, this, &QDialog::reject);
    connect(controls_.get<QAbstractButton>(kIdAbout), &QAbstractButton::clicked, this, &CGlyphmateDlg::about);

    type_list_->setFocus();
    convert();
}

CGlyphmateDlg::~CGlyphmateDlg() {
    // The fields lose the focus while their window goes; no conversion may run by then.
    data_->removeEventFilter(this);
    supplement_->removeEventFilter(this);
    converted_->removeEventFilter(this);
}

void CGlyphmateDlg::set_colours() {
    for (QWidget* field : {static_cast<QWidget*>(type_list_), static_cast<QWidget*>(data_), static_cast<QWidget*>(supplement_),
                           static_cast<QWidget*>(converted_), static_cast<QWidget*>(human_readable_)})
        colour(*field, kBlack, kFieldBackground);
    colour(*type_list_->view(), kBlack, kFieldBackground);
    colour(*preview_, kBlack, kPreviewBackground);
    preview_->setAutoFillBackground(true);
    QPalette status = status_->palette();
    status.setColor(QPalette::WindowText, kStatusText);
    status_->setPalette(status);
}

void CGlyphmateDlg::convert() {
    converted_data_ = data_->text();
    converted_supplement_ = supplement_->text();
    input_lost_ = false;
    last_ = run_conversion(*this).value_or(Conversion{});
    if (input_lost_) {
        report_lost_input(status_text_);
        show_status();
    }
    draw_preview(last_.is_symbol() ? std::string_view(last_.converted) : std::string_view());
}

namespace {
const bars::FontLayout* layout_of(std::string_view type) {
    const CatalogueEntry* entry = find_entry(type);
    return entry == nullptr ? nullptr : bars::font_layout(entry->font_key);
}
}  // namespace

// Without its font the preview draws the symbol from the font's layout, whole modules of
// whole pixels where it fits, above the note that the font is missing.
void CGlyphmateDlg::draw_preview(std::string_view converted) {
    const bars::FontLayout* layout = layout_of(selected_type_text());
    if (converted.empty() || layout == nullptr || fonts_.contains(last_.font)) {
        preview_picture_->hide();
        preview_->setAlignment(Qt::AlignCenter);
        return;
    }
    const picture::Picture drawn = picture::render(*layout, converted, {.bar_height = 30, .text = last_.options.underlying_text});
    const int caption = preview_->fontMetrics().height() + 4;
    const QSize room(preview_->width(), std::max(1, preview_->height() - caption));
    double scale = std::min(room.width() / drawn.width, room.height() / drawn.height);
    if (scale >= 1) scale = std::floor(scale);
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap((QSizeF(drawn.width, drawn.height) * scale * ratio).toSize().expandedTo({1, 1}));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.scale(scale, scale);
    for (const picture::Rect& r : drawn.bars) painter.fillRect(QRectF(r.x, r.y, r.width, r.height), Qt::black);
    for (const picture::Label& l : drawn.labels) {
        QFont font = painter.font();
        font.setPixelSize(std::max(1, static_cast<int>(l.size)));
        painter.setFont(font);
        const QString text = QString::fromStdString(l.text);
        const double width = painter.fontMetrics().horizontalAdvance(text);
        painter.drawText(QPointF(l.x - width / 2, l.baseline), text);
    }
    painter.end();
    preview_picture_->setPixmap(pixmap);
    preview_picture_->setGeometry(0, 0, room.width(), room.height());
    preview_picture_->show();
    preview_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);  // the note under the symbol
}

bool CGlyphmateDlg::save_picture(const QString& path) {
    const std::string converted = bytes_of(converted_->toPlainText()).bytes;
    const bars::FontLayout* layout = layout_of(selected_type_text());
    const bool hand_made = converted != last_.converted;
    if (layout == nullptr || converted.empty() || (!hand_made && !last_.is_symbol())) {
        set_status("No picture was saved: there is no barcode to draw.");
        return false;
    }
    const picture::Picture drawn = picture::render(*layout, converted, {.text = last_.options.underlying_text});
    QByteArray bytes;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        const std::string svg = picture::svg(drawn, {});
        bytes = QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
    } else {
        const std::vector<unsigned char> png = picture::png(drawn, {});
        bytes = QByteArray(reinterpret_cast<const char*>(png.data()), static_cast<qsizetype>(png.size()));
    }
    QSaveFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        set_status("No picture was saved: " + bytes_of(file.errorString()).bytes);
        return false;
    }
    return true;
}

void CGlyphmateDlg::copy_string() {
    // Enter presses Copy while the data field keeps the focus: convert what was typed first.
    if (data_->text() != converted_data_ || supplement_->text() != converted_supplement_) convert();
    // What the conversion left when it made no symbol (nothing, or a message) is no barcode;
    // a string the user typed into the field is theirs to copy.
    const QString text = converted_->toPlainText();
    if (text.isEmpty() || (!last_.is_symbol() && text == shown(last_.converted))) {
        std::string why("Nothing was copied.");
        if (!last_.status.empty()) why.append(" ").append(last_.status);
        set_status(why);
        return;
    }
    converted_->selectAll();
    converted_->ensureCursorVisible();
    converted_->copy();
}

void CGlyphmateDlg::system_command(int id) {
    if ((id & ~0xF) == kIdmAboutBox) about();
}

void CGlyphmateDlg::about() {
    CAboutDlg about(this);
    about.exec();
}

// A converted string edited by hand is read back as a scanner would read it.
void CGlyphmateDlg::check_edited() {
    const QString text = converted_->toPlainText();
    if (text == shown(last_.converted)) return;
    const QByteArray utf8 = text.toUtf8();
    const auto reading = inspect({utf8.constData(), static_cast<std::size_t>(utf8.size())}, true, selected_type_text());
    if (!reading) return;
    draw_preview(bytes_of(text).bytes);
    if (reading->scans()) {
        set_status("The edited string still scans.");
    } else {
        const std::string message = utf8_to_cp1252(reading->faults.front().message).bytes;
        set_status("The edited string would not scan: " + message);
    }
}

bool CGlyphmateDlg::eventFilter(QObject* watched, QEvent* event) {
    const bool focus_out =
        event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
    if (focus_out && (watched == data_ || watched == supplement_)) convert();
    if (focus_out && watched == converted_) check_edited();
    return QDialog::eventFilter(watched, event);
}

// X11 and Wayland let no program extend the window menu; the dialog's own menu carries the item.
void CGlyphmateDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (kAboutMenuText.empty()) return QDialog::contextMenuEvent(event);
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    QAction* about = menu->addAction(QString::fromLatin1(kAboutMenuText.data(), kAboutMenuText.size()));
    about->setData(kIdmAboutBox);
    connect(about, &QAction::triggered, this, [this, about] { system_command(about->data().toInt()); });
    QAction* save = menu->addAction(QStringLiteral("Save &Picture..."));
    connect(save, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Picture"), QString(),
                                                          QStringLiteral("PNG image (*.png);;SVG image (*.svg)"));
        if (!path.isEmpty()) save_picture(path);
    });
    menu->popup(event->globalPos());
    event->accept();
}

// ---- The dialog operations ----

std::string CGlyphmateDlg::selected_type_text() const { return bytes_of(type_list_->currentText()).bytes; }

void CGlyphmateDlg::read_options() {
    const int checked = heights_->checkedId();
    record_.height_index = checked >= kIdHeightXS && checked <= kIdHeightXT ? checked - kIdHeightXS : -1;
    record_.data = bytes_of(data_->text()).bytes;
    record_.underlying_text = underlying_text_->isChecked();
    record_.full_ascii = full_ascii_->isChecked();
    record_.check_character = check_character_->isChecked();
}

void CGlyphmateDlg::write_options() {
    const int index = record_.height_index;
    varnel::check_only(*heights_, index >= 0 && index <= kIdHeightXT - kIdHeightXS ? kIdHeightXS + index : -1);
    // Rewritten only when it differs, so the caret and what the user typed (even characters
    // without a byte) stay as they are.
    if (bytes_of(data_->text()).bytes != record_.data) data_->setText(shown(record_.data));
    underlying_text_->setChecked(record_.underlying_text);
    full_ascii_->setChecked(record_.full_ascii);
    check_character_->setChecked(record_.check_character);
}

std::string CGlyphmateDlg::data_text() const {
    Cp1252Text text = bytes_of(data_->text());
    input_lost_ = input_lost_ || text.unmapped + text.invalid_utf8 > 0;
    return std::move(text.bytes);
}

std::string CGlyphmateDlg::supplement_text() const {
    Cp1252Text text = bytes_of(supplement_->text());
    input_lost_ = input_lost_ || text.unmapped + text.invalid_utf8 > 0;
    return std::move(text.bytes);
}

void CGlyphmateDlg::set_symbol_notes(std::string_view text) { symbol_notes_->setText(static_text(text)); }

void CGlyphmateDlg::set_status(std::string_view text) {
    status_text_ = text;
    show_status();
}

// One line in heavy type: two messages together may not fit, so the tooltip holds them whole.
void CGlyphmateDlg::show_status() {
    const QString text = static_text(status_text_);
    status_->setText(text);
    status_->setToolTip(text);
}

void CGlyphmateDlg::set_converted(std::string_view text) { converted_->setPlainText(shown(text)); }

// The font prints no text under GS1-128's bars: its own line shows what to print there.
void CGlyphmateDlg::set_human_readable(std::string_view text) {
    human_readable_->setText(shown(text));
    human_readable_->setHidden(text.empty());
}

void CGlyphmateDlg::set_preview_text(std::string_view text) { preview_->setText(shown(text)); }

void CGlyphmateDlg::set_preview_font(const FontDescription& description) {
    QFont font(QString::fromStdString(description.face));
    // A negative height is the character height without the internal leading: Qt's pixel size.
    if (description.height != 0) font.setPixelSize(std::abs(description.height));
    if (description.weight > 0) font.setWeight(QFont::Weight(std::clamp(description.weight, 1, 1000)));
    preview_->setFont(font);
}

QWidget* CGlyphmateDlg::option_widget(OptionControl control) const {
    return controls_.widget(kOptionControlIds[static_cast<std::size_t>(control)]);
}

void CGlyphmateDlg::show_control(OptionControl control, bool shown) { option_widget(control)->setHidden(!shown); }

void CGlyphmateDlg::enable_control(OptionControl control, bool enabled) { option_widget(control)->setEnabled(enabled); }

bool CGlyphmateDlg::font_family_installed(std::string_view family) { return fonts_.contains(family); }

}  // namespace varnel::glyphmate
