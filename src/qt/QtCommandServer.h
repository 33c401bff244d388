#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>
#include <string>

namespace textmend {

// The running program's end of the command socket (posix/InstanceSocket.h):
// a connection brings one request line and gets one answer line, once the core
// has carried the command out. The lines are the core's; this only carries them.
class QtCommandServer {
  public:
    using Answer = std::function<void(const std::string& answerLine)>;
    using Handler = std::function<void(const std::string& requestLine, const Answer& answer)>;

    explicit QtCommandServer(Handler handler);

    // Listens at path for the user alone, after removing a socket a program
    // that crashed left there (the caller found nobody listening). False when
    // it cannot: the program then runs without taking commands.
    bool Listen(const QString& path);

  private:
    void Accept();

    Handler handler_;
    QLocalServer server_;
};

}  // namespace textmend
