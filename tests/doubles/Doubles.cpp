#include "doubles/Doubles.h"

QImage FakePictures::load(const std::string& fileName, std::string* error)
{
    auto it = images.find(fileName);
    if (it == images.end()) {
        if (error) *error = "file non trovato";
        return {};
    }
    return it->second;
}

