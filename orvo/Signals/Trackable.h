#pragma once
// A mixin base for receivers whose connections must die with them: derive from it (usually as a
// second base beside the widget base) and every connection whose slot calls into the object is
// disconnected when the object is destroyed, so the signal never calls a dead receiver.

#include "orvo/Signals/Connection.h"

namespace Orvo {

class Trackable {
public:
    Trackable() = default;
    // A copy is a new receiver: the connections stay with the original.
    Trackable(const Trackable&) noexcept {}
    Trackable& operator=(const Trackable&) noexcept { return *this; }
    virtual ~Trackable();

    const ConnectionPointerList& get_connections() const noexcept { return m_connections; }

private:
    friend class Connection;

    ConnectionPointerList m_connections;
};

} // namespace Orvo
