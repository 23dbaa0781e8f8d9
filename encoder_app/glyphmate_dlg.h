// SPDX-License-Identifier: MIT
// The encoder dialog: the program's one window. It owns the option record and the controls
// and offers them to the conversion flow as the dialog operations; every user action that
// can change the result runs the flow. The symbology rules live in the handlers, not here.
#pragma once

#include <QDialog>
#include <QIcon>

#include <string>

#include "flow/conversion.h"
#include "flow/dialog_ops.h"
#include "flow/installed_families.h"
#include "framework/dialog_template.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace varnel {
class PlainEdit;
}

namespace varnel::glyphmate {

class CGlyphmateDlg final : public QDialog, public DialogOps {
    Q_OBJECT
public:
    explicit CGlyphmateDlg(QWidget* parent = nullptr);
    ~CGlyphmateDlg() override;

    // The dialog operations.
    std::string selected_type_text() const override;
    OptionRecord& options() override { return record_; }
    void read_options() override;
    void write_options() override;
    std::string data_text() const override;
    std::string supplement_text() const override;
    void set_symbol_notes(std::string_view text) override;
    void set_status(std::string_view text) override;
    void set_converted(std::string_view text) override;
    void set_human_readable(std::string_view text) override;
    void set_preview_text(std::string_view text) override;
    void set_preview_font(const FontDescription& font) override;
    void show_control(OptionControl control, bool shown) override;
    void enable_control(OptionControl control, bool enabled) override;
    bool font_family_installed(std::string_view family) override;

    // Writes the converted string's picture as PNG, or as SVG for a name ending in ".svg";
    // false, with the reason in the status line, when there is nothing to draw or the file
    // cannot be written.
    bool save_picture(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void convert();
    void show_status();
    void copy_string();
    void check_edited();
    void draw_preview(std::string_view converted);
    void system_command(int id);
    void about();
    void set_colours();
    QWidget* option_widget(OptionControl control) const;

    OptionRecord record_;
    InstalledFamilies fonts_;
    QIcon icon_;
    varnel::DialogControls controls_;
    QComboBox* type_list_;
    QLineEdit* data_;
    QLineEdit* supplement_;
    QCheckBox* check_character_;
    QCheckBox* underlying_text_;
    QCheckBox* full_ascii_;
    QButtonGroup* heights_;
    varnel::PlainEdit* converted_;
    QLabel* preview_;
    QLineEdit* human_readable_;
    QLabel* preview_picture_;  // over the preview: the symbol drawn when its font is missing
    QLabel* status_;
    QLabel* symbol_notes_;

    std::string status_text_;      // the status line as the flow wrote it (bytes)
    Conversion last_;              // what the last conversion made
    mutable bool input_lost_ = false;  // a field read during this conversion had characters without a byte
    QString converted_data_;        // the data and supplement texts of the last conversion
    QString converted_supplement_;
};

}  // namespace varnel::glyphmate
