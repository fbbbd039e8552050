#include "editors/ImageFileChooser.h"

#include <QFileDialog>
#include <QStringList>

namespace tavelin
{

QString QtNameFilters(const QString& platformFilter)
{
    const QStringList parts = platformFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString text = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed();
        if (text.isEmpty() && patterns.isEmpty())
            break; // the closing "||"
        QStringList globs = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& glob : globs)
            glob = glob.trimmed();
        filters << text + QStringLiteral(" (") + globs.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString DialogImageFileChooser::chooseImageFile(QWidget* owner, const QString& title,
                                                const QString& filter)
{
    return QFileDialog::getOpenFileName(owner, title, QString(), QtNameFilters(filter));
}

} // namespace tavelin
