#include "platform/Messages.h"

#include "platform/StringTable.h"

#include <QTextStream>

namespace tavelin {
namespace {

// Headless default: the tools and core tests have no windows to show a box
// in, so the message goes to stderr and the safe answer is taken.
class StderrMessages : public MessageService {
public:
    int show(int id, const QString&, const QString& text, MessageStyle style, QObject*) override
    {
        QTextStream err(stderr);
        err << id << ": " << text << Qt::endl;
        return style == MessageStyle::Error || style == MessageStyle::Information ? IDOK : IDYES;
    }
};

StderrMessages g_stderrMessages;
MessageService* g_service = nullptr;

} // namespace

int ShowMessage(int id, QObject* owner, const QString& prefix, MessageStyle style)
{
    const QString text = LoadString(id);
    if (text.isNull())
        return 0;
    return CurrentMessageService()->show(id, prefix, prefix + text, style, owner);
}

void SetMessageService(MessageService* service)
{
    g_service = service;
}

MessageService* CurrentMessageService()
{
    return g_service ? g_service : &g_stderrMessages;
}

ScriptedMessages::ScriptedMessages()
    : m_previous(g_service)
{
    SetMessageService(this);
}

ScriptedMessages::~ScriptedMessages()
{
    SetMessageService(m_previous);
}

int ScriptedMessages::show(int id, const QString& prefix, const QString& text, MessageStyle style,
                           QObject*)
{
    records.push_back({id, prefix, text, style});
    if (!answers.empty()) {
        const int button = answers.front();
        answers.pop_front();
        return button;
    }
    return style == MessageStyle::Error || style == MessageStyle::Information ? IDOK : IDYES;
}

std::vector<int> ScriptedMessages::ids() const
{
    std::vector<int> out;
    out.reserve(records.size());
    for (const Record& r : records)
        out.push_back(r.id);
    return out;
}

} // namespace tavelin
