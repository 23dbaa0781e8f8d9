// SPDX-License-Identifier: MIT
// The application object: it registers the single-document template, processes the command
// line and starts the program: the hidden frame with the wizard, or one page printed from
// the command line without any window.
#pragma once

#include <QString>

#include <memory>
#include <string_view>

#include "calibration_app/command_line.h"

class CMainFrame;
class CTruelineDoc;

namespace varnel::trueline {

// The single-document template of resource 128: its document string joins the document,
// the frame and the view.
struct DocumentTemplate {
    // The fields of the document string, in order; new_file_name is the name new documents take.
    enum Field { window_title, doc_name, new_file_name, filter_name, filter_ext, reg_file_type_id, reg_file_type_name };
    std::string_view doc_string;

    QString field(Field field) const;
};

inline constexpr DocumentTemplate kDocumentTemplate{"Trueline\n\nTruel\n\n\nTrueline.Document\nTruel Document"};

}  // namespace varnel::trueline

class CTruelineApp {
public:
    // Needs the QApplication.
    CTruelineApp();
    ~CTruelineApp();
    CTruelineApp(const CTruelineApp&) = delete;
    CTruelineApp& operator=(const CTruelineApp&) = delete;

    // Runs the program as the command line asks; the exit status.
    int run(const varnel::trueline::CommandLine& command_line);

    // A new, empty document, the frame made hidden and the wizard shown. False when the
    // start failed; the program then ends.
    bool init_instance();
    // --print, --print-to and --pdf: one page, no dialog, no window. Failures are told on
    // standard error in one line; the exit status.
    int print_from_command_line(const varnel::trueline::CommandLine& command_line);

    const varnel::trueline::DocumentTemplate& document_template() const { return varnel::trueline::kDocumentTemplate; }
    CTruelineDoc* document() const { return document_.get(); }
    CMainFrame* main_frame() const { return frame_.get(); }

private:
    void open_new_document(bool with_wizard);

    std::unique_ptr<CTruelineDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
};
