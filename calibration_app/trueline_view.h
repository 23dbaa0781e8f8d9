// SPDX-License-Identifier: MIT
// The view of the document. Its draw operation is the calibration page renderer, on the
// screen and on the printer; printing is the framework's path: the printer dialog, then
// one page.
#pragma once

#include <QWidget>

#include <functional>

#include "calibration_app/qt_surface.h"

class CTruelineDoc;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

class CTruelineView : public QWidget {
    Q_OBJECT
public:
    // Lets the user choose the printer; true when the dialog was confirmed. The modal
    // dialog is a seam: tests put their own in its place.
    using PrinterDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
    enum class PrintResult { printed, cancelled, failed };

    explicit CTruelineView(CTruelineDoc& document, QWidget* parent = nullptr);

    CTruelineDoc& document() const { return document_; }

    // The draw operation: the whole page on whatever device the painter draws on.
    void on_draw(QPainter& painter, const varnel::trueline::DeviceInfo& device);

    // The print command: prepare (the printer dialog), then one page. A failure is told
    // to the user in a message box; a cancelled dialog prints nothing.
    PrintResult on_file_print();
    // One page on a printer that is chosen already (the command line's switches): no dialog.
    // A PDF file goes through print_to_file.
    bool print_page(QPrinter& printer);
    // One page as a PDF set up as the printer is, written to the file (named byte for byte)
    // only when whole: 0, the errno of a failed write, or -1 when the page could not be drawn.
    int print_to_file(const QPrinter& printer, const QByteArray& file);

    bool on_prepare_printing(QPrinter& printer);
    void on_begin_printing(QPainter&) {}
    void on_end_printing(QPainter&) {}

    void set_printer_dialog(PrinterDialog dialog) { printer_dialog_ = std::move(dialog); }

    // The platform's printer dialog, for one page.
    static bool show_printer_dialog(QPrinter& printer, QWidget* parent);

protected:
    bool paint_page(QPagedPaintDevice& device);
    void paintEvent(QPaintEvent* event) override;

private:
    CTruelineDoc& document_;
    PrinterDialog printer_dialog_ = &CTruelineView::show_printer_dialog;
};
