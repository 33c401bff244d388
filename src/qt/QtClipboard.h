#pragma once

#include "ports/ClipboardPort.h"

namespace textmend {

// The desktop's CLIPBOARD selection, plain text only, with the line breaks
// translated between the desktop's LF and the program's CR LF.
class QtClipboard : public ClipboardPort {
  public:
    bool HasText() override;
    std::string ReadText() override;
    void Empty() override;
    void PutText(const std::string& text) override;
    bool IsSecret() override;
};

}  // namespace textmend
