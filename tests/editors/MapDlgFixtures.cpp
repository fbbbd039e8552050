#include "MapDlgFixtures.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

namespace tavelin::test
{

QString ScriptedChooser::chooseImageFile(QWidget*, const QString& chosenTitle,
                                         const QString& chosenFilter)
{
    ++calls;
    title = chosenTitle;
    filter = chosenFilter;
    return paths.isEmpty() ? QString() : paths.takeFirst();
}

QImage CornerImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(GroundColour);
    image.setPixel(0, 0, NorthWestColour);
    image.setPixel(width - 1, 0, NorthEastColour);
    image.setPixel(0, height - 1, SouthWestColour);
    image.setPixel(width - 1, height - 1, SouthEastColour);
    return image;
}

PicturePtr PngPicture(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::make_shared<Picture>(bytes);
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void TypeAndLeave(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
}

void WhenModal(const char* className, std::function<void(QWidget*)> action)
{
    // Polls, since the dialog appears only once exec() has shown it.
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, className, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->inherits(className)) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        } else if (++*tries > 500) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal " << className << " appeared";
            if (modal)
                modal->close();
        }
    });
    timer->start();
}

} // namespace tavelin::test
