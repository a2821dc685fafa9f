#include "commands.hpp"

#include <QPlainTextEdit>
#include <string>
#include <string_view>

#include "box.hpp"
#include "bridge.hpp"
#include "clipboard.hpp"
#include "mainwindow.hpp"
#include "messagebox.hpp"

namespace morvane {
namespace {

std::u16string_view AsUtf16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

void Convert(const CommandRow& command, MainWindow& window) {
    const std::u16string answer = RunScriptFunction(*command.script, command.function,
                                                    AsUtf16(ReadBox(*window.Box(command.source))));
    WriteBox(*window.Box(command.target),
             QString::fromUtf16(answer.data(), static_cast<qsizetype>(answer.size())));
}

void Copy(const CommandRow& command, MainWindow& window) {
    QPlainTextEdit& box = *window.Box(command.source);
    if (!window.clipboard().PutText(ReadBox(box))) return;
    // One byte or none is copied without a word; anything longer is confirmed.
    if (Utf8Length(ReadBox(box)) > 1) window.messages().Show(&window, CopiedMessage());
}

}  // namespace

void RunCommand(const CommandRow& command, MainWindow& window) {
    switch (command.kind) {
        case CommandKind::kConvert:
            Convert(command, window);
            break;
        case CommandKind::kCopy:
            Copy(command, window);
            break;
        case CommandKind::kClear:
            WriteBox(*window.Box(command.target), QString());
            break;
    }
}

}  // namespace morvane
