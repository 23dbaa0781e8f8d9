// SPDX-License-Identifier: MIT
// glyphmate: the encoder program.
#include "encoder_app/glyphmate_app.h"
#include "framework/desktop_session.h"

int main(int argc, char** argv) {
    const auto app = varnel::start_desktop_program<varnel::glyphmate::CGlyphmateApp>("glyphmate", argc, argv);
    return app ? app->run() : 1;
}
