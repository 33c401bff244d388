#pragma once

#include <QObject>
#include <cstdint>

#include "ports/ClipboardPort.h"

namespace textmend {

// The desktop's CLIPBOARD selection, plain text only, with the line breaks
// translated between the desktop's LF and the program's CR LF.
class QtClipboard : public ClipboardPort {
  public:
    QtClipboard();
    ~QtClipboard() override;

    std::uint64_t ChangeCount() override { return changes_; }
    void Read(ReadDone done) override;
    void Write(std::string text, WriteDone done) override;

  private:
    QObject context_;
    std::uint64_t changes_ = 0;
};

}  // namespace textmend
