#pragma once

#include <string>

#include "engine/StepError.h"

namespace textmend {

// The system clipboard, plain text only. Text is UTF-8 with CR LF (or lone CR)
// line breaks, whatever the platform uses natively. Failures are thrown as StepError.
class ClipboardPort {
  public:
    virtual ~ClipboardPort() = default;
    virtual bool HasText() = 0;
    virtual std::string ReadText() = 0;
    virtual void Empty() = 0;
    virtual void PutText(const std::string& text) = 0;
    // Whether the program that copied the current content marked it secret.
    virtual bool IsSecret() = 0;
};

}  // namespace textmend
