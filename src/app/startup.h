// The entry routine: refuses the Windows 95/98/ME family (offering WinPopup instead), hands over
// to a running instance, or starts the main window and runs the program.
#pragma once

namespace app {

// The global atom that marks a running instance; the main window adds it and deletes it.
constexpr char kRunningInstanceAtom[] = "BRANTEL_PEBBLEWIRE_IS_RUNNING";

// Runs the program from start to end; the exit status, 0 on every path.
int RunProgram();

}  // namespace app
