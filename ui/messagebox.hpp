// The program's own message boxes: the copy confirmation and the fatal error
// report. The program shows real, modal boxes; tests hand in a MessageBox that
// answers at once, so that no modal loop ever waits for a user.
#pragma once

#include <QString>
#include <memory>

class QMessageBox;
class QWidget;

namespace morvane {

struct Message {
    enum class Icon { kNone, kError };
    Icon icon;
    QString caption;
    QString text;
};

// "复制成功!" titled "提示", without an icon.
Message CopiedMessage();
// The window could not be made: the program ends.
Message WindowFailedMessage();
// Memory ran out: the program ends.
Message OutOfMemoryMessage();

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows `message` with a single OK button and returns once it is
    // dismissed; until then `parent`'s window, and every other, takes no input.
    virtual void Show(QWidget* parent, const Message& message) = 0;
};

class SystemMessageBox final : public MessageBox {
public:
    void Show(QWidget* parent, const Message& message) override;
};

// The box that SystemMessageBox shows, not yet shown.
std::unique_ptr<QMessageBox> BuildMessageBox(QWidget* parent, const Message& message);

}  // namespace morvane
