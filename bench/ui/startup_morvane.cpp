// The program's own start, exactly as main() runs it, up to the window shown.
#include <QApplication>
#include <memory>

#include "clipboard.hpp"
#include "mainwindow.hpp"
#include "messagebox.hpp"
#include "program.hpp"
#include "shown_probe.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ShownProbe probe;
    morvane::PrepareApplication(app);
    morvane::SystemClipboard clipboard;
    morvane::SystemMessageBox messages;
    return morvane::RunMainWindow(
        messages, [&] { return std::make_unique<morvane::MainWindow>(clipboard, messages); });
}
