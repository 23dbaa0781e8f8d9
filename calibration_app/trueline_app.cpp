// SPDX-License-Identifier: MIT
#include "calibration_app/trueline_app.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "calibration_app/main_frame.h"
#include "calibration_app/platform_fonts.h"
#include "calibration_app/trueline_doc.h"
#include "calibration_app/trueline_view.h"

namespace {

using varnel::trueline::CommandLine;

constexpr int kPdfResolution = 1200;
// A printer cannot print to the edge of the sheet; a sixth of an inch all round gives the
// PDF the printable area of a typical laser printer.
constexpr QMarginsF kPdfMargins{1.0 / 6, 1.0 / 6, 1.0 / 6, 1.0 / 6};

// The paper the user's country prints on: a PDF on other paper would be scaled to fit when
// printed, and a scaled page measures nothing.
QPageSize local_paper() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                       : QPageSize::A4);
}

int fail(const QString& message) {
    std::fprintf(stderr, "trueline: %s\n", qPrintable(message));
    return 1;
}

// The page was made, so the status stays 0; but a page in substitute faces measures nothing,
// and the user is told so.
int printed() {
    const varnel::trueline::PlatformFonts fonts;
    std::string warning = varnel::trueline::missing_fonts_warning(varnel::trueline::missing_micr_families(fonts));
    if (!warning.empty()) {
        warning.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(warning.front())));
        std::fprintf(stderr, "trueline: warning: %s\n", warning.c_str());
    }
    return 0;
}

}  // namespace

namespace varnel::trueline {

QString DocumentTemplate::field(Field field) const {
    const QStringList fields = QString::fromUtf8(doc_string.data(), static_cast<qsizetype>(doc_string.size())).split(u'\n');
    return field < fields.size() ? fields[field] : QString();
}

}  // namespace varnel::trueline

CTruelineApp::CTruelineApp() {
    Q_INIT_RESOURCE(trueline);
    QApplication::setApplicationName(document_template().field(varnel::trueline::DocumentTemplate::window_title));
    QApplication::setDesktopFileName("example.varnel.Trueline");  // the desktop entry and icon carry this id
    QApplication::setWindowIcon(QIcon(":/trueline/trueline.png"));
}

CTruelineApp::~CTruelineApp() = default;

int CTruelineApp::run(const CommandLine& command_line) {
    switch (command_line.action) {
    case CommandLine::Action::print_default:
    case CommandLine::Action::print_to:
    case CommandLine::Action::write_pdf:
        return print_from_command_line(command_line);
    default:
        if (!init_instance()) return 1;
        QObject::connect(frame_.get(), &CMainFrame::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return QApplication::exec();
    }
}

void CTruelineApp::open_new_document(bool with_wizard) {
    document_ = std::make_unique<CTruelineDoc>();
    document_->on_new_document();
    frame_ = std::make_unique<CMainFrame>(*document_, with_wizard ? CMainFrame::Wizard::create : CMainFrame::Wizard::none);
    frame_->setWindowTitle(document_template().field(varnel::trueline::DocumentTemplate::window_title));
    frame_->hide();
    frame_->update();
}

bool CTruelineApp::init_instance() {
    // The program ends when the frame closes, not when its last visible window goes.
    QApplication::setQuitOnLastWindowClosed(false);
    open_new_document(true);
    return true;
}

int CTruelineApp::print_from_command_line(const CommandLine& command_line) {
    QPrinter printer(QPrinter::HighResolution);
    QString target;
    switch (command_line.action) {
    case CommandLine::Action::write_pdf:
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(kPdfResolution);
        printer.setPageSize(local_paper());
        printer.setPageMargins(kPdfMargins, QPageLayout::Inch);
        target = QString("the file '%1'").arg(command_line.argument);
        break;
    case CommandLine::Action::print_to: {
        const QPrinterInfo info = QPrinterInfo::printerInfo(command_line.argument);
        if (info.isNull()) return fail(QString("there is no printer named '%1'.").arg(command_line.argument));
        printer.setPrinterName(info.printerName());
        target = QString("the printer '%1'").arg(info.printerName());
        break;
    }
    default: {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return fail("there is no default printer.");
        printer.setPrinterName(info.printerName());
        target = QString("the printer '%1'").arg(info.printerName());
        break;
    }
    }
    open_new_document(false);
    if (command_line.action == CommandLine::Action::write_pdf) {
        // The file the user named, byte for byte; a failed write is told with its reason.
        const int error = frame_->view().print_to_file(printer, command_line.file);
        if (error > 0) {
            const QString reason = QString::fromLocal8Bit(std::strerror(error));
            return fail(QString("could not print on %1: %2.").arg(target, reason));
        }
        if (error < 0) return fail(QString("could not print on %1.").arg(target));
        return printed();
    }
    if (!frame_->view().print_page(printer)) return fail(QString("could not print on %1.").arg(target));
    return printed();
}
