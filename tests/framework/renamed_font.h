// SPDX-License-Identifier: MIT
// A real font under a family name of the test's choosing: a copy of DejaVu Sans whose name
// table fontTools rewrites, so tests can "install" e.g. a "VNL Code39MA" family with
// QFontDatabase::addApplicationFont.
#pragma once

#include <QDir>
#include <QString>

#include <string>

#include "process.h"

namespace test {

inline constexpr char kRenameFont[] = R"(
import sys
from fontTools.ttLib import TTFont
source, family, target = sys.argv[1:4]
font = TTFont(source)
names = font["name"]
for record in list(names.names):
    if record.nameID in (16, 17, 21, 22):
        names.removeNames(nameID=record.nameID)
for record in names.names:
    if record.nameID in (1, 4):
        record.string = family
    elif record.nameID == 6:
        record.string = family.replace(" ", "")
font.save(target)
)";

// Writes the renamed copy into `dir`; its path, or an empty string with `problem` set.
inline QString make_renamed_font(const QString& family, const QDir& dir, std::string& problem) {
    const ProcessResult match = run_process({"/usr/bin/env", "fc-match", "-f", "%{file}", "DejaVu Sans"});
    if (match.exit_code != 0 || match.out.empty()) {
        problem = "fc-match found no DejaVu Sans: " + match.err;
        return {};
    }
    const QString target = dir.filePath(QString(family).remove(u' ') + QStringLiteral(".ttf"));
    // Debian's interpreter, the one python3-fonttools installs into.
    const ProcessResult rename =
        run_process({"/usr/bin/python3", "-c", kRenameFont, match.out, family.toStdString(), target.toStdString()});
    if (rename.exit_code != 0) {
        problem = "fontTools could not rename the font: " + rename.err;
        return {};
    }
    return target;
}

}  // namespace test
