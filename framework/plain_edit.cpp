// SPDX-License-Identifier: MIT
#include "framework/plain_edit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace varnel {

namespace {
// A cursor's selected text marks line ends as paragraph (or line) separators.
QString with_newlines(QString text) {
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}
}  // namespace

PlainEdit::PlainEdit(QWidget* parent) : QPlainTextEdit(parent) { setTabChangesFocus(true); }

QString PlainEdit::exact_text() const {
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    return with_newlines(all.selectedText());
}

QMimeData* PlainEdit::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(with_newlines(textCursor().selectedText()));
    return data;
}

void PlainEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ControlModifier)) {
        insertPlainText(QStringLiteral("\n"));
        event->accept();
        return;
    }
    if (enter && !wants_return_) {
        event->ignore();  // the dialog presses its default button
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

}  // namespace varnel
