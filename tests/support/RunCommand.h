#pragma once

#include <QString>
#include <QStringList>

enum class EventLoopWhileRunning {
    Turns,   // socket notifiers of the code under test are served meanwhile
    Blocked, // as when the main thread is busy: nothing is read until the test reads
};

// Runs a program to its end. Returns the failure, empty when the program started and
// exited with 0 within the deadline.
QString runCommand(const QString &program, const QStringList &arguments,
                   EventLoopWhileRunning eventLoop = EventLoopWhileRunning::Turns);
