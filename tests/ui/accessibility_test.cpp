// What a screen reader learns of the window, through the toolkit's own
// accessibility interface: every control, in Tab order, with a Chinese name.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QTest>

#include "fakes.hpp"
#include "mainwindow.hpp"
#include "program.hpp"

class AccessibilityTest : public morvane::testing::DeskTest {
    Q_OBJECT

private slots:
    void tabOrderAsHeard_data() {
        QTest::addColumn<int>("page");
        // Object name, role and spoken name of each control, in Tab order.
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QList<int>>("roles");
        QTest::addColumn<QStringList>("names");
        const int text = QAccessible::EditableText;
        const int button = QAccessible::Button;
        QTest::newRow("page 1") << 1 << QStringList{"编辑框1", "编辑框2", "按钮1", "按钮2", "按钮3"}
                                << QList<int>{text, text, button, button, button}
                                << QStringList{"金额", "大写金额", "转换成中文大写", "复制",
                                               "清空"};
        QTest::newRow("page 2") << 2 << QStringList{"编辑框3", "按钮4", "按钮5",
                                                    "按钮6",   "按钮7", "按钮8"}
                                << QList<int>{text, button, button, button, button, button}
                                << QStringList{"英文文本",   "转换成大写", "转换成小写",
                                               "首字母大写", "复制",       "清空"};
    }

    void tabOrderAsHeard() {
        QFETCH(int, page);
        QFETCH(QStringList, controls);
        QFETCH(QList<int>, roles);
        QFETCH(QStringList, names);
        desk_->Tabs()->setCurrentIndex(page - 1);
        desk_->Find<QWidget>(controls.first())->setFocus();
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(desk_->window.get());
        QVERIFY(window != nullptr);

        for (qsizetype i = 0; i < controls.size(); ++i) {
            QWidget* focused = QApplication::focusWidget();
            QCOMPARE(focused->objectName(), controls[i]);
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(focused);
            QVERIFY(control != nullptr);
            QCOMPARE(static_cast<int>(control->role()), roles[i]);
            QCOMPARE(control->text(QAccessible::Name), names[i]);
            QVERIFY(control->state().focused);
            if (roles[i] == QAccessible::EditableText) {
                QVERIFY2(!control->text(QAccessible::Description).isEmpty(), qPrintable(names[i]));
            }
            // Reachable from the window through the accessibility tree itself.
            QAccessibleInterface* up = control;
            while (up != nullptr && up->object() != window->object()) up = up->parent();
            QVERIFY2(up != nullptr, qPrintable(names[i]));
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), controls.first());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
