#include "mainwindow.hpp"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTextOption>
#include <new>

#include "commands.hpp"
#include "messagebox.hpp"
#include "program.hpp"

namespace morvane {
namespace {

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

QPoint CentredOnPrimaryScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    // The whole screen, not what panels leave of it.
    return CentredTopLeft(screen != nullptr ? screen->geometry() : QRect(), kWindowOuterSize);
}

QPalette BlackOnWhite(QPalette palette) {
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    // A box without the focus paints its selection in the inactive colours;
    // made the box's own, the selection is hidden until the focus comes back.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    return palette;
}

QPlainTextEdit* MakeBox(const ControlRow& row, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A word longer than the box breaks anywhere rather than scroll sideways.
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(row.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                          : Qt::ScrollBarAlwaysOff);
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    box->setPalette(BlackOnWhite(box->palette()));
    // Set as the box's first text, so that Ctrl+Z can't take it away, with the
    // caret before its first character.
    box->setPlainText(row.text.toString());
    return box;
}

QPushButton* MakeButton(const ControlRow& row, QWidget* parent) {
    auto* button = new QPushButton(row.text.toString(), parent);
    // Enter on a button does nothing; only Space and the mouse click it.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

QPoint CentredTopLeft(const QRect& screen, QSize outer) {
    return {screen.x() + (screen.width() - outer.width()) / 2,
            screen.y() + (screen.height() - outer.height()) / 2};
}

MainWindow::MainWindow(Clipboard& clipboard, MessageBox& messages)
    : QWidget(nullptr, kWindowFlags), clipboard_(clipboard), messages_(messages) {
    setWindowTitle(kWindowCaption.toString());
    // Until the window manager has drawn a frame, the client area is the whole
    // window; FitOuterSize() takes the frame off once it is known.
    setFixedSize(kWindowOuterSize);
    move(CentredOnPrimaryScreen());

    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        QWidget* control = MakeControl(kControls[i]);
        controls_[i] = control;
        if (kControls[i].kind == ControlKind::kTabControl) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, control);
        previous = control;
    }
    for (const CommandRow& command : kCommands) {
        auto* button = static_cast<QPushButton*>(Control(command.button));
        connect(button, &QPushButton::clicked, this, [this, &command] { Run(command); });
    }
    ShowPage(0);
    Box(u"编辑框1")->setFocus();
}

QWidget* MainWindow::MakeControl(const ControlRow& row) {
    QWidget* control = nullptr;
    switch (row.kind) {
        case ControlKind::kTabControl:
            tabs_ = new QTabWidget(this);
            for (const PageRow& page : kPages) tabs_->addTab(new QWidget, page.caption.toString());
            // Never reached by Tab; a click on a tab gives it the focus, and then
            // the arrow keys switch pages.
            tabs_->setFocusPolicy(Qt::NoFocus);
            tabs_->tabBar()->setFocusPolicy(Qt::ClickFocus);
            connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::ShowPage);
            control = tabs_;
            break;
        case ControlKind::kEditBox:
            control = MakeBox(row, tabs_);
            break;
        case ControlKind::kPushButton:
            control = MakeButton(row, tabs_);
            break;
    }
    control->setObjectName(row.name.toString());
    if (!row.accessibleName.isEmpty()) control->setAccessibleName(row.accessibleName.toString());
    if (!row.accessibleDescription.isEmpty()) {
        control->setAccessibleDescription(row.accessibleDescription.toString());
    }
    // The members are children of the tab control itself rather than of its
    // pages, whose top depends on the height of the tab row: so their places
    // are measured from the tab control's corner, as the table gives them.
    control->setGeometry(row.place);
    return control;
}

QWidget* MainWindow::Control(QStringView name) const {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].name == name) return controls_[i];
    }
    return nullptr;
}

QPlainTextEdit* MainWindow::Box(QStringView name) const {
    return qobject_cast<QPlainTextEdit*>(Control(name));
}

void MainWindow::ShowPage(int index) {
    const int page = index + 1;
    // The new page's members appear and take the focus before the old ones
    // go, so that the focus never wanders through a control on its way.
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].page == page) controls_[i]->show();
    }
    for (QStringView member : kPages[static_cast<std::size_t>(index)].members) {
        QWidget* control = Control(member);
        if (control != nullptr && control->isEnabled()) {
            control->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].page != 0 && kControls[i].page != page) controls_[i]->hide();
    }
}

bool MainWindow::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
            FitOuterSize();
            break;
        case QEvent::Paint:
            if (!iconGiven_) {
                iconGiven_ = true;
                QMetaObject::invokeMethod(this, &MainWindow::GiveIcon, Qt::QueuedConnection);
            }
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

void MainWindow::FitOuterSize() {
    // The frame is known only once the window manager has put it around the
    // window, some time after show(): then the client area shrinks by it so
    // that the whole window stays 380 x 250.
    const QRect outer = frameGeometry();
    const QRect client = geometry();
    const QMargins frame(client.left() - outer.left(), client.top() - outer.top(),
                         outer.right() - client.right(), outer.bottom() - client.bottom());
    if (frame == frame_) return;
    frame_ = frame;
    setFixedSize(kWindowOuterSize.shrunkBy(frame));
    // Centred once, with the first frame; afterwards the window stays where
    // the user has put it.
    if (!placedWithFrame_ && !frame.isNull()) {
        placedWithFrame_ = true;
        move(CentredOnPrimaryScreen());
    }
}

void MainWindow::GiveIcon() {
    // Reading the icon files first loads the toolkit's image decoders, a
    // twentieth of the whole start-up, so it waits until the window shows.
    // The application's icon is also that of the message boxes.
    const QIcon icon = ProgramIcon();
    QApplication::setWindowIcon(icon);
    setWindowIcon(icon);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // No control claims Esc, so it arrives here from wherever the focus is.
    if (event->key() == Qt::Key_Escape &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::Run(const CommandRow& command) {
    try {
        RunCommand(command, *this);
    } catch (const std::bad_alloc&) {
        messages_.Show(nullptr, OutOfMemoryMessage());
        QCoreApplication::exit(-1);
    }
}

}  // namespace morvane
