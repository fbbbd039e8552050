#include "app/CN20417App.h"
#include "app/MessageBox.h"

#include <QApplication>

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

    int rc = 1;
    {
        tavelin::CN20417App app;
        if (app.InitInstance(qapp.arguments().mid(1)))
            rc = qapp.exec();
    }
    tavelin::SetMessageService(nullptr);
    return rc;
}
