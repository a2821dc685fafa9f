// The window as a user meets it: its controls, the focus and the keys, driven
// through real widgets found by their names.
#include "mainwindow.hpp"

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QWindow>
#include <new>

#include "fakes.hpp"
#include "messagebox.hpp"
#include "program.hpp"

using morvane::CentredTopLeft;
using morvane::MainWindow;
using morvane::Message;
using morvane::testing::Desk;
using morvane::testing::RecordingMessageBox;

namespace {

const QString kInitialWords = QStringLiteral("工具简介:\n通过本工具可以实现人民币数字大写转换");
const QString kInitialEnglish = QStringLiteral(
    "工具简介:"
    "\n可以实现单词、段落、语句以及文章的英文大小写转换，可以将大写字母全部转换成小写字母，"
    "也可以将小写字母全部转换为大写字母，还可以实现首字母大写转换。");

// The name of the control that has the focus, or of its nearest named parent.
QString Focused() {
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
        if (!w->objectName().isEmpty()) return w->objectName();
    }
    return {};
}

void PressIn(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(widget, key, modifiers);
}

}  // namespace

class MainWindowTest : public morvane::testing::DeskTest {
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void tabControl();
    void window();
    void centred_data();
    void centred();
    void startFocus();
    void tabCycle_data();
    void tabCycle();
    void pageSwitchMovesFocus();
    void tabBarTakesFocusOnlyByClick();
    void textsSurvivePageSwitches();
    void reactivationRestoresFocus();
    void keys();
    void escapeEndsProgram_data();
    void escapeEndsProgram();
    void windowFailureIsFatal();
    void boxesWrapAndScroll_data();
    void boxesWrapAndScroll();
    void boxesStayBlackOnWhite();
    void selectionHiddenWithoutFocus();
    void toolkitTextsInChinese();
    void captionsFit();
};

void MainWindowTest::controls_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("page");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");

    QTest::newRow("编辑框1") << "box" << 1 << QRect(8, 32, 328, 56) << "6543219870.12";
    QTest::newRow("按钮1") << "button" << 1 << QRect(8, 93, 128, 32) << "转换成中文大写";
    QTest::newRow("按钮2") << "button" << 1 << QRect(146, 93, 80, 32) << "复制";
    QTest::newRow("按钮3") << "button" << 1 << QRect(239, 93, 80, 32) << "清空";
    QTest::newRow("编辑框2") << "box" << 1 << QRect(8, 130, 328, 56) << kInitialWords;
    QTest::newRow("编辑框3") << "box" << 2 << QRect(8, 32, 336, 112) << kInitialEnglish;
    QTest::newRow("按钮4") << "button" << 2 << QRect(7, 158, 80, 32) << "转换成大写";
    QTest::newRow("按钮5") << "button" << 2 << QRect(90, 158, 80, 32) << "转换成小写";
    QTest::newRow("按钮6") << "button" << 2 << QRect(173, 158, 80, 32) << "首字母大写";
    QTest::newRow("按钮7") << "button" << 2 << QRect(264, 159, 40, 32) << "复制";
    QTest::newRow("按钮8") << "button" << 2 << QRect(306, 159, 40, 32) << "清空";
}

void MainWindowTest::controls() {
    QFETCH(QString, kind);
    QFETCH(int, page);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    const QString name = QString::fromUtf8(QTest::currentDataTag());

    QWidget* control = desk_->Find<QWidget>(name);
    QVERIFY(control != nullptr);
    QTabWidget* tabs = desk_->Tabs();
    QCOMPARE(control->mapTo(tabs, QPoint(0, 0)), place.topLeft());
    QCOMPARE(control->size(), place.size());
    if (kind == QLatin1String("box")) {
        auto* box = qobject_cast<QPlainTextEdit*>(control);
        QVERIFY(box != nullptr);
        QCOMPARE(box->toPlainText(), text);
        QVERIFY(!box->isReadOnly());
        QCOMPARE(box->frameShadow(), QFrame::Sunken);
        // The initial text is not an edit that Ctrl+Z could take away.
        QVERIFY(!box->document()->isUndoAvailable());
    } else {
        auto* button = qobject_cast<QPushButton*>(control);
        QVERIFY(button != nullptr);
        QCOMPARE(button->text(), text);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
    QVERIFY(control->isEnabled());
    QCOMPARE(control->isVisible(), page == 1);
}

void MainWindowTest::tabControl() {
    QTabWidget* tabs = desk_->Tabs();
    QVERIFY(tabs != nullptr);
    QCOMPARE(tabs->geometry(), QRect(8, 8, 352, 200));
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("人民币数字大写转换"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("英文大小写转换"));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabPosition(), QTabWidget::North);
    // The members' top of 32 lies below the tab row.
    QVERIFY(tabs->tabBar()->geometry().bottom() < 32);
}

void MainWindowTest::window() {
    MainWindow* window = desk_->window.get();
    QCOMPARE(window->windowTitle(), QStringLiteral("Morvane"));
    // The offscreen platform draws a frame too, so the outer size is fitted
    // around it just as under a window manager.
    QTRY_COMPARE(window->frameGeometry().size(), QSize(380, 250));
    QCOMPARE(window->frameGeometry().topLeft(),
             CentredTopLeft(QGuiApplication::primaryScreen()->geometry(), QSize(380, 250)));
    QCOMPARE(window->minimumSize(), window->maximumSize());

    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    const QList<QSize> iconSizes{{16, 16}, {32, 32}, {48, 48}};
    QTRY_COMPARE(window->windowIcon().availableSizes(), iconSizes);
    QCOMPARE(QApplication::windowIcon().availableSizes(), iconSizes);
}

void MainWindowTest::centred_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("1024x768") << QRect(0, 0, 1024, 768) << QPoint(322, 259);
    QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1080) << QPoint(770, 415);
    QTest::newRow("narrower than the window") << QRect(0, 0, 375, 768) << QPoint(-2, 259);
    QTest::newRow("odd sizes drop the half") << QRect(0, 0, 1025, 769) << QPoint(322, 259);
    QTest::newRow("screen not at the origin") << QRect(100, 50, 1024, 768) << QPoint(422, 309);
}

void MainWindowTest::centred() {
    QFETCH(QRect, screen);
    QFETCH(QPoint, topLeft);
    QCOMPARE(CentredTopLeft(screen, QSize(380, 250)), topLeft);
}

void MainWindowTest::startFocus() {
    QCOMPARE(Focused(), QStringLiteral("编辑框1"));
    const QTextCursor caret = desk_->Box(QStringLiteral("编辑框1"))->textCursor();
    QCOMPARE(caret.position(), 0);
    QVERIFY(!caret.hasSelection());
}

void MainWindowTest::tabCycle_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("page 1") << 1 << QStringList{"编辑框1", "编辑框2", "按钮1", "按钮2", "按钮3"};
    QTest::newRow("page 2") << 2
                            << QStringList{"编辑框3", "按钮4", "按钮5", "按钮6", "按钮7", "按钮8"};
}

void MainWindowTest::tabCycle() {
    QFETCH(int, page);
    QFETCH(QStringList, order);
    desk_->Tabs()->setCurrentIndex(page - 1);
    desk_->Find<QWidget>(order.first())->setFocus();
    const QString before = desk_->Box(order.first())->toPlainText();

    // Round the circle once forward and once back, ending where it began.
    for (qsizetype i = 1; i <= order.size(); ++i) {
        PressIn(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(Focused(), order[i % order.size()]);
    }
    for (qsizetype i = order.size() - 1; i >= 0; --i) {
        PressIn(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(Focused(), order[i]);
    }
    // Tab left the box without writing a tab into it.
    QCOMPARE(desk_->Box(order.first())->toPlainText(), before);
}

void MainWindowTest::pageSwitchMovesFocus() {
    QTabBar* bar = desk_->Tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(desk_->Tabs()->currentIndex(), 1);
    QCOMPARE(Focused(), QStringLiteral("按钮8"));
    QVERIFY(desk_->Box(QStringLiteral("编辑框3"))->isVisible());
    QVERIFY(!desk_->Box(QStringLiteral("编辑框1"))->isVisible());
    QVERIFY(!desk_->Button(QStringLiteral("按钮3"))->isVisible());

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(desk_->Tabs()->currentIndex(), 0);
    QCOMPARE(Focused(), QStringLiteral("按钮3"));
    QVERIFY(!desk_->Box(QStringLiteral("编辑框3"))->isVisible());
    QVERIFY(!desk_->Button(QStringLiteral("按钮8"))->isVisible());
}

void MainWindowTest::tabBarTakesFocusOnlyByClick() {
    QTabBar* bar = desk_->Tabs()->tabBar();
    // A click on the tab already shown changes no page, so the tab control
    // keeps the focus that the click gave it.
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QVERIFY(bar->hasFocus());
    PressIn(bar, Qt::Key_Tab);
    QCOMPARE(Focused(), QStringLiteral("编辑框1"));

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    PressIn(bar, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(Focused(), QStringLiteral("按钮3"));

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    PressIn(bar, Qt::Key_Right);
    QCOMPARE(desk_->Tabs()->currentIndex(), 1);
    QCOMPARE(Focused(), QStringLiteral("按钮8"));
}

void MainWindowTest::textsSurvivePageSwitches() {
    QPlainTextEdit* amount = desk_->Box(QStringLiteral("编辑框1"));
    QPlainTextEdit* english = desk_->Box(QStringLiteral("编辑框3"));
    QTest::keyClicks(amount, QStringLiteral("42"));
    desk_->Tabs()->setCurrentIndex(1);
    QTest::keyClicks(english, QStringLiteral("typed "));
    for (int i = 0; i < 3; ++i) {
        desk_->Tabs()->setCurrentIndex(0);
        desk_->Tabs()->setCurrentIndex(1);
    }
    QCOMPARE(amount->toPlainText(), QStringLiteral("426543219870.12"));
    QCOMPARE(english->toPlainText(), QStringLiteral("typed ") + kInitialEnglish);
}

void MainWindowTest::reactivationRestoresFocus() {
    desk_->Button(QStringLiteral("按钮2"))->setFocus();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    desk_->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(desk_->window.get()));
    QCOMPARE(Focused(), QStringLiteral("按钮2"));
}

void MainWindowTest::keys() {
    QPlainTextEdit* amount = desk_->Box(QStringLiteral("编辑框1"));
    QPlainTextEdit* words = desk_->Box(QStringLiteral("编辑框2"));

    // Enter in a box breaks the line there.
    amount->moveCursor(QTextCursor::End);
    PressIn(amount, Qt::Key_Return);
    QCOMPARE(amount->toPlainText(), QStringLiteral("6543219870.12\n"));
    QCOMPARE(Focused(), QStringLiteral("编辑框1"));

    // Enter on a button neither clicks it nor moves the focus.
    QPushButton* convert = desk_->Button(QStringLiteral("按钮1"));
    convert->setFocus();
    QSignalSpy clicks(convert, &QPushButton::clicked);
    PressIn(convert, Qt::Key_Return);
    PressIn(convert, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(words->toPlainText(), kInitialWords);
    QCOMPARE(Focused(), QStringLiteral("按钮1"));

    // Space clicks it.
    PressIn(convert, Qt::Key_Space);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(words->toPlainText(), QStringLiteral("输入有误,请输入小数点和纯数字!"));

    // F1 does nothing; the window is still there.
    PressIn(amount, Qt::Key_F1);
    QVERIFY(desk_->window->isVisible());
}

void MainWindowTest::escapeEndsProgram_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("page");
    QTest::newRow("编辑框1") << "编辑框1" << 1;
    QTest::newRow("按钮2") << "按钮2" << 1;
    QTest::newRow("编辑框3") << "编辑框3" << 2;
    QTest::newRow("tab control") << "" << 2;
}

void MainWindowTest::escapeEndsProgram() {
    QFETCH(QString, focus);
    QFETCH(int, page);
    desk_.reset();  // the program makes its own window

    RecordingMessageBox messages;
    morvane::testing::FakeClipboard clipboard;
    MainWindow* shown = nullptr;
    QTimer::singleShot(0, [&] {
        QVERIFY(QTest::qWaitForWindowActive(shown));
        auto* tabs = shown->findChild<QTabWidget*>(QStringLiteral("选择夹1"));
        tabs->setCurrentIndex(page - 1);
        QWidget* target = focus.isEmpty() ? tabs->tabBar() : shown->findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
    });
    // Should Esc fail to end it, the run ends with a status that fails below.
    QTimer stuck;
    stuck.setSingleShot(true);
    connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    stuck.start(10000);
    const int status = morvane::RunMainWindow(messages, [&] {
        auto window = std::make_unique<MainWindow>(clipboard, messages);
        shown = window.get();
        return window;
    });
    QCOMPARE(status, 0);
    QVERIFY(messages.shown.isEmpty());
}

void MainWindowTest::windowFailureIsFatal() {
    RecordingMessageBox messages;
    QCOMPARE(morvane::RunMainWindow(messages, [] { return std::unique_ptr<QWidget>(); }), -1);
    QCOMPARE(morvane::RunMainWindow(messages,
                                    []() -> std::unique_ptr<QWidget> { throw std::bad_alloc(); }),
             -1);
    QCOMPARE(messages.shown.size(), 2);
    for (const Message& message : messages.shown) {
        QCOMPARE(message.icon, Message::Icon::kError);
        QVERIFY(!message.text.isEmpty());
    }

    // The real report: an error icon and a single OK button.
    auto box = morvane::BuildMessageBox(nullptr, morvane::WindowFailedMessage());
    QCOMPARE(box->icon(), QMessageBox::Critical);
    QCOMPARE(box->buttons().size(), 1);
    QCOMPARE(box->standardButtons(), QMessageBox::Ok);
}

void MainWindowTest::boxesWrapAndScroll_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("page");
    QTest::addColumn<Qt::ScrollBarPolicy>("vertical");
    QTest::newRow("编辑框1") << "编辑框1" << 1 << Qt::ScrollBarAlwaysOff;
    QTest::newRow("编辑框2") << "编辑框2" << 1 << Qt::ScrollBarAlwaysOff;
    QTest::newRow("编辑框3") << "编辑框3" << 2 << Qt::ScrollBarAlwaysOn;
}

void MainWindowTest::boxesWrapAndScroll() {
    QFETCH(QString, box);
    QFETCH(int, page);
    QFETCH(Qt::ScrollBarPolicy, vertical);
    desk_->Tabs()->setCurrentIndex(page - 1);
    QPlainTextEdit* edit = desk_->Box(box);
    edit->setFocus();
    edit->moveCursor(QTextCursor::End);
    // One word far wider than the box, then many lines.
    QTest::keyClicks(edit, QString(300, u'W'));
    const int wordEnd = edit->textCursor().position();
    for (int i = 0; i < 12; ++i) QTest::keyClick(edit, Qt::Key_Return);

    QCOMPARE(edit->verticalScrollBarPolicy(), vertical);
    QCOMPARE(edit->verticalScrollBar()->isVisible(), vertical == Qt::ScrollBarAlwaysOn);
    QCOMPARE(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(edit->horizontalScrollBar()->maximum(), 0);
    QVERIFY(edit->document()->findBlock(wordEnd).layout()->lineCount() > 1);
    // The box followed the caret down, with or without a scroll bar.
    QVERIFY(edit->verticalScrollBar()->value() > 0);
}

void MainWindowTest::boxesStayBlackOnWhite() {
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x10, 0x10, 0x10));
    dark.setColor(QPalette::Text, Qt::white);
    const QPalette saved = QApplication::palette();
    QApplication::setPalette(dark);

    for (const char* name : {"编辑框1", "编辑框2", "编辑框3"}) {
        const QPalette box = desk_->Box(QString::fromUtf8(name))->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            QCOMPARE(box.color(group, QPalette::Base), QColor(Qt::white));
            QCOMPARE(box.color(group, QPalette::Text), QColor(Qt::black));
        }
    }
    QTRY_COMPARE(desk_->window->palette().color(QPalette::Window), QColor(0x20, 0x20, 0x20));
    QApplication::setPalette(saved);
}

void MainWindowTest::selectionHiddenWithoutFocus() {
    QPlainTextEdit* box = desk_->Box(QStringLiteral("编辑框2"));
    box->setFocus();
    box->selectAll();
    const QRgb highlight = box->palette().color(QPalette::Active, QPalette::Highlight).rgb();
    const auto showsSelection = [&] {
        const QImage shot = box->viewport()->grab().toImage();
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (shot.pixel(x, y) == highlight) return true;
            }
        }
        return false;
    };
    QVERIFY(showsSelection());
    desk_->Box(QStringLiteral("编辑框1"))->setFocus();
    QVERIFY(!showsSelection());
    box->setFocus();
    QVERIFY(showsSelection());
}

void MainWindowTest::toolkitTextsInChinese() {
    std::unique_ptr<QMenu> menu(desk_->Box(QStringLiteral("编辑框1"))->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text();
    const QString all = texts.join(u'|');
    for (const char* word : {"撤消", "剪切", "复制", "粘贴", "删除", "全选"}) {
        QVERIFY2(all.contains(QString::fromUtf8(word)), qPrintable(all));
    }

    auto box = morvane::BuildMessageBox(desk_->window.get(), morvane::CopiedMessage());
    QCOMPARE(box->button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
}

void MainWindowTest::captionsFit() {
    // A caption wider than its button would be cut off.
    for (QPushButton* button : desk_->window->findChildren<QPushButton*>()) {
        const int needed = button->fontMetrics().horizontalAdvance(button->text());
        QVERIFY2(needed + 8 <= button->width(), qPrintable(button->objectName()));
    }
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
