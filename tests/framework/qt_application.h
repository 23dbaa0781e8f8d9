// SPDX-License-Identifier: MIT
// One QApplication for a whole test program, made before the first test and removed after
// the last (include this header in any test file that needs widgets). The tests run on the
// offscreen platform that CTest sets through QT_QPA_PLATFORM.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace test {

class QtApplication : public testing::Environment {
public:
    void SetUp() override { app_ = new QApplication(argc_, argv_); }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    inline static char name_[] = "varnel-tests";
    inline static char* argv_[] = {name_, nullptr};
    inline static int argc_ = 1;
    QApplication* app_ = nullptr;
};

// Runs the event loop until the condition holds or the time is up; whether it holds.
// Buttons pressed by a mnemonic click on a short timer, for instance.
template <class Condition>
bool wait_until(Condition condition, int milliseconds = 2000) {
    QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QTest::qWait(10);
    }
    return true;
}

// Types text into the widget key by key; characters QTest has no key for arrive as key
// events that carry only their text, as an input method delivers them.
inline void type_text(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(c));
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

inline testing::Environment* const kQtApplication = testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace test
