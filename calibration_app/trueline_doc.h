// SPDX-License-Identifier: MIT
// The document of the single-document template. The page has no data, so the document
// holds none: it exists because the framework's print path runs through a document's view.
#pragma once

#include <QObject>

class QDataStream;

class CTruelineDoc : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // A new document does only what any new document does: there is nothing to set up.
    bool on_new_document() { return true; }
    // Writes and reads nothing.
    void serialize(QDataStream&) {}
};
