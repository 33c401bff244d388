#include "qt/QtCommandServer.h"

#include <QLocalSocket>
#include <QPointer>
#include <memory>

namespace textmend {
namespace {

// A request is a word; anything longer is no request of this program's.
constexpr qsizetype kLongestRequest = 256;

}  // namespace

QtCommandServer::QtCommandServer(Handler handler) : handler_(std::move(handler)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&server_, &QLocalServer::newConnection, [this] { Accept(); });
}

bool QtCommandServer::Listen(const QString& path) {
    QLocalServer::removeServer(path);
    return server_.listen(path);
}

void QtCommandServer::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, received] {
            if (received->contains('\n')) {
                return;  // one request a connection; the answer is on its way
            }
            received->append(socket->read(kLongestRequest - received->size()));
            if (!received->contains('\n') && received->size() < kLongestRequest) {
                return;
            }
            const QPointer<QLocalSocket> answerTo(socket);
            handler_(received->toStdString(), [answerTo](const std::string& answerLine) {
                if (answerTo) {
                    answerTo->write(answerLine.data(), static_cast<qint64>(answerLine.size()));
                    answerTo->disconnectFromServer();
                }
            });
        });
    }
}

}  // namespace textmend
