// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A picture drawn for the device pixel ratio of the screen it shows on, and
// drawn anew when its window moves to a screen of another density (or the
// screen's scale changes), so that it stays as sharp there as it was.

#include <QImage>

#include <functional>

class RatioPicture {
public:
    // Draws the picture for a ratio; a null image when it cannot.
    using Draw = std::function<QImage(double ratio)>;

    RatioPicture() = default;
    RatioPicture(QImage first, Draw again) : image_(std::move(first)), again_(std::move(again)) {}

    const QImage& image() const { return image_; }

    // The picture for a screen of this ratio. One that cannot be drawn anew
    // stays as it was (Qt enlarges or shrinks it), and is not tried again.
    const QImage& at(double ratio)
    {
        if (again_ && !image_.isNull() && image_.devicePixelRatio() != ratio) {
            QImage drawn = again_(ratio);
            if (drawn.isNull()) again_ = nullptr;
            else image_ = std::move(drawn);
        }
        return image_;
    }

private:
    QImage image_;
    Draw again_;
};
