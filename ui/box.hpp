// Reading and writing the whole text of an edit box, as the commands do.
#pragma once

#include <QString>
#include <QStringView>

class QPlainTextEdit;

namespace morvane {

// Exactly the characters the box holds, with each line break as LF. Nothing
// else is touched: no-break spaces stay no-break spaces.
QString ReadBox(const QPlainTextEdit& box);

// Replaces the box's whole text as one edit that Ctrl+Z in the box takes back,
// and puts the caret before the first character, as with a freshly set text.
void WriteBox(QPlainTextEdit& box, const QString& text);

// The length of `text` in bytes in UTF-8, the system's encoding.
qsizetype Utf8Length(QStringView text);

}  // namespace morvane
