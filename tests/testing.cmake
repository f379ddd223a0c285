# The tests, the benchmarks and the tools that play, race and kill the game to check it
# (included from the top CMakeLists.txt when STRIDEWELL_BUILD_TESTING is on).
enable_testing()
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)

# A player that plays the game by itself, for soaks and end-to-end tests.
add_library(stridewell_autoplay STATIC tools/autoplay/autoplayer.cpp)
target_link_libraries(stridewell_autoplay PUBLIC stridewell_game)

# racesim (tools/racesim): seeded races run headless with the game's own code. The tests and the
# benchmarks race the same way.
add_library(stridewell_racesim STATIC tools/racesim/headless_race.cpp
    tools/racesim/clip_clock.cpp tools/racesim/race_stats.cpp)
target_link_libraries(stridewell_racesim PUBLIC stridewell_game)
add_executable(racesim tools/racesim/main.cpp)
target_link_libraries(racesim PRIVATE stridewell_racesim)

# soak (tools/soak): the game played unattended through its own screens, its invariants
# checked after every race. The tests run a short soak with the same referee.
add_library(stridewell_soak STATIC tools/soak/referee.cpp)
target_link_libraries(stridewell_soak PUBLIC stridewell_autoplay)
add_executable(soak tools/soak/main.cpp)
target_link_libraries(soak PRIVATE stridewell_soak stridewell_data)

# crashtest (tools/crashtest): saves and games killed at random moments, every file checked.
add_library(stridewell_crashtest STATIC tools/crashtest/crash_checks.cpp)
target_link_libraries(stridewell_crashtest PUBLIC stridewell_soak)
add_executable(crashtest tools/crashtest/main.cpp)
target_link_libraries(crashtest PRIVATE stridewell_crashtest stridewell_data)

file(GLOB_RECURSE TEST_SOURCES CONFIGURE_DEPENDS tests/*.cpp)
add_executable(stridewell_tests ${TEST_SOURCES} fuzz/reader_checks.cpp)
target_link_libraries(stridewell_tests PRIVATE stridewell_game stridewell_data stridewell_racesim
    stridewell_crashtest GTest::gtest GTest::gtest_main)
target_compile_definitions(stridewell_tests PRIVATE
    STRIDEWELL_BINARY="$<TARGET_FILE:stridewell>"
    STRIDEWELL_BUILD_DATA="${STRIDEWELL_BUILD_DATA}"
    STRIDEWELL_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    STRIDEWELL_FUZZ_DATA="${CMAKE_SOURCE_DIR}/fuzz"
    STRIDEWELL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
# The tests play the game's own program on the data the build made.
add_dependencies(stridewell_tests stridewell stridewell_game_data)
include(GoogleTest)
gtest_discover_tests(stridewell_tests DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 600)

file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
add_executable(stridewell_bench ${BENCH_SOURCES})
target_link_libraries(stridewell_bench PRIVATE stridewell_game stridewell_data stridewell_racesim
    benchmark::benchmark benchmark::benchmark_main)

# The installed game: installed into a temporary prefix, moved, played, validated (needs the
# desktop-file-utils, appstream and groff-base packages, which tools/setup.sh installs).
add_test(NAME Install.TheInstalledGamePlaysFromAMovedTree
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/installed_game.sh ${CMAKE_BINARY_DIR})
set_tests_properties(Install.TheInstalledGamePlaysFromAMovedTree PROPERTIES TIMEOUT 600)
