// SPDX-License-Identifier: MIT
#include "framework/hyperlink.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>

namespace varnel {

namespace {
QString text_of(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr std::string_view kShownWithoutPrefix[] = {"https://", "http://", "mailto:"};
}  // namespace

HyperlinkLabel::HyperlinkLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
    setForegroundRole(QPalette::Link);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
}

void HyperlinkLabel::set_target(const QUrl& target, const QString& tooltip) {
    target_ = target;
    setToolTip(tooltip);
}

bool HyperlinkLabel::open() {
    const bool ok = target_.isValid() && !target_.isEmpty() && QDesktopServices::openUrl(target_);
    emit opened(target_, ok);
    return ok;
}

void HyperlinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    pressed_ = true;
    event->accept();
}

// Opens on release inside the label, so a press dragged away cancels, as with a button.
void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) open();
}

void HyperlinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        open();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

QUrl link_url(std::string_view address) {
    const QString text = text_of(address);
    if (!text.contains(u':') && text.contains(u'@')) return QUrl(QStringLiteral("mailto:") + text);
    return QUrl(text);
}

QString display_address(std::string_view address) {
    for (std::string_view prefix : kShownWithoutPrefix)
        if (address.starts_with(prefix)) return text_of(address.substr(prefix.size()));
    return text_of(address);
}

}  // namespace varnel
