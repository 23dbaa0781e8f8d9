// SPDX-License-Identifier: MIT
// The multi-line edit of a dialog. Unlike a bare QPlainTextEdit it behaves as a dialog's
// edit control: Tab moves the focus, Enter presses the dialog's default button (unless the
// edit wants Return; Ctrl+Enter always starts a line), and its text goes to the clipboard
// exactly as it stands: QPlainTextEdit's own copy turns no-break spaces into plain spaces,
// which would change the glyphs of a text meant for a symbol font.
#pragma once

#include <QPlainTextEdit>

namespace varnel {

class PlainEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PlainEdit(QWidget* parent = nullptr);

    void set_wants_return(bool wants) { wants_return_ = wants; }
    bool wants_return() const { return wants_return_; }

    // The whole text, character for character (lines joined by "\n").
    QString exact_text() const;

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool wants_return_ = false;
};

}  // namespace varnel
