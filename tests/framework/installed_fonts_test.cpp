// SPDX-License-Identifier: MIT
#include "framework/installed_fonts.h"

#include <QFontDatabase>
#include <QTemporaryDir>

#include <algorithm>
#include <gtest/gtest.h>

#include "framework/qt_application.h"
#include "framework/renamed_font.h"

namespace {

using namespace varnel;

bool lists(const std::vector<std::string>& families, const std::string& name) {
    return std::find(families.begin(), families.end(), name) != families.end();
}

TEST(InstalledFonts, ListsTheSystemFamiliesOnce) {
    const std::vector<std::string> families = installed_font_families();
    EXPECT_TRUE(lists(families, "DejaVu Sans"));
    std::vector<std::string> sorted = families;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
}

TEST(InstalledFonts, IncludesFontsAddedToTheApplication) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::string problem;
    const QString file = test::make_renamed_font(QStringLiteral("VNL Listed Test"), QDir(dir.path()), problem);
    ASSERT_FALSE(file.isEmpty()) << problem;
    EXPECT_FALSE(lists(installed_font_families(), "VNL Listed Test"));
    const int id = QFontDatabase::addApplicationFont(file);
    ASSERT_GE(id, 0);
    EXPECT_TRUE(lists(installed_font_families(), "VNL Listed Test"));
    QFontDatabase::removeApplicationFont(id);
}

TEST(FamilyWithoutFoundry, DropsOnlyAFoundrySuffix) {
    struct Row {
        const char* family;
        const char* expected;
    };
    const Row rows[] = {
        {"Courier [Adobe]", "Courier"},
        {"VNL Code39MA", "VNL Code39MA"},
        {"Odd [name", "Odd [name"},
        {"[Bracketed]", "[Bracketed]"},
    };
    for (const Row& r : rows) EXPECT_EQ(family_without_foundry(r.family), r.expected) << r.family;
}

}  // namespace
