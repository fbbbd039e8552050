#include "platform/MessageBox.h"

#include "platform/StringTable.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tavelin {

int MessageBoxService::show(int, const QString&, const QString& text, MessageStyle style,
                            QObject* owner)
{
    QWidget* parent = qobject_cast<QWidget*>(owner);
    if (!parent)
        parent = QApplication::activeWindow();

    QMessageBox box(parent);
    box.setWindowTitle(LoadString(57344));
    box.setText(text);

    struct Button {
        const char16_t* label;
        int result;
        QMessageBox::ButtonRole role;
    };
    std::vector<Button> buttons;
    switch (style) {
    case MessageStyle::Error:
        box.setIcon(QMessageBox::Critical);
        buttons = {{u"OK", IDOK, QMessageBox::AcceptRole}};
        break;
    case MessageStyle::Information:
        box.setIcon(QMessageBox::Information);
        buttons = {{u"OK", IDOK, QMessageBox::AcceptRole}};
        break;
    case MessageStyle::YesNo:
        box.setIcon(QMessageBox::Question);
        buttons = {{u"はい(&Y)", IDYES, QMessageBox::YesRole}, {u"いいえ(&N)", IDNO, QMessageBox::NoRole}};
        break;
    case MessageStyle::YesNoCancel:
        box.setIcon(QMessageBox::Question);
        buttons = {{u"はい(&Y)", IDYES, QMessageBox::YesRole},
                   {u"いいえ(&N)", IDNO, QMessageBox::NoRole},
                   {u"キャンセル", IDCANCEL, QMessageBox::RejectRole}};
        break;
    }
    std::vector<std::pair<QAbstractButton*, int>> made;
    for (const Button& b : buttons)
        made.emplace_back(box.addButton(QString::fromUtf16(b.label), b.role), b.result);
    box.setDefaultButton(static_cast<QPushButton*>(made.front().first));
    // The last button is the box's cancel answer (OK when it is the only one).
    box.setEscapeButton(made.back().first);

    box.exec();
    for (const auto& [button, result] : made)
        if (box.clickedButton() == button)
            return result;
    // Closed by the window frame: the box's cancel answer.
    return made.back().second;
}

} // namespace tavelin
