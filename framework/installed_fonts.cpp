// SPDX-License-Identifier: MIT
#include "framework/installed_fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <unordered_set>

namespace varnel {

QString family_without_foundry(const QString& family) {
    const qsizetype open = family.lastIndexOf(QStringLiteral(" ["));
    if (open <= 0 || !family.endsWith(u']')) return family;
    return family.left(open);
}

std::vector<std::string> installed_font_families() {
    std::vector<std::string> families;
    std::unordered_set<std::string> seen;
    auto add = [&](const QString& name) {
        std::string utf8 = name.toStdString();
        if (seen.insert(utf8).second) families.push_back(std::move(utf8));
    };
    for (const QString& family : QFontDatabase::families()) {
        add(family);
        add(family_without_foundry(family));
    }
    return families;
}

}  // namespace varnel
