// SPDX-License-Identifier: MIT
#include "calibration_app/trueline_view.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include "calibration_app/calibration_page.h"
#include "calibration_app/command_line.h"
#include "calibration_app/whole_file.h"

CTruelineView::CTruelineView(CTruelineDoc& document, QWidget* parent) : QWidget(parent), document_(document) {}

void CTruelineView::on_draw(QPainter& painter, const varnel::trueline::DeviceInfo& device) {
    varnel::trueline::QtSurface surface(painter, device);
    varnel::trueline::draw_calibration_page(surface);
}

void CTruelineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    on_draw(painter, varnel::trueline::screen_device(*this));
}

bool CTruelineView::on_prepare_printing(QPrinter& printer) {
    // Over the window the user pressed Print in (the frame itself is never shown).
    return printer_dialog_ && printer_dialog_(printer, QApplication::activeWindow());
}

bool CTruelineView::paint_page(QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    on_begin_printing(painter);
    on_draw(painter, varnel::trueline::printer_device(device));
    on_end_printing(painter);
    return painter.end();
}

namespace {
// The print queue shows the title; a PDF carries both in its document information.
const QString kDocumentTitle = "Trueline printer calibration page";
}  // namespace

bool CTruelineView::print_page(QPrinter& printer) {
    printer.setDocName(kDocumentTitle);
    printer.setCreator(varnel::trueline::version_text());
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return print_to_file(printer, QFile::encodeName(printer.outputFileName())) == 0;
    return paint_page(printer);
}

int CTruelineView::print_to_file(const QPrinter& printer, const QByteArray& file) {
    // Qt's PDF engine does not report a failed write: the file is made in memory, and the
    // writes to the disk are checked here.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setTitle(kDocumentTitle);
        writer.setCreator(varnel::trueline::version_text());
        if (!paint_page(writer)) return -1;
    }
    return varnel::trueline::write_whole_file(file, pdf);
}

CTruelineView::PrintResult CTruelineView::on_file_print() {
    QPrinter printer(QPrinter::HighResolution);
    if (!on_prepare_printing(printer)) return PrintResult::cancelled;
    if (print_page(printer)) return PrintResult::printed;
    QMessageBox::warning(QApplication::activeWindow(), "Trueline",
                         QString("The calibration page could not be printed on %1.")
                             .arg(printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName()));
    return PrintResult::failed;
}

bool CTruelineView::show_printer_dialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    // One page: there is no range or selection to choose.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, 1);
    return dialog.exec() == QDialog::Accepted;
}
