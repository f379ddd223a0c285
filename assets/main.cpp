// stridewell-data: makes the game's pictures, sounds and horses, its icons, or contact sheets of
// the art.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "assets/contact_sheet.h"
#include "assets/generator.h"
#include "assets/icon.h"
#include "assets/sound_report.h"
#include "assets/sounds.h"

namespace {

void Usage(FILE* to) {
    std::fprintf(to, "usage: stridewell-data DIR             write images/, sounds/ and horses/ "
                     "into DIR\n"
                     "       stridewell-data --icons DIR      write the icons into DIR, an icon "
                     "theme's folder\n"
                     "       stridewell-data --contact-sheet OUT.png\n"
                     "                                      every picture on one page, and the "
                     "runners on OUT-runners.png\n"
                     "       stridewell-data --sound-report DIR\n"
                     "                                      every clip's length, peak, loudness, "
                     "DC and loop seam\n"
                     "       stridewell-data --spoken-lines   every spoken clip and its words\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        Usage(stdout);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--contact-sheet") == 0) {
        if (!WriteContactSheets(argv[2])) {
            std::fprintf(stderr, "stridewell-data: cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--spoken-lines") == 0) {
        std::fputs(SpokenLines().c_str(), stdout);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--sound-report") == 0) {
        std::string error;
        if (!PrintSoundReport(argv[2], stdout, &error)) {
            std::fprintf(stderr, "stridewell-data: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--icons") == 0) {
        std::string error;
        WriteIconTheme(argv[2], &error);
        if (!error.empty()) {
            std::fprintf(stderr, "stridewell-data: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    if (argc != 2 || argv[1][0] == '-') {
        Usage(stderr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const GeneratorResult result = GenerateGameData(argv[1]);
    if (!result.error.empty()) {
        std::fprintf(stderr, "stridewell-data: %s\n", result.error.c_str());
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (result.pictures + result.sounds + result.horses > 0) {
        std::printf("stridewell-data: %d pictures, %d sounds, %d horse files in %.1f s\n",
                    result.pictures, result.sounds, result.horses, seconds);
    }
    return 0;
}
