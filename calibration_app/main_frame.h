// SPDX-License-Identifier: MIT
// The main frame: it holds the view and the wizard and routes their commands, but is
// never seen itself: it is made 10 by 10 pixels and stays hidden, so the wizard is the only
// window the user meets. Its toolbar and status bar are left out: nobody would see them.
#pragma once

#include <QMainWindow>

#include <memory>

class CTruelineDlg;
class CTruelineDoc;
class CTruelineView;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    enum class Wizard { create, none };  // none: printing from the command line, no window at all

    CMainFrame(CTruelineDoc& document, Wizard wizard);
    ~CMainFrame() override;

    CTruelineView& view() const { return *view_; }
    CTruelineDlg* wizard() const { return wizard_.get(); }

    // The framework's command routing: the print command to the view, About to the
    // application's about box. False for a command nobody handles.
    bool on_command(int id);

signals:
    // The frame was closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CTruelineView* view_;                  // the central widget, owned by the frame
    std::unique_ptr<CTruelineDlg> wizard_;  // modeless, the frame its parent
};
