#pragma once
// The program's message service: a QMessageBox with Japanese buttons,
// captioned with the application title.

#include "platform/Messages.h"

namespace tavelin {

class MessageBoxService : public MessageService {
public:
    int show(int id, const QString& prefix, const QString& text, MessageStyle style,
             QObject* owner) override;
};

} // namespace tavelin
