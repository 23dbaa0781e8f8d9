// SPDX-License-Identifier: MIT
#include "calibration_app/main_frame.h"

#include <QApplication>
#include <QCloseEvent>

#include "calibration_app/about_dlg.h"
#include "calibration_app/resource_ids.h"
#include "calibration_app/trueline_dlg.h"
#include "calibration_app/trueline_view.h"

namespace {
constexpr QSize kFrameSize{10, 10};
}

CMainFrame::CMainFrame(CTruelineDoc& document, Wizard wizard) : view_(new CTruelineView(document, this)) {
    setCentralWidget(view_);
    resize(kFrameSize);
    if (wizard == Wizard::create) {
        wizard_ = std::make_unique<CTruelineDlg>(this);
        connect(wizard_.get(), &CTruelineDlg::command, this, &CMainFrame::on_command);
        wizard_->show();
    }
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::on_command(int id) {
    switch (id) {
    case varnel::trueline::kIdFilePrint:
        view_->on_file_print();
        return true;
    case varnel::trueline::kIdAppAbout: {
        CAboutDlg about(wizard_ != nullptr ? static_cast<QWidget*>(wizard_.get()) : this);
        about.exec();
        return true;
    }
    default:
        return false;
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (wizard_ != nullptr) wizard_->hide();
    event->accept();
    emit closed();
}
