// SPDX-License-Identifier: MIT
// Trueline: prints the MICR calibration page from its wizard, or from the command line.
#include <QApplication>
#include <QByteArrayList>
#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "calibration_app/command_line.h"
#include "calibration_app/trueline_app.h"
#include "framework/desktop_session.h"

namespace {

// Printing from the command line reports in one line of its own; Qt's warnings (about the
// session it runs without, a painter that could not start) would only bury it.
void keep_serious_messages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Help and version: a text the output did not take whole is a failure, not a success.
int show(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
            static_cast<std::size_t>(bytes.size()) &&
        std::fflush(stdout) == 0)
        return 0;
    std::fprintf(stderr, "trueline: could not write to standard output: %s.\n", std::strerror(errno));
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QByteArrayList arguments;
    for (int i = 0; i < argc; ++i) arguments << QByteArray(argv[i]);
    const varnel::trueline::CommandLine command_line = varnel::trueline::parse_command_line(arguments);

    using Action = varnel::trueline::CommandLine::Action;
    switch (command_line.action) {
    case Action::fail:
        std::fprintf(stderr, "trueline: %s\n", qPrintable(command_line.argument));
        return 2;
    case Action::show_help:
        return show(varnel::trueline::help_text(arguments));
    case Action::show_version:
        return show(varnel::trueline::version_text() + '\n');
    default:
        break;
    }

    // Qt gets no options of the user's: they were all ours. Printing from the command line
    // needs no windowing system, so it runs without one and no window can ever appear.
    static char platform_option[] = "-platform", offscreen[] = "offscreen";
    std::vector<char*> qt_arguments{argv[0]};
    const bool wizard = command_line.action == Action::open_wizard;
    if (!wizard) {
        qt_arguments.insert(qt_arguments.end(), {platform_option, offscreen});
        qInstallMessageHandler(keep_serious_messages);
    }
    int qt_count = static_cast<int>(qt_arguments.size());
    qt_arguments.push_back(nullptr);
    const auto qt = wizard ? varnel::start_desktop_program<QApplication>("trueline", qt_count, qt_arguments.data())
                           : std::make_unique<QApplication>(qt_count, qt_arguments.data());
    if (!qt) return 1;

    CTruelineApp app;
    return app.run(command_line);
}
