#include "app/CAboutDlg.h"

#include "platform/StringTable.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tavelin {

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("バージョン情報"));
    setObjectName(QStringLiteral("CAboutDlg"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(QApplication::windowIcon().isNull()
                        ? style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(32, 32)
                        : QApplication::windowIcon().pixmap(32, 32));
    auto* product = new QLabel(QStringLiteral("Tavelin（タベリン） 経路地図エディタ  Version 1.0"), this);
    product->setObjectName(QStringLiteral("product"));

    auto* history = new QPlainTextEdit(this);
    history->setObjectName(QStringLiteral("history"));
    history->setReadOnly(true);
    history->setPlainText(HistoryText());
    history->setMinimumSize(420, 160);

    auto* ok = new QPushButton(QStringLiteral("確認(&Y)"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(product, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(history, 1);
    layout->addLayout(bottom);
}

QString CAboutDlg::HistoryText()
{
    QString text;
    for (int id = 30209; id >= 30200; --id)
        text += LoadString(id) + u'\n';
    return text;
}

} // namespace tavelin
