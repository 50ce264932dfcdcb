#pragma once

#include <QObject>

#include <initializer_list>

class QSocketNotifier;

// Turns Unix signals (SIGTERM, SIGINT, SIGHUP) into a Qt signal on the main thread. The handler
// only writes the signal number to a pipe; everything else runs in the event loop.
class UnixSignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit UnixSignalWatcher(std::initializer_list<int> signalNumbers, QObject *parent = nullptr);
    ~UnixSignalWatcher() override;

signals:
    void signalReceived(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};
