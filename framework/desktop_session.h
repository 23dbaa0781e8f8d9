// SPDX-License-Identifier: MIT
// Starting a windowed program. Without a desktop session, Qt's X11 platform ends the program
// from inside QApplication's constructor with an abort and a core dump; here the program
// says so in one line instead and ends with status 1.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace varnel {

// Whether the platforms Qt will try can work here: X11 and Wayland need their display
// named; any other (offscreen, a frame buffer, VNC) is the user's choice and trusted. A
// -platform option wins over QT_QPA_PLATFORM, as in Qt.
inline bool desktop_session_named(int argc, char** argv) {
    QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) platforms = argv[i + 1];
    if (platforms.isEmpty()) platforms = "wayland;xcb";  // what Qt tries when none is named
    for (const QByteArray& entry : platforms.split(';')) {
        const qsizetype colon = entry.indexOf(':');  // the platform's options follow a colon
        const QByteArray name = colon < 0 ? entry : entry.first(colon);
        if (name == "xcb") {
            if (!qEnvironmentVariableIsEmpty("DISPLAY")) return true;
        } else if (name.startsWith("wayland")) {
            if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return true;
        } else if (!name.isEmpty()) {
            return true;
        }
    }
    return false;
}

namespace detail {

inline const char* starting_program = "";
inline QByteArray held_messages;

// While the application object is made: a fatal message is the platform failing to reach
// the display it was given; the rest waits until it is known whether the program starts.
inline void hold_message(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s: this program needs a desktop session, and its display could not be reached.\n",
                     starting_program);
        std::_Exit(1);
    }
    held_messages += qFormatLogMessage(type, context, message).toLocal8Bit() + '\n';
}

}  // namespace detail

// The application object of a windowed program, made as App(argc, argv); none when there is
// no desktop session, which has then been told on standard error.
template <class App>
std::unique_ptr<App> start_desktop_program(const char* program, int& argc, char** argv) {
    if (!desktop_session_named(argc, argv)) {
        std::fprintf(stderr, "%s: this program needs a desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set).\n",
                     program);
        return nullptr;
    }
    detail::starting_program = program;
    const QtMessageHandler previous = qInstallMessageHandler(detail::hold_message);
    auto app = std::make_unique<App>(argc, argv);
    qInstallMessageHandler(previous);
    std::fputs(detail::held_messages.constData(), stderr);
    detail::held_messages.clear();
    return app;
}

}  // namespace varnel
