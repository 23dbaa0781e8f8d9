// SPDX-License-Identifier: MIT
#include "framework/hyperlink.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "framework/qt_application.h"

namespace {

using namespace varnel;

// Stands in for the browser and the mail program: the desktop hands it every address.
class Desktop : public QObject {
    Q_OBJECT
public:
    Desktop() {
        for (const char* scheme : {"https", "mailto"}) QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~Desktop() override {
        for (const char* scheme : {"https", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class Hyperlink : public testing::Test {
protected:
    Desktop desktop;
    HyperlinkLabel link{QStringLiteral("Varnel home page")};
    void SetUp() override {
        link.resize(200, 20);
        link.show();
    }
};

TEST_F(Hyperlink, OpensItsTargetWhenClicked) {
    link.set_target(link_url("https://www.varnel.example/"), "visit Varnel home page");
    EXPECT_EQ(link.toolTip(), "visit Varnel home page");
    QSignalSpy opened(&link, &HyperlinkLabel::opened);
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl("https://www.varnel.example/")});
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0][1].toBool());
}

TEST_F(Hyperlink, OpensAMailAddress) {
    link.set_target(link_url("support@varnel.example"));
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl("mailto:support@varnel.example")});
}

TEST_F(Hyperlink, OpensFromTheKeyboard) {
    link.set_target(link_url("https://www.varnel.example/fonts/"));
    QTest::keyClick(&link, Qt::Key_Space);
    QTest::keyClick(&link, Qt::Key_Return);
    EXPECT_EQ(desktop.opened.size(), 2);
}

TEST_F(Hyperlink, APressDraggedAwayOpensNothing) {
    link.set_target(link_url("https://www.varnel.example/"));
    QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(500, 5));
    QTest::mouseClick(&link, Qt::RightButton);
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(Hyperlink, WithoutATargetReportsFailure) {
    QSignalSpy opened(&link, &HyperlinkLabel::opened);
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_TRUE(desktop.opened.isEmpty());
    ASSERT_EQ(opened.size(), 1);
    EXPECT_FALSE(opened[0][1].toBool());
}

TEST_F(Hyperlink, LooksLikeALink) {
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.foregroundRole(), QPalette::Link);
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link.textFormat(), Qt::PlainText);
}

TEST(LinkUrl, TellsWebFromMail) {
    EXPECT_EQ(link_url("https://www.varnel.example/order/"), QUrl("https://www.varnel.example/order/"));
    EXPECT_EQ(link_url("mailto:support@varnel.example"), QUrl("mailto:support@varnel.example"));
    EXPECT_EQ(link_url("support@varnel.example").scheme(), "mailto");
}

TEST(DisplayAddress, DropsTheScheme) {
    EXPECT_EQ(display_address("https://www.varnel.example/fonts/"), "www.varnel.example/fonts/");
    EXPECT_EQ(display_address("http://varnel.example"), "varnel.example");
    EXPECT_EQ(display_address("mailto:support@varnel.example"), "support@varnel.example");
    EXPECT_EQ(display_address("support@varnel.example"), "support@varnel.example");
}

}  // namespace

#include "hyperlink_test.moc"
