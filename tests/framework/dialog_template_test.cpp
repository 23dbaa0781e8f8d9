// SPDX-License-Identifier: MIT
#include "framework/dialog_template.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include <climits>
#include <set>
#include <gtest/gtest.h>

#include "framework/hyperlink.h"
#include "framework/plain_edit.h"
#include "framework/qt_application.h"

namespace {

using namespace varnel;
using Kind = ControlKind;

TEST(MulDiv, RoundsHalfAwayFromZero) {
    struct Row {
        const char* name;
        int number, numerator, denominator, expected;
    };
    const Row rows[] = {
        {"exact", 8, 6, 4, 12},
        {"half up", 7, 6, 4, 11},          // 42 / 4 = 10.5
        {"below half", 3, 13, 8, 5},       // 39 / 8 = 4.875
        {"under half", 1, 13, 8, 2},       // 13 / 8 = 1.625
        {"negative half", -7, 6, 4, -11},  // -10.5 away from zero
        {"negative divisor", 7, 6, -4, -11},
        {"zero divisor", 5, 1, 0, -1},
        {"no overflow", INT_MAX, 2, 2, INT_MAX},
    };
    for (const Row& r : rows) EXPECT_EQ(mul_div(r.number, r.numerator, r.denominator), r.expected) << r.name;
}

TEST(ToPixels, MapsEachValueThroughTheBaseUnits) {
    const BaseUnits units{6, 13};  // the classic 8-point dialog font
    // 289 * 6 / 4 = 433.5 -> 434; 300 * 13 / 8 = 487.5 -> 488
    EXPECT_EQ(to_pixels(units, 0, 0, 289, 300), QRect(0, 0, 434, 488));
    // 102 * 6 / 4 = 153; 17 * 13 / 8 = 27.6 -> 28; 92 * 6 / 4 = 138; 12 * 13 / 8 = 19.5 -> 20
    EXPECT_EQ(to_pixels(units, 102, 17, 92, 12), QRect(153, 28, 138, 20));
}

TEST(BaseUnits, AreTheRoundedLetterAverageAndTheFontHeight) {
    const QFont font = dialog_font("MS Sans Serif", 8);
    const QFontMetrics metrics(font);
    const double average = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
    const BaseUnits units = base_units(font);
    EXPECT_LE(std::abs(units.x - average), 0.5 + 1e-9);
    EXPECT_EQ(units.y, metrics.ascent() + metrics.descent());

    QFont twice = font;
    twice.setPointSize(16);
    EXPECT_GT(base_units(twice).x, units.x);
    EXPECT_GT(base_units(twice).y, units.y);
}

TEST(DialogFont, SubstitutesTheWindowsDialogFaces) {
    const QString platform = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    for (const char* face : {"MS Sans Serif", "ms shell dlg", "MS Shell Dlg 2"}) {
        const QFont font = dialog_font(face, 8);
        EXPECT_EQ(font.family(), platform) << face;
        EXPECT_EQ(font.pointSize(), 8) << face;
    }
    EXPECT_EQ(dialog_font("DejaVu Serif", 10).family(), "DejaVu Serif");
    EXPECT_EQ(dialog_font("DejaVu Serif", 10).pointSize(), 10);
}

TEST(StripMnemonic, DropsTheMarkers) {
    struct Row {
        const char* caption;
        const char* expected;
    };
    const Row rows[] = {
        {"&OK", "OK"},
        {"Copy string  T&o Clipboard", "Copy string  To Clipboard"},
        {"Fish && Chips", "Fish & Chips"},
        {"&&&x", "&x"},
        {"trailing&", "trailing"},
        {"", ""},
    };
    for (const Row& r : rows) EXPECT_EQ(strip_mnemonic(r.caption), r.expected) << r.caption;
}

TEST(WrapCaption, BreaksAtSpacesToFitTheWidth) {
    const QFont font = dialog_font("MS Sans Serif", 8);
    const QFontMetrics metrics(font);
    const QString caption = QStringLiteral("&Addon (UPC, EAN only)");
    EXPECT_EQ(wrap_caption(caption, font, metrics.horizontalAdvance(strip_mnemonic(caption))), caption);

    const int narrow = metrics.horizontalAdvance(QStringLiteral("Addon (UPC, "));
    const QString wrapped = wrap_caption(caption, font, narrow);
    EXPECT_EQ(wrapped, "&Addon (UPC,\nEAN only)");
    for (const QString& line : wrapped.split(u'\n')) EXPECT_LE(metrics.horizontalAdvance(strip_mnemonic(line)), narrow);

    EXPECT_EQ(wrap_caption(QStringLiteral("Unbreakable"), font, 1), "Unbreakable");
}

// A template with one control of each kind.
constexpr ControlTemplate kControls[] = {
    {kNoId, Kind::Text, "&Name:", 7, 7, 50, 10},
    {100, Kind::Edit, "", 7, 17, 88, 12, kTabStop | kBorder},
    {kNoId, Kind::GroupBox, "Options", 7, 33, 89, 60},
    {101, Kind::CheckBox, "&Check", 13, 45, 82, 12, kTabStop},
    {102, Kind::CheckBox, "&Wrapped caption that is long", 13, 58, 40, 23, kTabStop | kMultiline},
    {103, Kind::RadioButton, "&One", 100, 45, 60, 10, kTabStop | kGroup},
    {104, Kind::RadioButton, "T&wo", 100, 56, 60, 10, kTabStop},
    {105, Kind::RadioButton, "&Three", 100, 67, 60, 10, kTabStop | kGroup},
    {106, Kind::Text, "Centred", 7, 95, 80, 30, kCentre | kCentreVertically},
    {107, Kind::Text, "Lead && follow", 7, 130, 80, 10},
    {108, Kind::Edit, "", 100, 95, 80, 30, kTabStop | kBorder | kMultiline},
    {109, Kind::DropDownList, "", 100, 130, 80, 91, kTabStop | kVScroll},
    {110, Kind::EtchedLine, "", 7, 145, 180, 1},
    {111, Kind::Icon, ":/no/such/icon.png", 7, 150, 20, 20},
    {112, Kind::Picture, ":/no/such/picture.png", 40, 150, 30, 30},
    {113, Kind::Hyperlink, "Home page", 80, 150, 80, 10},
    {kIdOk, Kind::PushButton, "OK", 130, 185, 50, 14, kTabStop | kDefault},
    {kIdCancel, Kind::PushButton, "&Cancel", 130, 202, 50, 14, kTabStop},
};
constexpr DialogTemplate kTemplate{"Sample", 200, 220, "MS Sans Serif", 8, kCaption | kSystemMenu | kModalFrame, kControls};

class BuiltDialog : public testing::Test {
protected:
    QDialog dialog;
    DialogControls controls = build_dialog(dialog, kTemplate);
    QRect place(int x, int y, int w, int h) const { return to_pixels(controls.units(), x, y, w, h); }
};

TEST_F(BuiltDialog, SetsCaptionFontAndFixedClientSize) {
    EXPECT_EQ(dialog.windowTitle(), "Sample");
    EXPECT_EQ(controls.units(), base_units(dialog_font("MS Sans Serif", 8)));
    EXPECT_EQ(dialog.minimumSize(), place(0, 0, 200, 220).size());
    EXPECT_EQ(dialog.maximumSize(), place(0, 0, 200, 220).size());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

TEST_F(BuiltDialog, MakesOneWidgetPerRowInOrderNamedByItsId) {
    ASSERT_EQ(controls.widgets().size(), std::size(kControls));
    struct Row {
        int id;
        const char* class_name;
    };
    const Row rows[] = {
        {100, "QLineEdit"},   {101, "QCheckBox"}, {103, "QRadioButton"}, {106, "QLabel"},
        {108, "varnel::PlainEdit"}, {109, "QComboBox"}, {110, "QFrame"},   {111, "QLabel"},
        {113, "varnel::HyperlinkLabel"}, {kIdOk, "QPushButton"},
    };
    for (const Row& r : rows) {
        QWidget* w = controls.widget(r.id);
        ASSERT_NE(w, nullptr) << r.id;
        EXPECT_STREQ(w->metaObject()->className(), r.class_name) << r.id;
        EXPECT_EQ(w->objectName(), QString::number(r.id));
    }
    EXPECT_EQ(controls.widget(999), nullptr);
    EXPECT_EQ(controls.get<QCheckBox>(100), nullptr);  // the wrong kind
    EXPECT_NE(qobject_cast<QGroupBox*>(controls.widgets()[2]), nullptr);
    for (QWidget* w : controls.widgets()) EXPECT_EQ(w->parentWidget(), &dialog);
}

TEST_F(BuiltDialog, PlacesTheControlsInDialogUnits) {
    EXPECT_EQ(controls.widget(100)->geometry(), place(7, 17, 88, 12));
    EXPECT_EQ(controls.widget(108)->geometry(), place(100, 95, 80, 30));
    // The closed list is as high as the field; its place includes the open list.
    QWidget* list = controls.widget(109);
    EXPECT_EQ(list->geometry(), QRect(place(100, 130, 80, 91).topLeft(), QSize(place(0, 0, 80, 0).width(), list->sizeHint().height())));
    EXPECT_GT(controls.get<QComboBox>(109)->maxVisibleItems(), 3);
    EXPECT_EQ(controls.widget(110)->height(), 2);
    const int icon = dialog.style()->pixelMetric(QStyle::PM_LargeIconSize);
    EXPECT_EQ(controls.widget(111)->geometry(), QRect(place(7, 150, 20, 20).topLeft(), QSize(icon, icon)));
}

TEST_F(BuiltDialog, TabOrderIsTemplateOrderOverTheTabStops) {
    const std::vector<int> expected{100, 101, 102, 103, 104, 105, 108, 109, kIdOk, kIdCancel};
    std::vector<int> order;
    QWidget* w = controls.widget(100);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        order.push_back(w->objectName().toInt());
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || w->parentWidget() != &dialog);
    }
    EXPECT_EQ(order, expected);
    EXPECT_EQ(controls.widget(106)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(controls.widget(113)->focusPolicy(), Qt::NoFocus);
}

TEST_F(BuiltDialog, LabelsLeadToTheNextControlOrShowTheirTextPlain) {
    auto* name = qobject_cast<QLabel*>(controls.widgets()[0]);
    EXPECT_EQ(name->buddy(), controls.widget(100));
    EXPECT_EQ(name->text(), "&Name:");
    auto* plain = controls.get<QLabel>(107);
    EXPECT_EQ(plain->buddy(), nullptr);
    EXPECT_EQ(plain->text(), "Lead & follow");
    EXPECT_EQ(plain->textFormat(), Qt::PlainText);
}

TEST_F(BuiltDialog, AlignsTheStatics) {
    auto* centred = controls.get<QLabel>(106);
    EXPECT_EQ(centred->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_FALSE(centred->wordWrap());
    auto* plain = controls.get<QLabel>(107);
    EXPECT_EQ(plain->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_TRUE(plain->wordWrap());
}

TEST_F(BuiltDialog, WrapsMultilineCaptionsOnly) {
    EXPECT_TRUE(controls.get<QCheckBox>(102)->text().contains(u'\n'));
    EXPECT_EQ(controls.get<QCheckBox>(101)->text(), "&Check");
}

TEST_F(BuiltDialog, GroupBoxesLieBehindAndLetClicksThrough) {
    QWidget* group = controls.widgets()[2];
    EXPECT_EQ(dialog.children().indexOf(group), 0);  // lowest of the siblings
    EXPECT_TRUE(group->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(BuiltDialog, RadioRunsSplitAtTheGroupStyle) {
    QButtonGroup* first = controls.radio_group(103);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(controls.radio_group(104), first);
    EXPECT_NE(controls.radio_group(105), first);
    EXPECT_EQ(first->id(controls.get<QAbstractButton>(104)), 104);
    EXPECT_EQ(controls.radio_group(101), nullptr);  // a check box has none

    check_only(*first, 104);
    EXPECT_TRUE(controls.get<QRadioButton>(104)->isChecked());
    check_only(*first, 103);
    EXPECT_FALSE(controls.get<QRadioButton>(104)->isChecked());
    check_only(*first, -1);
    EXPECT_EQ(first->checkedButton(), nullptr);
    EXPECT_TRUE(first->exclusive());
}

TEST_F(BuiltDialog, TabIntoARadioGroupLandsOnItsCheckedButton) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    check_only(*controls.radio_group(104), 104);
    controls.widget(102)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(test::wait_until([&] { return controls.widget(104)->hasFocus(); }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // out of the group: the next one
    EXPECT_TRUE(test::wait_until([&] { return controls.widget(105)->hasFocus(); }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_TRUE(test::wait_until([&] { return controls.widget(104)->hasFocus(); }));
}

TEST_F(BuiltDialog, DefaultAndStandardButtons) {
    EXPECT_TRUE(controls.get<QPushButton>(kIdOk)->isDefault());
    EXPECT_FALSE(controls.get<QPushButton>(kIdCancel)->isDefault());
    controls.connect_standard_buttons(dialog);
    dialog.show();
    QTest::mouseClick(controls.widget(kIdOk), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.show();
    QTest::mouseClick(controls.widget(kIdCancel), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(BuiltDialog, MnemonicsFocusAndPress) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    controls.widget(109)->setFocus();
    QTest::keyClick(&dialog, Qt::Key_N, Qt::AltModifier);  // the label's letter
    EXPECT_TRUE(controls.widget(100)->hasFocus());
    QTest::keyClick(&dialog, Qt::Key_T, Qt::AltModifier);  // a button's own letter presses it
    EXPECT_TRUE(test::wait_until([&] { return controls.get<QRadioButton>(105)->isChecked(); }));
    // "&Check" and "&Cancel" share the letter: it only moves the focus between them.
    QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
    QWidget* first = QApplication::focusWidget();
    QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
    QWidget* second = QApplication::focusWidget();
    const std::set<QWidget*> both{controls.widget(101), controls.widget(kIdCancel)};
    EXPECT_EQ((std::set<QWidget*>{first, second}), both);
    QTest::qWait(200);
    EXPECT_FALSE(controls.get<QCheckBox>(101)->isChecked());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(BuildDialog, AppWindowWithMinimizeBox) {
    static constexpr ControlTemplate controls[] = {{kIdOk, Kind::PushButton, "OK", 10, 10, 50, 14, kTabStop}};
    constexpr DialogTemplate t{"Wizard", 100, 40, "MS Sans Serif", 8, kCaption | kSystemMenu | kMinimizeBox | kAppWindow, controls};
    QDialog dialog;
    build_dialog(dialog, t);
    EXPECT_EQ(dialog.windowFlags() & Qt::WindowType_Mask, Qt::Window);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
}

}  // namespace
