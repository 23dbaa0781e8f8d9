// SPDX-License-Identifier: MIT
#include "calibration_app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <memory>

namespace varnel::trueline {

namespace {

// The parser and its options; help, version and the print switches, nothing else.
struct Options {
    QCommandLineParser parser;
    QCommandLineOption help{{"h", "help"}, "Show this help and exit."};
    QCommandLineOption version{{"v", "version"}, "Show the version and exit."};
    QCommandLineOption print{"print", "Print the calibration page on the default printer, then exit."};
    QCommandLineOption print_to{"print-to", "Print the calibration page on the printer NAME, then exit.", "NAME"};
    QCommandLineOption pdf{"pdf", "Write the calibration page to FILE as a one-page PDF at 1200 dpi, then exit.",
                           "FILE"};

    Options() {
        parser.setApplicationDescription(
            "Prints the Varnel MICR calibration page. Without options it opens the Trueline wizard.");
        for (const QCommandLineOption* option : {&help, &version, &print, &print_to, &pdf}) parser.addOption(*option);
    }
};

// The parser reads each byte as one character, so that a value gives back the bytes it came
// from; what is shown to the user is decoded as text.
QString text(const QString& bytes) { return QString::fromLocal8Bit(bytes.toLatin1()); }

}  // namespace

CommandLine parse_command_line(const QByteArrayList& arguments) {
    QStringList latin1;
    for (const QByteArray& a : arguments) latin1 << QString::fromLatin1(a);
    Options o;
    if (!o.parser.parse(latin1)) return {CommandLine::Action::fail, text(o.parser.errorText()), {}};
    if (!o.parser.positionalArguments().isEmpty())
        return {CommandLine::Action::fail,
                QString("Unexpected argument '%1'.").arg(text(o.parser.positionalArguments().first())), {}};
    if (o.parser.isSet(o.help)) return {CommandLine::Action::show_help, {}};
    if (o.parser.isSet(o.version)) return {CommandLine::Action::show_version, {}};

    const int switches = int(o.parser.isSet(o.print)) + int(o.parser.isSet(o.print_to)) + int(o.parser.isSet(o.pdf));
    if (switches > 1 || o.parser.values(o.print_to).size() > 1 || o.parser.values(o.pdf).size() > 1)
        return {CommandLine::Action::fail, "Give only one of --print, --print-to and --pdf, once."};
    if (o.parser.isSet(o.print)) return {CommandLine::Action::print_default, {}};
    if (o.parser.isSet(o.print_to)) {
        const QString name = text(o.parser.value(o.print_to));
        if (name.isEmpty()) return {CommandLine::Action::fail, "--print-to needs a printer name."};
        return {CommandLine::Action::print_to, name};
    }
    if (o.parser.isSet(o.pdf)) {
        const QString file = o.parser.value(o.pdf);
        if (file.isEmpty()) return {CommandLine::Action::fail, "--pdf needs a file name."};
        return {CommandLine::Action::write_pdf, text(file), file.toLatin1()};
    }
    return {};
}

QString help_text(const QByteArrayList& arguments) {
    Options o;
    // The parser would name the program after an application object, which help does not
    // need: the usage line is written here.
    const QString help = o.parser.helpText();
    const QString name =
        arguments.isEmpty() ? QString("trueline") : QFileInfo(QFile::decodeName(arguments.first())).fileName();
    return QString("Usage: %1 [options]\n").arg(name) + help.mid(help.indexOf(u'\n') + 1);
}

QString version_text() { return "Trueline Version 1.0"; }

}  // namespace varnel::trueline
