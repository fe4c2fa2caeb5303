#pragma once

// The base of a class that is used through pointers to it: never copied, so
// that a copy cannot slice it, and destroyed through the base.
class CInterface {
public:
    CInterface(const CInterface&) = delete;
    CInterface& operator=(const CInterface&) = delete;
    virtual ~CInterface() = default;

protected:
    CInterface() = default;
};
