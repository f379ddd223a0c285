// The data the generator makes, written once per build folder and shared by the asset tests.
#pragma once

#include <string>

// The folder holding images/, sounds/ and horses/ as stridewell-data writes them. Made on
// first use (test processes running side by side wait for one another); later runs reuse it
// while the generator is unchanged. Empty when the generator failed (the error is printed).
const std::string& GeneratedDataFolder();
