#include "breakscreen/BreakWindowController.h"

BreakWindowController::BreakWindowController(QObject *parent)
    : QObject(parent)
{
}
