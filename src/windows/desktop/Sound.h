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
