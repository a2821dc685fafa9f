// The one window: a tab control with two pages, three edit boxes and eight
// buttons, all made from the tables in controls.hpp and commands.hpp.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringView>
#include <QWidget>
#include <array>

#include "controls.hpp"

class QPlainTextEdit;
class QTabWidget;

namespace morvane {

class Clipboard;
class MessageBox;
struct CommandRow;

// Where a window of `outer` size goes to sit in the middle of `screen`, with
// the fractions dropped toward zero as C++ integer division does.
QPoint CentredTopLeft(const QRect& screen, QSize outer);

class MainWindow : public QWidget {
    Q_OBJECT

public:
    // The copy commands use `clipboard` and confirm through `messages`; both
    // must outlive the window.
    MainWindow(Clipboard& clipboard, MessageBox& messages);

    // The edit box of that name (编辑框1 ...), or nullptr.
    QPlainTextEdit* Box(QStringView name) const;
    Clipboard& clipboard() const { return clipboard_; }
    MessageBox& messages() const { return messages_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* Control(QStringView name) const;
    QWidget* MakeControl(const ControlRow& row);
    void ShowPage(int index);
    void FitOuterSize();
    void Run(const CommandRow& command);
    void GiveIcon();

    Clipboard& clipboard_;
    MessageBox& messages_;
    QTabWidget* tabs_ = nullptr;
    std::array<QWidget*, kControls.size()> controls_{};
    // The window manager's frame as last seen; none until it has drawn one.
    QMargins frame_;
    bool placedWithFrame_ = false;
    bool iconGiven_ = false;
};

}  // namespace morvane
