#pragma once

#include "startup/MessageSink.h"

namespace zem {

// Shows every message as a modal message box over the active window: the icon, the buttons and the default
// button the message asks for (the Spanish texts of the buttons come from Qt's Spanish translation).
class MessageBoxSink : public MessageSink {
public:
    MsgAnswer show(const Message& message) override;
};

}  // namespace zem
