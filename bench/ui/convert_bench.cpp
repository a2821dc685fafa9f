// A click on 按钮4 with much English text in 编辑框3, against the same box
// showing the same upper-case text set directly.
//
//   ui_convert_bench [REPEATS]
//
// Each figure runs from a box that holds the original text to the converted
// text laid out and painted. Without a display it runs on Qt's offscreen
// platform.
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "box.hpp"
#include "bridge.hpp"
#include "clipboard.hpp"
#include "mainwindow.hpp"
#include "messagebox.hpp"

namespace {

class NoClipboard final : public morvane::Clipboard {
public:
    bool PutText(const QString&) override { return true; }
};

class NoMessages final : public morvane::MessageBox {
public:
    void Show(QWidget*, const morvane::Message&) override {}
};

// English prose: short lines, or one paragraph of the same words.
QString English(qsizetype units, bool lines) {
    static const QString words[] = {QStringLiteral("the "),   QStringLiteral("Quick "),
                                    QStringLiteral("brown "), QStringLiteral("fox "),
                                    QStringLiteral("JUMPS "), QStringLiteral("over "),
                                    QStringLiteral("a "),     QStringLiteral("lazy "),
                                    QStringLiteral("dog, "),  QStringLiteral("again. ")};
    QString text;
    text.reserve(units + 16);
    qsizetype column = 0;
    for (std::size_t i = 0; text.size() < units; ++i) {
        const QString& word = words[i % std::size(words)];
        text += word;
        column += word.size();
        if (lines && column > 40) {
            text.back() = u'\n';
            column = 0;
        }
    }
    text.truncate(units);
    return text;
}

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Lays out and paints what the box now holds, as the user would see it.
void Settle(QPlainTextEdit& box) {
    QCoreApplication::processEvents();
    box.viewport()->repaint();
    QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    NoClipboard clipboard;
    NoMessages messages;
    morvane::MainWindow window(clipboard, messages);
    window.show();
    window.findChild<QTabWidget*>(QStringLiteral("选择夹1"))->setCurrentIndex(1);
    QPlainTextEdit& box = *window.Box(u"编辑框3");
    QPushButton& upper = *window.findChild<QPushButton*>(QStringLiteral("按钮4"));
    Settle(box);

    std::printf("platform %s, median of %d\n", qPrintable(QGuiApplication::platformName()),
                repeats);
    std::printf("%-22s %10s %10s %8s %10s %10s\n", "text in 编辑框3", "set (ms)", "按钮4 (ms)",
                "ratio", "read (ms)", "convert");
    bool within = true;
    for (const qsizetype megabytes : {1, 10}) {
        for (const bool lines : {true, false}) {
            // ASCII text: a megabyte is a million characters in UTF-8.
            const QString original = English(megabytes * 1000 * 1000, lines);
            const std::u16string upperCase =
                morvane::RunScriptFunction(morvane::CaseScript, "toUpperCase",
                                           {reinterpret_cast<const char16_t*>(original.utf16()),
                                            static_cast<std::size_t>(original.size())});
            const QString converted = QString::fromUtf16(upperCase.data(), upperCase.size());

            std::vector<double> direct, clicked, read, convert;
            for (int i = 0; i < repeats; ++i) {
                // Both start from the box holding the original text.
                box.setPlainText(original);
                Settle(box);
                direct.push_back(Milliseconds([&] {
                    box.setPlainText(converted);
                    Settle(box);
                }));

                box.setPlainText(original);
                Settle(box);
                clicked.push_back(Milliseconds([&] {
                    upper.click();
                    Settle(box);
                }));
                if (morvane::ReadBox(box) != converted) {
                    std::fprintf(stderr, "按钮4 gave a different text\n");
                    return 1;
                }

                QString held;
                read.push_back(Milliseconds([&] { held = morvane::ReadBox(box); }));
                convert.push_back(Milliseconds([&] {
                    morvane::RunScriptFunction(morvane::CaseScript, "toUpperCase",
                                               {reinterpret_cast<const char16_t*>(held.utf16()),
                                                static_cast<std::size_t>(held.size())});
                }));
            }
            const double ratio = Median(clicked) / Median(direct);
            within = within && ratio <= 1.5;
            const std::string label =
                std::to_string(megabytes) + " MB, " + (lines ? "short lines" : "one paragraph");
            std::printf("%-22s %10.1f %10.1f %7.2fx %10.1f %10.1f\n", label.c_str(), Median(direct),
                        Median(clicked), ratio, Median(read), Median(convert));
        }
    }
    std::printf("按钮4 against setting the text directly (limit 1.5x): %s\n",
                within ? "within" : "OVER");
    return 0;
}
