#include <doctest/doctest.h>

#include <string>

#include "app/command_line.h"
#include "shell/run_value.h"

TEST_CASE("the Run value names the program in quotes and asks the entry routine for a hidden start") {
    const std::string longest = "c:\\" + std::string(252, 'a') + ".exe";
    struct Row {
        std::string path;
        std::string data;
    } rows[] = {
        {"c:\\program files\\pebblewire\\pebblewire.exe",
         "\"c:\\program files\\pebblewire\\pebblewire.exe\" \"Minimized\""},
        {"c:\\pw přesun\\posílač.exe", "\"c:\\pw přesun\\posílač.exe\" \"Minimized\""},
        {"\\\\server\\sdílené\\pw.exe", "\"\\\\server\\sdílené\\pw.exe\" \"Minimized\""},
        {longest, "\"" + longest + "\" \"Minimized\""},
    };
    for (const Row& row : rows) {
        CAPTURE(row.path);
        const std::string data = shell::RunValueData(row.path);
        CHECK(data == row.data);
        // The system starts the program with this command line at log-on.
        CHECK(app::SplitCommandLine(data).front() == row.path);
        CHECK(app::StartsMinimized(data));
    }
}
