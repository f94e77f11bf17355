// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "doubles/Doubles.h"

void ScriptedDialogs::message(const std::string& text, const std::string& title)
{
    shown.push_back({"message", text, title, ""});
    if (onShow) onShow(Shown(shown.back()));
}

std::string ScriptedDialogs::input(const std::string& prompt, const std::string& title, const std::string& defaultText)
{
    shown.push_back({"input", prompt, title, defaultText});
    if (onShow) onShow(Shown(shown.back()));
    if (answers.empty()) return {};
    std::string a = answers.front();
    answers.pop_front();
    return a;
}

Result<QImage> FakePictures::load(const std::string& fileName, const PicturePlace&, double scale)
{
    ++loads;
    if (auto e = errors.find(fileName); e != errors.end()) return {{}, e->second};
    auto it = images.find(fileName);
    if (it == images.end()) return {{}, Error::NotFound};
    if (scale == 1.0 || it->second.isNull()) return {it->second, Error::None};
    QImage scaled = it->second.scaled((QSizeF(it->second.size()) * scale).toSize(), Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(scale);
    return {scaled, Error::None};
}
