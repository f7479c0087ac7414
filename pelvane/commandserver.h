#pragma once

#include <QLocalServer>
#include <QObject>

namespace brevix::pelvane {

// Requests other programs may send a running simulator, as they posted window messages to it:
// each line "MESSAGE [PARAMETER]" on the instance's local socket (see serverName).
enum PelvaneRequest : int {
    kRequestPipeError = 1025,
    kRequestProcessError = 1026,
    kRequestReadPipeError = 1027,
    kRequestFunctionKey = 1029,
    kRequestSerialPortBusy = 56283,
    kRequestQuit = 56540,
};

class CommandServer : public QObject
{
    Q_OBJECT
public:
    explicit CommandServer(QObject *parent = nullptr);
    // "brevix-pelvane-<user id>-<instance>".
    static QString serverName(int instance);
    bool listen(int instance);

signals:
    void requested(int message, qint64 parameter);

private:
    void acceptConnection();

    QLocalServer m_server;
};

} // namespace brevix::pelvane
