// Stand-ins for the desktop's clipboard and message box, and a fresh shown
// window built on them, for the Qt Test suites.
#pragma once

#include <QApplication>
#include <QList>
#include <QObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "clipboard.hpp"
#include "mainwindow.hpp"
#include "messagebox.hpp"
#include "program.hpp"

namespace morvane::testing {

class FakeClipboard final : public Clipboard {
public:
    bool PutText(const QString& text) override {
        offered << text;
        if (!accepts) return false;
        held = text;
        return true;
    }
    bool accepts = true;
    QStringList offered;  // every text the program tried to put there
    QString held = QStringLiteral("held before");
};

// Answers every box at once, so no modal loop ever waits in a test.
class RecordingMessageBox final : public MessageBox {
public:
    void Show(QWidget* /*parent*/, const Message& message) override { shown << message; }
    QList<Message> shown;
};

struct Desk {
    Desk() : window(std::make_unique<MainWindow>(clipboard, messages)) {
        window->show();
        window->activateWindow();
    }
    bool Ready() { return QTest::qWaitForWindowActive(window.get()); }

    template <typename T>
    T* Find(const QString& name) const {
        return window->findChild<T*>(name);
    }
    QPlainTextEdit* Box(const QString& name) const { return Find<QPlainTextEdit>(name); }
    QPushButton* Button(const QString& name) const { return Find<QPushButton>(name); }
    QTabWidget* Tabs() const { return Find<QTabWidget>(QStringLiteral("选择夹1")); }

    FakeClipboard clipboard;
    RecordingMessageBox messages;
    std::unique_ptr<MainWindow> window;
};

// A suite whose every test starts with a fresh window, shown and active, on
// an application prepared as the program prepares it. Qt Test runs these
// slots of the base class too.
class DeskTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<Desk> desk_;

private slots:
    void initTestCase() { PrepareApplication(*qobject_cast<QApplication*>(qApp)); }
    void init() {
        desk_ = std::make_unique<Desk>();
        QVERIFY(desk_->Ready());
    }
    void cleanup() { desk_.reset(); }
};

}  // namespace morvane::testing
