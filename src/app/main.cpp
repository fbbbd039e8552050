#include "app/CN20417App.h"
#include "platform/MessageBox.h"
#include "app/Wiring.h"

#include <QApplication>
#include <QImageReader>

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    qapp.setApplicationName(QStringLiteral("Tavelin"));
    qapp.setOrganizationName(QStringLiteral("Orvessa"));
    qapp.setDesktopFileName(QStringLiteral("Orvessa.N20417.Tavelin.V1"));

    // Headless runs (scripted checks) keep the stderr service.
    tavelin::MessageBoxService messageBoxes;
    if (qEnvironmentVariable("TAVELIN_MESSAGES") != QLatin1String("stderr"))
        tavelin::SetMessageService(&messageBoxes);

    // Qt refuses images over 128 MB by default; a large scanned map is a
    // normal background here.
    QImageReader::setAllocationLimit(1024);

    int rc = 1;
    {
        tavelin::CN20417App app;
        tavelin::WireApplication(app);
        if (app.InitInstance(qapp.arguments().mid(1)))
            rc = qapp.exec();
    }
    tavelin::SetMessageService(nullptr);
    return rc;
}
