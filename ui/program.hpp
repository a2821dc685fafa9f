// The start and the end of the program around its one window.
#pragma once

#include <QIcon>
#include <functional>
#include <memory>

class QApplication;
class QWidget;

namespace morvane {

class MessageBox;

// The program's icon, 16, 32 and 48 pixels square.
QIcon ProgramIcon();

// What the whole program shares before its window exists: the toolkit's own
// texts (context menus, the OK button) in simplified Chinese whatever the
// user's locale, to match the window. The window gives the program its icon
// once it has been painted.
void PrepareApplication(QApplication& app);

// Makes the window with `create`, shows it and runs until it is closed, then
// gives 0. When the window can't be made, a fatal error report is shown
// through `messages` and the answer is -1.
int RunMainWindow(MessageBox& messages, const std::function<std::unique_ptr<QWidget>()>& create);

// The whole program, for main().
int RunProgram(int argc, char** argv);

}  // namespace morvane
