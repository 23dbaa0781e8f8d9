// Trueline's command line: what the program is asked to do before any window exists.
// No arguments open the wizard; the print switches print the page and end without a window.
#pragma once

#include <QString>
#include <QStringList>

namespace trueline {

struct CommandLine {
    enum class Action { open_wizard, print_default, print_to, write_pdf, show_help, show_version, fail };
    Action action = Action::open_wizard;
    QString argument;  // print_to: the printer's name; write_pdf: the file; fail: the message
};

// arguments as the program got them, its own path first.
CommandLine parse_command_line(const QStringList& arguments);

// The --help text, for the program named as in arguments.
QString help_text(const QStringList& arguments);
QString version_text();

}  // namespace trueline
