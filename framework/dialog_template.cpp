// SPDX-License-Identifier: MIT
#include "framework/dialog_template.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>
#include <cstdlib>

#include "framework/hyperlink.h"
#include "framework/plain_edit.h"

namespace varnel {

namespace {

// The faces Windows dialog templates name for "the system's dialog font".
constexpr std::string_view kWindowsDialogFaces[] = {"MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2"};

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
static_assert(sizeof kAlphabet - 1 == 52);

QString text_of(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

bool has_mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] != u'&') return true;
        ++i;
    }
    return false;
}

// Room a button's caption has beside its indicator or inside its bevel.
int caption_room(const QWidget& button, ControlKind kind, int width) {
    const QStyle& style = *button.style();
    switch (kind) {
    case ControlKind::CheckBox:
        return width - style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &button) -
               style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &button);
    case ControlKind::RadioButton:
        return width - style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &button) -
               style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &button);
    default:
        return width - 2 * style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    }
}

// Controls without a tab stop still take the focus from a click or a mnemonic, as on
// Windows; statics never take it.
Qt::FocusPolicy focus_policy(const ControlTemplate& c) {
    switch (c.kind) {
    case ControlKind::Text:
    case ControlKind::GroupBox:
    case ControlKind::EtchedLine:
    case ControlKind::Picture:
    case ControlKind::Icon:
        return Qt::NoFocus;
    case ControlKind::Hyperlink:
        return (c.style & kTabStop) ? Qt::StrongFocus : Qt::NoFocus;
    default:
        return (c.style & kTabStop) ? Qt::StrongFocus : Qt::ClickFocus;
    }
}

QLabel* make_text(QDialog& dialog, const ControlTemplate& c, const QString& caption) {
    auto* label = new QLabel(&dialog);
    label->setTextFormat(Qt::PlainText);  // a text that looks like markup is still shown as typed
    label->setText(caption);
    Qt::Alignment align = (c.style & kCentre) ? Qt::AlignHCenter : Qt::AlignLeft;
    if (c.style & kCentreVertically) {
        align |= Qt::AlignVCenter;
    } else {
        align |= Qt::AlignTop;
        label->setWordWrap(true);
    }
    label->setAlignment(align);
    return label;
}

QWidget* make_control(QDialog& dialog, const ControlTemplate& c, const QRect& place, QButtonGroup*& radios,
                      bool after_radio) {
    const QString caption = text_of(c.caption);
    switch (c.kind) {
    case ControlKind::Text:
        return make_text(dialog, c, caption);
    case ControlKind::GroupBox: {
        auto* box = new QGroupBox(caption, &dialog);
        // Behind everything and transparent to the mouse, as a Windows group box is.
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        return box;
    }
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::PushButton: {
        QAbstractButton* button = nullptr;
        if (c.kind == ControlKind::CheckBox) {
            button = new QCheckBox(&dialog);
        } else if (c.kind == ControlKind::RadioButton) {
            auto* radio = new QRadioButton(&dialog);
            if ((c.style & kGroup) || !after_radio || radios == nullptr) radios = new QButtonGroup(&dialog);
            radios->addButton(radio, c.id);
            button = radio;
        } else {
            auto* push = new QPushButton(&dialog);
            push->setDefault((c.style & kDefault) != 0);
            button = push;
        }
        button->setText((c.style & kMultiline) ? wrap_caption(caption, dialog.font(), caption_room(*button, c.kind, place.width()))
                                               : caption);
        return button;
    }
    case ControlKind::Edit: {
        if (c.style & kMultiline) {
            auto* edit = new PlainEdit(&dialog);  // Enter presses the default button
            if (!(c.style & kBorder)) edit->setFrameShape(QFrame::NoFrame);
            return edit;
        }
        auto* edit = new QLineEdit(&dialog);
        edit->setFrame((c.style & kBorder) != 0);
        return edit;
    }
    case ControlKind::DropDownList: {
        auto* list = new QComboBox(&dialog);
        list->setEditable(false);
        // The template's height is the field and the open list together.
        const int field = list->sizeHint().height();
        const int row = QFontMetrics(dialog.font()).height();
        list->setMaxVisibleItems(std::max(1, (place.height() - field) / std::max(1, row)));
        return list;
    }
    case ControlKind::EtchedLine: {
        auto* line = new QFrame(&dialog);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
    case ControlKind::Picture: {
        auto* picture = new QLabel(&dialog);
        const QPixmap pixmap(caption);
        if (!pixmap.isNull())
            picture->setPixmap(pixmap.scaled(place.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        picture->setAlignment(Qt::AlignCenter);
        return picture;
    }
    case ControlKind::Icon: {
        auto* icon = new QLabel(&dialog);
        const int size = icon->style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, icon);
        icon->setPixmap(QIcon(caption).pixmap(size, size));
        return icon;
    }
    case ControlKind::Hyperlink:
        return new HyperlinkLabel(strip_mnemonic(caption), &dialog);
    }
    return new QWidget(&dialog);
}

// Where the widget goes: the template's place, except where Windows sizes the control
// itself (the closed list, the icon, the line).
QRect widget_place(const ControlTemplate& c, QRect place, const QWidget& widget) {
    switch (c.kind) {
    case ControlKind::DropDownList:
        place.setHeight(widget.sizeHint().height());
        break;
    case ControlKind::Icon: {
        const int size = widget.style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, &widget);
        place.setSize({size, size});
        break;
    }
    case ControlKind::EtchedLine:
        place.setHeight(2);
        break;
    default:
        break;
    }
    return place;
}

// Tab into a radio group lands on its checked button, as the Windows dialog manager does
// it (Qt would stop at whichever button comes first in the tab chain).
class RadioGroupFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn) return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) return false;
        auto* radio = static_cast<QAbstractButton*>(watched);
        QAbstractButton* checked = radio->group() != nullptr ? radio->group()->checkedButton() : nullptr;
        if (checked != nullptr && checked != radio && checked->isVisible() && checked->isEnabled())
            QMetaObject::invokeMethod(checked, [checked, reason] { checked->setFocus(reason); }, Qt::QueuedConnection);
        return false;
    }
};

Qt::WindowFlags window_flags(unsigned style) {
    Qt::WindowFlags flags = (style & kAppWindow) ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint;  // only the buttons the template asks for
    if (style & kCaption) flags |= Qt::WindowTitleHint;
    if (style & kSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & kMinimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

}  // namespace

BaseUnits base_units(const QFont& font) {
    const QFontMetrics metrics(font);
    const int extent = metrics.horizontalAdvance(QString::fromLatin1(kAlphabet));
    // Half of the width of 26 letters, rounded: the average of the 52.
    return {.x = (extent / 26 + 1) / 2, .y = metrics.height()};
}

QRect to_pixels(BaseUnits units, int x, int y, int w, int h) {
    return {mul_div(x, units.x, 4), mul_div(y, units.y, 8), mul_div(w, units.x, 4), mul_div(h, units.y, 8)};
}

QFont dialog_font(std::string_view face, int points) {
    QFont font;
    const bool windows_face = std::ranges::any_of(kWindowsDialogFaces, [face](std::string_view f) {
        return text_of(f).compare(text_of(face), Qt::CaseInsensitive) == 0;
    });
    if (windows_face) {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setStyleHint(QFont::SansSerif);
    } else {
        font.setFamily(text_of(face));
    }
    font.setPointSize(points);
    return font;
}

QString strip_mnemonic(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') out += u'&', ++i;
            continue;
        }
        out += caption[i];
    }
    return out;
}

QString wrap_caption(const QString& caption, const QFont& font, int width) {
    const QFontMetrics metrics(font);
    auto fits = [&](const QString& line) { return metrics.horizontalAdvance(strip_mnemonic(line)) <= width; };
    if (fits(caption)) return caption;
    QString out, line;
    for (const QString& word : caption.split(u' ')) {
        if (line.isEmpty() || fits(line + u' ' + word)) {
            line = line.isEmpty() ? word : line + u' ' + word;
        } else {
            out += line + u'\n';
            line = word;
        }
    }
    return out + line;
}

QWidget* DialogControls::widget(int id) const {
    for (std::size_t i = 0; i < widgets_.size(); ++i)
        if (ids_[i] == id) return widgets_[i];
    return nullptr;
}

QButtonGroup* DialogControls::radio_group(int id) const {
    auto* button = get<QAbstractButton>(id);
    return button != nullptr ? button->group() : nullptr;
}

void DialogControls::connect_standard_buttons(QDialog& dialog) const {
    if (auto* ok = get<QAbstractButton>(kIdOk)) QObject::connect(ok, &QAbstractButton::clicked, &dialog, &QDialog::accept);
    if (auto* cancel = get<QAbstractButton>(kIdCancel))
        QObject::connect(cancel, &QAbstractButton::clicked, &dialog, &QDialog::reject);
}

DialogControls build_dialog(QDialog& dialog, const DialogTemplate& t) {
    dialog.setWindowFlags(window_flags(t.style));
    dialog.setWindowTitle(text_of(t.caption));
    dialog.setFont(dialog_font(t.font_face, t.font_points));

    DialogControls built;
    built.units_ = base_units(dialog.font());
    dialog.setFixedSize(to_pixels(built.units_, 0, 0, t.width, t.height).size());

    QButtonGroup* radios = nullptr;
    QObject* radio_focus = nullptr;
    ControlKind previous = ControlKind::Text;
    for (const ControlTemplate& c : t.controls) {
        const QRect place = to_pixels(built.units_, c.x, c.y, c.w, c.h);
        QWidget* w = make_control(dialog, c, place, radios, previous == ControlKind::RadioButton);
        previous = c.kind;
        w->setFocusPolicy(focus_policy(c));
        if (c.kind == ControlKind::RadioButton) {
            if (radio_focus == nullptr) radio_focus = new RadioGroupFocus(&dialog);
            w->installEventFilter(radio_focus);
        }
        if (c.id != kNoId) w->setObjectName(QString::number(c.id));
        w->setGeometry(widget_place(c, place, *w));
        built.widgets_.push_back(w);
        built.ids_.push_back(c.id);
    }

    // Tab order is template order; a label's mnemonic leads to the control after it.
    QWidget* last_focusable = nullptr;
    for (std::size_t i = 0; i < built.widgets_.size(); ++i) {
        QWidget* w = built.widgets_[i];
        if (w->focusPolicy() & Qt::TabFocus) {
            if (last_focusable != nullptr) QWidget::setTabOrder(last_focusable, w);
            last_focusable = w;
        }
        const ControlTemplate& c = t.controls[i];
        if (c.kind != ControlKind::Text) continue;
        auto* label = static_cast<QLabel*>(w);
        QWidget* buddy = nullptr;
        for (std::size_t j = i + 1; j < built.widgets_.size() && buddy == nullptr; ++j)
            if (built.widgets_[j]->focusPolicy() & Qt::TabFocus) buddy = built.widgets_[j];
        if (has_mnemonic(label->text()) && buddy != nullptr)
            label->setBuddy(buddy);
        else
            label->setText(strip_mnemonic(label->text()));
    }
    for (QWidget* w : built.widgets_)
        if (qobject_cast<QGroupBox*>(w) != nullptr) w->lower();
    return built;
}

void check_only(QButtonGroup& group, int id) {
    if (QAbstractButton* button = group.button(id)) {
        button->setChecked(true);
        return;
    }
    const bool exclusive = group.exclusive();
    group.setExclusive(false);  // an exclusive group keeps its checked button otherwise
    for (QAbstractButton* button : group.buttons()) button->setChecked(false);
    group.setExclusive(exclusive);
}

}  // namespace varnel
