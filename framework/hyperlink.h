// SPDX-License-Identifier: MIT
// A static text that works as a link: drawn underlined in the link colour with a pointing
// hand, it shows a tooltip and, when clicked (or Space/Enter while it has the focus),
// opens its target with the desktop's default handler: a web address in the browser, a
// "mailto:" address in the mail program. Until it has a target a click does nothing.
#pragma once

#include <QLabel>
#include <QUrl>

#include <string_view>

namespace varnel {

class HyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit HyperlinkLabel(const QString& text = {}, QWidget* parent = nullptr);

    // The address to open and the tooltip shown over the link.
    void set_target(const QUrl& target, const QString& tooltip = {});
    QUrl target() const { return target_; }

    // Opens the target; false when there is none or the desktop could not open it.
    bool open();

signals:
    // After each attempt to open the target.
    void opened(const QUrl& target, bool ok);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QUrl target_;
    bool pressed_ = false;
};

// A web address ("https://...") or a mail address ("mailto:..." or a bare "name@host").
QUrl link_url(std::string_view address);
// How an address reads on screen: without "https://", "http://" or "mailto:".
QString display_address(std::string_view address);

}  // namespace varnel
