#pragma once

#include "batch/order_list.h"

#include <string>

// A completed list kept in memory.
class StringSink : public ByteSink {
public:
    void Write(std::string_view bytes) override { bytes_.append(bytes); }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};
