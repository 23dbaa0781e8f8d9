// SPDX-License-Identifier: MIT
// The encoder dialog as the user drives it: clicks and keys through QTest, never its slots.
#include "encoder_app/glyphmate_dlg.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "flow/catalogue.h"
#include "flow/record_converter.h"
#include "encoder_app/dialog_templates.h"
#include "flow/win1252.h"
#include "framework/hyperlink.h"
#include "framework/plain_edit.h"
#include "framework/qt_application.h"
#include "framework/renamed_font.h"

namespace {

using namespace varnel::glyphmate;
using test::wait_until;

constexpr char kInvalid[] = "Invalid character(s) found in the input.";

QString shown(std::string_view bytes) { return QString::fromStdString(cp1252_to_utf8(bytes)); }

// What the flow gives without a window, for comparison with what the dialog shows.
std::string headless(std::string_view type, std::string_view data, OptionRecord options = {},
                     std::string_view supplement = {}) {
    InstalledFamilies none{[] { return std::vector<std::string>{}; }};
    ConversionRequest request{.type = std::string(type), .data = std::string(data), .supplement = std::string(supplement),
                              .options = options};
    return convert_one(request, none)->converted;
}

// Runs `inspect` on the next modal dialog (the About box) from inside its own event loop,
// then closes it. The watch gives up after a while, so a failure cannot hang the run.
void on_next_modal(std::function<void(QDialog&)> inspect) {
    auto* watch = new QTimer;
    auto deadline = std::make_shared<QDeadlineTimer>(5000);
    QObject::connect(watch, &QTimer::timeout, [watch, deadline, inspect] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            watch->stop();
            watch->deleteLater();
            inspect(*box);
            if (box->isVisible()) box->reject();
        } else if (deadline->hasExpired()) {
            watch->stop();
            watch->deleteLater();
        }
    });
    watch->start(10);
}

class EncoderDialog : public testing::Test {
protected:
    std::unique_ptr<CGlyphmateDlg> dialog;

    void SetUp() override { open(); }

    void open() {
        dialog = std::make_unique<CGlyphmateDlg>();
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <class W = QWidget>
    W* control(int id) const {
        return dialog->findChild<W*>(QString::number(id));
    }
    QComboBox* type_list() const { return control<QComboBox>(kIdBarcodeType); }
    QLineEdit* data() const { return control<QLineEdit>(kIdData); }
    QLineEdit* supplement() const { return control<QLineEdit>(kIdSupplement); }
    QCheckBox* box(int id) const { return control<QCheckBox>(id); }
    QString converted() const { return control<varnel::PlainEdit>(kIdConverted)->exact_text(); }
    QString status() const { return control<QLabel>(kIdStatus)->text(); }
    QLabel* preview() const { return control<QLabel>(kIdPreview); }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }

    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2)); }

    // Opens the list (F4), walks to the entry and confirms it with Enter.
    void choose(std::string_view type) {
        const int row = type_list()->findText(QString::fromLatin1(type.data(), type.size()));
        ASSERT_GE(row, 0) << type;
        type_list()->setFocus();
        QTest::keyClick(type_list(), Qt::Key_F4);
        QAbstractItemView* view = type_list()->view();
        ASSERT_TRUE(wait_until([&] { return view->isVisible(); }));
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < row; ++i) QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
        ASSERT_TRUE(wait_until([&] { return !view->isVisible(); }));
        ASSERT_EQ(type_list()->currentIndex(), row);
    }

    // Clicks into a field and types over its text; the focus stays in it.
    void type_over(QLineEdit* field, const QString& text) {
        click(field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        test::type_text(field, text);
    }
    void leave(QWidget* field) { QTest::keyClick(field, Qt::Key_Tab); }
};

TEST_F(EncoderDialog, OpensAsTheProgramStarts) {
    EXPECT_EQ(dialog->windowTitle(), "Varnel Glyph Mate");
    EXPECT_FALSE(dialog->windowIcon().isNull());

    QStringList names;
    for (int i = 0; i < type_list()->count(); ++i) names << type_list()->itemText(i);
    QStringList catalogue;
    for (const CatalogueEntry& e : kCatalogue) catalogue << QString::fromLatin1(e.name.data(), e.name.size());
    EXPECT_EQ(names, catalogue);
    EXPECT_EQ(type_list()->currentText(), "Code39");
    EXPECT_EQ(QApplication::focusWidget(), type_list());

    EXPECT_TRUE(control<QRadioButton>(1008)->isChecked());  // Medium
    EXPECT_TRUE(box(kIdUnderlyingText)->isChecked());
    EXPECT_FALSE(box(kIdFullAscii)->isChecked());
    EXPECT_FALSE(box(kIdCheckCharacter)->isChecked());
    EXPECT_EQ(data()->text(), "VARNEL GLYPH MATE");

    EXPECT_EQ(converted(), "*VARNEL=GLYPH=MATE*");
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(control<QLabel>(kIdSymbolNotes)->text().startsWith("Code39 is an alphanumeric symbology."));
    EXPECT_TRUE(control<QLabel>(kIdSymbolNotes)->text().contains("mapped to *, [ and ].\nThe character set"));
    EXPECT_FALSE(box(kIdAddon)->isVisible());
    EXPECT_FALSE(supplement()->isVisible());
    EXPECT_FALSE(control(kIdSupplementLabel)->isVisible());
    EXPECT_TRUE(box(kIdFullAscii)->isVisible());
}

TEST_F(EncoderDialog, PreviewSaysWhenTheFontIsMissing) {
    EXPECT_EQ(preview()->text(), "Font VNL Code39MA not installed.");
    EXPECT_EQ(preview()->font().family(), "Arial");
    EXPECT_EQ(preview()->font().pixelSize(), 12);
    EXPECT_EQ(preview()->font().weight(), QFont::Normal);
}

TEST(EncoderDialogWithFont, PreviewsInTheInstalledFont) {
    QTemporaryDir dir;
    std::string problem;
    const QString file = test::make_renamed_font(QStringLiteral("VNL Code39MA"), QDir(dir.path()), problem);
    ASSERT_FALSE(file.isEmpty()) << problem;
    const int id = QFontDatabase::addApplicationFont(file);
    ASSERT_GE(id, 0);
    {
        CGlyphmateDlg dialog;
        auto* preview = dialog.findChild<QLabel*>(QString::number(kIdPreview));
        EXPECT_EQ(preview->text(), "*VARNEL=GLYPH=MATE*");
        EXPECT_EQ(preview->font().family(), "VNL Code39MA");
        EXPECT_EQ(QFontInfo(preview->font()).family(), "VNL Code39MA");  // the real font, not a stand-in
        EXPECT_EQ(preview->font().pixelSize(), 12);
        EXPECT_EQ(preview->font().weight(), QFont::Normal);
    }
    QFontDatabase::removeApplicationFont(id);
}

TEST_F(EncoderDialog, TypingAloneConvertsNothing) {
    type_over(data(), "ABC");
    EXPECT_EQ(converted(), "*VARNEL=GLYPH=MATE*");
    leave(data());
    EXPECT_EQ(converted(), "*ABC*");
}

TEST_F(EncoderDialog, ConfirmingAnEntryConverts) {
    choose("Code39 Extended");
    EXPECT_EQ(converted(), "[VARNEL=GLYPH=MATE]");
    EXPECT_TRUE(control<QLabel>(kIdSymbolNotes)->text().startsWith("Code39 Extended is also called"));
}

TEST_F(EncoderDialog, EachBoxConvertsWhenClicked) {
    type_over(data(), "ab");
    leave(data());
    click(box(kIdCheckCharacter));
    OptionRecord options;
    options.check_character = true;
    EXPECT_EQ(converted(), shown(headless("Code39", "ab", options)));

    click(box(kIdCheckCharacter));
    click(box(kIdFullAscii));
    options = {};
    options.full_ascii = true;
    EXPECT_EQ(converted(), shown(headless("Code39", "ab", options)));
    EXPECT_EQ(converted(), "[+A+B]");  // the Full ASCII font starts and stops with [ and ]

    click(box(kIdUnderlyingText));
    EXPECT_EQ(preview()->text(), "Font VNL Code39M not installed.");
}

TEST_F(EncoderDialog, AHeightButtonRenamesTheFontOnly) {
    click(control(kIdHeightXS));
    EXPECT_EQ(converted(), "*VARNEL=GLYPH=MATE*");
    EXPECT_EQ(preview()->text(), "Font VNL Code39XSA not installed.");
    click(control(kIdHeightXT));
    EXPECT_EQ(preview()->text(), "Font VNL Code39XTA not installed.");
}

TEST_F(EncoderDialog, AMnemonicThatLeavesTheDataFieldConverts) {
    QTest::keyClick(dialog.get(), Qt::Key_D, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), data());
    QTest::keyClick(data(), Qt::Key_End);
    QTest::keyClicks(data(), "S");
    QTest::keyClick(dialog.get(), Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), type_list());
    EXPECT_EQ(converted(), "*VARNEL=GLYPH=MATES*");
}

TEST_F(EncoderDialog, StatusLineIsRedAndHeavy) {
    type_over(data(), "abc");
    leave(data());
    EXPECT_EQ(status(), kInvalid);
    EXPECT_EQ(converted(), "**");  // the conversion still runs
    QLabel* line = control<QLabel>(kIdStatus);
    EXPECT_EQ(line->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(line->font().weight(), 900);
    EXPECT_EQ(line->font().family(), QApplication::font("QMessageBox").family());
    EXPECT_EQ(line->toolTip(), kInvalid);  // whole, should two messages overflow the line

    type_over(data(), "ABC");
    leave(data());
    EXPECT_EQ(status(), "");
}

TEST_F(EncoderDialog, FieldsAreCyanAndThePreviewWhite) {
    for (int id : {kIdBarcodeType, kIdData, kIdSupplement, kIdConverted}) {
        EXPECT_EQ(control(id)->palette().color(QPalette::Base), QColor(0, 255, 255)) << id;
        EXPECT_EQ(control(id)->palette().color(QPalette::Text), QColor(0, 0, 0)) << id;
    }
    EXPECT_EQ(preview()->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_TRUE(preview()->autoFillBackground());
    EXPECT_EQ(preview()->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(EncoderDialog, CharactersWithoutAByteAreLeftOutAndReported) {
    type_over(data(), QStringLiteral("A\u2603B"));  // no Windows-1252 byte for the snowman
    leave(data());
    EXPECT_EQ(converted(), "*AB*");
    EXPECT_EQ(status(), kInvalid);
    EXPECT_EQ(data()->text(), QStringLiteral("A\u2603B"));  // what the user typed stays

    choose("Code39 Extended");  // the field is read again: still reported
    EXPECT_EQ(status(), kInvalid);
    type_over(data(), "AB");
    leave(data());
    EXPECT_EQ(status(), "");
}

TEST_F(EncoderDialog, CopyPutsTheUnicodeTextOnTheClipboard) {
    choose("Code39 Extended");
    type_over(data(), "A*B");
    leave(data());
    QGuiApplication::clipboard()->clear();
    click(control(kIdCopy));
    // "*" is the pair "/J"; its glyph is byte F4, which Windows-1252 reads as "ô"
    EXPECT_EQ(clipboard(), shown(headless("Code39 Extended", "A*B")));
    EXPECT_EQ(clipboard(), QStringLiteral("[A\u00F4B]"));
}

TEST_F(EncoderDialog, EnterCopiesTheConversionOfWhatWasJustTyped) {
    type_over(data(), "XYZ");
    QTest::keyClick(data(), Qt::Key_Return);  // presses Copy; the field keeps the focus
    EXPECT_EQ(QApplication::focusWidget(), data());
    EXPECT_EQ(converted(), "*XYZ*");
    EXPECT_EQ(clipboard(), "*XYZ*");
}

TEST_F(EncoderDialog, CopiesAHandEditedConvertedString) {
    auto* field = control<varnel::PlainEdit>(kIdConverted);
    click(field);
    QTest::keyClick(field, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(field, "!!");
    click(control(kIdCopy));
    EXPECT_EQ(clipboard(), "*VARNEL=GLYPH=MATE*!!");
    EXPECT_EQ(field->textCursor().selectedText(), "*VARNEL=GLYPH=MATE*!!");  // the whole field selected
}

// A converted string edited by hand is read back when the field is left: the status line
// says whether it still scans.
TEST_F(EncoderDialog, SaysWhetherAnEditedStringStillScans) {
    const struct {
        const char* typed;
        const char* status_start;
    } rows[] = {
        {"*ABC*", "The edited string still scans."},
        {"*ABC", "The edited string would not scan: "},
        {"\u201C*ABC*", "The edited string would not scan: "},
    };
    auto* field = control<varnel::PlainEdit>(kIdConverted);
    for (const auto& row : rows) {
        click(field);
        field->setPlainText(QString::fromUtf8(row.typed));  // as pasted
        leave(field);
        EXPECT_TRUE(status().startsWith(row.status_start)) << row.typed << ": " << status().toStdString();
    }
}

// Without its font the preview draws the symbol, and what it draws scans; the note that
// the font is missing stays under it.
TEST_F(EncoderDialog, ThePreviewDrawsASymbolThatScans) {
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty()) GTEST_SKIP() << "zbarimg is not installed";
    type_over(data(), "ABC123");
    leave(data());
    EXPECT_EQ(preview()->text(), "Font VNL Code39MA not installed.");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("preview.png"));
    ASSERT_TRUE(preview()->grab().save(file));
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), file});
    ASSERT_TRUE(zbar.waitForFinished(20000));
    EXPECT_EQ(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(), "ABC123");
}

// Save Picture writes what the converted field draws, PNG or SVG by the name; with nothing
// to draw, or a file that cannot be written, nothing is written and the status line says so.
TEST_F(EncoderDialog, SavesThePicture) {
    QTemporaryDir dir;
    const struct {
        const char* type;
        const char* data;
        const char* name;
        const char* starts;  // the file's first bytes; empty: nothing saved
        const char* status;
    } rows[] = {
        {"Code39", "ABC", "a.png", "\x89PNG", ""},
        {"EAN-13", "400638133393", "b.svg", "<?xml", ""},
        {"GS1-128", "(01)09501101530004", "c.png", "", "No picture was saved: there is no barcode to draw."},
        {"Code39", "ABC", "missing/d.png", "", "No picture was saved: "},
    };
    for (const auto& row : rows) {
        choose(row.type);
        type_over(data(), row.data);
        leave(data());
        const QString path = dir.filePath(QString::fromLatin1(row.name));
        EXPECT_EQ(dialog->save_picture(path), *row.starts != '\0') << row.name;
        QFile file(path);
        if (*row.starts == '\0') {
            EXPECT_FALSE(file.exists()) << row.name;
            EXPECT_TRUE(status().startsWith(row.status)) << row.name << ": " << status().toStdString();
        } else {
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << row.name;
            EXPECT_TRUE(file.readAll().startsWith(row.starts)) << row.name;
        }
    }
}

TEST_F(EncoderDialog, TheAboutButtonOpensTheAboutBox) {
    QString title, version, link_text, link_tip;
    QStringList texts, clipped;
    QUrl target;
    bool has_icon = false;
    on_next_modal([&](QDialog& about) {
        title = about.windowTitle();
        for (QLabel* label : about.findChildren<QLabel*>()) {
            if (label->text().startsWith("Varnel Glyphmate")) version = label->text();
            if (!label->pixmap().isNull()) has_icon = true;
            if (label->text().isEmpty()) continue;
            texts << label->text();
            // One line each: the whole text inside its label, and the label inside the box.
            if (label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width() ||
                !about.rect().contains(label->geometry()))
                clipped << label->text();
        }
        if (auto* link = about.findChild<varnel::HyperlinkLabel*>(QString::number(kIdFontLink))) {
            link_text = link->text();
            link_tip = link->toolTip();
            target = link->target();
        }
        QTest::mouseClick(about.findChild<QPushButton*>("1"), Qt::LeftButton);
    });
    click(control(kIdAbout));
    EXPECT_EQ(title, "About Glyphmate");
    EXPECT_EQ(version, "Varnel Glyphmate Version 1.0");
    EXPECT_TRUE(texts.contains("Copyright (C) 2026 Varnel.")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("Glyphmate is free software under the MIT licence.")) << texts.join('|').toStdString();
    EXPECT_FALSE(texts.join('|').contains("All rights reserved"));
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join('|').toStdString();
    EXPECT_TRUE(has_icon);
    EXPECT_EQ(target, QUrl("https://www.varnel.example/fonts/"));
    EXPECT_EQ(link_text, "www.varnel.example/fonts/");
    EXPECT_FALSE(link_tip.isEmpty());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(EncoderDialog, TheWindowMenuItemOpensTheSameAboutBox) {
    // QTest's mouse clicks skip the window, which turns a right click into this event.
    const QPoint background(3, 3);
    QContextMenuEvent right_click(QContextMenuEvent::Mouse, background, dialog->mapToGlobal(background));
    QApplication::sendEvent(dialog.get(), &right_click);
    QMenu* menu = nullptr;
    ASSERT_TRUE(wait_until([&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr; }));
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_TRUE(actions[0]->isSeparator());
    EXPECT_EQ(actions[1]->text(), "&About Glyphmate...");
    EXPECT_EQ(actions[2]->text(), "Save &Picture...");

    QString title;
    on_next_modal([&](QDialog& about) { title = about.windowTitle(); });
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(actions[1]).center());
    EXPECT_TRUE(wait_until([&] { return !title.isEmpty(); }));
    EXPECT_EQ(title, "About Glyphmate");
}

TEST_F(EncoderDialog, EveryWayOutClosesTheDialog) {
    struct Way {
        const char* name;
        std::function<void()> close;
        int result;
    };
    const Way ways[] = {
        {"Escape", [this] { QTest::keyClick(dialog.get(), Qt::Key_Escape); }, QDialog::Rejected},
        {"close box", [this] { dialog->close(); }, QDialog::Rejected},
        {"Cancel", [this] { click(control(varnel::kIdCancel)); }, QDialog::Rejected},
        {"OK", [this] { click(control(varnel::kIdOk)); }, QDialog::Accepted},
    };
    for (const Way& way : ways) {
        open();
        way.close();
        EXPECT_FALSE(dialog->isVisible()) << way.name;
        EXPECT_EQ(dialog->result(), way.result) << way.name;
    }
}

// ---- The option rules as the user sees them (once the symbologies are built) ----

TEST_F(EncoderDialog, UpcAThenCode128B) {
    choose("UPC-A");
    EXPECT_TRUE(box(kIdCheckCharacter)->isChecked());
    EXPECT_FALSE(box(kIdCheckCharacter)->isEnabled());
    EXPECT_TRUE(box(kIdUnderlyingText)->isChecked());
    EXPECT_FALSE(box(kIdUnderlyingText)->isEnabled());
    EXPECT_FALSE(box(kIdFullAscii)->isVisible());
    EXPECT_TRUE(supplement()->isVisible());
    EXPECT_TRUE(control(kIdSupplementLabel)->isVisible());

    choose("Code128B");
    EXPECT_FALSE(box(kIdCheckCharacter)->isChecked());  // the user's choice again
    EXPECT_FALSE(box(kIdCheckCharacter)->isEnabled());
    EXPECT_TRUE(box(kIdUnderlyingText)->isChecked());
    EXPECT_TRUE(box(kIdUnderlyingText)->isEnabled());
    EXPECT_FALSE(supplement()->isVisible());
}

// The last entry of the list: Underlying Text off and disabled, and the text to print under
// the bars in a line of its own, gone again with data that has a fault.
TEST_F(EncoderDialog, Gs1_128ShowsItsHumanReadableText) {
    auto* line = control<QLineEdit>(kIdHumanReadable);
    EXPECT_FALSE(line->isVisible());
    type_over(data(), "(01)09501101530003(17)251231(10)AB12");
    choose("GS1-128");
    EXPECT_FALSE(box(kIdUnderlyingText)->isChecked());
    EXPECT_FALSE(box(kIdUnderlyingText)->isEnabled());
    EXPECT_FALSE(box(kIdCheckCharacter)->isEnabled());
    EXPECT_FALSE(box(kIdFullAscii)->isVisible());
    EXPECT_TRUE(line->isVisible());
    EXPECT_TRUE(line->isReadOnly());
    EXPECT_EQ(line->text(), "(01)09501101530003(17)251231(10)AB12");
    type_over(data(), "(01)09501101530004");
    leave(data());
    EXPECT_FALSE(line->isVisible());
    EXPECT_EQ(converted(), "");
}

// Data that gives no symbol gives nothing to copy: the clipboard keeps what it had, and the
// status line says why. A string typed into the field by hand is still copied.
TEST_F(EncoderDialog, CopyRefusesWhatIsNoBarcode) {
    const struct {
        const char* type;
        const char* data;
        const char* status;
    } rows[] = {
        {"GS1-128", "(01)09501101530004", "Nothing was copied. AI (01): check digit should be 3."},
        {"UPC-A", "123", "Nothing was copied. Only 11 digits are allowed."},
    };
    for (const auto& row : rows) {
        choose(row.type);
        type_over(data(), row.data);
        leave(data());
        QGuiApplication::clipboard()->setText("before");
        click(control(kIdCopy));
        EXPECT_EQ(clipboard(), "before") << row.type;
        EXPECT_EQ(status(), row.status) << row.type;
    }
    auto* field = control<varnel::PlainEdit>(kIdConverted);
    click(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, "typed");
    click(control(kIdCopy));
    EXPECT_EQ(clipboard(), "typed");
}

TEST_F(EncoderDialog, TheSupplementConvertsWhenItLosesTheFocus) {
    choose("UPC-A");
    type_over(data(), "12345678901");
    leave(data());
    OptionRecord forced;  // UPC-A forces Check Character and Underlying Text on
    forced.check_character = true;
    const QString without = converted();
    EXPECT_EQ(without, shown(headless("UPC-A", "12345678901", forced)));
    type_over(supplement(), "12");
    EXPECT_EQ(converted(), without);
    leave(supplement());
    EXPECT_EQ(converted(), shown(headless("UPC-A", "12345678901", forced, "12")));
    EXPECT_NE(converted(), without);
}

// What Code93 and GS1-128 force is theirs alone: Code39 has the user's flags back.
TEST_F(EncoderDialog, ForcedFlagsStayWithTheirSymbology) {
    for (const char* first : {"Code93", "GS1-128"}) {
        choose(first);
        choose("Code39");
        EXPECT_FALSE(box(kIdFullAscii)->isChecked()) << first;
        EXPECT_TRUE(box(kIdCheckCharacter)->isEnabled()) << first;
        EXPECT_TRUE(box(kIdUnderlyingText)->isChecked()) << first;
        EXPECT_EQ(converted(), shown(headless("Code39", "VARNEL GLYPH MATE", {}))) << first;
        EXPECT_EQ(preview()->text(), "Font VNL Code39MA not installed.") << first;
    }
}

TEST_F(EncoderDialog, Code39ExtendedRightAfterUpcA) {
    choose("UPC-A");
    choose("Code39 Extended");
    EXPECT_TRUE(box(kIdUnderlyingText)->isChecked());
    EXPECT_FALSE(box(kIdUnderlyingText)->isEnabled());
}

}  // namespace
