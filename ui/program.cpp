#include "program.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <new>

#include "clipboard.hpp"
#include "mainwindow.hpp"
#include "messagebox.hpp"

// The icons are compiled into this library, which the linker would otherwise
// drop as unreferenced; Q_INIT_RESOURCE must be used outside any namespace.
static void InitIconResource() {
    Q_INIT_RESOURCE(morvane);
}

namespace morvane {
namespace {

QtMessageHandler previousHandler = nullptr;

// Without a display the toolkit gives up inside QApplication's constructor,
// before a window or a message box could exist. Its reason has been printed;
// the program then ends with its failure status instead of aborting.
void EndOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (previousHandler != nullptr) previousHandler(type, context, text);
    if (type == QtFatalMsg) std::_Exit(-1);
}

}  // namespace

QIcon ProgramIcon() {
    InitIconResource();
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/morvane.png").arg(size), QSize(size, size));
    }
    return icon;
}

void PrepareApplication(QApplication& app) {
    // Matches the installed desktop entry, so docks group the window under its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.morvane.Morvane"));
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

int RunMainWindow(MessageBox& messages, const std::function<std::unique_ptr<QWidget>()>& create) {
    std::unique_ptr<QWidget> window;
    try {
        window = create();
        // show() makes the native window; made any earlier, it would be set
        // up twice, which costs a sixth of the start-up time.
        if (window != nullptr) window->show();
    } catch (const std::bad_alloc&) {
        window.reset();
    }
    if (window == nullptr || window->windowHandle() == nullptr ||
        window->windowHandle()->handle() == nullptr) {
        window.reset();
        messages.Show(nullptr, WindowFailedMessage());
        return -1;
    }
    return QApplication::exec();
}

int RunProgram(int argc, char** argv) {
    previousHandler = qInstallMessageHandler(EndOnFatal);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    PrepareApplication(app);
    SystemClipboard clipboard;
    SystemMessageBox messages;
    return RunMainWindow(messages,
                         [&] { return std::make_unique<MainWindow>(clipboard, messages); });
}

}  // namespace morvane
