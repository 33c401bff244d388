#pragma once

// The bindings of each kind of native control (see ControlBinding.h).

#include <memory>

#include "win32/ControlBinding.h"

namespace textmend {

// Option buttons, check boxes, command buttons and frames.
std::unique_ptr<ControlBinding> MakeButtonBinding(const ControlDef& def);
// Text boxes and labels.
std::unique_ptr<ControlBinding> MakeTextBinding(const ControlDef& def);
// Key boxes.
std::unique_ptr<ControlBinding> MakeHotkeyBinding(const ControlDef& def);
// Picture boxes.
std::unique_ptr<ControlBinding> MakePictureBinding(const ControlDef& def);

}  // namespace textmend
