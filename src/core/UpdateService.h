#pragma once

#include "core/UpdateCheckResult.h"

#include <QObject>

// Checks, on the user's request, whether a newer version exists. Services that really
// check report the outcome through checkFinished; one that does nothing reports nothing.
class UpdateService : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~UpdateService() override = default;

    virtual void checkForUpdates() = 0;

signals:
    void checkFinished(const UpdateCheckResult &result);
};
