// The command line is read twice around the construction of QApplication.
// Before it, so that --help and --version are answered without a display;
// a line not understood then may hold Qt's own options (-platform, -style…),
// which QApplication takes out of the arguments, so it is judged only after:
// anything still unknown stops the program with exit code 2 before a window
// opens.
#pragma once

#include <QStringList>

#include <optional>

namespace vantor {

// The exit code when --help or --version has been answered; nothing when the
// window is to open or the line waits for QApplication to be judged.
std::optional<int> answerCommandLineEarly(int argc, char *argv[]);

// The exit code when --help or --version has been answered or the line was
// refused; nothing when the window is to open.
std::optional<int> answerCommandLine(const QStringList &arguments);

} // namespace vantor
