#pragma once

#include <QString>

#include <thread>

// Reads the system's font configuration and the names of the installed font
// families on a thread of its own while the program connects to the window
// system, so that the first text drawn does not wait for them. Made first
// thing in main; wait() before any text is laid out (the destructor waits
// too).
class FontConfigWarmUp
{
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp &) = delete;
    FontConfigWarmUp &operator=(const FontConfigWarmUp &) = delete;

    void wait();

    // Whether a family of this name is installed (letter case aside). Read
    // once per run, on first use, from the font configuration: asking the
    // toolkit instead would make it load every family it knows.
    static bool hasFamily(const QString &family);

private:
    std::thread m_thread;
};
