// SPDX-License-Identifier: MIT
// The wizard: the program's only visible window. It explains the calibration, sends the
// print command to the main window, shows the about box and opens the maker's pages. When
// MICR fonts the page needs are missing, a note under the buttons says so.
#pragma once

#include <QDialog>
#include <QFont>

#include "calibration_app/calibration_page.h"
#include "framework/dialog_template.h"

class CTruelineDlg : public QDialog {
    Q_OBJECT
public:
    // Modeless, the main window its parent; not visible until shown.
    explicit CTruelineDlg(QWidget* parent = nullptr);
    // fonts: what counts as installed when the wizard checks the MICR fonts the page needs.
    CTruelineDlg(QWidget* parent, const varnel::trueline::FontCatalogue& fonts);

    const varnel::DialogControls& controls() const { return controls_; }
    const QFont& title_font() const { return title_font_; }

    // Cancel, Escape and the close box: posts a close request to the main window, then
    // ends the dialog.
    void reject() override;

signals:
    // A command for the main window, sent at once (the print command).
    void command(int id);

private:
    void on_init_dialog();
    void show_missing_fonts(const varnel::trueline::FontCatalogue& fonts);
    void on_about();
    void on_order();

    varnel::DialogControls controls_;
    QFont title_font_;  // owned here, as long as the title shows it
};
