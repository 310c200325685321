#pragma once
// Helpers for the record tests of the stadium and the people around the clubs:
// a random source that hands out a fixed sequence, and table-driven checks of
// setters and of the written form of a record.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TestUtil.h"
#include "platform/Random.h"
#include "records/V3File.h"

namespace v3test {

// Hands out the given values in order; a draw beyond them fails the test.
class SequenceRandom : public v3::IRandom {
public:
    explicit SequenceRandom(std::vector<int> values) : values_(std::move(values)) {}
    int Rand() override {
        if (next_ >= values_.size()) {
            ADD_FAILURE() << "more random draws than expected";
            return 0;
        }
        return values_[next_++];
    }
    void Seed(uint32_t) override {}
    bool AllUsed() const { return next_ == values_.size(); }

private:
    std::vector<int> values_;
    size_t next_ = 0;
};

template <class R>
struct SetterCase {
    std::string what;
    std::function<bool(R&)> set;
    bool accepted;
    std::function<bool(const R&)> took;  // the new value is in place
};

// Each case runs on a copy of start: an accepted value must be in place, a
// refused one must leave the whole record as it was.
template <class R>
void CheckSetters(const R& start, const std::vector<SetterCase<R>>& cases) {
    for (const auto& c : cases) {
        R r = start;
        EXPECT_EQ(c.set(r), c.accepted) << c.what;
        if (c.accepted)
            EXPECT_TRUE(c.took(r)) << c.what << ": value not stored";
        else
            EXPECT_TRUE(r == start) << c.what << ": refused value changed the record";
    }
}

// The four cases at the edges of lo..hi: lo - 1 and hi + 1 refused, lo and hi taken.
template <class R, class Set, class Get>
void AddRange(std::vector<SetterCase<R>>& cases, const std::string& what, Set set, Get get, long long lo,
              long long hi) {
    for (long long v : {lo - 1, lo, hi, hi + 1}) {
        bool ok = v >= lo && v <= hi;
        cases.push_back({what + "(" + std::to_string(v) + ")", [set, v](R& r) { return set(r, v); }, ok,
                         [get, v](const R& r) { return (long long)get(r) == v; }});
    }
}

// A lower limit only: lo - 1 refused, lo and a far larger value taken.
template <class R, class Set, class Get>
void AddMinimum(std::vector<SetterCase<R>>& cases, const std::string& what, Set set, Get get, long long lo) {
    for (long long v : {lo - 1, lo, lo + 100000}) {
        bool ok = v >= lo;
        cases.push_back({what + "(" + std::to_string(v) + ")", [set, v](R& r) { return set(r, v); }, ok,
                         [get, v](const R& r) { return (long long)get(r) == v; }});
    }
}

// Text lengths at the edges of lo..hi characters.
template <class R, class Set, class Get>
void AddLengthRange(std::vector<SetterCase<R>>& cases, const std::string& what, Set set, Get get, size_t lo,
                    size_t hi) {
    for (size_t n : {lo == 0 ? size_t(0) : lo - 1, lo, hi, hi + 1}) {
        bool ok = n >= lo && n <= hi;
        std::string text(n, 'x');
        cases.push_back({what + " of " + std::to_string(n) + " characters", [set, text](R& r) { return set(r, text); },
                         ok, [get, text](const R& r) { return get(r) == text; }});
    }
}

// Writes a file: the identification, then (inside the section `enclosing`
// when given) whatever body writes. Returns the file's lines.
inline std::vector<std::string> WriteRecordFile(const std::string& path, const char* enclosing,
                                                const std::function<bool(v3::CV3File&)>& body) {
    v3::CV3File f;
    EXPECT_NE(f.Open(path, v3::CV3File::modeWrite | v3::CV3File::modeCreate), 0);
    f.PutID(v3::kFileID);
    if (enclosing) f.NewSection(enclosing);
    EXPECT_TRUE(body(f)) << "writer reported a failure";
    if (enclosing) f.EndSection(1);
    EXPECT_TRUE(f.Close());
    return ReadCrLfLines(path);
}

// Opens a file for reading, takes the identification and enters `enclosing` when given.
inline void OpenForReading(v3::CV3File& f, const std::string& path, const char* enclosing) {
    ASSERT_NE(f.Open(path, v3::CV3File::modeRead), 0);
    int32_t id = 0;
    f.GetID(id);
    if (enclosing) {
        ASSERT_TRUE(f.FindSection(enclosing));
    }
}

// Lines joined with CR LF, each line ended.
inline std::string CrLfText(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

}  // namespace v3test
