#include "platform/ui/OpenDialog.h"

#include "platform/ui/ModalDialog.h"

#include <QFileDialog>
#include <QStringList>

namespace platform {

QString TOpenDialog::qtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList lines;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        // Qt takes the patterns from the last parentheses of the line, so they
        // are added unless the description already shows exactly them.
        if (!description.endsWith(QStringLiteral("(%1)").arg(patterns)))
            description += QStringLiteral(" (%1)").arg(patterns);
        lines << description;
    }
    return lines.join(QStringLiteral(";;"));
}

bool TOpenDialog::Execute()
{
    QFileDialog dialog(m_owner, Title, InitialDir);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QString filters = qtNameFilters(Filter);
    if (!filters.isEmpty())
        dialog.setNameFilter(filters);
    if (execModal(dialog) != QDialog::Accepted)
        return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return false;
    FileName = chosen.first();
    return true;
}

} // namespace platform
