// The end-to-end tests run the real Launcher exe; the build passes its
// host path, which Wine reaches through drive Z:.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include "e2e.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const char prefix[] = "--launcher=";
        if (strncmp(argv[i], prefix, strlen(prefix)) != 0)
            continue;
        std::string path = argv[i] + strlen(prefix);
        if (!path.empty() && path[0] == '/')
            path = "Z:" + path;
        for (char& c : path)
            if (c == '/')
                c = '\\';
        LauncherUnderTest = path;
    }
    if (LauncherUnderTest.empty() || GetFileAttributesA(LauncherUnderTest.c_str()) == INVALID_FILE_ATTRIBUTES) {
        fprintf(stderr, "e2e_tests: give the Launcher exe with --launcher=PATH\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
