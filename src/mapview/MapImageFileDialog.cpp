#include "mapview/MapImageFileDialog.h"

#include <QFileDialog>

namespace tavelin
{

QString MapImageFileDialog::chooseMapImagePath(QObject* owner, const QString& defaultName)
{
    QFileDialog dialog(qobject_cast<QWidget*>(owner), QStringLiteral("保存するファイルを指定"),
                       QString(), QStringLiteral("Jpeg File (*.jpeg)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("jpeg"));
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!defaultName.isEmpty())
        dialog.selectFile(defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace tavelin
