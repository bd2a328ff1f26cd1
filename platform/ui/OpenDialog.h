#pragma once
// The open-file dialog as the windows use it: a filter in the
// "Description|pattern|Description|pattern" form, Execute() to ask, FileName
// for the answer. It is shown through execModal(), so tests pick the file.
#include <QString>

class QFileDialog;
class QWidget;

namespace platform {

class TOpenDialog {
public:
    explicit TOpenDialog(QWidget *owner = nullptr) : m_owner(owner) {}

    QString Filter;     // "XML File (*.xml)|*.xml"
    QString Title;      // empty: the system's title
    QString InitialDir; // empty: the current folder
    QString FileName;   // the chosen file after Execute()

    // Asks for an existing file; true when the user chose one.
    bool Execute();

    // The filter in the form the Qt file dialog takes: one "Description
    // (patterns)" line per pair, the patterns separated by blanks.
    static QString qtNameFilters(const QString &filter);

private:
    QWidget *m_owner;
};

} // namespace platform
