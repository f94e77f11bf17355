#pragma once
#include <QImage>
#include <string>

// Genre pictures (Windows Metafiles) turned into images at their own size.
class Pictures {
public:
    virtual ~Pictures() = default;
    // A null image when the file is missing or cannot be read; why goes to error.
    virtual QImage load(const std::string& fileName, std::string* error = nullptr) = 0;
};

// Reads metafiles from one folder, names matched in any case.
class WmfPictures : public Pictures {
public:
    explicit WmfPictures(std::string folder) : folder_(std::move(folder)) {}
    QImage load(const std::string& fileName, std::string* error = nullptr) override;

private:
    std::string folder_;
};
