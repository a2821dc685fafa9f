#include "clipboard.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace morvane {

bool SystemClipboard::PutText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    // The toolkit does not say whether that worked. Owning the clipboard
    // afterwards means it did; where the platform keeps no owner, what the
    // clipboard now holds tells.
    if (clipboard->ownsClipboard()) return true;
    const QMimeData* held = clipboard->mimeData(QClipboard::Clipboard);
    return held != nullptr && held->hasText() && held->text() == text;
}

}  // namespace morvane
