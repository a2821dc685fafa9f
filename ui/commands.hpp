// What each of the eight buttons does, as a fixed table.
#pragma once

#include <QStringView>
#include <array>
#include <string_view>

#include "script.hpp"

namespace morvane {

class MainWindow;

enum class CommandKind {
    kConvert,  // source box through a script function into the target box
    kCopy,     // source box onto the clipboard, confirmed when longer than one byte
    kClear,    // empties the target box
};

struct CommandRow {
    QStringView button;
    CommandKind kind;
    QStringView source;  // the box read
    const Script* script;
    std::string_view function;
    QStringView target;  // the box written
};

inline constexpr std::array kCommands = {
    CommandRow{u"按钮1", CommandKind::kConvert, u"编辑框1", &AmountScript, "ToTrans", u"编辑框2"},
    CommandRow{u"按钮2", CommandKind::kCopy, u"编辑框2", nullptr, {}, {}},
    CommandRow{u"按钮3", CommandKind::kClear, {}, nullptr, {}, u"编辑框2"},
    CommandRow{u"按钮4", CommandKind::kConvert, u"编辑框3", &CaseScript, "toUpperCase", u"编辑框3"},
    CommandRow{u"按钮5", CommandKind::kConvert, u"编辑框3", &CaseScript, "toLowerCase", u"编辑框3"},
    CommandRow{u"按钮6", CommandKind::kConvert, u"编辑框3", &CaseScript, "FirstLetterCase",
               u"编辑框3"},
    CommandRow{u"按钮7", CommandKind::kCopy, u"编辑框3", nullptr, {}, {}},
    CommandRow{u"按钮8", CommandKind::kClear, {}, nullptr, {}, u"编辑框3"},
};

// Runs `command` on `window`'s boxes, its clipboard and its message box; it
// returns once done, after the confirmation was dismissed if there was one.
void RunCommand(const CommandRow& command, MainWindow& window);

}  // namespace morvane
