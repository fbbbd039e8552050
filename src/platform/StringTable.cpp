#include "platform/StringTable.h"

#include <QFile>
#include <map>

namespace tavelin {
namespace {

QString Unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar n = text[++i];
            if (n == u'n')
                out += u'\n';
            else if (n == u't')
                out += u'\t';
            else if (n == u'r')
                out += u'\r';
            else
                out += n;
        } else {
            out += c;
        }
    }
    return out;
}

const std::map<int, QString>& Table()
{
    // Read once: the table is part of the program, not a setting.
    static const std::map<int, QString> table = [] {
        std::map<int, QString> t;
        QFile file(QStringLiteral(":/tavelin/strings.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return t;
        const QString all = QString::fromUtf8(file.readAll());
        for (QStringView line : QStringView(all).split(u'\n')) {
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const qsizetype tab = line.indexOf(u'\t');
            if (tab <= 0)
                continue;
            bool ok = false;
            const int id = line.left(tab).toInt(&ok);
            if (ok)
                t[id] = Unescape(line.mid(tab + 1));
        }
        return t;
    }();
    return table;
}

} // namespace

QString LoadString(int id)
{
    const auto& table = Table();
    const auto it = table.find(id);
    return it == table.end() ? QString() : it->second;
}

std::vector<std::pair<int, QString>> AllStrings()
{
    const auto& table = Table();
    return {table.begin(), table.end()};
}

} // namespace tavelin
