// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

class Sound {
public:
    virtual ~Sound() = default;
    virtual void beep() = 0;
};

class QtSound : public Sound {
public:
    void beep() override;
};
