// The data generator: pictures and sounds made anew when the generator changed, horse files
// only into an empty stable.
#include "assets/generator.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "assets/data_hash.h"
#include "assets/horse_files.h"
#include "assets/icon.h"
#include "assets/pictures.h"
#include "assets/sounds.h"
#include "platform/data_files.h"

namespace fs = std::filesystem;

namespace {

std::string ReadStamp(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool AllPresent(const fs::path& dir) {
    if (!fs::exists(dir / kWindowIconFile)) {
        return false;
    }
    for (const PictureSpec& spec : kPictures) {
        if (!fs::exists(dir / "images" / spec.file)) {
            return false;
        }
    }
    for (const std::string& clip : SoundFiles()) {
        if (!fs::exists(dir / clip)) {
            return false;
        }
    }
    return true;
}

int WritePictures(const fs::path& dir, std::string* error) {
    int written = 0;
    for (const PictureSpec& spec : kPictures) {
        Canvas picture = MakePicture(spec);
        const fs::path file = dir / "images" / spec.file;
        if (!WriteBmp(picture, file.string())) {
            *error = "cannot write " + file.string();
        } else {
            ++written;
        }
        FreeCanvas(&picture);
        if (!error->empty()) {
            return written;
        }
    }
    if (!WriteWindowIcon((dir / kWindowIconFile).string())) {
        *error = "cannot write " + (dir / kWindowIconFile).string();
        return written;
    }
    return written + 1;
}

bool HasHorseFiles(const fs::path& horses) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(horses, ec)) {
        if (entry.path().extension() == ".txt") {
            return true;
        }
    }
    return false;
}

} // namespace

std::string DataStamp() { return std::string("stridewell-data ") + STRIDEWELL_DATA_HASH + "\n"; }

GeneratorResult GenerateGameData(const std::string& folder) {
    GeneratorResult result{};
    const fs::path dir(folder);
    std::error_code ec;
    for (const char* sub : {"images", "sounds/announcer", "horses"}) {
        fs::create_directories(dir / sub, ec);
        if (ec) {
            result.error = "cannot make " + (dir / sub).string() + ": " + ec.message();
            return result;
        }
    }
    const fs::path stamp = dir / kStampFile;
    if (ReadStamp(stamp) != DataStamp() || !AllPresent(dir)) {
        // Without the stamp an interrupted run is finished next time.
        fs::remove(stamp, ec);
        result.pictures = WritePictures(dir, &result.error);
        if (result.error.empty()) {
            result.sounds = WriteSounds(dir.string(), &result.error);
        }
        if (!result.error.empty()) {
            return result;
        }
        std::ofstream out(stamp);
        out << DataStamp();
        if (!out.flush()) {
            result.error = "cannot write " + stamp.string();
            return result;
        }
    }
    if (!HasHorseFiles(dir / "horses")) {
        result.horses = WriteHorseFiles((dir / "horses").string(), &result.error);
    }
    return result;
}
