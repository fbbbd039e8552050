#pragma once
// ShowMessage: the one way the program shows a message. Behind it a
// MessageService, a QMessageBox in the program and a script in tests.

#include <QString>
#include <deque>
#include <vector>

class QObject;

namespace tavelin {

enum class MessageStyle { Error, YesNo, YesNoCancel, Information };

// Button results, numbered as the platform's message box returns them.
enum MessageButton : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

class MessageService {
public:
    virtual ~MessageService() = default;
    // text is prefix + string; caption is the application title.
    virtual int show(int id, const QString& prefix, const QString& text, MessageStyle style,
                     QObject* owner) = 0;
};

// Loads string `id`; when missing shows nothing and returns 0. Otherwise
// shows prefix + string and returns the button pressed.
int ShowMessage(int id, QObject* owner = nullptr, const QString& prefix = {},
                MessageStyle style = MessageStyle::Error);

// Installs the service (not owned); nullptr restores the default, which
// writes the message to stderr and answers IDOK/IDYES (headless tools).
void SetMessageService(MessageService* service);
MessageService* CurrentMessageService();

// For tests: records every message and answers from a queue (IDOK for an
// error or information box, IDYES for a question when the queue is empty).
class ScriptedMessages : public MessageService {
public:
    struct Record {
        int id;
        QString prefix;
        QString text;
        MessageStyle style;
    };
    ScriptedMessages();  // installs itself
    ~ScriptedMessages() override; // restores the previous service
    int show(int id, const QString& prefix, const QString& text, MessageStyle style,
             QObject* owner) override;

    void queueAnswer(int button) { answers.push_back(button); }
    std::vector<int> ids() const;
    void clear() { records.clear(); }

    std::vector<Record> records;
    std::deque<int> answers;

private:
    MessageService* m_previous;
};

} // namespace tavelin
