// qilo_e2e CASE PATH-TO-Qilo.exe [LOG]: runs one end-to-end case and exits with 0 when every
// check of it passed.
#include "tests/e2e/driver.h"

#include <vector>

// ---- the driver -----------------------------------------------------------------------------

struct Case {
    const char* name;
    void (*run)();
};

// Made on first use: the cases enter themselves while the files' statics are made.
static std::vector<Case>& cases() {
    static std::vector<Case> list;
    return list;
}

bool addCase(const char* name, void (*run)()) {
    cases().push_back({name, run});
    return true;
}

int main(int argc, char** argv) {
    // A case run inside a virtual desktop reports through a log file.
    if (argc < 3 || (argc == 4 && !freopen(argv[3], "w", stdout)))
        return 2;
    char path[MAX_PATH];
    GetFullPathNameA(argv[2], MAX_PATH, path, nullptr);
    wchar_t widePath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH);
    qiloPath = widePath;
    face = systemFace();
    for (const Case& c : cases()) {
        if (strcmp(c.name, argv[1]) == 0) {
            printf("%s\n", c.name);
            c.run();
            printf("%s: %s\n", c.name, failures ? "FAILED" : "passed");
            return failures ? 1 : 0;
        }
    }
    fprintf(stderr, "usage: qilo_e2e CASE PATH-TO-Qilo.exe [LOG]\n");
    return 2;
}
