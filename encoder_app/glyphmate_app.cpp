// SPDX-License-Identifier: MIT
#include "encoder_app/glyphmate_app.h"

#include "encoder_app/glyphmate_dlg.h"

namespace varnel::glyphmate {

CGlyphmateApp::CGlyphmateApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Glyphmate"));
    setApplicationVersion(QStringLiteral("1.0"));
    setOrganizationName(QStringLiteral("Varnel"));
    setDesktopFileName(QStringLiteral("example.varnel.Glyphmate"));  // the desktop entry and icon carry this id
}

int CGlyphmateApp::run() {
    CGlyphmateDlg dialog;
    dialog.exec();
    return 0;
}

}  // namespace varnel::glyphmate
