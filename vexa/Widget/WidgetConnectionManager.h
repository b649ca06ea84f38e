#pragma once
// The signal connections a widget's slots hang on. When the widget is destroyed they are all cut,
// so that a slot of a destroyed widget is never called, whichever object owns the signal.

#include "orvo/Signals/Connection.h"

#include <vector>

namespace Vexa {

class WidgetConnectionManager {
public:
    WidgetConnectionManager() = default;
    WidgetConnectionManager(const WidgetConnectionManager&) = delete;
    WidgetConnectionManager& operator=(const WidgetConnectionManager&) = delete;
    ~WidgetConnectionManager() { disconnect_all(); }

    // Takes a reference on the connection. Fails `a_connection`.
    void add_connection(Orvo::Connection* a_connection);
    void disconnect_all();
    std::size_t get_count() const noexcept { return m_connections.size(); }

private:
    std::vector<Orvo::Connection*> m_connections;
};

} // namespace Vexa
