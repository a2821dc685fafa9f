// Where the copy commands put text. The program uses the desktop's clipboard;
// tests hand in one that can refuse.
#pragma once

#include <QString>

namespace morvane {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Puts `text` on the clipboard as plain text. False when it did not get
    // there, for instance because another program would not let go of it.
    virtual bool PutText(const QString& text) = 0;
};

class SystemClipboard final : public Clipboard {
public:
    bool PutText(const QString& text) override;
};

}  // namespace morvane
