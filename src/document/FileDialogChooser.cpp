#include "document/FileDialogChooser.h"

#include <QFileDialog>

namespace tavelin {

QString FileDialogChooser::chooseOpenPath(QObject* owner, const QString& filter)
{
    return QFileDialog::getOpenFileName(qobject_cast<QWidget*>(owner), QString(), QString(), filter);
}

QString FileDialogChooser::chooseSavePath(QObject* owner, const QString& suggestedPath, const QString& filter)
{
    QFileDialog dialog(qobject_cast<QWidget*>(owner), QString(), suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("tvn"));
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace tavelin
