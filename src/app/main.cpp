#include "app/LumenpauseApp.h"

int main(int argc, char **argv)
{
    LumenpauseApp app(argc, argv);
    return app.exec();
}
