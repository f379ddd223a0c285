// The shared generated data of the asset tests.
#include "tests/assets/generated_data.h"

const std::string& GeneratedDataFolder() {
    static const std::string folder = STRIDEWELL_BUILD_DATA;
    return folder;
}
