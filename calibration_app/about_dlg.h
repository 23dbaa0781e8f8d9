// SPDX-License-Identifier: MIT
// The about box: version, the maker's line and the licence, and the maker's home page, support address and
// telephone.
#pragma once

#include <QDialog>

#include "framework/dialog_template.h"

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    const varnel::DialogControls& controls() const { return controls_; }

private:
    void on_init_dialog();

    varnel::DialogControls controls_;
};
