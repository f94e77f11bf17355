#include "platform/Pictures.h"

#include "platform/Files.h"
#include "platform/WmfPlayer.h"

#include <fstream>
#include <iterator>

QImage WmfPictures::load(const std::string& fileName, std::string* error)
{
    DiskFiles files(folder_);
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return QImage();
    };
    if (!files.exists(fileName)) return fail("file non trovato");
    std::ifstream in(files.resolve(fileName), std::ios::binary);
    if (!in) return fail("file non leggibile");
    // A genre picture is small; anything past this is not a picture of ours.
    constexpr std::streamsize limit = 16 * 1024 * 1024;
    std::vector<uint8_t> bytes;
    in.seekg(0, std::ios::end);
    std::streamsize size = in.tellg();
    if (size < 0 || size > limit) return fail("file troppo grande");
    in.seekg(0);
    bytes.resize(static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (in.gcount() != size) return fail("file non leggibile");
    QImage image;
    std::string why;
    if (!renderWmf(bytes, image, why)) return fail(why);
    return image;
}
