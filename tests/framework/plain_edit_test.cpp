// SPDX-License-Identifier: MIT
#include "framework/plain_edit.h"

#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "framework/qt_application.h"

namespace {

using varnel::PlainEdit;

// An edit between a line edit and the dialog's default button.
class PlainEditInDialog : public testing::Test {
protected:
    QDialog dialog;
    QLineEdit* before = new QLineEdit(&dialog);
    PlainEdit* edit = new PlainEdit(&dialog);
    QPushButton* button = new QPushButton(QStringLiteral("Copy"), &dialog);
    QSignalSpy pressed{button, &QPushButton::clicked};

    void SetUp() override {
        button->setDefault(true);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        edit->setFocus();
    }
};

TEST_F(PlainEditInDialog, CopiesNoBreakSpacesAsTheyAre) {
    const QString text = QStringLiteral("\u00CCA\u00A0B\u00CE");  // 0xA0 is a glyph of its own in a symbol font
    edit->setPlainText(text);
    edit->selectAll();
    edit->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    EXPECT_EQ(edit->exact_text(), text);
}

TEST_F(PlainEditInDialog, CopiesLinesWithNewlines) {
    edit->setPlainText(QStringLiteral("one\ntwo"));
    edit->selectAll();
    edit->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "one\ntwo");
}

TEST_F(PlainEditInDialog, EnterPressesTheDefaultButton) {
    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(pressed.size(), 1);
    EXPECT_EQ(edit->exact_text(), "ab");
}

TEST_F(PlainEditInDialog, CtrlEnterStartsALine) {
    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(pressed.size(), 0);
    EXPECT_EQ(edit->exact_text(), "ab\n");
}

TEST_F(PlainEditInDialog, EnterStartsALineWhenTheEditWantsReturn) {
    edit->set_wants_return(true);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(pressed.size(), 0);
    EXPECT_EQ(edit->exact_text(), "\n");
}

TEST_F(PlainEditInDialog, TabMovesTheFocus) {
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_TRUE(button->hasFocus());
    EXPECT_EQ(edit->exact_text(), "");
}

}  // namespace
