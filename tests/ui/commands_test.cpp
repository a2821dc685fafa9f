// The eight commands, each run by a click on its button in a real window.
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "box.hpp"
#include "clipboard.hpp"
#include "fakes.hpp"
#include "messagebox.hpp"
#include "program.hpp"

using morvane::Message;
using morvane::testing::Desk;

namespace {

const QString kNbsp = QString(QChar(0x00A0));

}  // namespace

class CommandsTest : public morvane::testing::DeskTest {
    Q_OBJECT

private slots:
    void convert_data();
    void convert();
    void convertTwiceGivesTheSame();
    void noBreakSpacesSurvive();
    void lineBreaksReadAsLineFeeds();
    void undoBringsTextBack_data();
    void undoBringsTextBack();
    void copy_data();
    void copy();
    void copyOfInitialWordsConfirms();
    void refusedCopyShowsNothing();
    void clear_data();
    void clear();
    void systemClipboardHoldsText();
    void realConfirmationIsModal();
    void utf8Length_data();
    void utf8Length();

private:
    // Clicks `button` with the mouse, on its page.
    void Click(const QString& button) {
        QPushButton* target = desk_->Button(button);
        QVERIFY(target != nullptr);
        const bool secondPage =
            QStringList{"按钮4", "按钮5", "按钮6", "按钮7", "按钮8"}.contains(button);
        desk_->Tabs()->setCurrentIndex(secondPage ? 1 : 0);
        QTest::mouseClick(target, Qt::LeftButton);
    }
    QString Text(const QString& box) const { return desk_->Box(box)->toPlainText(); }
    void Set(const QString& box, const QString& text) { desk_->Box(box)->setPlainText(text); }
};

void CommandsTest::convert_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("answer");

    QTest::newRow("amount") << "按钮1"
                            << "编辑框1"
                            << "6543219870.12"
                            << "编辑框2"
                            << "陆拾伍亿肆仟叁佰贰拾壹万玖仟捌佰柒拾元壹角贰分";
    QTest::newRow("amount with commas") << "按钮1"
                                        << "编辑框1"
                                        << "1,000.5"
                                        << "编辑框2"
                                        << "壹仟元伍角整";
    QTest::newRow("empty amount") << "按钮1"
                                  << "编辑框1"
                                  << ""
                                  << "编辑框2"
                                  << "转换内容不能为空!";
    QTest::newRow("amount and a line break") << "按钮1"
                                             << "编辑框1"
                                             << "12\n"
                                             << "编辑框2"
                                             << "输入有误,请输入小数点和纯数字!";
    QTest::newRow("too large") << "按钮1"
                               << "编辑框1"
                               << "100000000000"
                               << "编辑框2"
                               << "对不起,你输入的数字太大了!最大数字为99999999999.99！";
    QTest::newRow("upper") << "按钮4"
                           << "编辑框3"
                           << "Hello wORLD\nstraße"
                           << "编辑框3"
                           << "HELLO WORLD\nSTRASSE";
    QTest::newRow("lower") << "按钮5"
                           << "编辑框3"
                           << "Hello wORLD\nΣΑΣ"
                           << "编辑框3"
                           << "hello world\nσας";
    QTest::newRow("first letters") << "按钮6"
                                   << "编辑框3"
                                   << "hello wORLD\nnew  line"
                                   << "编辑框3"
                                   << "Hello World\nnew  Line";
    QTest::newRow("upper, empty") << "按钮4"
                                  << "编辑框3"
                                  << ""
                                  << "编辑框3"
                                  << "";
    QTest::newRow("first letters, empty") << "按钮6"
                                          << "编辑框3"
                                          << ""
                                          << "编辑框3"
                                          << "";
}

void CommandsTest::convert() {
    QFETCH(QString, button);
    QFETCH(QString, source);
    QFETCH(QString, input);
    QFETCH(QString, target);
    QFETCH(QString, answer);
    Set(source, input);
    Click(button);
    QCOMPARE(Text(target), answer);
    if (source != target) QCOMPARE(Text(source), input);
    // The caret stands before the first character, as after any fresh text.
    QCOMPARE(desk_->Box(target)->textCursor().position(), 0);
    QVERIFY(desk_->messages.shown.isEmpty());
    QVERIFY(desk_->clipboard.offered.isEmpty());
}

void CommandsTest::convertTwiceGivesTheSame() {
    Click(QStringLiteral("按钮1"));
    const QString once = Text(QStringLiteral("编辑框2"));
    Click(QStringLiteral("按钮1"));
    QCOMPARE(Text(QStringLiteral("编辑框2")), once);
    QCOMPARE(Text(QStringLiteral("编辑框1")), QStringLiteral("6543219870.12"));
}

void CommandsTest::noBreakSpacesSurvive() {
    // A no-break space joins words: no capital after it, and it is written
    // back as itself rather than as a plain space.
    const QString input = QStringLiteral("jean") + kNbsp + QStringLiteral("luc picard");
    Set(QStringLiteral("编辑框3"), input);
    Click(QStringLiteral("按钮6"));
    QCOMPARE(morvane::ReadBox(*desk_->Box(QStringLiteral("编辑框3"))),
             QStringLiteral("Jean") + kNbsp + QStringLiteral("luc Picard"));
    Click(QStringLiteral("按钮4"));
    QCOMPARE(morvane::ReadBox(*desk_->Box(QStringLiteral("编辑框3"))),
             QStringLiteral("JEAN") + kNbsp + QStringLiteral("LUC PICARD"));
}

void CommandsTest::lineBreaksReadAsLineFeeds() {
    QPlainTextEdit* box = desk_->Box(QStringLiteral("编辑框3"));
    Set(QStringLiteral("编辑框3"), QString());
    desk_->Tabs()->setCurrentIndex(1);
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("ab"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, QStringLiteral("cd"));
    QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(box, QStringLiteral("ef"));
    QCOMPARE(morvane::ReadBox(*box), QStringLiteral("ab\ncd\nef"));
    Click(QStringLiteral("按钮4"));
    QCOMPARE(morvane::ReadBox(*box), QStringLiteral("AB\nCD\nEF"));
}

void CommandsTest::undoBringsTextBack_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::newRow("upper") << "按钮4"
                           << "编辑框3";
    QTest::newRow("first letters") << "按钮6"
                                   << "编辑框3";
    QTest::newRow("clear English") << "按钮8"
                                   << "编辑框3";
    QTest::newRow("amount into words") << "按钮1"
                                       << "编辑框2";
    QTest::newRow("clear words") << "按钮3"
                                 << "编辑框2";
}

void CommandsTest::undoBringsTextBack() {
    QFETCH(QString, button);
    QFETCH(QString, box);
    QPlainTextEdit* edit = desk_->Box(box);
    desk_->Tabs()->setCurrentIndex(box == QStringLiteral("编辑框3") ? 1 : 0);
    edit->setFocus();
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, QStringLiteral(" Typed by Hand"));
    const QString typed = Text(box);

    Click(button);
    QVERIFY(Text(box) != typed);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Text(box), typed);
    // The typing before it is a step of its own, and redo brings the
    // command's text again.
    QTest::keyClick(edit, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(Text(box) != typed);
}

void CommandsTest::copy_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("confirmed");

    // Confirmed when longer than one byte in UTF-8.
    QTest::newRow("empty") << "按钮2"
                           << "编辑框2"
                           << "" << false;
    QTest::newRow("one digit") << "按钮2"
                               << "编辑框2"
                               << "7" << false;
    QTest::newRow("one line break") << "按钮2"
                                    << "编辑框2"
                                    << "\n"
                                    << false;
    QTest::newRow("two letters") << "按钮2"
                                 << "编辑框2"
                                 << "ab" << true;
    QTest::newRow("one Latin letter, two bytes") << "按钮2"
                                                 << "编辑框2"
                                                 << "é" << true;
    QTest::newRow("one Chinese character") << "按钮2"
                                           << "编辑框2"
                                           << "壹" << true;
    QTest::newRow("English, one letter") << "按钮7"
                                         << "编辑框3"
                                         << "a" << false;
    QTest::newRow("English, lines") << "按钮7"
                                    << "编辑框3"
                                    << "a\nb" << true;
    QTest::newRow("English, no-break space kept")
        << "按钮7"
        << "编辑框3" << (QStringLiteral("a") + kNbsp + QStringLiteral("b")) << true;
}

void CommandsTest::copy() {
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(bool, confirmed);
    Set(box, text);
    Click(button);

    QCOMPARE(desk_->clipboard.offered, QStringList{text});
    QCOMPARE(desk_->messages.shown.size(), confirmed ? 1 : 0);
    if (confirmed) {
        const Message& shown = desk_->messages.shown.first();
        QCOMPARE(shown.icon, Message::Icon::kNone);
        QCOMPARE(shown.caption, QStringLiteral("提示"));
        QCOMPARE(shown.text, QStringLiteral("复制成功!"));
    }
    QCOMPARE(morvane::ReadBox(*desk_->Box(box)), text);
}

void CommandsTest::copyOfInitialWordsConfirms() {
    Click(QStringLiteral("按钮2"));
    QCOMPARE(desk_->clipboard.held,
             QStringLiteral("工具简介:\n通过本工具可以实现人民币数字大写转换"));
    QCOMPARE(desk_->messages.shown.size(), 1);
}

void CommandsTest::refusedCopyShowsNothing() {
    desk_->clipboard.accepts = false;
    Click(QStringLiteral("按钮2"));
    Click(QStringLiteral("按钮7"));
    QCOMPARE(desk_->clipboard.offered.size(), 2);
    QCOMPARE(desk_->clipboard.held, QStringLiteral("held before"));
    QVERIFY(desk_->messages.shown.isEmpty());
}

void CommandsTest::clear_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("emptied");
    QTest::newRow("words") << "按钮3"
                           << "编辑框2";
    QTest::newRow("English") << "按钮8"
                             << "编辑框3";
}

void CommandsTest::clear() {
    QFETCH(QString, button);
    QFETCH(QString, emptied);
    const QStringList boxes{"编辑框1", "编辑框2", "编辑框3"};
    QStringList before;
    for (const QString& box : boxes) before << Text(box);

    Click(button);
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        QCOMPARE(Text(boxes[i]), boxes[i] == emptied ? QString() : before[i]);
    }
    QVERIFY(desk_->clipboard.offered.isEmpty());
    QCOMPARE(desk_->clipboard.held, QStringLiteral("held before"));
    QVERIFY(desk_->messages.shown.isEmpty());
}

void CommandsTest::systemClipboardHoldsText() {
    morvane::SystemClipboard clipboard;
    const QString text = QStringLiteral("壹仟元整\nsecond line ") + kNbsp;
    QVERIFY(clipboard.PutText(text));
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
    QVERIFY(clipboard.PutText(QString()));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

void CommandsTest::realConfirmationIsModal() {
    // The box the program really shows: no icon, one OK, and while it is
    // open it is the application's modal window, so the main window takes
    // no input.
    morvane::SystemMessageBox messages;
    QString seenTitle;
    QString seenText;
    int seenButtons = 0;
    QMessageBox::Icon seenIcon = QMessageBox::Warning;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenButtons = static_cast<int>(box->buttons().size());
        seenIcon = box->icon();
        QVERIFY(QApplication::activeModalWidget() != desk_->window.get());
        box->button(QMessageBox::Ok)->click();
    });
    messages.Show(desk_->window.get(), morvane::CopiedMessage());
    QCOMPARE(seenTitle, QStringLiteral("提示"));
    QCOMPARE(seenText, QStringLiteral("复制成功!"));
    QCOMPARE(seenButtons, 1);
    QCOMPARE(seenIcon, QMessageBox::NoIcon);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void CommandsTest::utf8Length_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("ASCII") << "ab\n" << 3;
    QTest::newRow("two-byte") << "é" << 2;
    QTest::newRow("Chinese") << "壹元" << 6;
    QTest::newRow("outside the BMP") << QString::fromUcs4(U"\U0001F600") << 4;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << 3;
}

void CommandsTest::utf8Length() {
    QFETCH(QString, text);
    QFETCH(int, bytes);
    QCOMPARE(morvane::Utf8Length(text), bytes);
}

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
