// glyphmate: the encoder program.
#include "encoder_app/glyphmate_app.h"

int main(int argc, char** argv) {
    glyphmate::CGlyphmateApp app(argc, argv);
    return app.run();
}
