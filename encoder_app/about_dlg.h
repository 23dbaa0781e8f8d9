// SPDX-License-Identifier: MIT
// The About box: program icon, version, the maker's notice and a link to the font page.
#pragma once

#include <QDialog>

#include "framework/dialog_template.h"

namespace varnel::glyphmate {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

private:
    varnel::DialogControls controls_;
};

}  // namespace varnel::glyphmate
