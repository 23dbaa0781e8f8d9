// SPDX-License-Identifier: MIT
// Dialogs from templates, the way Windows builds them: one table of controls (id, kind,
// caption, place in dialog units, style) becomes the dialog's widgets, created in table
// order, which is also the tab order. Dialog units become pixels through the base units of
// the dialog's font, so a layout drawn for one font keeps its proportions in another.
//
//     constexpr varnel::ControlTemplate kControls[] = {
//         {varnel::kNoId, Kind::Text, "&Name:", 7, 7, 50, 10},
//         {1000, Kind::Edit, "", 7, 17, 88, 12, kTabStop | kBorder},
//         {varnel::kIdOk, Kind::PushButton, "OK", 7, 40, 50, 14, kTabStop | kDefault},
//     };
//     constexpr varnel::DialogTemplate kDialog{"Caption", 100, 60, "MS Sans Serif", 8,
//                                              kCaption | kSystemMenu | kModalFrame, kControls};
//     varnel::DialogControls controls = varnel::build_dialog(dialog, kDialog);
//     auto* name = controls.get<QLineEdit>(1000);
//
// Widgets per kind: Text QLabel, GroupBox QGroupBox, CheckBox QCheckBox, RadioButton
// QRadioButton, PushButton QPushButton, Edit QLineEdit (PlainEdit with kMultiline),
// DropDownList QComboBox, EtchedLine QFrame, Picture and Icon QLabel, Hyperlink HyperlinkLabel.
// Every widget is a direct child of the dialog (group boxes are drawn behind the controls
// they frame, they do not own them), and each has its id as its object name ("1000").
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <span>
#include <string_view>
#include <vector>

#include "common/mul_div.h"

class QButtonGroup;
class QDialog;
class QLabel;

namespace varnel {

inline constexpr int kNoId = -1;      // a control the code never addresses
inline constexpr int kIdOk = 1;       // the standard buttons: accept and reject the dialog
inline constexpr int kIdCancel = 2;

enum class ControlKind {
    Text,          // static text; wraps at word breaks unless kCentreVertically
    GroupBox,      // a frame with a title
    CheckBox,      // automatic check box
    RadioButton,   // automatic radio button; a run of them forms one exclusive group
    PushButton,
    Edit,          // single-line edit; kMultiline makes it a multi-line edit
    DropDownList,  // drop-down list without typing; the template height includes the list
    EtchedLine,    // an etched horizontal line
    Picture,       // the image at the resource path given as caption, scaled to fit the place
    Icon,          // the icon at the resource path given as caption, at the large icon size
    Hyperlink,     // static text that opens an address (HyperlinkLabel)
};

// Control styles (bit flags).
enum ControlStyle : unsigned {
    kNoStyle = 0,
    kTabStop = 1u << 0,           // reachable with Tab
    kGroup = 1u << 1,             // starts a new radio group
    kCentre = 1u << 2,            // text centred horizontally
    kCentreVertically = 1u << 3,  // text on one line, centred vertically
    kMultiline = 1u << 4,         // edit: multi-line; check box, radio, push button: caption may wrap
    kBorder = 1u << 5,            // edit and list: framed
    kDefault = 1u << 6,           // push button: the dialog's default button
    kVScroll = 1u << 7,           // list: vertical scroll bar (as needed)
};

// Window styles of the dialog itself (bit flags).
enum WindowStyle : unsigned {
    kCaption = 1u << 0,
    kSystemMenu = 1u << 1,   // window menu and close box
    kMinimizeBox = 1u << 2,
    kModalFrame = 1u << 3,   // a dialog frame: fixed size (every template dialog has a fixed size)
    kAppWindow = 1u << 4,    // a top-level window of its own, shown in the task bar
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    std::string_view caption;  // UTF-8; "&" marks the mnemonic, "&&" is a literal "&"
    int x, y, w, h;            // dialog units
    unsigned style = kNoStyle;
};

struct DialogTemplate {
    std::string_view caption;
    int width, height;         // client area, dialog units
    std::string_view font_face;
    int font_points;
    unsigned style;
    std::span<const ControlTemplate> controls;
};

// Pixels per 4 horizontal and per 8 vertical dialog units.
struct BaseUnits {
    int x = 0;
    int y = 0;
    friend bool operator==(const BaseUnits&, const BaseUnits&) = default;
};


// The base units of a font: the average width of "A".."Z" and "a".."z", rounded, and the
// font's height (ascent + descent).
BaseUnits base_units(const QFont& font);
// A place in dialog units as pixels.
QRect to_pixels(BaseUnits units, int x, int y, int w, int h);

// The font a template asks for. The Windows dialog faces ("MS Sans Serif", "MS Shell Dlg")
// become the platform's general sans-serif face; the size stays in points.
QFont dialog_font(std::string_view face, int points);

// A caption without its mnemonic markers: "&&" becomes "&", a single "&" is dropped.
QString strip_mnemonic(const QString& caption);
// The caption broken into lines (at spaces) that fit `width` pixels in `font`; the "&"
// markers take no room. A word longer than the width stays whole on its own line.
QString wrap_caption(const QString& caption, const QFont& font, int width);

// The widgets of a built dialog.
class DialogControls {
public:
    // The widget with this id, nullptr when there is none (the first one for kNoId).
    QWidget* widget(int id) const;
    template <class W>
    W* get(int id) const { return qobject_cast<W*>(widget(id)); }

    // Every widget, in template order.
    const std::vector<QWidget*>& widgets() const { return widgets_; }
    BaseUnits units() const { return units_; }

    // The exclusive group a radio button belongs to (button ids are the control ids).
    QButtonGroup* radio_group(int id) const;

    // Buttons kIdOk and kIdCancel accept and reject the dialog, as a plain dialog's do.
    void connect_standard_buttons(QDialog& dialog) const;

private:
    friend DialogControls build_dialog(QDialog& dialog, const DialogTemplate& t);
    std::vector<QWidget*> widgets_;
    std::vector<int> ids_;
    BaseUnits units_;
};

// Sets the dialog's caption, window flags, font and fixed client size and creates its
// controls. Labels with a mnemonic get the next control that takes the focus as buddy.
DialogControls build_dialog(QDialog& dialog, const DialogTemplate& t);

// Checks the button of the group with this id; any other id (-1) leaves none checked.
void check_only(QButtonGroup& group, int id);

}  // namespace varnel
