#include "core/AppNotifier.h"

AppNotifier::AppNotifier(QObject *parent)
    : QObject(parent)
{
}

AppNotifier &AppNotifier::instance()
{
    static AppNotifier *notifier = new AppNotifier; // outlives every connection made to it
    return *notifier;
}
