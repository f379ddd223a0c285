// The data the generator makes: the build makes it into its share/stridewell folder, beside the
// programs, and the asset tests read it there.
#pragma once

#include <string>

// The folder holding images/, sounds/ and horses/ as stridewell-data writes them.
const std::string& GeneratedDataFolder();
