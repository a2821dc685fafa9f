#include "box.hpp"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace morvane {

QString ReadBox(const QPlainTextEdit& box) {
    // toPlainText() would also turn no-break spaces into plain ones, which a
    // conversion would then treat as word breaks and write back for good. The
    // raw text separates lines with U+2029 (Enter) or U+2028 (Shift+Enter).
    QString text = box.document()->toRawText();
    std::replace_if(
        text.begin(), text.end(),
        [](QChar c) { return c == QChar::ParagraphSeparator || c == QChar::LineSeparator; },
        QChar(u'\n'));
    return text;
}

void WriteBox(QPlainTextEdit& box, const QString& text) {
    // setPlainText() would forget the undo history, so that one click could
    // destroy what the user typed with no way back.
    QTextCursor cursor(box.document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    if (text.isEmpty()) {
        cursor.removeSelectedText();
    } else {
        cursor.insertText(text);
    }
    cursor.endEditBlock();
    box.moveCursor(QTextCursor::Start);
}

qsizetype Utf8Length(QStringView text) {
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            bytes += 1;
        } else if (c < 0x800) {
            bytes += 2;
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   QChar::isLowSurrogate(text[i + 1].unicode())) {
            bytes += 4;
            ++i;
        } else {
            // A lone surrogate is written as U+FFFD, three bytes like the rest.
            bytes += 3;
        }
    }
    return bytes;
}

}  // namespace morvane
