#include "app/LumenpauseApp.h"
#include "platform/linux/ProcessEnd.h"

int main(int argc, char **argv)
{
    int status = 0;
    {
        LumenpauseApp app(argc, argv);
        status = app.exec();
    }
    endProcess(status);
}
