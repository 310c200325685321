#pragma once
// Reads the values of one record in order from a record file. A value that is
// not there (no open section, end of the data) leaves its target unchanged and
// is remembered, so a truncated record keeps its defaults for what is missing
// and its reader can say that something was missing.
#include <cstdint>
#include <string>

namespace v3 {

class CDatum;
class CV3File;

class ValueReader {
public:
    explicit ValueReader(CV3File& file) : file_(file) {}

    // Each returns whether the value was there.
    bool Int(int32_t& target);
    // The low 8 bits of the number on the line.
    bool Byte(uint8_t& target);
    bool ULng(uint32_t& target);
    bool Str(std::string& target);
    // Text into a fixed field of `capacity` bytes: at most capacity - 1 bytes are kept.
    bool Str(std::string& target, size_t capacity);
    // A date line, parsed as the record file's date reader does.
    bool Datum(CDatum& target);

    // True while every value so far was there.
    bool Ok() const { return ok_; }

private:
    CV3File& file_;
    bool ok_ = true;
};

}  // namespace v3
