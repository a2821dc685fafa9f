#include "messagebox.hpp"

#include <QMessageBox>

namespace morvane {

using namespace Qt::StringLiterals;

Message CopiedMessage() {
    return {Message::Icon::kNone, u"提示"_s, u"复制成功!"_s};
}

Message WindowFailedMessage() {
    return {Message::Icon::kError, u"Morvane"_s, u"无法创建程序窗口，程序将退出。"_s};
}

Message OutOfMemoryMessage() {
    return {Message::Icon::kError, u"Morvane"_s, u"内存不足，程序将退出。"_s};
}

std::unique_ptr<QMessageBox> BuildMessageBox(QWidget* parent, const Message& message) {
    auto box = std::make_unique<QMessageBox>(
        message.icon == Message::Icon::kError ? QMessageBox::Critical : QMessageBox::NoIcon,
        message.caption, message.text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    // The whole program waits for the answer, not just the window behind it.
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

void SystemMessageBox::Show(QWidget* parent, const Message& message) {
    BuildMessageBox(parent, message)->exec();
}

}  // namespace morvane
