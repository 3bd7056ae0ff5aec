#pragma once

#include <QString>

// One attempt to place plain text on the clipboard; reports whether it took.
class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    virtual bool trySetText(const QString& text) = 0;
};

// The system clipboard: an attempt took when the clipboard reads back the same text.
class QtClipboard : public ClipboardPort {
public:
    bool trySetText(const QString& text) override;
};
