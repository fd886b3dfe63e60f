// main() of the window test binaries: runs the test class a file registered
// with QUILLO_TEST_MAIN, picked by the file's name.
#include "ui_test_support.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace quillo::test {
namespace {

struct TestClass {
    std::string name;
    TestClassRunner run;
};

// Filled by static initialisers, so it must exist before the first of them.
std::vector<TestClass>& testClasses() {
    static std::vector<TestClass> classes;
    return classes;
}

// Runs every class in a child process with the same options; fails when one fails.
int runEach(int argc, char** argv) {
    int failed = 0;
    for (TestClass& c : testClasses()) {
        std::vector<char*> args = {argv[0], c.name.data()};
        args.insert(args.end(), argv + 1, argv + argc);
        args.push_back(nullptr);
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, args.data(), environ) != 0 ||
            waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "%s failed\n", c.name.c_str());
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}

}  // namespace

bool registerTestClass(const char* sourceFile, TestClassRunner run) {
    std::string name = sourceFile;
    name.erase(0, name.find_last_of('/') + 1);
    name.erase(name.find_last_of('.'));
    testClasses().push_back({name, run});
    return true;
}

}  // namespace quillo::test

int main(int argc, char** argv) {
    using quillo::test::testClasses;
    if (argc < 2 || argv[1][0] == '-') return quillo::test::runEach(argc, argv);
    for (const auto& c : testClasses()) {
        // Qt Test sees the class's file name as the program name, as when
        // each class had a binary of its own.
        if (c.name == argv[1]) return c.run(argc - 1, argv + 1);
    }
    std::fprintf(stderr, "usage: %s [TEST_FILE_NAME] [QT_TEST_OPTIONS]\nTest files:\n", argv[0]);
    for (const auto& c : testClasses()) std::fprintf(stderr, "  %s\n", c.name.c_str());
    return 2;
}
