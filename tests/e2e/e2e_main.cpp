// The end-to-end tests run the real Launcher exe; the build passes its
// host path, which Wine reaches through drive Z:.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include "e2e.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    struct Option {
        const char* prefix;
        std::string* value;
    };
    const Option options[] = {{"--launcher=", &LauncherUnderTest}, {"--sample-disc=", &SampleDisc}};
    for (int i = 1; i < argc; ++i) {
        for (const Option& option : options) {
            if (strncmp(argv[i], option.prefix, strlen(option.prefix)) != 0)
                continue;
            std::string path = argv[i] + strlen(option.prefix);
            if (!path.empty() && path[0] == '/')
                path = "Z:" + path;
            for (char& c : path)
                if (c == '/')
                    c = '\\';
            *option.value = path;
        }
    }
    if (LauncherUnderTest.empty() || GetFileAttributesA(LauncherUnderTest.c_str()) == INVALID_FILE_ATTRIBUTES) {
        fprintf(stderr, "e2e_tests: give the Launcher exe with --launcher=PATH\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
