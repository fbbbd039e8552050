#pragma once
// The file choosers of the document commands, as Qt file dialogs.

#include "document/CN20417Doc.h"

namespace tavelin {

class FileDialogChooser : public DocumentFileChooser {
public:
    QString chooseOpenPath(QObject* owner, const QString& filter) override;
    QString chooseSavePath(QObject* owner, const QString& suggestedPath, const QString& filter) override;
};

} // namespace tavelin
