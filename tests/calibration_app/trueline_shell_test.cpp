// SPDX-License-Identifier: MIT
// The Trueline shell on the offscreen platform: start, the wizard, printing through the
// view with a stand-in printer dialog, the about box, the links and the ways out.
#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "calibration_app/about_dlg.h"
#include "calibration_app/calibration_page.h"
#include "calibration_app/main_frame.h"
#include "calibration_app/resource_ids.h"
#include "calibration_app/trueline_app.h"
#include "calibration_app/trueline_dlg.h"
#include "calibration_app/trueline_doc.h"
#include "calibration_app/trueline_view.h"
#include "framework/hyperlink.h"
#include "common/maker.h"
#include "framework/qt_application.h"

namespace {

namespace fs = std::filesystem;
using namespace varnel::trueline;

// Collects the addresses the program asks the desktop to open, in place of a browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() {
        for (const char* scheme : {"http", "https", "mailto"}) QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlRecorder() override {
        for (const char* scheme : {"http", "https", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
    }
    std::vector<std::string> urls;

public slots:
    void open(const QUrl& url) { urls.push_back(url.toString().toStdString()); }
};

std::string text_of(std::string_view s) { return std::string(s); }

// Runs check on the modal dialog once it is up, then closes it; whether one came up.
bool when_modal_dialog(const std::function<void(QDialog&)>& check, const std::function<void()>& open) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll.stop();
            seen = true;
            check(*dialog);
            dialog->accept();
        }
    });
    QTimer::singleShot(3000, &poll, [&] {
        poll.stop();
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    poll.start();
    open();
    return seen;
}

std::string read_file(const fs::path& path) {
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

class TruelineShell : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app_.init_instance());
        frame_ = app_.main_frame();
        ASSERT_NE(frame_, nullptr);
        wizard_ = frame_->wizard();
        ASSERT_NE(wizard_, nullptr);
        // One folder a test: CTest runs the tests of this program side by side.
        dir_ = fs::path(testing::TempDir()) /
               (std::string("trueline_shell_test_") + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        // The printer dialog's stand-in: it chooses a PDF file for each job and says whether
        // the user pressed OK.
        frame_->view().set_printer_dialog([this](QPrinter& printer, QWidget* parent) {
            dialog_parents_.push_back(parent);
            if (!confirm_) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(job(dialog_parents_.size()).string()));
            return true;
        });
    }

    fs::path job(std::size_t n) const { return dir_ / ("job" + std::to_string(n) + ".pdf"); }
    QAbstractButton* button(int id) const { return wizard_->controls().get<QAbstractButton>(id); }

    std::vector<QWidget*> visible_windows() const {
        std::vector<QWidget*> out;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) out.push_back(w);
        return out;
    }

    CTruelineApp app_;
    CMainFrame* frame_ = nullptr;
    CTruelineDlg* wizard_ = nullptr;
    fs::path dir_;
    bool confirm_ = true;
    std::vector<QWidget*> dialog_parents_;
};

TEST_F(TruelineShell, OnlyTheWizardIsVisibleAfterStart) {
    EXPECT_EQ(visible_windows(), std::vector<QWidget*>{wizard_});
    EXPECT_FALSE(frame_->isVisible());
    EXPECT_EQ(frame_->size(), QSize(10, 10));
    EXPECT_EQ(wizard_->parentWidget(), frame_);
    EXPECT_FALSE(wizard_->isModal());
    EXPECT_STREQ(app_.document()->metaObject()->className(), "CTruelineDoc");
    EXPECT_STREQ(frame_->view().metaObject()->className(), "CTruelineView");
    EXPECT_STREQ(frame_->metaObject()->className(), "CMainFrame");
    EXPECT_EQ(frame_->windowTitle(), "Trueline");
    const DocumentTemplate& t = app_.document_template();
    EXPECT_EQ(t.field(DocumentTemplate::new_file_name), "Truel");
    EXPECT_EQ(t.field(DocumentTemplate::filter_ext), "");
    EXPECT_EQ(t.field(DocumentTemplate::reg_file_type_id), "Trueline.Document");
    EXPECT_EQ(t.field(DocumentTemplate::reg_file_type_name), "Truel Document");
}

struct ControlRow {
    const char* name;
    int id;
    std::string text;
};

TEST_F(TruelineShell, TheWizardShowsItsControlsAndCaptions) {
    EXPECT_EQ(wizard_->windowTitle(), "Varnel MICR Font Trueline");
    EXPECT_TRUE(wizard_->windowFlags() & Qt::WindowMinimizeButtonHint);
    const std::vector<ControlRow> rows = {
        {"print", varnel::kIdOk, "&Print"},
        {"cancel", varnel::kIdCancel, "Cancel"},
        {"about", kIdcAbout, "&About"},
        {"order", kIdcOrder, "&Order"},
    };
    for (const ControlRow& row : rows) {
        ASSERT_NE(button(row.id), nullptr) << row.name;
        EXPECT_EQ(button(row.id)->text().toStdString(), row.text) << row.name;
    }
    EXPECT_TRUE(wizard_->controls().get<QPushButton>(varnel::kIdOk)->isDefault());

    auto* title = wizard_->controls().get<QLabel>(kIdcTitle);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "MICR Font Trueline");
    EXPECT_EQ(title->font().pixelSize(), 14);
    EXPECT_EQ(title->font().weight(), QFont::Black);
    EXPECT_TRUE(title->alignment() & Qt::AlignHCenter);

    std::vector<std::string> statics;
    for (QWidget* w : wizard_->controls().widgets())
        if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && w->objectName().isEmpty() && !label->text().isEmpty())
            statics.push_back(label->text().toStdString());
    EXPECT_EQ(statics, (std::vector<std::string>{
                           "Varnel Trueline will assit you to select the best MICR font for your system. Please "
                           "press print button below  to print the calibration  page and follow the instructions "
                           "to pick the best MICR font. ",
                           "When you press Print button, a standard Windows printer  dialog will pop up.  Choose "
                           "the printer you want to print the check, load the paper and press OK.",
                           "For more information about Varnel MICR font package, click the link  below:"}));

    auto* link = wizard_->controls().get<varnel::HyperlinkLabel>(kIdcLink);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), "Varnel MICR Inkware home page");
    EXPECT_EQ(link->toolTip(), "visit MICR font home page");
    EXPECT_EQ(link->target().toString().toStdString(), text_of(varnel::kMicrPage));

    // the picture: our own bitmap, loaded from the resources
    bool picture = false;
    for (QWidget* w : wizard_->controls().widgets())
        if (auto* label = qobject_cast<QLabel*>(w)) picture = picture || !label->pixmap().isNull();
    EXPECT_TRUE(picture);
}

// The families a test says are installed.
struct NamedFonts final : FontCatalogue {
    explicit NamedFonts(std::vector<std::string_view> names) : families(std::move(names)) {}
    std::vector<std::string_view> families;
    bool installed(std::string_view family) const override {
        return std::find(families.begin(), families.end(), family) != families.end();
    }
};

struct FontNoteRow {
    const char* name;
    std::vector<std::string_view> installed;
    QString note;  // empty: no note, and the wizard keeps its template's size
};

TEST_F(TruelineShell, TheWizardSaysWhichMicrFontsAreMissing) {
    const std::vector<FontNoteRow> rows = {
        {"all_installed", micr_families(), {}},
        {"none_installed", {},
         "The Varnel MICR fonts are not installed: the samples and zeros are set in another face and measure nothing."},
        {"one_missing", {"VNL MICRN", "VNL MICR", "VNL MICRW", "VNL MICRL"},
         "The font VNL MICRB is not installed: their samples are set in another face and measure nothing."},
    };
    for (const FontNoteRow& row : rows) {
        CTruelineDlg wizard(nullptr, NamedFonts(row.installed));
        wizard.show();
        auto* note = wizard.controls().get<QLabel>(kIdcFontNote);
        ASSERT_NE(note, nullptr) << row.name;
        const int template_height = varnel::to_pixels(wizard.controls().units(), 0, 0, 278, 169).height();
        if (row.note.isEmpty()) {
            EXPECT_FALSE(note->isVisible()) << row.name;
            EXPECT_EQ(wizard.height(), template_height) << row.name;
            continue;
        }
        EXPECT_TRUE(note->isVisible()) << row.name;
        EXPECT_EQ(note->text(), row.note) << row.name;
        // The whole note shows: the wizard grows to hold every line of it.
        EXPECT_GT(wizard.height(), template_height) << row.name;
        EXPECT_TRUE(wizard.rect().contains(note->geometry())) << row.name;
        EXPECT_GE(note->height(), note->heightForWidth(note->width())) << row.name;
    }
}

TEST_F(TruelineShell, PrintGoesThroughThePrinterDialogToOnePageAndTheWizardStays) {
    button(varnel::kIdOk)->click();
    ASSERT_EQ(dialog_parents_.size(), 1u);
    const std::string pdf = read_file(job(1));
    EXPECT_TRUE(pdf.starts_with("%PDF"));
    EXPECT_NE(pdf.find("/Count 1\n"), std::string::npos);  // one page
    EXPECT_NE(pdf.find("/FontFile2"), std::string::npos);  // with the page's text on it
    EXPECT_TRUE(wizard_->isVisible());

    QTest::keyClick(wizard_, Qt::Key_Return);  // Print is the default button: a second job

    EXPECT_EQ(dialog_parents_.size(), 2u);
    EXPECT_NE(read_file(job(2)).find("/Count 1\n"), std::string::npos);
    EXPECT_TRUE(wizard_->isVisible());
}

TEST_F(TruelineShell, CancellingThePrinterDialogPrintsNothing) {
    confirm_ = false;
    EXPECT_EQ(frame_->view().on_file_print(), CTruelineView::PrintResult::cancelled);
    button(varnel::kIdOk)->click();
    EXPECT_EQ(dialog_parents_.size(), 2u);
    EXPECT_TRUE(fs::is_empty(dir_));
    EXPECT_TRUE(wizard_->isVisible());
}

TEST_F(TruelineShell, ThePrintCommandReachesTheViewThroughTheFrame) {
    EXPECT_TRUE(frame_->on_command(kIdFilePrint));
    EXPECT_EQ(dialog_parents_.size(), 1u);
    EXPECT_TRUE(fs::exists(job(1)));
    EXPECT_FALSE(frame_->on_command(12345));
}

TEST_F(TruelineShell, TheViewDrawsThePageOnTheScreenToo) {
    CTruelineView view(*app_.document());  // a window of its own: the frame's view is 10 by 10
    view.resize(800, 600);
    const QImage image = view.grab().toImage();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) inked += qGray(image.pixel(x, y)) < 160;
    EXPECT_GT(inked, 2000);
}

void expect_about_box(QDialog& dialog) {
    auto* about = qobject_cast<CAboutDlg*>(&dialog);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About Trueline");
    std::vector<std::string> texts, clipped;
    for (QWidget* w : about->controls().widgets())
        if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && !label->text().isEmpty()) {
            texts.push_back(label->text().toStdString());
            // One line each: the whole text inside its label, and the label inside the box.
            if (label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width() ||
                !about->rect().contains(label->geometry()))
                clipped.push_back(texts.back());
        }
    EXPECT_EQ(texts, (std::vector<std::string>{"Trueline Version 1.0", "Copyright (C) 2026 Varnel.",
                                               "Trueline is free software under the MIT licence.", "Home Page: ",
                                               "www.varnel.example/", "Support:", text_of(varnel::kSupportEmail),
                                               "Phone:", text_of(varnel::kTelephone)}));
    EXPECT_EQ(clipped, std::vector<std::string>{});
    auto* home = about->controls().get<varnel::HyperlinkLabel>(kIdcLink);
    auto* support = about->controls().get<varnel::HyperlinkLabel>(kIdcSupportLink);
    ASSERT_NE(home, nullptr);
    ASSERT_NE(support, nullptr);
    EXPECT_EQ(home->target().toString().toStdString(), text_of(varnel::kHomePage));
    EXPECT_EQ(home->toolTip(), "visit Varnel home page");
    EXPECT_EQ(support->target().toString().toStdString(), "mailto:" + text_of(varnel::kSupportEmail));
    EXPECT_EQ(support->toolTip(), "write email to support");
    EXPECT_EQ(about->controls().get<QAbstractButton>(varnel::kIdOk)->text(), "OK");
}

TEST_F(TruelineShell, AboutShowsTheAboutBoxModally) {
    EXPECT_TRUE(when_modal_dialog(expect_about_box, [&] { button(kIdcAbout)->click(); }));
    EXPECT_TRUE(when_modal_dialog(expect_about_box, [&] { frame_->on_command(kIdAppAbout); }));
    EXPECT_TRUE(wizard_->isVisible());
}

TEST_F(TruelineShell, OrderAndTheLinksOpenTheMakersPages) {
    UrlRecorder desktop;
    button(kIdcOrder)->click();
    wizard_->controls().get<varnel::HyperlinkLabel>(kIdcLink)->open();
    CAboutDlg about(wizard_);
    about.controls().get<varnel::HyperlinkLabel>(kIdcLink)->open();
    about.controls().get<varnel::HyperlinkLabel>(kIdcSupportLink)->open();
    EXPECT_EQ(desktop.urls, (std::vector<std::string>{text_of(varnel::kOrderPage), text_of(varnel::kMicrPage),
                                                      text_of(varnel::kHomePage),
                                                      "mailto:" + text_of(varnel::kSupportEmail)}));
}

struct WayOutRow {
    const char* name;
    std::function<void(CTruelineDlg&)> leave;
};

void PrintTo(const WayOutRow& row, std::ostream* out) { *out << row.name; }

class TruelineWayOut : public TruelineShell, public testing::WithParamInterface<WayOutRow> {};

// Each ends the wizard and closes the main window, which ends the program.
TEST_P(TruelineWayOut, EndsTheProgram) {
    QSignalSpy closed(frame_, &CMainFrame::closed);
    GetParam().leave(*wizard_);
    EXPECT_FALSE(wizard_->isVisible());
    EXPECT_TRUE(test::wait_until([&] { return closed.count() == 1; }));
    EXPECT_TRUE(visible_windows().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, TruelineWayOut,
    testing::Values(
        WayOutRow{"cancel", [](CTruelineDlg& d) { d.controls().get<QAbstractButton>(varnel::kIdCancel)->click(); }},
        WayOutRow{"escape", [](CTruelineDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        WayOutRow{"close_box", [](CTruelineDlg& d) { d.close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Watches for any window that is shown.
class ShowWatcher : public QObject {
public:
    int shown = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* w = qobject_cast<QWidget*>(object); w != nullptr && w->isWindow()) ++shown;
        return false;
    }
};

TEST(TruelineCommandLine, PrintingToAPdfShowsNoWindow) {
    const fs::path pdf = fs::path(testing::TempDir()) / "trueline_shell_test_cli.pdf";
    fs::remove(pdf);
    ShowWatcher watcher;
    qApp->installEventFilter(&watcher);
    CTruelineApp app;
    const int status = app.print_from_command_line(
        {CommandLine::Action::write_pdf, QString::fromStdString(pdf.string()), QByteArray::fromStdString(pdf.string())});
    qApp->removeEventFilter(&watcher);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(watcher.shown, 0);
    ASSERT_NE(app.main_frame(), nullptr);
    EXPECT_EQ(app.main_frame()->wizard(), nullptr);
    EXPECT_NE(read_file(pdf).find("/Count 1\n"), std::string::npos);
}

}  // namespace

#include "trueline_shell_test.moc"
