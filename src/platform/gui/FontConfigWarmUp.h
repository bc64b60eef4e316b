#pragma once

#include <thread>

namespace waybill {

// The system's font configuration is read from many small files the first time any text is
// measured, which would hold up the first window by several milliseconds. Started before the
// application object, it is read on a worker while the display connection is made. Where
// the platform has no such configuration, nothing is started.
class FontConfigWarmUp {
  public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Call before the first font is used: a second reader would only repeat the work.
    void Wait();

  private:
    std::thread worker_;
};

} // namespace waybill
