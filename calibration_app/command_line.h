// SPDX-License-Identifier: MIT
// Trueline's command line: what the program is asked to do before any window exists.
// No arguments open the wizard; the print switches print the page and end without a window.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

namespace varnel::trueline {

struct CommandLine {
    enum class Action { open_wizard, print_default, print_to, write_pdf, show_help, show_version, fail };
    Action action = Action::open_wizard;
    QString argument;  // print_to: the printer's name; write_pdf: the file, to tell; fail: the message
    QByteArray file;   // write_pdf: the file's name as given, byte for byte
};

// arguments as the program got them, its own path first: bytes, since a file's name need
// not be text in the user's encoding.
CommandLine parse_command_line(const QByteArrayList& arguments);

// The --help text, for the program named as in arguments.
QString help_text(const QByteArrayList& arguments);
QString version_text();

}  // namespace varnel::trueline
