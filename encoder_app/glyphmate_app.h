// SPDX-License-Identifier: MIT
// The application object: shows the encoder dialog as the program's main window, modally,
// and ends the program when it closes. Nothing is saved.
#pragma once

#include <QApplication>

namespace varnel::glyphmate {

class CGlyphmateApp : public QApplication {
    Q_OBJECT
public:
    CGlyphmateApp(int& argc, char** argv);

    // Runs the dialog; the program's exit status (the dialog's result is not examined).
    int run();
};

}  // namespace varnel::glyphmate
