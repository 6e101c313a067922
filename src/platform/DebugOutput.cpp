#include "platform/DebugOutput.h"

#include <QLoggingCategory>
#include <QString>

// Debug messages of this category are off unless the developer turns them on,
// so the extractor's chatter costs nothing in normal use.
Q_LOGGING_CATEGORY(panelvueDebug, "panelvue", QtInfoMsg)

void DebugOutput(std::string_view text) {
    if (!panelvueDebug().isDebugEnabled()) return;
    // The text goes out as it came (a chunk of child output may end anywhere,
    // even inside a line); the logger frames each message on its own line.
    qCDebug(panelvueDebug).noquote()
        << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
