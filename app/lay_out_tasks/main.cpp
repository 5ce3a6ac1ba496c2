// lay_out_tasks: brings the tasks of the shipped workspace into a workspace at build time, so that a
// build folder used as a workspace gets the demo tasks (and newer copies of them) while its own tasks
// stay.
//   lay_out_tasks SHIPPED_DIR WORKSPACE_DIR
#include "shell/shipped_tasks.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: lay_out_tasks SHIPPED_DIR WORKSPACE_DIR\n";
        return 2;
    }
    try {
        for (const std::string& code :
             zep::bring_in_shipped_tasks(zep::Workspace{argv[2]}, zep::Workspace{argv[1]}))
            std::cout << "task " << code << " laid out in " << argv[2] << "\n";
    } catch (const std::exception& e) {
        std::cerr << "lay_out_tasks: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
