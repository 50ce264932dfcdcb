#pragma once

#include <QtGlobal>

// Sends Qt's own messages (qWarning() and the like, from Qt itself or from us) through the
// structured log, so that they reach the journal with everything else instead of a terminal
// nobody reads. The category is Qt's ("qt.qpa.xcb"), or "Qt" for uncategorised messages.
// Returns the handler that was installed before.
QtMessageHandler routeQtMessagesToLog();
