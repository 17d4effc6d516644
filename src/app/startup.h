// The entry routine: refuses the Windows 95/98/ME family (offering WinPopup instead), hands over
// to a running instance, or starts the main window and runs the program.
#pragma once

namespace app {

// Runs the program from start to end; the exit status, 0 on every path.
int RunProgram();

}  // namespace app
