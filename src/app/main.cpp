#include "app/CN20417App.h"

int main(int argc, char* argv[])
{
    tavelin::CN20417App app(argc, argv);
    if (!app.InitInstance())
        return 1;
    return app.exec();
}
